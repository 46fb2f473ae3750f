#pragma once
#include "host/base.h"

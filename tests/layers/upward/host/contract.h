#pragma once
#include "db/record.h"

#pragma once
// One subsystem naming another one's screen instead of opening it by name.
#include "client/screen.h"
#include "host/base.h"

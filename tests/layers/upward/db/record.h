#pragma once
// Runs up the layers: the database knowing the host contract.
#include "host/contract.h"

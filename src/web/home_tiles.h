#pragma once
// The home page's tiles: one for each way a registered screen offers to be
// opened, in the registry's order, for the screens the user may open.
#include <string>

#include "host/base.h"

namespace meridian::web {

std::string homeTiles(host::Base& base);

}  // namespace meridian::web

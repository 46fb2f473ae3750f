#pragma once
// The home page's tiles: one for each way a registered screen offers to be
// opened, in the registry's order, for the screens the user may open.
#include <functional>
#include <string>

namespace meridian::web {

// `mayOpen` answers whether the user holds a numbered right.
std::string homeTiles(const std::function<bool(int right)>& mayOpen);

}  // namespace meridian::web

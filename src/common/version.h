#pragma once
// The program's version: CMake's project version, and nowhere else.
#include <string_view>

namespace meridian {

inline constexpr std::string_view kVersion = MERIDIAN_VERSION;

}  // namespace meridian

#pragma once
// Small text routines the screens share.
#include <string>
#include <string_view>

namespace meridian::host {

constexpr std::string_view kBlanksAndTabs = " \t";
constexpr std::string_view kWhitespace = " \t\r\n";

// The text without the given characters at either end (blanks by default, as
// the screens trim what was typed).
std::string trimmed(std::string_view text, std::string_view chars = " ");
std::string upperCase(std::string text);

}  // namespace meridian::host

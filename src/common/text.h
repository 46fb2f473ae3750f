#pragma once
// Small text routines every layer shares.
#include <initializer_list>
#include <string>
#include <string_view>

namespace meridian {

constexpr std::string_view kBlanksAndTabs = " \t";
constexpr std::string_view kWhitespace = " \t\r\n";

// The text without the given characters at either end (blanks by default, as
// the screens trim what was typed).
std::string trimmed(std::string_view text, std::string_view chars = " ");
std::string upperCase(std::string text);
std::string lowerCase(std::string text);
// The parts that are not blank, each trimmed, joined by the separator: names
// ("RAVI SHAH" from "RAVI", "", "SHAH") and address lines.
std::string joinNonBlank(std::initializer_list<std::string_view> parts, std::string_view separator = " ");
// The text cut to at most `chars` characters, never inside a UTF-8 character.
std::string cutToChars(std::string_view text, size_t chars);

}  // namespace meridian

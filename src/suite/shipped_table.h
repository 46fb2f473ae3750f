#pragma once
// Reading the small CSV tables the program ships (data/*.csv) strictly: the
// titles must be the expected ones, every line has their number of fields,
// and a bad field is named with its list and line.
#include <string>
#include <string_view>
#include <vector>

namespace meridian::suite {

// The lines after the titles; blank lines are skipped.
std::vector<std::vector<std::string>> shippedRows(std::string_view csv, const std::vector<std::string>& titles,
                                                  const std::string& list);
// A year such as 2016; `where` begins the error's words.
int yearField(const std::string& text, const std::string& where);
// "yes" or "no".
bool yesNoField(const std::string& text, const std::string& where);
// The text of a file the program carries ("data/return_forms.csv").
std::string shippedText(const char* path);

}  // namespace meridian::suite

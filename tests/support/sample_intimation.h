#pragma once
// A department intimation made for the tests: one page of text lines laid out
// as the portal's PDF lays them, optionally locked with an open password.
#include <string>
#include <vector>

namespace meridian::testsupport {

void writeSamplePdf(const std::string& path, const std::vector<std::string>& lines, const std::string& openPassword = "");

// The first page of an intimation u/s 143(1) for the PAN and A.Y.
std::vector<std::string> intimationLines(const std::string& pan, const std::string& ay);

}  // namespace meridian::testsupport

#pragma once
// The text of a PDF as a reader gets it back (poppler's pdftotext, keeping
// the layout), for tests that check what a printed report says.
#include <string>

namespace meridian::testsupport {

std::string pdfText(const std::string& pdfBytes);

}  // namespace meridian::testsupport

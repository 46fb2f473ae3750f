#include "support/pdf_text.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/db_fixture.h"

namespace meridian::testsupport {

std::string pdfText(const std::string& pdfBytes) {
  const std::filesystem::path dir = scratchDir("pdf");
  const std::filesystem::path file = dir / "report.pdf";
  std::ofstream(file, std::ios::binary) << pdfBytes;
  std::string text;
  if (FILE* pipe = popen(("pdftotext -layout '" + file.string() + "' - 2>&1").c_str(), "r")) {
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    pclose(pipe);
  }
  std::filesystem::remove_all(dir);
  return text;
}

}  // namespace meridian::testsupport

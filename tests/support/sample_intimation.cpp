#include "support/sample_intimation.h"

#include <hpdf.h>

#include <stdexcept>

namespace meridian::testsupport {

void writeSamplePdf(const std::string& path, const std::vector<std::string>& lines, const std::string& openPassword) {
  HPDF_Doc pdf = HPDF_New(nullptr, nullptr);
  if (!pdf) throw std::runtime_error("cannot start a PDF");
  HPDF_Page page = HPDF_AddPage(pdf);
  HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
  HPDF_Font font = HPDF_GetFont(pdf, "Helvetica", nullptr);
  HPDF_Page_BeginText(page);
  HPDF_Page_SetFontAndSize(page, font, 9);
  float y = 800;
  for (const auto& line : lines) {
    HPDF_Page_TextOut(page, 40, y, line.c_str());
    y -= 16;
  }
  HPDF_Page_EndText(page);
  if (!openPassword.empty()) {
    HPDF_SetPassword(pdf, "department-owner-key", openPassword.c_str());
    HPDF_SetEncryptionMode(pdf, HPDF_ENCRYPT_R3, 16);
  }
  const HPDF_STATUS saved = HPDF_SaveToFile(pdf, path.c_str());
  HPDF_Free(pdf);
  if (saved != HPDF_OK) throw std::runtime_error("cannot write " + path);
}

std::vector<std::string> intimationLines(const std::string& pan, const std::string& ay) {
  return {"INCOME TAX DEPARTMENT",
          "CENTRALIZED PROCESSING CENTRE",
          "INTIMATION U/S 143(1) OF THE INCOME TAX ACT, 1961",
          "Communication Reference No: CPC/1617/G3/1617012345",
          "PAN: " + pan,
          "Name: SHAH AND SONS",
          "A.Y. " + ay,
          "ITR Type: ITR-5",
          "E-Filing Acknowledgement No: 123456789012345",
          "Date of Filing : 25-07-2016",
          "Due Date for Filing : 30-09-2016",
          "Date of Order: 14-11-2016"};
}

}  // namespace meridian::testsupport

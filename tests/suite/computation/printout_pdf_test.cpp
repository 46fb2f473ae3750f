// The printout's PDF read back as text: the rupee sign of the amount
// columns and a name written in Devanagari come out as they went in, which
// the PDF's standard Latin-1 faces could not carry.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "suite/computation/printout_document.h"
#include "suite/engine/compute_year.h"
#include "suite/engine/year_input_json.h"
#include "suite/report/pdf_fonts.h"
#include "suite/report/pdf_renderer.h"
#include "support/pdf_text.h"

namespace meridian::suite::computation {
namespace {

PrintoutData devanagariClient() {
  const auto input = engine::yearInputFromJson(nlohmann::json::parse(R"({
      "ay": "2016-17", "status": "Individual", "dob": "14/08/1978",
      "salary": [{"gross": 1250000}], "taxes_paid": {"tds": 100000}})"));
  PrintoutData d;
  d.year = 2016;
  d.client.code = "C0901";
  d.client.name = "रमेश अय्यर";
  d.client.status = "INDIVIDUAL";
  d.client.residentialStatus = "RESIDENT";
  d.result = engine::computeYear(input);
  d.context = engine::resultContextOf(d.result, *engine::lawOf(2016));
  d.dueDate = engine::defaultDueDate(input);
  d.practitioner = Practitioner{"शर्मा एंड एसोसिएट्स"};
  d.sheet = computationSheet(d.client, d.result, false);
  return d;
}

TEST(ComputationPdf, CarriesTheRupeeSignAndDevanagariNames) {
  ASSERT_TRUE(report::pdfFontFiles().has_value())
      << "DejaVu Sans Mono is missing (Debian's fonts-dejavu-core, installed by scripts/setup)";
  ASSERT_FALSE(report::pdfFontFiles()->devanagari[0].empty())
      << "Noto Sans Devanagari is missing (Debian's fonts-noto-core, installed by scripts/setup)";
  const auto paged = paginatedPrintout(devanagariClient(), PrintoutOptions::read([](const std::string&) {
                                         return std::string();
                                       }),
                                       PrintMode::computation);
  const std::string text = testsupport::pdfText(report::renderPdf(*paged));
  ASSERT_FALSE(text.empty()) << "pdftotext (poppler-utils) gave nothing";
  EXPECT_NE(text.find("Amount (₹)"), std::string::npos) << text;
  EXPECT_NE(text.find("रमेश अय्यर"), std::string::npos) << text;
  EXPECT_NE(text.find("शर्मा एंड एसोसिएट्स"), std::string::npos) << text;
  EXPECT_NE(text.find("12,50,000"), std::string::npos) << "amounts in Indian digit grouping\n" << text;
}

// Script runs are cut where Devanagari starts and ends, each piece knowing
// how many report columns it holds.
TEST(ComputationPdf, SplitsTextWhereTheScriptChanges) {
  struct Case {
    const char* text;
    std::vector<std::pair<std::string, bool>> pieces;
    std::vector<int> columns;
  };
  const Case cases[] = {
      {"NAME रमेश X", {{"NAME ", false}, {"रमेश ", true}, {"X", false}}, {5, 5, 1}},
      {"रमेश अय्यर (C1)", {{"रमेश अय्यर ", true}, {"(C1)", false}}, {11, 4}},
      {"₹ 100", {{"₹ 100", false}}, {5}},
      {"अय्यर", {{"अय्यर", true}}, {5}},
      {"", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto pieces = report::splitByScript(c.text);
    ASSERT_EQ(pieces.size(), c.pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_EQ(pieces[i].text, c.pieces[i].first);
      EXPECT_EQ(pieces[i].devanagari, c.pieces[i].second);
      EXPECT_EQ(pieces[i].columns, c.columns[i]);
    }
  }
}

}  // namespace
}  // namespace meridian::suite::computation

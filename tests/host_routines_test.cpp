#include <gtest/gtest.h>

#include "host/countries.h"
#include "host/processing_status.h"
#include "host/status.h"
#include "ui/control.h"

namespace meridian::host {
namespace {

TEST(ProcessingStatus, NormalisesTheDepartmentsTexts) {
  const std::pair<std::string, std::string> cases[] = {
      {"ITR Processed Refund Determined", "Refund"},
      {"itr processed  no refund no demand", "Nil Refund/Demand"},
      {"under process", "Under process"},
      {"  NO DEMAND NO REFUND ", "Nil Refund/Demand"},
      {"Demand Determined (Tax is Payable)", "Demand (Tax Payable)"},
      {"demand", "Demand"},
      {"ITR PROCESSED DEMAND DETERMINED", "Demand"},
      {"refund", "Refund"},
      {"", ""},
      {"   ", ""},
      {"ITR Processed ", "ITR Processed"},  // the prefix needs its trailing blank and something after it
      {"ITR Processed", "ITR Processed"},
      {"rectification in progress", "Rectification in progress"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(normaliseProcessingStatus(in), out) << "[" << in << "]";
}

TEST(Status, CodeAndClassFollowTheTextBlanksIncluded) {
  struct Case {
    const char* text;
    int code, cls;
  } cases[] = {
      {"INDIVIDUAL", 0, 1},           {"individual", 0, 1},       {"HUF", 1, 1},
      {"AOP", 2, 1},                  {"AOP(MMR)", 2, 1},         {"AOP(MRR)", 2, 1},
      {"AOP (TRUST)", 3, 1},          {"CO-OPERATIVE BANK", 4, 1}, {"FIRM", 5, 2},
      {"FIRM (LIMITED LIABILITY)", 5, 2}, {"PRIVATE LTD.", 6, 3},  {"FOREIGN  COMPANY", 6, 3},
      {"FOREIGN COMPANY", 7, 4},      {"PUBLIC LTD.", 7, 4},      {"BOI(MMR)", 8, 1},
      {"LOCAL AUTHORITY", 9, 1},      {"ARTIFICIAL JURIDICAL PERSON", 10, 1},
      {"PRIVATE", 0, 3},              {"PUB NOT INT", 0, 3},      {"PUB INT", 0, 4},
      {"PUBLIC", 0, 4},               {"PROPRIETORSHIP", 0, 1},   {"FOREIGN   COMPANY", 0, 1},
      {"PRIVATE LTD", 0, 1},          {"", 0, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(statusCode(c.text), c.code) << c.text;
    EXPECT_EQ(statusClass(c.text), c.cls) << c.text;
  }
}

TEST(Countries, TableHoldsAllCountriesInOrder) {
  const auto& list = countries();
  ASSERT_EQ(list.size(), 106u);
  const std::string head = "54|ARGENTINA|54|A61|AUSTRALIA|61|43|AUSTRIA|43|", tail = "|263|ZIMBABWE|263";
  EXPECT_EQ(countryTableText().substr(0, head.size()), head);
  EXPECT_EQ(countryTableText().substr(countryTableText().size() - tail.size()), tail);
  for (size_t i = 1; i < list.size(); ++i) EXPECT_LT(list[i - 1].name, list[i].name) << list[i].name;
  int differing = 0;
  for (const auto& c : list) differing += c.code != c.isd;
  EXPECT_EQ(differing, 9);
}

TEST(Countries, ComboModes) {
  ui::Control combo;
  struct Case {
    const char* text;
    const char* mode;
    const char* result;
  } cases[] = {
      {"1", "GETDESC_ISD", "CANADA (1)"},
      {"01", "GETDESC_ISD", "CANADA (1)"},
      {"91", "GETDESC_ISD", "INDIA (91)"},
      {"UNITED STATES (1)", "GETCODE_ISD", "B1"},
      {" united states (1) ", "GETCODE_ISD", "B1"},
      {"INDIA (91)", "GETISD_ISD", "91"},
      {"Australia", "GETCODE_CNT", "A61"},
      {"NAMIBIA", "GETCODE_CNT", "B264"},
      {"NARNIA", "GETCODE_CNT", ""},
      {"INDIA", "GETSOMETHING", ""},
      {"999", "GETDESC_ISD", ""},
  };
  for (const auto& c : cases) {
    combo.text = c.text;
    EXPECT_EQ(countryList(combo, c.mode), c.result) << c.mode << " " << c.text;
  }
  combo.text = "x";
  EXPECT_EQ(countryList(combo, "FILL_ISD"), "");
  ASSERT_EQ(combo.items.size(), 106u);
  EXPECT_EQ(combo.items[39], "INDIA (91)");
  countryList(combo, "FILL_CNT");
  EXPECT_EQ(combo.items.front(), "ARGENTINA");
  EXPECT_EQ(combo.items.back(), "ZIMBABWE");
}

}  // namespace
}  // namespace meridian::host

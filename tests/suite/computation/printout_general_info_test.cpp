// The printout's pieces from the year's General Information, for the demo
// trader C0821: the list of enclosures and the other details under
// CompAnnex, the profit and loss account (CompOth6), the balance sheet
// (CompOth7) and Schedule AL (CompOth11), compared with the golden file;
// each piece is left out when its setting is off, and the no-books words
// follow the year's answer.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <tuple>

#include "db/rows.h"
#include "suite/computation/printout_document.h"
#include "suite/computation/printout_source.h"
#include "suite/heads/demo_heads.h"
#include "suite/report/text_renderer.h"
#include "demo_heads_test.h"
#include "support/db_fixture.h"
#include "support/golden_file.h"

namespace meridian::suite::computation {
namespace {

const char* kNoBooks = " (Regular books of account of business or profession are not maintained)";

class GeneralInfoPrintout : public DemoHeadsTest {
 protected:
  void SetUp() override {
    DemoHeadsTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    auto tx = conn().begin();
    const db::Pairs year{{"code_no", "C0821"}, {"ass_year", 2016}};
    db::insertRow(conn(), "geninfo_balpl",
                  {{"code_no", "C0821"}, {"ass_year", 2016}, {"booksmaint", "N"}, {"grossrcpt", "4250000"},
                   {"grossprofit", "520000"}, {"expenses", "180000.50"}, {"netprofit", "339999.50"},
                   {"sundrydebtors", "85000"}, {"sundrycreditors", "62000"}, {"stockintrade", "140000"},
                   {"cashbal", "23500"}});
    db::insertRow(conn(), "itrschal",
                  {{"code_no", "C0821"}, {"ass_year", 2016}, {"detgiven", "Y"}, {"land", "1200000"},
                   {"building", "2600000"}, {"bankdeposits", "310000"}, {"shares", "75000"}, {"insurance", "120000"},
                   {"cashinhand", "23500"}, {"jewellery", "450000"}, {"vehicles", "380000"}, {"liability", "900000"}});
    int n = 0;
    for (const char* text : {"COPY OF BANK STATEMENT", "STATEMENT OF STOCK AS ON 31/03/2016", "FORM 26AS"})
      db::insertRow(conn(), "itdoc", {{"code_no", "C0821"}, {"t_year", 2016}, {"srno", ++n}, {"particulars", text}});
    // Entered out of the order they print in.
    n = 0;
    for (const auto& [catg, text, amount] :
         {std::tuple{"ALW", "BAD DEBTS WRITTEN OFF", "12000"}, std::tuple{"ADD", "GIFT FROM SUPPLIER", "8000"},
          std::tuple{"D37", "PENALTY FOR LATE DELIVERY", "2500"}, std::tuple{"D37", "DONATION TO TEMPLE", "1100"}})
      db::insertRow(conn(), "business_othdet", {{"code_no", "C0821"}, {"ass_year", 2016}, {"srno", ++n},
                                                {"catg", catg}, {"particulars", text}, {"amount", amount}});
    tx.commit();
  }
  std::string printed(const std::map<std::string, std::string>& settings) {
    const auto options = PrintoutOptions::read([&](const std::string& key) {
      auto it = settings.find(key);
      return it == settings.end() ? std::string() : it->second;
    });
    const auto data = loadPrintoutData(conn(), {"C0821", "C0821", 2016, ""});
    return report::renderText(*paginatedPrintout(data, options, PrintMode::computation));
  }
};

TEST_P(GeneralInfoPrintout, EveryPiecePrintsUnderItsSetting) {
  testsupport::expectGoldenFile(
      std::filesystem::path(MERIDIAN_TEST_DATA_DIR) / "computation" / "c0821_general_information.txt",
      printed({{"CompAnnex", "1"}, {"CompOth6", "1"}, {"CompOth7", "1"}, {"CompOth11", "1"}}));

  struct Case {
    const char* setting;
    std::vector<const char*> pieces;
  };
  for (const Case& c : std::vector<Case>{
           {"CompAnnex", {"List of Enclosures:", "DISALLOWED U/S 37", "ANY OTHER ADDITIONS U/S 28 TO 44DB"}},
           {"CompOth6", {"Profit & Loss Account"}},
           {"CompOth7", {"Balance Sheet"}},
           {"CompOth11", {"Details of Asset and Liability at the end of the year (As per Sch-AL)"}}}) {
    SCOPED_TRACE(c.setting);
    const std::string alone = printed({{c.setting, "1"}});
    const std::string none = printed({});
    for (const char* piece : c.pieces) {
      EXPECT_NE(alone.find(piece), std::string::npos) << piece << " under its own setting";
      EXPECT_EQ(none.find(piece), std::string::npos) << piece << " with every setting off";
    }
  }

  // A business with books: the further lines of each account, side by
  // side with their totals; under CompOth8 the accounts as an annexure of
  // their own page.
  int n = 0;
  for (const auto& [side, text, amount] : {std::tuple{"DR", "RENT OF GODOWN", "36000"},
                                           std::tuple{"CR", "DISCOUNT RECEIVED", "4200"},
                                           std::tuple{"DR", "WAGES", "64000"}})
    db::insertRow(conn(), "geninfo_morepl", {{"code_no", "C0821"}, {"tyear", 2016}, {"srno", ++n}, {"side", side},
                                             {"particulars", text}, {"amount", amount}});
  n = 0;
  for (const auto& [side, text, amount] :
       {std::tuple{"A", "FIXED DEPOSIT", "90000"}, std::tuple{"L", "LOAN FROM BANK", "250000"}})
    db::insertRow(conn(), "geninfo_morebs", {{"code_no", "C0821"}, {"tyear", 2016}, {"srno", ++n}, {"side", side},
                                             {"particulars", text}, {"amount", amount}});
  testsupport::expectGoldenFile(
      std::filesystem::path(MERIDIAN_TEST_DATA_DIR) / "computation" / "c0821_accounts_further_lines.txt",
      printed({{"CompOth6", "1"}, {"CompOth7", "1"}}));
  testsupport::expectGoldenFile(
      std::filesystem::path(MERIDIAN_TEST_DATA_DIR) / "computation" / "c0821_accounts_separate_annexure.txt",
      printed({{"CompOth6", "1"}, {"CompOth7", "1"}, {"CompOth11", "1"}, {"CompOth8", "1"}}));
  // The further lines alone, with no no-account figures, still print.
  conn().execute("DELETE FROM geninfo_balpl");
  const std::string furtherOnly = printed({{"CompOth6", "1"}});
  EXPECT_NE(furtherOnly.find("RENT OF GODOWN"), std::string::npos);
  EXPECT_EQ(furtherOnly.find("are not maintained"), std::string::npos);
  EXPECT_EQ(printed({{"CompOth8", "1"}}).find("ANNEXURE"), std::string::npos) << "no account switched on, no annexure";
  db::insertRow(conn(), "geninfo_balpl", {{"code_no", "C0821"}, {"ass_year", 2016}, {"booksmaint", "N"}});

  conn().execute("UPDATE geninfo_balpl SET booksmaint = 'Y'");
  const std::string books = printed({{"CompOth6", "1"}});
  EXPECT_NE(books.find("Profit & Loss Account"), std::string::npos);
  EXPECT_EQ(books.find("are not maintained"), std::string::npos) << "regular books are kept";
}

MERIDIAN_ON_BOTH_ENGINES(GeneralInfoPrintout);

}  // namespace
}  // namespace meridian::suite::computation

// The ITR-4S of the demo trader C0821 states the balance-sheet figures of a
// business without books from the year's General Information
// (geninfo_balpl), leaves them out where regular books are kept, and states
// nil where the year has no such figures; each file passes its schema.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "itr/efile/ereturn_source.h"
#include "itr/efile/produce_ereturn.h"
#include "suite/efile/efile_credentials.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/heads/demo_heads.h"
#include "support/session_fixture.h"
#include "support/xmllint.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

class NoBooksEReturn : public testsupport::SessionTest {};

TEST_P(NoBooksEReturn, TheStatementComesFromGeneralInformation) {
  suite::heads::seedDemoHeads(conn());
  suite::efile::EfileCredentials credentials(conn());
  credentials.save(2016, {"SW12345678", "A1b2C3d4E5f6G7h", "0003"});
  auto signedIn = signIn(makeUser("clerk", true));
  host::Base& base = signedIn.session->component().base();
  const std::string dir = testsupport::scratchDir("no_books_ereturn");

  struct Case {
    const char* why;
    const char* books;  // nullptr: no row
    std::vector<std::string> present, absent;
  };
  const std::vector<Case> cases = {
      {"no books kept", "N",
       {"<ITRForm:TotSundryDbtAmt>85000</ITRForm:TotSundryDbtAmt>",
        "<ITRForm:TotSundryCrdAmt>62000</ITRForm:TotSundryCrdAmt>",
        "<ITRForm:TotStkInTradAmt>140000</ITRForm:TotStkInTradAmt>", "<ITRForm:CashBalAmt>23500</ITRForm:CashBalAmt>"},
       {}},
      {"regular books kept", "Y", {}, {"NoBooksOfAccBS"}},
      {"nothing entered", nullptr, {"<ITRForm:TotSundryDbtAmt>0</ITRForm:TotSundryDbtAmt>"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    conn().execute("DELETE FROM geninfo_balpl");
    if (c.books)
      conn().execute("INSERT INTO geninfo_balpl (code_no, ass_year, booksmaint, sundrydebtors, sundrycreditors, "
                     "stockintrade, cashbal) VALUES ('C0821', 2016, ?, 85000, 62000, 140000, 23499.50)",
                     {std::string(c.books)});
    const auto gathered =
        gatherEReturn(base, {"C0821", "C0821", 2016, "ITR-4S", "31/07/2016"}, std::nullopt, RegisterEntry{});
    const fs::path file = fs::path(dir) / "C0821.xml";
    const auto produced = produceEReturn(gathered.input, file, credentials);
    ASSERT_EQ(produced.result, ProduceResult::written) << produced.error;
    EXPECT_EQ(testsupport::xmllint(*suite::efile::rootSchemaFor(2016, "ITR-4S"), file).exitCode, 0);
    std::stringstream xml;
    xml << std::ifstream(file).rdbuf();
    for (const auto& s : c.present) EXPECT_NE(xml.str().find(s), std::string::npos) << s;
    for (const auto& s : c.absent) EXPECT_EQ(xml.str().find(s), std::string::npos) << s;
    fs::remove(file);
  }
  fs::remove_all(dir);
}

MERIDIAN_ON_BOTH_ENGINES(NoBooksEReturn);

}  // namespace
}  // namespace meridian::itr::efile

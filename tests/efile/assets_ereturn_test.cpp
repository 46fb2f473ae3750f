// Schedule AL of the demo trader C0821's ITR-4S of A.Y. 2016-17 comes from
// the year's General Information (itrschal and its immovable assets): written
// when the details are marked as given, the asset's own address and the
// state's code as kept, and the file passes its schema; a statement whose
// listed assets do not add up to the land and building refuses the return
// and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "itr/efile/ereturn_source.h"
#include "itr/efile/produce_ereturn.h"
#include "suite/atomic_file.h"
#include "suite/efile/efile_credentials.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/heads/demo_heads.h"
#include "support/session_fixture.h"
#include "support/xmllint.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

class AssetsEReturn : public testsupport::SessionTest {};

TEST_P(AssetsEReturn, ScheduleALComesFromGeneralInformation) {
  suite::heads::seedDemoHeads(conn());
  suite::efile::EfileCredentials credentials(conn());
  credentials.save(2016, {"SW12345678", "A1b2C3d4E5f6G7h", "0003"});
  auto signedIn = signIn(makeUser("clerk", true));
  host::Base& base = signedIn.session->component().base();
  const std::string dir = testsupport::scratchDir("assets_ereturn");

  struct Case {
    const char* why;
    const char* given;
    const char* building;  // land is Rs. 10,00,000
    ProduceResult result;
    std::vector<std::string> present, absent;
  };
  const std::vector<Case> cases = {
      {"given, the assets listed add up", "Y", "3200000", ProduceResult::written,
       {"<ITRForm:Description>SHOP AT MARKET YARD</ITRForm:Description>",
        "<ITRForm:ResidenceNo>14</ITRForm:ResidenceNo>\n          <ITRForm:LocalityOrArea>MARKET YARD</ITRForm:LocalityOrArea>",
        "<ITRForm:StateCode>27</ITRForm:StateCode>", "<ITRForm:PinCode>411037</ITRForm:PinCode>",
        "<ITRForm:Amount>3200000</ITRForm:Amount>", "<ITRForm:Amount>1000000</ITRForm:Amount>",
        "<ITRForm:DepositsInBank>275000</ITRForm:DepositsInBank>",
        "<ITRForm:LiabilityInRelatAssets>900000</ITRForm:LiabilityInRelatAssets>"},
       {}},
      {"not marked as given", "N", "3200000", ProduceResult::written, {}, {"ScheduleAL"}},
      {"given, a building entered beside the assets listed", "Y", "3300000", ProduceResult::refused, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    conn().execute("DELETE FROM itrschal");
    conn().execute("DELETE FROM itrschal_immov");
    conn().execute("INSERT INTO itrschal (code_no, ass_year, detgiven, land, building, bankdeposits, liability) "
                   "VALUES ('C0821', 2016, ?, 1000000, ?, 275000, 900000)",
                   {std::string(c.given), std::string(c.building)});
    conn().execute("INSERT INTO itrschal_immov (code_no, ass_year, srno, descr, h_no, area, city, statecode, pin, "
                   "amount) VALUES ('C0821', 2016, 1, 'SHOP AT MARKET YARD', '14', 'MARKET YARD', 'PUNE', '27', "
                   "'411037', 3200000), ('C0821', 2016, 2, 'PLOT', 'S NO 88', 'HADAPSAR', 'PUNE', '27', '', 1000000)");
    const auto gathered =
        gatherEReturn(base, {"C0821", "C0821", 2016, "ITR-4S", "31/07/2016"}, std::nullopt, RegisterEntry{});
    const fs::path file = fs::path(dir) / "C0821.xml";
    const auto produced = produceEReturn(gathered.input, file, credentials);
    ASSERT_EQ(produced.result, c.result) << produced.error;
    if (c.result == ProduceResult::refused) {
      EXPECT_NE(produced.error.find("come to Rs. 42,00,000, but land and building are entered as Rs. 43,00,000"),
                std::string::npos)
          << produced.error;
      EXPECT_FALSE(fs::exists(file)) << "a refused return writes nothing";
      continue;
    }
    EXPECT_EQ(testsupport::xmllint(*suite::efile::rootSchemaFor(2016, "ITR-4S"), file).exitCode, 0);
    const std::string xml = suite::readWholeFile(file);
    for (const auto& s : c.present) EXPECT_NE(xml.find(s), std::string::npos) << s;
    for (const auto& s : c.absent) EXPECT_EQ(xml.find(s), std::string::npos) << s;
    fs::remove(file);
  }
  fs::remove_all(dir);
}

MERIDIAN_ON_BOTH_ENGINES(AssetsEReturn);

}  // namespace
}  // namespace meridian::itr::efile

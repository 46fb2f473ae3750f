// Schedule 80G of the ITR-1 and ITR-4S returns: each donation in the block
// of its share and limit, the eligible half rounded as every amount is, the
// totals, and the return still passing the schema of each year.
#include <gtest/gtest.h>

#include <filesystem>

#include "itr/efile/donations_schedule.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/efile/schema_validator.h"
#include "support/db_fixture.h"
#include "support/sample_returns.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

DonationRow donation(DonationShare share, long long paise, const char* state = "KARNATAKA") {
  return {share, "SHIKSHA SAMITI", "AAATS4321K", "3, FIRST MAIN", "MYSURU", state, "570001", Money::paise(paise)};
}

std::string element(const std::string& name, const std::string& value) {
  return "<ITRForm:" + name + ">" + value + "</ITRForm:" + name + ">";
}

TEST(DonationsSchedule, TheEligibleAmountIsTheWholeOrTheHalfRoundedHalfToEven) {
  struct Case {
    DonationShare share;
    long long paise;
    long long eligibleRupees;
  };
  for (const Case& c : std::vector<Case>{{DonationShare::full, 100050, 1000},       // 1,000.50 rounds to 1,000
                                         {DonationShare::fullLimited, 100150, 1002},  // 1,001.50 rounds to 1,002
                                         {DonationShare::half, 100100, 500},          // half of 1,001 is 500.50
                                         {DonationShare::halfLimited, 100300, 502},   // half of 1,003 is 501.50
                                         {DonationShare::half, 100050, 500}}) {       // 1,000.50 is 1,000 first
    SCOPED_TRACE(c.paise);
    EXPECT_EQ(eligibleDonation(donation(c.share, c.paise)), Money::rupees(c.eligibleRupees));
  }
}

TEST(DonationsSchedule, EachDonationGoesToItsBlockWithTotalsAndTheReturnPassesItsSchema) {
  const std::string dir = testsupport::scratchDir("donations");
  for (int year : {2013, 2014, 2015, 2016}) {
    for (const std::string form : {"ITR-1", "ITR-4S"}) {
      SCOPED_TRACE(form + " " + std::to_string(year));
      EReturnInput in = testsupport::sampleEReturnInput({.year = year, .form = form});
      in.donations = {donation(DonationShare::half, 300100), donation(DonationShare::half, 100000),
                      donation(DonationShare::full, 50000, "STATE OUTSIDE INDIA")};
      const std::string xml = testsupport::writeEReturn(fs::path(dir) / "r.xml", in);
      const auto check = suite::efile::validateAgainst(*suite::efile::rootSchemaFor(year, form), xml);
      EXPECT_EQ(check.verdict, suite::efile::Verdict::valid)
          << (check.issues.empty() ? check.reason : suite::efile::describe(check.issues.front()));
      // The 50 per cent block without limit: 3,001 and 1,000 given, 1,500 and 500 eligible.
      const auto half = xml.find("<ITRForm:Don50PercentNoApprReqd>");
      ASSERT_NE(half, std::string::npos);
      EXPECT_NE(xml.find(element("TotEligibleDon50Percent", "2000") + "\n        " +
                             element("TotDon50PercentNoApprReqd", "4001"), half),
                std::string::npos);
      EXPECT_NE(xml.find(element("StateCode", "99")), std::string::npos) << "a donee abroad";
      // No block for a share nobody gave to.
      EXPECT_EQ(xml.find("<ITRForm:Don100PercentApprReqd>"), std::string::npos);
      EXPECT_EQ(xml.find("<ITRForm:Don50PercentApprReqd>"), std::string::npos);
      EXPECT_NE(xml.find(element("TotalEligibleDonationsUs80G", "2500") + "\n      " +
                         element("TotalDonationsUs80G", "4501")),
                std::string::npos);
      // Without donations there is no schedule at all.
      in.donations.clear();
      EXPECT_EQ(testsupport::writeEReturn(fs::path(dir) / "r.xml", in).find("Schedule80G"), std::string::npos);
    }
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace meridian::itr::efile

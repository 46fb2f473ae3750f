// The checks that read the heads' schedules, form by form and year by year:
// each case changes one fact of a plain year and names the check, its
// outcome and exact words; its neighbour changes the fact back within the
// rule and the check passes (or says which data it could not examine).
#include <gtest/gtest.h>

#include <functional>

#include "itr/filing_checks.h"
#include "itr/check_cases.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using testing::plainYear;

// A current account suits every form's account types.
FilingParticulars readyParticulars() { return testing::readyParticulars("CURRENT"); }

using testing::resultOf;

CapitalAssetFacts share(bool longTerm, std::vector<CapitalAssetFacts::Claim> claims = {}) {
  return {1, true, longTerm, false, std::move(claims)};
}
CapitalAssetFacts house(std::vector<CapitalAssetFacts::Claim> claims) { return {1, true, true, true, std::move(claims)}; }

engine::DeductionLine claim(const char* section) { return {section, Money::rupees(10000), Money::rupees(10000)}; }

const std::string kLower =
    "Assessee has claimed lower profit u/s [44AD].\r\n\r\nAssessee shall be required to keep and maintain such books of "
    "account and other documents as required under sub-section(2) of section 44AA and get them audited and furnish a "
    "report of such audit as required under section 44AB.\r\n\r\nDo you still want to Continue?";

void lower44AD(ReturnYear& y, Money declared) {
  y.input->business.presumptive44ad.turnover = Money::rupees(1000000);
  y.input->business.presumptive44ad.declared = declared;
  y.result->business.applied44ad = true;
  y.result->business.presumptive44ad = Money::rupees(80000);
}

TEST(ScheduleChecks, EachStopsOnItsFactAndPassesBesideIt) {
  const std::vector<testing::StopCase> cases{
      {"asset without a type", "ITR-2", "I", 2016, "Capital gains",
       [](ReturnYear& y) { y.capitalAssets = {{1, false, false, false, {}}}; },
       [](ReturnYear& y) { y.capitalAssets = {share(false)}; }, CheckOutcome::stopped,
       "Please Specify 'Type of Asset' in Capital Gain -> Short Term Capital Assets."},
      {"long-term asset without a type", "ITR-3", "I", 2015, "Capital gains",
       [](ReturnYear& y) { y.capitalAssets = {{1, false, true, false, {}}}; },
       [](ReturnYear& y) { y.capitalAssets = {share(true)}; }, CheckOutcome::stopped,
       "Please Specify 'Type of Asset' in Capital Gain -> Long Term Capital Assets."},
      {"claim without its section", "ITR-2", "I", 2016, "Capital gains",
       [](ReturnYear& y) { y.capitalAssets = {house({{"", true}})}; },
       [](ReturnYear& y) { y.capitalAssets = {house({{"54", true}})}; }, CheckOutcome::stopped,
       "Please Specify 'Section under which deduction claimed' in Capital Gain."},
      {"54 on shares", "ITR-2", "I", 2016, "Capital gains",
       [](ReturnYear& y) { y.capitalAssets = {share(true, {{"54", true}})}; },
       [](ReturnYear& y) { y.capitalAssets = {share(true, {{"54EC", true}})}; }, CheckOutcome::stopped,
       "Deductions is allowed only u/s '54EC/54F' in case of Long-term capital gains other than [Long-term capital "
       "gains from sale of land or building or both] in Capital Gain."},
      {"54EC on a short-term gain", "ITR-4", "I", 2016, "Capital gains",
       [](ReturnYear& y) { y.capitalAssets = {share(false, {{"54EC", true}})}; },
       [](ReturnYear& y) { y.capitalAssets = {share(true, {{"54EC", true}})}; }, CheckOutcome::stopped,
       "Deductions is allowed only u/s '54D/54G/54GA' in case of Short-term capital gains other than [Short-term "
       "capital gains from sale of land or building or both] in Capital Gain."},
      {"new asset without a date", "ITR-2", "I", 2016, "Capital gains",
       [](ReturnYear& y) { y.capitalAssets = {house({{"54", false}})}; },
       [](ReturnYear& y) { y.capitalAssets = {house({{"54", true}})}; }, CheckOutcome::stopped,
       "Please Specify 'Date of acquisition/construction of new asset' in Capital Gain."},
      {"54B in a firm's return", "ITR-5", "FIRM", 2016, "Capital gains",
       [](ReturnYear& y) { y.capitalAssets = {house({{"54B", true}})}; },
       [](ReturnYear& y) { y.capitalAssets = {house({{"54EC", true}})}; }, CheckOutcome::stopped,
       "Deduction u/s 54B is not allowed in Return Form [ITR-5] in Capital Gain."},
      {"44AD income declared below the rate", "ITR-4S", "I", 2016, "Profit lower than presumptive",
       [](ReturnYear& y) { lower44AD(y, Money::rupees(50000)); },
       [](ReturnYear& y) { lower44AD(y, Money::rupees(90000)); }, CheckOutcome::asked, kLower},
      {"lower 44AD income, books kept and audited", "ITR-4", "I", 2016, "Profit lower than presumptive",
       [](ReturnYear& y) { lower44AD(y, Money::rupees(50000)); },
       [](ReturnYear& y) {
         lower44AD(y, Money::rupees(50000));
         y.liable44AA = y.audit44AB = true;
       },
       CheckOutcome::asked, kLower},
      {"deduction the form has no row for", "ITR-1", "I", 2014, "Chapter VI-A",
       [](ReturnYear& y) { y.result->deductions = {claim("80C"), claim("80IE"), claim("80CCD(1B)")}; },
       [](ReturnYear& y) { y.result->deductions = {claim("80C"), claim("80EE"), claim("80D_parents")}; },
       CheckOutcome::stopped,
       "Following Deductions under Chapter-VIA can not be shown in Return Form [ITR-1] :\r\nu/s 80IE\r\nu/s 80CCD(1B)"},
      {"80EE before it was enacted", "ITR-2", "I", 2013, "Chapter VI-A",
       [](ReturnYear& y) { y.result->deductions = {claim("80EE")}; },
       [](ReturnYear& y) { y.result->deductions = {claim("80TTA")}; }, CheckOutcome::stopped,
       "Following Deductions under Chapter-VIA can not be shown in Return Form [ITR-2] :\r\nu/s 80EE"},
      {"a company's deduction in ITR-4 of A.Y. 2016-17", "ITR-4", "I", 2016, "Chapter VI-A",
       [](ReturnYear& y) { y.result->deductions = {claim("80CCD(1B)"), claim("80JJAA")}; },
       [](ReturnYear& y) { y.result->deductions = {claim("80CCD(1B)"), claim("80TTA")}; }, CheckOutcome::stopped,
       "Following Deductions under Chapter-VIA can not be shown in Return Form [ITR-4] :\r\nu/s 80JJAA"},
      {"an undertaking's deduction in ITR-1", "ITR-1", "I", 2016, "Chapter VI-A",
       [](ReturnYear& y) { y.result->deductions = {claim("80C"), claim("80IA")}; },
       [](ReturnYear& y) { y.result->deductions = {claim("80C"), claim("80CCD(1B)")}; }, CheckOutcome::stopped,
       "Following Deductions under Chapter-VIA can not be shown in Return Form [ITR-1] :\r\nu/s 80IA"},
      {"a co-operative's deduction in a company's return", "ITR-6", "PVT", 2015, "Chapter VI-A",
       [](ReturnYear& y) { y.result->deductions = {claim("80P")}; },
       [](ReturnYear& y) { y.result->deductions = {claim("80GGB")}; }, CheckOutcome::stopped,
       "Following Deductions under Chapter-VIA can not be shown in Return Form [ITR-6] :\r\nu/s 80P"},
      {"salary TDS in a firm's return", "ITR-5", "FIRM", 2016, "TDS/TCS entries",
       [](ReturnYear& y) { y.salaryTds.entries = 1; }, [](ReturnYear& y) { y.otherTds.entries = 1; },
       CheckOutcome::stopped, "Items related to [TDS on Salary] found, which can not be shown in Return Form [ITR-5]."},
      {"TCS in ITR-1 of A.Y. 2014-15", "ITR-1", "I", 2014, "TDS/TCS entries",
       [](ReturnYear& y) { y.tcs.entries = 1; }, [](ReturnYear& y) { y.otherTds.entries = 1; }, CheckOutcome::stopped,
       "Items related to [Tax Collected at Source] found, which can not be shown in Return Form [ITR-1]."},
      {"spouse's share before A.Y. 2014-15", "ITR-2", "I", 2013, "TDS/TCS entries",
       [](ReturnYear& y) { y.otherTds = {1, 0, 1}; }, [](ReturnYear& y) { y.otherTds = {1, 0, 0}; },
       CheckOutcome::stopped,
       "Some TDS/TCS entries are not valid [Having amount claimed in hands of spouse].\r\nPlease correct TDS/TCS "
       "Details in Tax Details Section."},
      {"194IA credit beyond the tax deducted", "ITR-2", "I", 2015, "TDS/TCS entries",
       [](ReturnYear& y) { y.immovableTds = {1, 1, 0}; }, [](ReturnYear& y) { y.immovableTds = {1, 0, 0}; },
       CheckOutcome::stopped,
       "Some TDS ON SALE OF IMMOVABLE PROPERTY U/S 194IA entries are not valid having Total TDS Amount lesser than TDS "
       "Amount (Credit Allowed).\r\nPlease Validate TDS/TCS Details in Tax Details Section."},
      {"vehicles not parted into heavy and other", "ITR-4S", "I", 2015, "Presumptive income",
       [](ReturnYear& y) {
         y.result->business.presumptive44ae = Money::rupees(90000);
         y.unclassifiedCarriages = 1;
       },
       [](ReturnYear& y) { y.result->business.presumptive44ae = Money::rupees(90000); }, CheckOutcome::stopped,
       "Separate Figures of Presumptive Income from Heavy Vehicles & Other Vehicles are not available."},
  };
  testing::expectEachStopsAndPassesBeside(cases, readyParticulars(), *makeDate(1, 8, 2017));
}

// The schedules this program does not keep: the check says which data it
// could not examine, and only for the forms and clients it concerns.
TEST(ScheduleChecks, UnkeptSchedulesAreReportedNotExamined) {
  const auto none = [](ReturnYear&) {};
  const std::vector<testing::UnkeptCase> cases{
      {"trust's income u/s 11(4)", "ITR-7", "TRUST", 2016, none, "Income u/s 11(4)", true, "s 11(4)"},
      {"distributions where their tables are not kept", "ITR-6", "PVT", 2014,
       [](ReturnYear& y) { y.missingTables = {"geninfo_schj", "dist_tax"}; }, "Tax on distributed profits", true,
       "geninfo_schj"},
      {"deemed gains", "ITR-2", "I", 2016, [](ReturnYear& y) { y.capitalAssets = {share(true)}; },
       "Deemed capital gains", true, "capital_deemed"},
  };
  testing::expectEachNotExaminedWhereItMatters(cases, readyParticulars(), *makeDate(1, 8, 2017));
}

// The facts come from the heads' tables of the data set and year.
class ScheduleFactsFromTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
};

TEST_P(ScheduleFactsFromTables, CapitalAssetsCreditsAndVehiclesAreRead) {
  // A share held five years with no type given, and a house whose exemption
  // names no section.
  conn().execute("INSERT INTO capital (code_no, ass_year, srno, asset_kind, acq_dt, trf_dt, sale_val, cost) VALUES "
                 "('I1', 2016, 1, '', '2010-05-01', '2015-06-01', 500000, 100000), "
                 "('I1', 2016, 2, 'RH', '2005-05-01', '2015-07-01', 5000000, 1000000)");
  conn().execute("INSERT INTO capital_exem (code_no, ass_year, cap_srno, srno, section, new_dt, invested) VALUES "
                 "('I1', 2016, 2, 1, '', '2015-09-01', 2000000)");
  conn().execute("INSERT INTO tds (code_no, asyear, srno, itemcd, tdsded, tdsclaim, spouseclaim) VALUES "
                 "('I1', 2016, 1, '206C', 100, 100, 0), ('I1', 2016, 2, '194IA', 5000, 6000, 0), "
                 "('I1', 2016, 3, '194A', 800, 800, 300)");
  conn().execute("INSERT INTO business_44ae (code_no, ass_year, part_no, heavy) VALUES ('I1', 2016, 1, 2)");
  const ReturnYear y = readReturnYear(conn(), "I1", 2016);
  ASSERT_EQ(y.capitalAssets.size(), 2u);
  EXPECT_FALSE(y.capitalAssets[0].kindGiven);
  EXPECT_TRUE(y.capitalAssets[0].longTerm);
  EXPECT_TRUE(y.capitalAssets[1].landOrBuilding);
  ASSERT_EQ(y.capitalAssets[1].claims.size(), 1u);
  EXPECT_TRUE(y.capitalAssets[1].claims[0].newAssetDateGiven);
  EXPECT_EQ(y.tcs.entries, 1);
  EXPECT_EQ(y.immovableTds.beyondDeducted, 1);
  EXPECT_EQ(y.otherTds.spouseClaims, 1);
  EXPECT_EQ(y.unclassifiedCarriages, 1);
  const auto results = runFilingChecks(y, readyParticulars(), {"ITR-2", true, *makeDate(1, 8, 2016)});
  const auto capital = resultOf(results, "Capital gains");
  ASSERT_TRUE(capital.has_value());
  EXPECT_EQ(capital->message, "Please Specify 'Type of Asset' in Capital Gain -> Long Term Capital Assets.");
  // Another data set of the client holds none of it.
  EXPECT_TRUE(readReturnYear(conn(), "I1^R-1", 2016).capitalAssets.empty());
}

MERIDIAN_ON_BOTH_ENGINES(ScheduleFactsFromTables);

}  // namespace
}  // namespace meridian::itr

// The checks that read the business tables: each case changes one fact of a
// plain year so that the check stops or asks with its exact words, and the
// case beside it changes the fact back within the rule so that it passes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "itr/filing_checks.h"
#include "itr/check_cases.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using testing::plainYear;

FilingParticulars ready() { return testing::readyParticulars("CURRENT"); }
const CivilDate kToday = *makeDate(1, 8, 2017);

using testing::resultOf;

MemberFacts member(const char* code, long long percentHundredths, const char* status = "INDIVIDUAL") {
  return {code, status, percentHundredths * 100};
}

FirmShare firm(long long salary, long long interest, long long firmsSalary, long long firmsInterest) {
  FirmShare f{1, "PAREKH DALAL SYNTHETICS", "AAHFP6610K", "Y", "N", Money::rupees(salary), Money::rupees(interest)};
  f.firmsSalary = Money::rupees(firmsSalary);
  f.firmsInterest = Money::rupees(firmsInterest);
  return f;
}

AopShare aopShare(const char* pan, const char* basis = "M") {
  return {"GANGA BUILDERS CONSORTIUM", pan, basis, Money::rupees(240000)};
}

using suite::heads::OtherHead;

// A business keeping books whose account holds the items given.
std::function<void(ReturnYear&)> withItems(std::function<void(suite::heads::ProfitAndLossItems&)> items,
                                           std::function<void(ReturnYear&)> besides) {
  return [=](ReturnYear& y) {
    y.businesses = y.businessesOutsidePresumptive = 1;
    y.liable44AA = true;
    y.profitAndLossItems.emplace();
    items(*y.profitAndLossItems);
    besides(y);
  };
}

const auto nothingElse = [](ReturnYear&) {};
std::function<void(ReturnYear&)> creditedTo(OtherHead h, long long rupees,
                                            std::function<void(ReturnYear&)> besides = nothingElse) {
  return withItems([=](auto& i) { i.credited[h] = Money::rupees(rupees); }, besides);
}
std::function<void(ReturnYear&)> debitedTo(OtherHead h, long long rupees,
                                           std::function<void(ReturnYear&)> besides = nothingElse) {
  return withItems([=](auto& i) { i.debited[h] = Money::rupees(rupees); }, besides);
}

// A firm's two partners, paid as its rows for the year say: Rs. 15,00,000
// salary and Rs. 3,00,000 interest in all.
void twoPaidPartners(ReturnYear& y) {
  y.members = {member("P1", 5000), member("P2", 5000)};
  y.members[0].remuneration = Money::rupees(900000);
  y.members[0].interest = Money::rupees(180000);
  y.members[1].remuneration = Money::rupees(600000);
  y.members[1].interest = Money::rupees(120000);
}
std::function<void(ReturnYear&)> debitedToPartners(long long remuneration, long long interest) {
  return withItems(
      [=](auto& i) {
        i.partnersRemuneration = Money::rupees(remuneration);
        i.partnersInterest = Money::rupees(interest);
      },
      twoPaidPartners);
}

// An export undertaking whose deduction the computation allows.
std::function<void(ReturnYear&)> exportUnit(engine::ExportSection section, long long allowed) {
  return [=](ReturnYear& y) {
    y.input->exportUnits = {engine::ExportUnit{section}};
    y.result->exportDeductions.lines = {{section, 3, Money(), Money(), Money::rupees(allowed)}};
  };
}

const std::string kMethod =
    "Method for Determine Higher Tax u/s 115JB is not correct as per New Form ITR-6. Please select appropriate method "
    "in MAT Calculation.";

TEST(BusinessChecks, EachStopsOrAsksOnItsFactAndPassesBesideIt) {
  const std::vector<testing::StopCase> cases{
      {"a firm of one partner", "ITR-5", "FIRM", 2016, "Partners and members",
       [](ReturnYear& y) { y.members = {member("P1", 10000)}; },
       [](ReturnYear& y) { y.members = {member("P1", 5000), member("P2", 5000)}; }, CheckOutcome::stopped,
       "Please Specify atleast 2 Partner/Member Info in General Information."},
      {"a private discretionary trust of no member", "ITR-5", "PDT", 2016, "Partners and members",
       [](ReturnYear& y) { y.members = {}; }, [](ReturnYear& y) { y.members = {member("B1", 0)}; },
       CheckOutcome::stopped, "Please Specify atleast 1 Partner/Member Info in General Information."},
      {"partners' shares of 99.99 %", "ITR-5", "FIRM", 2016, "Partners and members",
       [](ReturnYear& y) { y.members = {member("P1", 5000), member("P2", 4999)}; },
       [](ReturnYear& y) { y.members = {member("P1", 5001), member("P2", 4999)}; }, CheckOutcome::stopped,
       "Total Share should be exactly 100% in Partner/Member Info in General Information."},
      {"an LLP's shares beyond 100 %", "ITR-5", "LLP", 2013, "Partners and members",
       [](ReturnYear& y) { y.members = {member("P1", 6000), member("P2", 4001)}; },
       [](ReturnYear& y) { y.members = {member("P1", 6000), member("P2", 4000)}; }, CheckOutcome::stopped,
       "Total Share should be exactly 100% in Partner/Member Info in General Information."},
      {"a member without status", "ITR-5", "AOP", 2015, "Partners and members",
       [](ReturnYear& y) { y.members = {member("M1", 3000), member("M2", 0, "")}; },
       [](ReturnYear& y) { y.members = {member("M1", 3000), member("M2", 0, "HUF")}; }, CheckOutcome::stopped,
       "Please Specify 'Status' in General Information -> Partner/Member Info."},
      {"a clause the year's Schedule MAT does not list", "ITR-6", "PVT", 2015, "Method of s.115JB",
       [](ReturnYear& y) { y.bookProfitClauses = {"A:a", "A:fa"}; },
       [](ReturnYear& y) { y.bookProfitClauses = {"A:a", "D:iia"}; }, CheckOutcome::stopped, kMethod},
      {"a clause the form takes by its parts", "ITR-6", "PUB", 2016, "Method of s.115JB",
       [](ReturnYear& y) { y.bookProfitClauses = {"A:fb"}; },
       [](ReturnYear& y) { y.bookProfitClauses = {"A:fb(A)"}; }, CheckOutcome::stopped, kMethod},
      {"salary from the firm unlike the firm's rows", "ITR-4", "I", 2016, "Partner's remuneration",
       [](ReturnYear& y) { y.firms = {firm(950000, 180000, 900000, 180000)}; },
       [](ReturnYear& y) { y.firms = {firm(900000, 180000, 900000, 180000)}; }, CheckOutcome::asked,
       "Remuneration from Firm [PAREKH DALAL SYNTHETICS] does not match the Firm's Partners' Remuneration Details :"
       "\r\nSalary, Bonus : Rs. 9,50,000 shown here, Rs. 9,00,000 in the Firm's Partners' Remuneration Details"
       "\r\n\r\nContinue ?"},
      {"interest from the firm unlike the firm's rows", "ITR-3", "I", 2015, "Partner's remuneration",
       [](ReturnYear& y) { y.firms = {firm(0, 120000, 0, 180000)}; },
       [](ReturnYear& y) {
         y.firms = {firm(0, 120000, 0, 180000)};
         y.firms[0].firmsSalary.reset();  // a firm outside the practice: nothing to compare
       },
       CheckOutcome::asked,
       "Remuneration from Firm [PAREKH DALAL SYNTHETICS] does not match the Firm's Partners' Remuneration Details :"
       "\r\nInterest on Capital : Rs. 1,20,000 shown here, Rs. 1,80,000 in the Firm's Partners' Remuneration Details"
       "\r\n\r\nContinue ?"},
      {"an AOP's PAN of nine characters", "ITR-4", "I", 2016, "Share of income as member of AOP/BOI",
       [](ReturnYear& y) { y.aopShares = {aopShare("AAAAG1234")}; },
       [](ReturnYear& y) { y.aopShares = {aopShare("AAAAG1234K")}; }, CheckOutcome::stopped,
       "Please specify valid 'PAN' in 'Share of Income as Member of AOP/BOI' Details."},
      {"a firm's PAN given for an AOP", "ITR-4", "I", 2015, "Share of income as member of AOP/BOI",
       [](ReturnYear& y) { y.aopShares = {aopShare("AAAFG1234K")}; },
       [](ReturnYear& y) { y.aopShares = {aopShare("AAABG1234K")}; }, CheckOutcome::stopped,
       "PAN [AAAFG1234K] of AOP/BOI [GANGA BUILDERS CONSORTIUM] is not the PAN of an Association of Persons or Body "
       "of Individuals."},
      {"the member's own PAN given for the AOP", "ITR-5", "AOP", 2016, "Share of income as member of AOP/BOI",
       [](ReturnYear& y) {
         y.pan = "AAAAG1234K";
         y.aopShares = {aopShare("AAAAG1234K")};
       },
       [](ReturnYear& y) {
         y.pan = "AAAAG1234K";
         y.aopShares = {aopShare("AAAAH1234K")};
       },
       CheckOutcome::stopped, "PAN of AOP/BOI [GANGA BUILDERS CONSORTIUM] can not be the PAN of the Assessee."},
      {"how the AOP is taxed not stated", "ITR-4", "I", 2017, "Share of income as member of AOP/BOI",
       [](ReturnYear& y) { y.aopShares = {aopShare("AAAAG1234K", "")}; },
       [](ReturnYear& y) { y.aopShares = {aopShare("AAAAG1234K", "X")}; }, CheckOutcome::stopped,
       "Please specify how AOP/BOI [GANGA BUILDERS CONSORTIUM] is taxed in 'Share of Income as Member of AOP/BOI' "
       "Details."},
      {"interest credited to the account but no other sources", "ITR-4", "I", 2016, "Other heads in Schedule BP",
       creditedTo(OtherHead::otherSources, 60000),
       creditedTo(OtherHead::otherSources, 60000,
                  [](ReturnYear& y) { y.result->otherSources.interest = Money::rupees(60000); }),
       CheckOutcome::stopped,
       "Income of Rs. 60,000 credited to P&L is taken off the business income in Schedule-BP as income under the "
       "head 'Other Sources', but no income under the head 'Other Sources' is given."},
      {"rent credited but no house", "ITR-5", "AOP", 2015, "Other heads in Schedule BP",
       creditedTo(OtherHead::houseProperty, 240000),
       creditedTo(OtherHead::houseProperty, 240000, [](ReturnYear& y) { y.houses = 1; }),
       CheckOutcome::stopped,
       "Income of Rs. 2,40,000 credited to P&L is taken off the business income in Schedule-BP as income under the "
       "head 'House Property', but no income under the head 'House Property' is given."},
      {"expenses of a sale debited but no capital gain", "ITR-6", "PVT", 2016, "Other heads in Schedule BP",
       debitedTo(OtherHead::capitalGains, 15000),
       debitedTo(OtherHead::capitalGains, 15000, [](ReturnYear& y) { y.capitalGainRows = 1; }),
       CheckOutcome::asked,
       "Expenses of Rs. 15,000 debited to P&L are added back to the business income in Schedule-BP as expenses "
       "under the head 'Capital Gains', but no income under the head 'Capital Gains' is given.\r\n\r\nContinue ?"},
      {"a firm's share credited beyond the firms' details", "ITR-4", "I", 2016, "Other heads in Schedule BP",
       withItems([](auto& i) { i.firmShare = Money::rupees(831026); },
                 [](ReturnYear& y) { y.firms = {firm(0, 0, 0, 0)}; y.firms[0].shareOfProfit = Money::rupees(831025); }),
       withItems([](auto& i) { i.firmShare = Money::rupees(831025); },
                 [](ReturnYear& y) { y.firms = {firm(0, 0, 0, 0)}; y.firms[0].shareOfProfit = Money::rupees(831025); }),
       CheckOutcome::stopped,
       "Share of Profit from Firms of Rs. 8,31,026 credited to P&L is more than Rs. 8,31,025 given in 'Income from "
       "Firms in which Partner' Details."},
      {"an AOP's share credited with no AOP", "ITR-4", "H", 2014, "Other heads in Schedule BP",
       withItems([](auto& i) { i.aopShare = Money::rupees(50000); }, nothingElse),
       withItems([](auto& i) { i.aopShare = Money::rupees(50000); },
                 [](ReturnYear& y) { y.aopShares = {aopShare("AAAAG1234K")}; }),
       CheckOutcome::stopped,
       "Share of Income from AOP/BOI of Rs. 50,000 credited to P&L is more than Rs. 0 given in 'Share of Income as "
       "Member of AOP/BOI' Details."},
      {"dividends credited beyond the exempt income", "ITR-5", "FIRM", 2016, "Other heads in Schedule BP",
       withItems([](auto& i) { i.otherExempt = Money::rupees(6500); },
                 [](ReturnYear& y) { y.exemptIncomeEntered = Money::rupees(6000); }),
       withItems([](auto& i) { i.otherExempt = Money::rupees(6500); },
                 [](ReturnYear& y) { y.exemptIncomeEntered = Money::rupees(6500); }),
       CheckOutcome::stopped,
       "Other Exempt Income of Rs. 6,500 credited to P&L is more than Rs. 6,000 given in 'Exempt Income Details'."},
      {"partners' interest debited unlike the firm's rows", "ITR-5", "FIRM", 2016, "Partners' remuneration in Sch-PL",
       debitedToPartners(1500000, 250000), debitedToPartners(1500000, 300000),
       CheckOutcome::asked,
       "Partners' Remuneration debited to P&L does not match Partners' Remuneration Details in General Information :"
       "\r\nInterest : Rs. 2,50,000 debited to P&L, Rs. 3,00,000 in Partners' Remuneration Details\r\n\r\nContinue ?"},
      {"an LLP's partners paid but nothing debited", "ITR-5", "LLP", 2015, "Partners' remuneration in Sch-PL",
       debitedToPartners(0, 0), debitedToPartners(1500000, 300000),
       CheckOutcome::asked,
       "Partners' Remuneration debited to P&L does not match Partners' Remuneration Details in General Information :"
       "\r\nSalary, Bonus, Commission : Rs. 0 debited to P&L, Rs. 15,00,000 in Partners' Remuneration Details"
       "\r\nInterest : Rs. 0 debited to P&L, Rs. 3,00,000 in Partners' Remuneration Details\r\n\r\nContinue ?"},
      {"income declared u/s 44AD by an LLP", "ITR-5", "LLP", 2016, "Items Schedule BP can not show",
       [](ReturnYear& y) {
         y.businesses = y.presumptive44AD = 1;
         y.result->business.presumptive44ad = Money::rupees(480000);
       },
       [](ReturnYear& y) {
         y.businesses = y.presumptive44AD = 1;
         y.result->business.presumptive44ad = Money::rupees(480000);
         y.result->business.applied44ad = true;  // a firm the section reaches
       },
       CheckOutcome::stopped,
       "Profits and gains of business or profession deemed to be u/s 44AD of Rs. 4,80,000 can not be shown in "
       "Schedule-BP."},
      {"a deduction u/s 10AA in a form without Schedule BP", "ITR-4S", "I", 2016, "Items Schedule BP can not show",
       exportUnit(engine::ExportSection::s10aa, 125000), exportUnit(engine::ExportSection::s10aa, 0),
       CheckOutcome::stopped, "Deduction u/s 10AA of Rs. 1,25,000 can not be shown in Schedule-BP."},
      {"a deduction u/s 10A in a form without Schedule BP", "ITR-3", "I", 2013, "Items Schedule BP can not show",
       exportUnit(engine::ExportSection::s10a, 40000), exportUnit(engine::ExportSection::s10a, 0),
       CheckOutcome::stopped, "Deduction u/s 10A of Rs. 40,000 can not be shown in Schedule-BP."},
  };
  testing::expectEachStopsAndPassesBeside(cases, ready(), kToday);
}

// What the business tables do not hold is named, only where it matters.
TEST(BusinessChecks, DataNotKeptIsReportedNotExamined) {
  const auto booksNotKept = [](ReturnYear& y) { y.businessesOutsidePresumptive = 1; };
  const auto booksKept = [](ReturnYear& y) {
    y.businessesOutsidePresumptive = 1;
    y.liable44AA = true;
  };
  const std::vector<testing::UnkeptCase> cases{
      {"a business without books", "ITR-4", "I", 2016, booksNotKept, "Sch-PL (No Account Case)", true, "gross profit and expenses"},
      {"a business with books", "ITR-4", "I", 2016, booksKept, "Sch-PL (No Account Case)", false},
      {"an audited business", "ITR-5", "AOP", 2016,
       [](ReturnYear& y) {
         y.members = {member("M1", 5000), member("M2", 5000)};
         y.businessesOutsidePresumptive = 1;
         y.auditTicked = true;
       },
       "Sch-PL (No Account Case)", false},
      {"a company keeps books by law", "ITR-6", "PVT", 2016, booksNotKept, "Sch-PL (No Account Case)", false},
      {"only presumptive income", "ITR-4", "I", 2016, [](ReturnYear&) {}, "Other heads in Schedule BP", false},
      {"a firm's business", "ITR-5", "FIRM", 2016, booksKept, "Other heads in Schedule BP", true, "business_plitems"},
      {"a firm's partners paid", "ITR-5", "FIRM", 2016,
       [&](ReturnYear& y) {
         booksKept(y);
         y.members = {member("P1", 5000), member("P2", 5000)};
       },
       "Partners' remuneration in Sch-PL", true, "business_plitems"},
      {"a firm on presumptive income only", "ITR-5", "FIRM", 2016,
       [](ReturnYear& y) { y.members = {member("P1", 5000), member("P2", 5000)}; }, "Partners' remuneration in Sch-PL",
       false},
      {"an AOP's 44AD income not computed", "ITR-5", "AOP", 2016,
       [](ReturnYear& y) {
         y.presumptive44AD = 1;
         y.result.reset();
         y.computationNote = "no rates for the year";
       },
       "Items Schedule BP can not show", true, "no rates for the year"},
      {"an association's members", "ITR-5", "AOP", 2016,
       [](ReturnYear& y) { y.members = {member("M1", 5000), member("M2", 5000)}; }, "Partners' remuneration in Sch-PL",
       false},
      {"a local authority has no members", "ITR-5", "LA", 2016, [](ReturnYear&) {}, "Partners and members", false},
  };
  testing::expectEachNotExaminedWhereItMatters(cases, ready(), kToday);
}

// Each speculation profit and specified business's profit is kept once,
// apart from the ordinary net profit, so the forms with Schedule BP pass
// that check and say why; other forms and years without them do not run it.
TEST(BusinessChecks, SpeculationAndSpecifiedProfitsPassWithTheReason) {
  const struct {
    const char* why;
    const char* form;
    std::function<void(ReturnYear&)> change;
    bool reported;
  } cases[] = {
      {"a speculation loss", "ITR-4", [](ReturnYear& y) { y.result->business.speculation = Money::rupees(-12000); },
       true},
      {"a specified business", "ITR-6", [](ReturnYear& y) { y.specifiedBusiness35AD = true; }, true},
      {"neither", "ITR-5", [](ReturnYear&) {}, false},
      {"a form without Schedule BP", "ITR-2", [](ReturnYear& y) { y.specifiedBusiness35AD = true; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ReturnYear y = plainYear(2016, "PVT");
    c.change(y);
    const auto results = runFilingChecks(y, ready(), {c.form, true, kToday});
    const auto it = std::find_if(results.begin(), results.end(), [](const CheckResult& r) {
      return r.check == "Speculation and specified business profits";
    });
    ASSERT_EQ(it != results.end(), c.reported);
    if (!c.reported) continue;
    EXPECT_EQ(it->outcome, CheckOutcome::passed);
    EXPECT_NE(it->message.find("no difference can arise"), std::string::npos) << it->message;
  }
}

// The facts come from the client register, the firm's rows and the book
// profit's adjustments of the data set and year.
class BusinessFactsFromTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
};

TEST_P(BusinessFactsFromTables, PartnersTheirSharesAndTheFirmsRowsAreRead) {
  // I1 is a partner of the firm F1 beside P1; the firm pays I1 a salary and
  // interest, and I1's year states a different salary.
  conn().execute("UPDATE owner1 SET code_no = 'F1' WHERE code = 'I1'");
  conn().execute("INSERT INTO part_remu (code, t_year, pro_rate, intt, remun) VALUES "
                 "('I1', 2016, 49.99, 18000, 90000), ('P1', 2016, 50, 0, 0), ('I1', 2015, 50, 1, 1)");
  conn().execute("INSERT INTO business_firm (code_no, ass_year, firm_no, firm_name, firm_pan, salary, interest, audapp) "
                 "VALUES ('I1', 2016, 1, 'SHAH AND SONS', 'AAAFS1234K', 95000, 18000, 'Y'), "
                 "('I1', 2016, 2, 'OUTSIDE FIRM', 'AAAFO9999Z', 1000, 0, 'N')");
  conn().execute("DELETE FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'");
  conn().execute("INSERT INTO new_tab (code_no, ass_year, auditc) VALUES ('F1', '2016', 'Y')");
  conn().execute("INSERT INTO tbmatadddedn (code_no, ass_year, flagad, srno, clause, amt) VALUES "
                 "('F1', 2016, 'A', 1, 'fb', 100), ('F1', 2016, 'D', 1, 'iia', 50)");

  const ReturnYear partner = readReturnYear(conn(), "I1", 2016);
  ASSERT_EQ(partner.firms.size(), 2u);
  EXPECT_EQ(partner.firms[0].salary, Money::rupees(95000));
  EXPECT_EQ(partner.firms[0].firmsSalary, Money::rupees(90000));
  EXPECT_EQ(partner.firms[0].firmsInterest, Money::rupees(18000));
  EXPECT_FALSE(partner.firms[1].firmsSalary.has_value());  // not a client of the practice
  const auto asked = resultOf(runFilingChecks(partner, ready(), {"ITR-4", true, kToday}), "Partner's remuneration");
  ASSERT_TRUE(asked.has_value());
  EXPECT_EQ(asked->outcome, CheckOutcome::asked);

  const ReturnYear firmYear = readReturnYear(conn(), "F1", 2016);
  ASSERT_EQ(firmYear.members.size(), 2u);
  EXPECT_EQ(firmYear.members[0].code, "I1");
  EXPECT_EQ(firmYear.members[0].shareTenThousandths, 499900);
  EXPECT_EQ(firmYear.members[1].shareTenThousandths, 500000);
  const auto results = runFilingChecks(firmYear, ready(), {"ITR-5", true, kToday});
  const auto shares = resultOf(results, "Partners and members");
  ASSERT_TRUE(shares.has_value());
  EXPECT_EQ(shares->message, "Total Share should be exactly 100% in Partner/Member Info in General Information.");
  EXPECT_TRUE(firmYear.auditTicked);
  EXPECT_FALSE(partner.auditTicked);
  EXPECT_EQ(firmYear.bookProfitClauses.size(), 2u);
  // Clause fb is taken by its parts from A.Y. 2016-17.
  const auto method = resultOf(runFilingChecks(firmYear, ready(), {"ITR-6", true, kToday}), "Method of s.115JB");
  ASSERT_TRUE(method.has_value());
  EXPECT_EQ(method->message, kMethod);

  // The member's shares of AOPs of the year, in their order, with the PAN
  // the checks examine.
  conn().execute("INSERT INTO memsharedet (code_no, t_year, srno, aop_name, aop_pan, share_inc, tax_basis) VALUES "
                 "('I1', 2016, 2, 'SECOND AOP', 'AAAAS4321Q', 60000, 'N'), ('I1', 2016, 1, 'FIRST AOP', 'AAAF1', 1, 'M'), "
                 "('I1', 2015, 1, 'LAST YEAR', 'AAAAL1111L', 5, 'X')");
  const ReturnYear member = readReturnYear(conn(), "I1", 2016);
  ASSERT_EQ(member.aopShares.size(), 2u);
  EXPECT_EQ(member.aopShares[0].pan, "AAAF1");
  EXPECT_EQ(member.aopShares[1].share, Money::rupees(60000));
  EXPECT_EQ(member.aopShares[1].basis, "N");
  const auto pan = resultOf(runFilingChecks(member, ready(), {"ITR-4", true, kToday}),
                            "Share of income as member of AOP/BOI");
  ASSERT_TRUE(pan.has_value());
  EXPECT_EQ(pan->message, "Please specify valid 'PAN' in 'Share of Income as Member of AOP/BOI' Details.");

  // The year before, the firm's rows give I1 alone a share.
  EXPECT_EQ(readReturnYear(conn(), "F1", 2015).members[0].shareTenThousandths, 500000);
}

// The amounts within the accounts are added up over the businesses, and the
// computation leaves the other heads' and the exempt incomes out of the
// business income; a firm's partners' rows are read with what they are paid.
TEST_P(BusinessFactsFromTables, AccountItemsAreReadAndLeftOutOfTheBusinessIncome) {
  conn().execute("INSERT INTO income_business (code_no, ass_year, business_no, bus_name, nature, net_profit) VALUES "
                 "('I1', 2016, 1, 'TRADING', 'B', 500000), ('I1', 2016, 2, 'CONSULTING', 'P', 200000)");
  conn().execute("INSERT INTO business_plitems (code_no, ass_year, business_no, srno, item, amount) VALUES "
                 "('I1', 2016, 1, 1, 'IOS', 60000), ('I1', 2016, 1, 2, 'EEXM', 5000), "
                 "('I1', 2016, 2, 1, 'IOS', 10000), ('I1', 2016, 2, 2, 'IFIRM', 40000), "
                 "('I1', 2015, 1, 1, 'IOS', 99999)");
  conn().execute("INSERT INTO business_firm (code_no, ass_year, firm_no, firm_name, firm_pan, share_profit) VALUES "
                 "('I1', 2016, 1, 'SHAH AND SONS', 'AAAFS1234K', 40000)");
  const ReturnYear y = readReturnYear(conn(), "I1", 2016);
  ASSERT_TRUE(y.profitAndLossItems.has_value());
  EXPECT_EQ(y.profitAndLossItems->credited.at(OtherHead::otherSources), Money::rupees(70000));
  EXPECT_EQ(y.profitAndLossItems->exemptExpenses, Money::rupees(5000));
  EXPECT_EQ(y.firms.at(0).shareOfProfit, Money::rupees(40000));
  ASSERT_TRUE(y.result.has_value()) << y.computationNote;
  EXPECT_EQ(y.result->business.ordinary, Money::rupees(700000 - 70000 + 5000 - 40000));
  const auto stopped = resultOf(runFilingChecks(y, ready(), {"ITR-4", true, kToday}), "Other heads in Schedule BP");
  ASSERT_TRUE(stopped.has_value()) << "the interest taken off the business is shown under no head";
  EXPECT_EQ(stopped->outcome, CheckOutcome::stopped);

  conn().execute("UPDATE owner1 SET code_no = 'F1' WHERE code = 'I1'");
  conn().execute("INSERT INTO part_remu (code, t_year, pro_rate, intt, remun) VALUES "
                 "('I1', 2016, 50, 18000, 90000), ('P1', 2016, 50, 6000, 30000)");
  const ReturnYear firmYear = readReturnYear(conn(), "F1", 2016);
  ASSERT_EQ(firmYear.members.size(), 2u);
  EXPECT_EQ(firmYear.members[0].remuneration, Money::rupees(90000));
  EXPECT_EQ(firmYear.members[1].interest, Money::rupees(6000));
}

MERIDIAN_ON_BOTH_ENGINES(BusinessFactsFromTables);

}  // namespace
}  // namespace meridian::itr

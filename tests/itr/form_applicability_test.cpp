// Which forms a client year may use: each rule met by changing one fact of a
// plain salaried individual's year, the forms it refuses and its exact
// reason; the family, captions and XML status codes; the paper-filing rule.
#include <gtest/gtest.h>

#include <functional>

#include "itr/form_applicability.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using Forms = std::vector<std::string>;

ReturnYear salaried(int year) {
  ReturnYear y;
  y.dataSet = y.client = "I1";
  y.year = year;
  y.statusCode = "I";
  y.input = engine::YearInput{};
  y.result = engine::YearResult{};
  y.houses = 1;
  return y;
}

Forms refusedBy(const Applicability& a, const std::string& reason) {
  Forms forms;
  for (const auto& o : a.options)
    for (const auto& r : o.reasons)
      if (r == reason) forms.push_back(o.code);
  return forms;
}

struct RuleCase {
  std::string why;
  int year;
  std::function<void(ReturnYear&)> change;
  std::string reason;
  Forms refused;  // in option order: ITR-1, ITR-2, ITR-3, ITR-4S, ITR-4, ITR-2A
};

TEST(FormRules, EachFactRefusesItsFormsWithItsReason) {
  const std::vector<RuleCase> cases{
      {"representative assessee", 2016, [](ReturnYear& y) { y.representativeAssessee = true; },
       "Return is being filed by a representative assessee and same can not be shown.", {"ITR-1", "ITR-4S"}},
      {"two houses", 2016, [](ReturnYear& y) { y.houses = 2; }, "More than one House Property.", {"ITR-1", "ITR-4S"}},
      {"house loss carried", 2016,
       [](ReturnYear& y) { y.result->setOff.rows.push_back({engine::LossPart::houseProperty, 2016, {}, Money::rupees(250000), Money::rupees(200000), Money::rupees(50000)}); },
       "Loss under the Head \"House Property\" can not be set-off.", {"ITR-1", "ITR-4S"}},
      {"own business", 2016, [](ReturnYear& y) { y.businesses = 1; y.businessesOutsidePresumptive = 1; },
       "Income under the Head \"Business or Profession\".", {"ITR-1", "ITR-2", "ITR-2A"}},
      {"own business, ITR-3", 2016, [](ReturnYear& y) { y.businesses = 1; },
       "Income under the Head \"Business or Profession\" (Other than from Firms in which Partner).", {"ITR-3"}},
      {"business beyond 44AD", 2016, [](ReturnYear& y) { y.businesses = 1; y.businessesOutsidePresumptive = 1; },
       "Income under the Head \"Business or Profession\" (Other than Presumptive Business Income).", {"ITR-4S"}},
      {"44AD business only", 2016, [](ReturnYear& y) { y.businesses = 1; y.presumptive44AD = 1; },
       "Income under the Head \"Business or Profession\" (Other than Presumptive Business Income).", {}},
      {"commission", 2016, [](ReturnYear& y) { y.commissionRows = 1; },
       "Income from \"Commission\" under the Head \"Business or Profession\" (Other than Presumptive Business Income).",
       {"ITR-4S"}},
      {"35AD", 2014, [](ReturnYear& y) { y.specifiedBusiness35AD = true; },
       "Income from \"Specified Business u/s 35AD\" under the Head \"Business or Profession\".", {"ITR-1", "ITR-2", "ITR-2A"}},
      {"partner in a firm", 2016, [](ReturnYear& y) { y.firms.push_back({1, "F", "AAAFA1234A", "N", "N"}); },
       "Income from \"Firms in which Partner\" under the Head \"Business or Profession\".", {"ITR-1", "ITR-2", "ITR-2A"}},
      {"share of an AOP taxed at normal rates", 2015,
       [](ReturnYear& y) { y.aopShares.push_back({"A", "AAAAA1234A", "N", Money::rupees(1000)}); },
       "Share of Income from \"AOP/BOI\" included in Total Income under the Head \"Business or Profession\".",
       {"ITR-1", "ITR-2", "ITR-2A"}},
      {"share of an AOP not chargeable, ITR-4S", 2016,
       [](ReturnYear& y) { y.aopShares.push_back({"A", "AAAAA1234A", "X", Money::rupees(1000)}); },
       "Share of Income from \"AOP/BOI\" included in Total Income under the Head \"Business or Profession\" "
       "(Other than Presumptive Business Income).",
       {"ITR-4S"}},
      {"share of an AOP taxed at the maximum marginal rate", 2016,
       [](ReturnYear& y) { y.aopShares.push_back({"A", "AAAAA1234A", "M", Money::rupees(1000)}); },
       "Share of Income from \"AOP/BOI\" included in Total Income under the Head \"Business or Profession\".", {}},
      {"capital gains", 2015, [](ReturnYear& y) { y.capitalGainRows = 1; }, "Income under the Head \"Capital Gains\".",
       {"ITR-1", "ITR-4S", "ITR-2A"}},
      {"other sources loss", 2016, [](ReturnYear& y) { y.result->otherSources.normal = -Money::rupees(100); },
       "Loss under the Head \"Other Sources\".", {"ITR-1"}},
      {"winnings", 2016, [](ReturnYear& y) { y.result->otherSources.apart.winnings = Money::rupees(10000); },
       "Income from \"Winnings from Lottery/Horse Race\" under the Head \"Other Sources\".", {"ITR-1", "ITR-4S"}},
      {"special rate", 2016, [](ReturnYear& y) { y.specialRateRows = 1; }, "Special Rate Income can not be shown.",
       {"ITR-1", "ITR-4S"}},
      {"foreign income 2015", 2015, [](ReturnYear& y) { y.foreignIncomeRows = 1; },
       "Income from outside India can not be shown.", {"ITR-1", "ITR-4S", "ITR-2A"}},
      {"foreign income before 2015", 2014, [](ReturnYear& y) { y.foreignIncomeRows = 1; },
       "Income from outside India can not be shown.", {}},
      {"pass through 2016", 2016, [](ReturnYear& y) { y.passThroughRows = 1; }, "Pass Through Income can not be shown.",
       {"ITR-1", "ITR-4S"}},
      {"pass through 2015", 2015, [](ReturnYear& y) { y.passThroughRows = 1; }, "Pass Through Income can not be shown.", {}},
      {"depreciable assets", 2016, [](ReturnYear& y) { y.depreciableAssetGains = 1; },
       "Capital Gain from \"Depreciable Assets\" can not be shown.", {"ITR-2", "ITR-3"}},
      {"b/f speculation", 2016, [](ReturnYear& y) { y.broughtForwardParts = {3}; },
       "Brought Forward Losses under the Head \"Speculative Business\" can not be shown.",
       {"ITR-1", "ITR-2", "ITR-3", "ITR-4S", "ITR-2A"}},
      {"b/f short term", 2016, [](ReturnYear& y) { y.broughtForwardParts = {5}; },
       "Brought Forward Losses under the Head \"Short Term Capital Gain\" can not be shown.", {"ITR-1", "ITR-4S", "ITR-2A"}},
      {"b/f business 2015", 2015, [](ReturnYear& y) { y.broughtForwardParts = {1}; },
       "Brought Forward Losses under the Head \"Business or Profession\" can not be shown.",
       {"ITR-1", "ITR-2", "ITR-4S", "ITR-2A"}},
      {"b/f business 2014", 2014, [](ReturnYear& y) { y.broughtForwardParts = {1}; },
       "Brought Forward Losses under the Head \"Business or Profession\" can not be shown.", {}},
      {"b/f house", 2013, [](ReturnYear& y) { y.broughtForwardParts = {0}; },
       "Brought Forward Losses under the Head \"House Property\" can not be shown.", {"ITR-1", "ITR-4S"}},
      {"agriculture above 5,000", 2016, [](ReturnYear& y) { y.result->agricultural = Money::rupees(5001); },
       "Agriculture income in excess of Rs. 5,000.", {"ITR-1", "ITR-4S"}},
      {"agriculture at 5,000", 2016, [](ReturnYear& y) { y.result->agricultural = Money::rupees(5000); },
       "Agriculture income in excess of Rs. 5,000.", {}},
      {"exempt income before 2015", 2014, [](ReturnYear& y) { y.result->exemptIncome = Money::rupees(6000); },
       "Income from agriculture/exempt income not included in total income in excess of Rs. 5,000.", {"ITR-1", "ITR-4S"}},
      {"relief 90A", 2016, [](ReturnYear& y) { y.relief90A = Money::rupees(1); }, "Claiming relief under section 90A.",
       {"ITR-1", "ITR-4S", "ITR-2A"}},
      {"foreign assets of a resident", 2016, [](ReturnYear& y) { y.foreignAssetRows = 1; },
       "Resident having any asset (including financial interest in any entity) located outside India or signing "
       "authority in any account located outside India.",
       {"ITR-1", "ITR-4S", "ITR-2A"}},
      {"foreign assets of a non-resident", 2016, [](ReturnYear& y) { y.foreignAssetRows = 1; y.resident = false; },
       "Resident having any asset (including financial interest in any entity) located outside India or signing "
       "authority in any account located outside India.",
       {}},
      {"44AA", 2016, [](ReturnYear& y) { y.liable44AA = true; }, "Liable to maintain accounts as per section 44AA.", {"ITR-4S"}},
      {"44AB", 2016, [](ReturnYear& y) { y.audit44AB = true; }, "Liable for audit under section 44AB.", {"ITR-4S"}},
      {"AMT", 2016,
       [](ReturnYear& y) { y.result->alternate.kind = engine::AlternateKind::amt; y.result->alternate.tax = Money::rupees(1); },
       "AMT Calculation u/s 115JC can not be shown.", {"ITR-1", "ITR-2", "ITR-3", "ITR-4S", "ITR-2A"}},
  };
  for (const auto& c : cases) {
    ReturnYear plain = salaried(c.year);
    const auto before = decideForms(plain, 0, false);
    EXPECT_EQ(refusedBy(before, c.reason), Forms{}) << c.why << ": a plain year already meets the rule";
    ReturnYear y = salaried(c.year);
    c.change(y);
    EXPECT_EQ(refusedBy(decideForms(y, 0, false), c.reason), c.refused) << c.why;
  }
}

TEST(FormRules, PlainSalariedYearMayUseEveryForm) {
  const auto a = decideForms(salaried(2016), 0, false);
  EXPECT_EQ(a.family, "ITR-1/2A/2/3/4S/4(As Applicable)");
  EXPECT_EQ(a.usableForms(), (Forms{"ITR-1", "ITR-2", "ITR-3", "ITR-4S", "ITR-4", "ITR-2A"}));
}

TEST(FormRules, HufFirmAndFixedFamilies) {
  ReturnYear huf = salaried(2016);
  huf.statusCode = "H";
  const auto h = decideForms(huf, 1, false);
  ASSERT_FALSE(h.options[0].reasons.empty());
  EXPECT_EQ(h.options[0].reasons.front(), "Not an 'Individual'.");

  ReturnYear firm = salaried(2016);
  firm.statusCode = "FIRM";
  const auto f = decideForms(firm, 5, false);
  EXPECT_EQ(f.family, "ITR-4S/5(As Applicable)");
  EXPECT_EQ(f.usableForms(), (Forms{"ITR-4S", "ITR-5"}));
  EXPECT_EQ(f.options[4].caption, "ITR-&5");

  EXPECT_EQ(decideForms(salaried(2015), 5, false).usableForms(), Forms{"ITR-5"});
  EXPECT_EQ(decideForms(salaried(2016), 5, true).usableForms(), Forms{"ITR-5"});  // an LLP
  EXPECT_EQ(decideForms(salaried(2016), 6, false).usableForms(), Forms{"ITR-6"});
  EXPECT_EQ(decideForms(salaried(2016), 3, false).usableForms(), Forms{"ITR-7"});
  // ITR-2A only from A.Y. 2015-16.
  EXPECT_FALSE(decideForms(salaried(2014), 0, false).options[5].visible);
}

TEST(FormRules, TwoReasonsShowOnTwoLines) {
  ReturnYear y = salaried(2016);
  y.houses = 2;
  y.specialRateRows = 1;
  const auto a = decideForms(y, 0, false);
  EXPECT_EQ(a.options[0].reasonText(), "More than one House Property.\r\nSpecial Rate Income can not be shown.");
  EXPECT_EQ(refusalMessage(a.options[0]),
            "SAHAJ(ITR-1) can not be used :\r\nMore than one House Property.\r\nSpecial Rate Income can not be shown.");
}

TEST(FormCodes, CaptionsStatusesAndXmlCodes) {
  EXPECT_EQ(formCodeOfCaption("SAHAJ(ITR-&1)"), "ITR-1");
  EXPECT_EQ(formCodeOfCaption("SUGAM(ITR-4&S)"), "ITR-4S");
  EXPECT_EQ(formCodeOfCaption("IT&R-2A"), "ITR-2A");
  const std::vector<std::tuple<int, bool, bool, std::string>> statuses{
      {0, false, false, "I"}, {1, false, false, "H"}, {2, false, false, "AOP"}, {2, false, true, "PDT"},
      {4, true, false, "COB"}, {5, true, false, "LLP"}, {6, true, false, "PVT_F"}, {8, false, true, "PDT"},
      {10, false, false, "AJP"}};
  for (const auto& [status, mrr, pdt, code] : statuses) EXPECT_EQ(returnStatusCode(status, mrr, pdt), code) << status;
  const std::vector<std::tuple<std::string, std::string, int, bool, std::string>> xml{
      {"I", "ITR-1", 2016, true, "I"},     {"H", "ITR-1", 2016, true, "-"},  {"AOP", "ITR-5", 2014, false, "7"},
      {"AOP", "ITR-5", 2013, true, "6"},   {"TRUST", "ITR-7", 2013, false, "08"}, {"FIRM", "ITR-4S", 2016, true, "F"},
      {"FIRM", "ITR-5", 2016, true, "1"},  {"PUB_F", "ITR-6", 2016, true, "6"}, {"AJP", "ITR-5", 2015, false, "8"}};
  for (const auto& [status, form, year, e, code] : xml) EXPECT_EQ(xmlStatusCode(status, form, year, e), code) << status << form;
}

TEST(FormYears, AY2017IsNotNotified) {
  EXPECT_EQ(yearNotNotified(2017, "ITR-1", true), "e-Filing Rules of Form ITR-1 for A.Y. 2017-18 has not been notified yet.");
  EXPECT_EQ(yearNotNotified(2017, "ITR-4S", false),
            "New Form ITR-4S for A.Y. 2017-18 has not been notified yet. Please keep checking for updates.");
  EXPECT_FALSE(yearNotNotified(2016, "ITR-1", true).has_value());
}

TEST(PaperFiling, MandatoryEFilingRules) {
  struct Case {
    std::string why, form;
    int year;
    std::function<void(ReturnYear&)> change;
    std::optional<std::string> refusal;
  };
  const std::vector<Case> cases{
      {"small salaried year", "ITR-1", 2016, [](ReturnYear&) {}, std::nullopt},
      {"ITR-3 from 2015", "ITR-3", 2015, [](ReturnYear&) {}, "E-Filing of Form [ITR-3] is mandatory."},
      {"ITR-3 before 2015", "ITR-3", 2014, [](ReturnYear&) {}, std::nullopt},
      {"firm's ITR-4S", "ITR-4S", 2016, [](ReturnYear& y) { y.statusCode = "FIRM"; },
       "E-Filing of Form [ITR-4S] is mandatory for 'Partnership Firm (Other than LLP)'."},
      {"income above 5 lakh", "ITR-1", 2016, [](ReturnYear& y) { y.result->totalIncome = Money::rupees(500010); },
       "Total Income exceeds Rs. 5,00,000.\r\nE-Filing is mandatory."},
      {"refund", "ITR-1", 2016, [](ReturnYear& y) { y.result->balance = -Money::rupees(1200); },
       "Claiming Refund of Rs. 1200.\r\nE-Filing is mandatory."},
      {"very senior with a refund", "ITR-1", 2016,
       [](ReturnYear& y) { y.birth = makeDate(1, 4, 1936); y.result->balance = -Money::rupees(1200); }, std::nullopt},
      {"not yet 80 on 1 April", "ITR-1", 2016,
       [](ReturnYear& y) { y.birth = makeDate(2, 4, 1936); y.result->balance = -Money::rupees(1200); },
       "Claiming Refund of Rs. 1200.\r\nE-Filing is mandatory."},
      {"relief u/s 91", "ITR-2", 2014, [](ReturnYear& y) { y.relief91 = Money::rupees(700); },
       "Claiming Relief U/s 91 of Rs. 700.\r\nE-Filing is mandatory."},
      {"audited ITR-4 before 2015", "ITR-4", 2014, [](ReturnYear& y) { y.audit44AB = true; }, "E-Filing is mandatory."},
  };
  for (const auto& c : cases) {
    ReturnYear y = salaried(c.year);
    c.change(y);
    EXPECT_EQ(paperFilingRefusal(y, c.form), c.refusal) << c.why;
  }
}

// The facts are read from the heads' tables of the data set and year.
class FormFactsFromTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
};

TEST_P(FormFactsFromTables, TablesOfTheYearRefuseForms) {
  EXPECT_EQ(decideForms(readReturnYear(conn(), "I1", 2016), 0, false).option("ITR-1")->reasons, Forms{});
  conn().execute("INSERT INTO income_house (code_no, ass_year, house_no, let_typ, rent) VALUES "
                 "('I1', 2016, 1, 'Y', 120000), ('I1', 2016, 2, 'Y', 60000), ('I1', 2015, 3, 'Y', 1000)");
  conn().execute("INSERT INTO geninfo_miscinf (code_no, ass_year, opt44ab) VALUES ('I1', 2016, '1')");
  conn().execute("INSERT INTO losses (code_no, ass_year, srno, part, loss_ay, amount, intime) VALUES "
                 "('I1', 2016, 1, 3, 2014, 5000, 'Y')");
  const auto y = readReturnYear(conn(), "I1", 2016);
  EXPECT_EQ(y.houses, 2);
  const auto a = decideForms(y, 0, false);
  EXPECT_EQ(a.option("ITR-1")->reasons,
            (Forms{"More than one House Property.",
                   "Brought Forward Losses under the Head \"Speculative Business\" can not be shown."}));
  EXPECT_EQ(a.option("ITR-4S")->reasons.back(), "Liable for audit under section 44AB.");
  EXPECT_TRUE(a.option("ITR-4")->usable());
  // Another data set of the client is not this one.
  EXPECT_EQ(readReturnYear(conn(), "I1^R-1", 2016).houses, 0);
}

MERIDIAN_ON_BOTH_ENGINES(FormFactsFromTables);

}  // namespace
}  // namespace meridian::itr

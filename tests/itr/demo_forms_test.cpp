// The demo practice's entered years, each reviewed as `meridian check`
// reviews it, file the form a practitioner would choose for that client, and
// the simpler forms passed over are refused for the reason a practitioner
// would give.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "itr/return_review.h"
#include "suite/demo_practice.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

struct DemoYear {
  const char* client;
  const char* form;  // what a practitioner files
  const char* why;
  // The simpler form passed over and the reason the rules give for it; none
  // when the simplest form of the family is filed.
  const char* passedOver = "";
  const char* reason = "";
};

const DemoYear kDemoYears[] = {
    {"C0801", "ITR-1", "salary, one self-occupied flat on a home loan, savings interest"},
    {"C0802", "ITR-1", "pension, family pension and deposit interest: salary and other sources only"},
    {"C0803", "ITR-1", "a senior citizen living on interest, with a refund: other sources only"},
    {"C0804", "ITR-1", "salary and one let-out flat whose loss is set off against the salary in the year"},
    {"C0805", "ITR-1", "salary with a car perquisite, one self-occupied house; exempt dividends are shown in ITR-1"},
    {"C0806", "ITR-1", "two employers in the year, nothing else"},
    {"C0807", "ITR-1", "pension and deposits, advance tax paid"},
    {"C0808", "ITR-1", "salary with exempt allowances, an education loan u/s 80E"},
    {"C0809", "ITR-2A", "two houses, one deemed let out: ITR-1 takes one house; no capital gains, so ITR-2A",
     "ITR-1", "More than one House Property."},
    {"C0810", "ITR-1", "one let-out flat owned half with her husband: still one house"},
    {"C0811", "ITR-1", "pension, NSC and KVP interest"},
    {"C0812", "ITR-1", "a government salary with entertainment allowance"},
    {"C0813", "ITR-2A", "a house loss brought forward from A.Y. 2015-16, which ITR-1 can not carry; no capital gains",
     "ITR-1", "Brought Forward Losses under the Head \"House Property\" can not be shown."},
    {"C0814", "ITR-2A", "lottery winnings taxed at 30 %, which ITR-1 can not show; no capital gains", "ITR-1",
     "Income from \"Winnings from Lottery/Horse Race\" under the Head \"Other Sources\"."},
    {"C0815", "ITR-1", "salary with arrears and relief u/s 89"},
    {"C0816", "ITR-2", "a short-term capital loss brought forward, which neither ITR-1 nor ITR-2A carries", "ITR-2A",
     "Brought Forward Losses under the Head \"Short Term Capital Gain\" can not be shown."},
    {"C0817", "ITR-2A", "an HUF with a let-out shop and deposits: no business, no capital gains", "ITR-1",
     "Not an 'Individual'."},
    {"C0818", "ITR-1", "a non-resident with one let-out flat and NRO interest: ITR-1 of these years admits non-residents"},
    {"C0819", "ITR-1", "family pension below the exemption limit: a nil return"},
    {"C0820", "ITR-1", "salary, tax collected on jewellery, a political donation u/s 80GGC"},
    {"C0821", "ITR-4S", "a shop whose income is presumed u/s 44AD, and interest"},
    {"C0822", "ITR-4S", "goods carriages u/s 44AE, heavy and light apart, and interest"},
    {"C0823", "ITR-4", "an architect keeping books and audited u/s 44AB: a profession beyond the presumptive sections",
     "ITR-4S", "Income under the Head \"Business or Profession\" (Other than Presumptive Business Income)."},
    {"C0824", "ITR-3", "a partner whose salary and interest come from the firm, and a self-occupied flat", "ITR-2",
     "Income from \"Firms in which Partner\" under the Head \"Business or Profession\"."},
    {"C0825", "ITR-5", "a firm keeping books and audited, so SUGAM is not open to it", "ITR-4S",
     "Liable for audit under section 44AB."},
    {"C0826", "ITR-6", "a company: ITR-6 is its only form"},
    {"C0827", "ITR-2", "pension and a long-term gain on a flat, exempt in part u/s 54", "ITR-2A",
     "Income under the Head \"Capital Gains\"."},
    {"C0828", "ITR-2", "salary and gains on listed shares and units", "ITR-2A",
     "Income under the Head \"Capital Gains\"."},
};

// The demo practice with three bulk clients besides the entered ones.
class DemoYearForms : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    dir_ = testsupport::scratchDir("demo-forms");
    for (const char* table : {"owner1", "main_info1", "tempcltbl"}) conn().execute(std::string("DELETE FROM ") + table);
    suite::seedDemoPractice(conn(), suite::DataFolder::open(dir_), {.clients = 3});
  }
  void TearDown() override {
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
    DbTest::TearDown();
  }
  std::string dir_;
};

TEST_P(DemoYearForms, EachDemoYearFilesThePractitionersForm) {
  for (const auto& d : kDemoYears) {
    SCOPED_TRACE(std::string(d.client) + ": " + d.why);
    const ReturnReview review = reviewReturn(conn(), {d.client, 2016, "", true, *makeDate(20, 7, 2016)});
    EXPECT_EQ(review.year.computationNote, "");
    EXPECT_EQ(review.form, d.form);
    if (*d.passedOver) {
      const FormOption* simpler = review.forms.option(d.passedOver);
      ASSERT_NE(simpler, nullptr);
      EXPECT_NE(std::find(simpler->reasons.begin(), simpler->reasons.end(), d.reason), simpler->reasons.end())
          << simpler->reasonText();
    }
  }
}

// The firm and the company carry what a practitioner enters for them (the
// section, a verifying partner or director, a current account, books kept
// and audited), so every check runs on their years and none stops or asks.
TEST_P(DemoYearForms, TheFirmAndTheCompanyPassEveryCheck) {
  for (const auto& [client, ranChecks] :
       {std::pair<const char*, std::vector<std::string>>{"C0825", {"Partners and members", "Partners' remuneration in Sch-PL", "Other heads in Schedule BP", "Verification"}},
        {"C0826", {"Method of s.115JB", "Verification"}}}) {
    SCOPED_TRACE(client);
    const ReturnReview review = reviewReturn(conn(), {client, 2016, "", true, *makeDate(30, 9, 2016)});
    ASSERT_FALSE(review.checks.empty());
    for (const auto& c : review.checks)
      EXPECT_TRUE(c.outcome != CheckOutcome::stopped && c.outcome != CheckOutcome::asked) << c.check << ": " << c.message;
    for (const auto& name : ranChecks)
      EXPECT_TRUE(std::any_of(review.checks.begin(), review.checks.end(),
                              [&](const CheckResult& c) { return c.check == name && c.outcome == CheckOutcome::passed; }))
          << name;
    EXPECT_EQ(review.particulars.verification.pan.size(), 10u);
  }
}

MERIDIAN_ON_BOTH_ENGINES(DemoYearForms);

// Years the demo does not hold: the simplest form the rules leave, in the
// family's order, is the one a practitioner files.
TEST(PreferredForm, TheSimplestFormTheRulesLeave) {
  struct Case {
    const char* why;
    int year, status;
    std::function<void(ReturnYear&)> change;
    const char* form;
  };
  const std::vector<Case> cases{
      {"two houses before ITR-2A existed", 2014, 0, [](ReturnYear& y) { y.houses = 2; }, "ITR-2"},
      {"salary and a s.44AD business only", 2016, 0, [](ReturnYear& y) { y.businesses = y.presumptive44AD = 1; },
       "ITR-4S"},
      {"salary and a share of a firm's profit", 2016, 0,
       [](ReturnYear& y) { y.firms.push_back({1, "F", "AAAFA1234A", "N", "N"}); }, "ITR-3"},
      {"a s.44AD business and two houses", 2016, 0,
       [](ReturnYear& y) { y.businesses = y.presumptive44AD = 1; y.houses = 2; }, "ITR-4"},
      {"a business keeping books", 2016, 0, [](ReturnYear& y) { y.businesses = y.businessesOutsidePresumptive = 1; },
       "ITR-4"},
      {"a firm on presumptive income", 2016, 5, [](ReturnYear& y) { y.statusCode = "FIRM"; }, "ITR-4S"},
      {"a firm keeping books", 2016, 5,
       [](ReturnYear& y) { y.statusCode = "FIRM"; y.businesses = y.businessesOutsidePresumptive = 1; }, "ITR-5"},
      {"a company", 2016, 6, [](ReturnYear& y) { y.statusCode = "PVT"; }, "ITR-6"},
      {"a partner's salary and interest from the firm only", 2016, 0,
       [](ReturnYear& y) {
         y.firms.push_back({1, "F", "AAAFA1234A", "Y", "N"});
         y.result->business.firmRemuneration = y.result->business.ordinary = Money::rupees(900000);
       },
       "ITR-3"},
  };
  for (const auto& c : cases) {
    ReturnYear y;
    y.year = c.year;
    y.statusCode = "I";
    y.input = engine::YearInput{};
    y.result = engine::YearResult{};
    c.change(y);
    EXPECT_EQ(decideForms(y, c.status, false).preferredForm(), c.form) << c.why;
  }
}

}  // namespace
}  // namespace meridian::itr

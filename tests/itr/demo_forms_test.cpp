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
};

class DemoYearForms : public testsupport::DbTest {};

TEST_P(DemoYearForms, EachDemoYearFilesThePractitionersForm) {
  const std::string dir = testsupport::scratchDir("demo-forms");
  for (const char* table : {"owner1", "main_info1", "tempcltbl"}) conn().execute(std::string("DELETE FROM ") + table);
  suite::seedDemoPractice(conn(), suite::DataFolder::open(dir), {.clients = 3});
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
  std::filesystem::remove_all(dir);
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

// Income of others included in the client's (ss.60 to 64) stays under the
// head it was computed under: it takes that head's losses and rates, and a
// minor child's income is exempt up to 1,500 a child (s.10(32)). Figures
// worked by hand.
#include <gtest/gtest.h>

#include "engine_cases.h"
#include "suite/engine/clubbed_income.h"

namespace meridian::engine {
namespace {

using testing::blankYear;
using testing::computedJson;
using testing::rs;

TEST(EngineClubbedIncome, EachIncomeIsComputedUnderItsOwnHead) {
  struct Case {
    const char* name;
    void (*own)(YearInput&);
    std::vector<ClubbedIncome> clubbed;
    std::int64_t grossTotalIncome, exempt, taxNormal, taxSpecial, liability;
  } cases[] = {
      // A.Y. 2016-17, interest 10,00,000 of the client's own. A minor's
      // short-term gain u/s 111A of 1,01,500 less 1,500 keeps its 15 %:
      // 1,25,000 + 15,000 = 1,40,000 + cess 4,200.
      {"minor's gain u/s 111A",
       [](YearInput& in) { in.otherSources.otherInterest = rs(1000000); },
       {{true, rs(101500), ClubbedHead::stcg111a, "Ravi"}},
       1100000, 1500, 125000, 15000, 144200},
      // One child's interest 1,000 and long-term gain 2,000 on two rows
      // (the name typed two ways): one 1,500 for the child, 1,000 off the
      // interest at normal rates first, 500 off the gain; 1,500 at 20 % = 300.
      {"one child's two incomes share one exemption",
       [](YearInput& in) { in.otherSources.otherInterest = rs(1000000); },
       {{true, rs(1000), ClubbedHead::otherSources, "Asha Rao"},
        {true, rs(2000), ClubbedHead::ltcgIndexed, " ASHA  rao "}},
       1001500, 1500, 125000, 300, 129059},
      // Two children: 1,500 each; the second's 900 wholly exempt. 3,000 at
      // 30 %: 1,25,900 + cess 3,777.
      {"two children",
       [](YearInput& in) { in.otherSources.otherInterest = rs(1000000); },
       {{true, rs(4500), ClubbedHead::otherSources, "Asha"}, {true, rs(900), ClubbedHead::otherSources, "Ravi"}},
       1003000, 2400, 125900, 0, 129677},
      // A spouse's loss from a house let out (s.64(1)(iv)) meets the
      // client's salary of 6,00,000 (s.71): 5,50,000, tax 25,000 + 10,000 +
      // cess 1,050; no exemption for a spouse.
      {"spouse's house property loss",
       [](YearInput& in) { in.salaries = {{.gross = rs(600000)}}; },
       {{false, rs(-50000), ClubbedHead::houseProperty, "Meena"}},
       550000, 0, 35000, 0, 36050},
      // A spouse's business income of 2,00,000 is business income of the
      // client's: his own business loss of 1,50,000 of A.Y. 2014-15 meets it
      // (s.72). Interest 3,00,000 + 50,000: tax 10,000 less 2,000 u/s 87A,
      // 8,000 + cess 240.
      {"spouse's business absorbs a business loss brought forward",
       [](YearInput& in) {
         in.otherSources.otherInterest = rs(300000);
         in.lossesBroughtForward = {{LossKind::business, 2014, rs(150000)}};
       },
       {{false, rs(200000), ClubbedHead::business, ""}},
       350000, 0, 10000, 0, 8240},
      // A spouse's salary u/s 64(1)(ii) is salary of the client's, 3,00,000,
      // beside his own 2,10,000: 5,10,000, tax 25,000 + 2,000, no rebate
      // u/s 87A above 5,00,000; cess 810.
      {"spouse's remuneration",
       [](YearInput& in) { in.salaries = {{.gross = rs(210000)}}; },
       {{false, rs(300000), ClubbedHead::salary, ""}},
       510000, 0, 27000, 0, 27810},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    YearInput in = blankYear(2016);
    c.own(in);
    in.clubbed = c.clubbed;
    const YearResult r = computeYear(in);
    EXPECT_EQ(r.grossTotalIncome, rs(c.grossTotalIncome));
    EXPECT_EQ(r.exemptIncome, rs(c.exempt));
    EXPECT_EQ(r.tax.taxNormal, rs(c.taxNormal));
    EXPECT_EQ(r.tax.taxSpecial, rs(c.taxSpecial));
    EXPECT_EQ(r.tax.liability(), rs(c.liability));
  }
}

TEST(EngineClubbedIncome, TheCommandTakesTheHeadAndTheChild) {
  // The first case above through the command's JSON.
  const auto out = computedJson(R"({"ay": "2016-17", "status": "Individual",
      "other_sources": {"other_interest": 1000000},
      "clubbing": [{"minor_child": true, "child": "Ravi", "head": "stcg_111a", "amount": 101500}]})");
  EXPECT_EQ(out["heads"]["capital_gains"], 100000);
  EXPECT_EQ(out["tax_special"], 15000);
  EXPECT_EQ(out["net_tax"], 144200);

  std::istringstream in(R"({"ay": "2016-17", "clubbing": [{"head": "perquisites", "amount": 1000}]})");
  std::ostringstream o, err;
  EXPECT_EQ(runComputeJson(in, o, err), 2);
  EXPECT_NE(err.str().find("\"clubbing[0]\" has a \"head\" that is none of"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace meridian::engine

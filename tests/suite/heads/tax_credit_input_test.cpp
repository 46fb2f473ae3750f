// The MAT/AMT credit of earlier years stored in taxcr115jbc1 reaches the
// computation of a stored year: brought forward by year of origin, used only
// by the excess of this year's tax over the alternate tax, lapsed past the
// limit of years. Figures worked by hand in each case.
#include <gtest/gtest.h>

#include <tuple>

#include "suite/dataset/data_set_engine.h"
#include "suite/dataset/data_set_layout.h"
#include "suite/engine/compute_year.h"
#include "suite/heads/year_input_loader.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::suite::heads {
namespace {

struct CreditRow {
  int year;
  long long normal, alternate, used;
  const char* marker = "B";
};

class StoredTaxCredit : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  // The company C1's year: interest of 10 lakh (tax 30 % = 3,00,000, cess
  // 3 % = 9,000: 3,09,000) and its book profit.
  void seedCompanyYear(int year, long long bookProfit, const std::vector<CreditRow>& credits) {
    conn().execute("INSERT INTO other_income (code_no, ass_year, srno, nature, amount) VALUES ('C1', ?, 1, 'INT', 1000000)",
                   {year});
    conn().execute("INSERT INTO mat_cal (code_no, ass_year, net_profit) VALUES ('C1', ?, ?)", {year, bookProfit});
    addCredits("C1", credits);
  }
  void addCredits(const std::string& code, const std::vector<CreditRow>& credits) {
    for (const auto& c : credits)
      conn().execute("INSERT INTO taxcr115jbc1 (code_no, ass_year, taxnormal, taxmatamt, creditutil, marker) "
                     "VALUES (?, ?, ?, ?, ?, ?)",
                     {code, c.year, c.normal, c.alternate, c.used, std::string(c.marker)});
  }
};

using Credits = std::vector<std::pair<int, long long>>;  // A.Y. of origin, rupees

Credits rupeesOf(const std::vector<engine::TaxCredit>& credits) {
  Credits out;
  for (const auto& c : credits) out.emplace_back(c.year, c.amount.wholeRupees());
  return out;
}

TEST_P(StoredTaxCredit, EarlierYearsCreditIsBroughtUsedAndCarriedAsTheActSays) {
  struct Case {
    const char* name;
    int year;
    long long bookProfit;
    std::vector<CreditRow> stored;
    Credits broughtForward;  // as read from the table
    long long used, lapsed, taxAfterCredit;
    Credits carried;
  } cases[] = {
      // A.Y. 2017-18: MAT on 5 lakh at 18.5 % = 92,500 + cess 2,775 = 95,275;
      // room 3,09,000 - 95,275 = 2,13,725. Credit of 2006-07 (50,000) less
      // the 30,000 used in 2014-15, oldest first: 20,000, past the tenth
      // year (2017 - 2006 = 11) and lapsed; 2012-13's 80,000 used whole.
      {"two earlier years, one beyond the limit", 2017, 500000,
       {{2006, 10000, 60000, 0}, {2012, 20000, 100000, 0}, {2014, 150000, 40000, 30000}},
       {{2006, 20000}, {2012, 80000}}, 80000, 20000, 229000, {}},
      // A.Y. 2016-17: MAT on 15 lakh = 2,77,500 + cess 8,325 = 2,85,825;
      // room 23,175 of the 1,00,000 of 2013-14; 76,825 carried.
      {"credit larger than the tax over MAT", 2016, 1500000, {{2013, 0, 100000, 0}}, {{2013, 100000}}, 23175, 0,
       285825, {{2013, 76825}}},
      // A.Y. 2016-17: MAT on 20 lakh = 3,70,000 + cess 11,100 = 3,81,100,
      // above the 3,09,000: no credit used (s.115JAA(4)), 72,100 arises.
      {"no credit where the tax is below MAT", 2016, 2000000, {{2013, 0, 100000, 0}}, {{2013, 100000}}, 0, 0, 381100,
       {{2013, 100000}, {2016, 72100}}},
      // The credit of 2006-07 is still within its tenth year in 2016-17.
      {"the tenth year still takes it", 2016, 500000, {{2006, 10000, 60000, 0}}, {{2006, 50000}}, 50000, 0, 259000,
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    conn().execute("DELETE FROM taxcr115jbc1");
    conn().execute("DELETE FROM other_income");
    conn().execute("DELETE FROM mat_cal");
    seedCompanyYear(c.year, c.bookProfit, c.stored);
    const LoadedYear loaded = loadYearInput(conn(), {"C1", "C1", c.year});
    EXPECT_EQ(rupeesOf(loaded.input.taxCreditsBroughtForward), c.broughtForward);
    EXPECT_TRUE(loaded.notes.empty());
    const auto r = engine::computeYear(loaded.input);
    EXPECT_EQ(r.alternate.creditUsed.wholeRupees(), c.used);
    EXPECT_EQ(r.alternate.creditLapsed.wholeRupees(), c.lapsed);
    EXPECT_EQ(r.taxAfterCredit.wholeRupees(), c.taxAfterCredit);
    EXPECT_EQ(rupeesOf(r.alternate.creditsCarried), c.carried);
  }
}

TEST_P(StoredTaxCredit, OnlyThePersonsOwnKindOfCreditIsReadAndWhatIsLeftOutIsNamed) {
  struct Case {
    const char* name;
    const char* client;
    std::vector<CreditRow> stored;
    Credits broughtForward;
    std::vector<std::string> notes;
  } cases[] = {
      {"a firm takes AMT credit (C), not a MAT row", "F1",
       {{2013, 5000, 25000, 0, "C"}, {2014, 0, 9000, 0, "B"}, {2016, 0, 7000, 0, "C"}},
       {{2013, 20000}},
       {"The credit row of A.Y. 2014-15 is not marked as AMT credit and is left out."}},
      {"a use beyond the credit brought is not counted", "C1",
       {{2013, 0, 10000, 0}, {2014, 0, 3000, 0}, {2015, 50000, 0, 15000}},
       {},
       {"The MAT credit used in A.Y. 2015-16 is more than was brought into it by Rs. 2,000; the excess is not counted."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    conn().execute("DELETE FROM taxcr115jbc1");
    addCredits(c.client, c.stored);
    const LoadedYear loaded = loadYearInput(conn(), {c.client, c.client, 2016});
    EXPECT_EQ(rupeesOf(loaded.input.taxCreditsBroughtForward), c.broughtForward);
    EXPECT_EQ(loaded.notes, c.notes);
  }
}

// A revision's data set is a copy of the year alone (the return data copy
// takes the year's rows); its earlier years are the client's, so it reads the
// credit history the original reads, and a year it holds itself (last year's
// revised figures, carried) stands in place of the client's row of that year.
TEST_P(StoredTaxCredit, ARevisionReadsTheSameEarlierYearsAsTheOriginal) {
  seedCompanyYear(2016, 500000, {{2013, 0, 100000, 0}, {2014, 0, 30000, 0}, {2016, 309000, 95275, 130000}});
  const testsupport::ScratchDir docs("credit-docs");
  suite::dataset::DataSetEngine(conn(), docs.path, suite::dataset::checkLayout(conn()))
      .copy("C1", 2016, "C1", "C1^R-1");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM taxcr115jbc1 WHERE code_no = 'C1^R-1'"), "1") << "the year's row only";
  struct Case {
    const char* name;
    const char* dataSet;
    std::vector<CreditRow> own;
    Credits broughtForward;
  } cases[] = {
      {"the original", "C1", {}, {{2013, 100000}, {2014, 30000}}},
      {"the revision copied from it", "C1^R-1", {}, {{2013, 100000}, {2014, 30000}}},
      // 2014-15 as revised used 10,000 of 2013-14 and gave 50,000.
      {"a revision holding 2014-15 itself", "C1^R-1", {{2014, 0, 50000, 10000}}, {{2013, 90000}, {2014, 50000}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    addCredits(c.dataSet, c.own);
    const LoadedYear loaded = loadYearInput(conn(), {"C1", c.dataSet, 2016});
    EXPECT_EQ(rupeesOf(loaded.input.taxCreditsBroughtForward), c.broughtForward);
    EXPECT_TRUE(loaded.notes.empty());
  }
}

MERIDIAN_ON_BOTH_ENGINES(StoredTaxCredit);

}  // namespace
}  // namespace meridian::suite::heads

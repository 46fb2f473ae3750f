// The host's computation entry points wired to the engine: ITCalcProc
// publishes the year's figures, UpdateTbl writes the summary row only from a
// computation that read the whole year, and a year or client the engine does
// not compute is refused in words.
#include <gtest/gtest.h>

#include "suite/contexts_impl.h"
#include "support/session_fixture.h"

namespace meridian::suite {
namespace {

class YearComputationTest : public testsupport::PracticeTest {
 protected:
  void SetUp() override {
    PracticeTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    enter("I1", 2016);
  }
  void enter(const std::string& code, int year) {
    comp().clientCtx().vT_Code_No = code;
    comp().clientCtx().vt_RTCode_No = code;
    comp().clientCtx().vT_Year = year;
  }
  EngineComputation& engine() { return dynamic_cast<EngineComputation&>(comp().resultCtx().NModule1()); }
  std::string errorOf(const std::function<void()>& step) {
    try {
      step();
    } catch (const std::exception& e) {
      return e.what();
    }
    return "";
  }
  std::vector<std::string> summary() {
    std::vector<std::string> out;
    for (const auto& r : conn().query("SELECT assyear, a1, a7, a9, a13, a15 FROM adv_n WHERE code_no = 'I1'"))
      out.push_back(r.text(0) + "|" + r.text(1) + "|" + r.text(2) + "|" + r.text(3) + "|" + r.text(4) + "|" + r.text(5));
    return out;
  }
};

TEST_P(YearComputationTest, AWholeYearIsComputedAndItsSummaryRowWritten) {
  conn().execute("INSERT INTO adv_n (code_no, assyear, a1) VALUES ('I1', '2016', 5)");
  conn().execute("INSERT INTO income_salary (code_no, ass_year, empr_num, empr_name, salary) "
                 "VALUES ('I1', 2016, 1, 'WORKS LTD', 1000000)");
  comp().resultCtx().NModule1().ITCalcProc();
  const auto& f = comp().resultCtx().figures;
  // 2.5 lakh at nil, 2.5 lakh at 10 %, 5 lakh at 20 %: 1,25,000; cess at 3 %: 3,750.
  EXPECT_EQ(f.at("vRoundedOffToNearest10"), Money::rupees(1000000));
  EXPECT_EQ(f.at("vTot_ITTAX"), Money::rupees(125000));
  EXPECT_EQ(f.at("vSurcharge"), Money::rupees(3750));
  EXPECT_EQ(f.at("Vtaxbefadvtax"), Money::rupees(128750) + f.at("vINT_Payable"));
  comp().clientCtx().UpdateTbl();
  EXPECT_EQ(summary(), (std::vector<std::string>{"2016|1000000|1000000|1000000|128750|128750"}));
}

TEST_P(YearComputationTest, AnIncompleteReadKeepsTheSummaryRowAsItWas) {
  conn().execute("INSERT INTO adv_n (code_no, assyear, a1) VALUES ('I1', '2016', 5)");
  struct Case {
    std::vector<std::string> unread, notes;
    const char* error;
  } cases[] = {
      {{"business, capital gains and agriculture"}, {},
       "The result tables were not rewritten: the computation does not read the year's business, capital gains and "
       "agriculture yet."},
      {{}, {"Arrears of rent u/s 25B of house 1 are not computed yet.", "Salary of employer 2 is not computed yet."},
       "The result tables were not rewritten: Arrears of rent u/s 25B of house 1 are not computed yet. Salary of "
       "employer 2 is not computed yet."},
  };
  for (const auto& c : cases) {
    engine().loader = [&c](host::Base& base, const std::string& client, const std::string& dataSet, int year) {
      LoadedYear y = loadYearFromTables(base, client, dataSet, year);
      y.unread = c.unread;
      y.notes = c.notes;
      return y;
    };
    comp().resultCtx().NModule1().ITCalcProc();
    EXPECT_EQ(errorOf([&] { comp().clientCtx().UpdateTbl(); }), c.error);
    EXPECT_EQ(summary(), (std::vector<std::string>{"2016|5|0|0|0|0"}));
  }
}

// The year's own MAT/AMT row goes with its summary row: it replaces the
// year's earlier row of the data set in use and leaves other years and data
// sets alone; a computation refused for an incomplete read writes neither.
TEST_P(YearComputationTest, TheYearsCreditRowReplacesItsEarlierOneWithTheSummaryRow) {
  const auto creditRows = [&] {
    std::vector<std::string> out;
    for (const auto& r : conn().query("SELECT code_no, ass_year, taxnormal, taxmatamt, creditutil, marker "
                                      "FROM taxcr115jbc1 ORDER BY code_no, ass_year"))
      out.push_back(r.text(0) + "|" + r.text(1) + "|" + r.text(2) + "|" + r.text(3) + "|" + r.text(4) + "|" + r.text(5));
    return out;
  };
  // Interest of 10 lakh: 3,00,000 + cess 9,000 = 3,09,000. 2015-16 left a
  // credit of 1,00,000 - 40,000 = 60,000.
  conn().execute("INSERT INTO other_income (code_no, ass_year, srno, nature, amount) VALUES ('C1', 2016, 1, 'INT', 1000000)");
  conn().execute("INSERT INTO taxcr115jbc1 (code_no, ass_year, taxnormal, taxmatamt, creditutil, marker) VALUES "
                 "('C1', 2015, 40000, 100000, 0, 'B'), ('C1', 2016, 1, 2, 3, 'B'), ('C1^R-1', 2016, 7, 7, 7, 'B')");
  struct Case {
    const char* name;
    long long bookProfit;
    std::vector<std::string> notes;
    std::vector<std::string> rows;
  } cases[] = {
      // MAT on 5 lakh: 92,500 + 2,775 = 95,275; the 60,000 used whole.
      {"MAT below the tax, credit used", 500000, {},
       {"C1|2015|40000|100000|0|B", "C1|2016|309000|95275|60000|B", "C1^R-1|2016|7|7|7|B"}},
      // MAT on 20 lakh: 3,70,000 + 11,100 = 3,81,100, payable; no credit used.
      {"MAT payable", 2000000, {},
       {"C1|2015|40000|100000|0|B", "C1|2016|309000|381100|0|B", "C1^R-1|2016|7|7|7|B"}},
      {"a refused computation writes nothing", 500000, {"Salary of employer 2 is not computed yet."},
       {"C1|2015|40000|100000|0|B", "C1|2016|309000|381100|0|B", "C1^R-1|2016|7|7|7|B"}},
  };
  enter("C1", 2016);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    conn().execute("DELETE FROM mat_cal");
    conn().execute("INSERT INTO mat_cal (code_no, ass_year, net_profit) VALUES ('C1', 2016, ?)", {c.bookProfit});
    engine().loader = [&c](host::Base& base, const std::string& client, const std::string& dataSet, int year) {
      LoadedYear y = loadYearFromTables(base, client, dataSet, year);
      y.notes = c.notes;
      return y;
    };
    comp().resultCtx().NModule1().ITCalcProc();
    const std::string error = errorOf([&] { comp().clientCtx().UpdateTbl(); });
    EXPECT_EQ(error.empty(), c.notes.empty()) << error;
    EXPECT_EQ(creditRows(), c.rows);
  }
}

TEST_P(YearComputationTest, WhatTheEngineDoesNotComputeIsRefusedInWords) {
  conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('L1', 'CITY MUNICIPALITY', 'LOCAL AUTHORITY')");
  struct Case {
    const char* code;
    int year;
    const char* error;
  } cases[] = {
      {"I1", 2012, "The computation engine does not compute A.Y. 2012-13."},
      {"L1", 2016, "The year cannot be computed: the computation does not cover the status \"LOCAL AUTHORITY\" yet."},
      {"X9", 2016, "The year cannot be computed: no client \"X9\"."},
  };
  for (const auto& c : cases) {
    enter(c.code, c.year);
    EXPECT_EQ(errorOf([&] { comp().resultCtx().NModule1().ITCalcProc(); }), c.error);
  }
  enter("I1", 2016);
  EXPECT_EQ(errorOf([&] { comp().clientCtx().UpdateTbl(); }),
            "The year has not been computed; its result tables were not rewritten.");
}

TEST_P(YearComputationTest, TheHeadsCountedAreThoseOfTheDataSetInUse) {
  for (const char* sql : {"INSERT INTO income_salary (code_no, ass_year, empr_num) VALUES ('I1', 2016, 1)",
                          "INSERT INTO income_salary (code_no, ass_year, empr_num) VALUES ('I1', 2016, 2)",
                          "INSERT INTO income_salary (code_no, ass_year, empr_num) VALUES ('I1^R-2', 2016, 1)",
                          "INSERT INTO income_house (code_no, ass_year, house_no) VALUES ('I1^R-2', 2016, 1)"})
    conn().execute(sql);
  struct Case {
    const char* dataSet;
    int employers, houses;
  } cases[] = {{"I1", 2, 0}, {"I1^R-2", 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dataSet);
    comp().clientCtx().vt_RTCode_No = c.dataSet;
    comp().clientCtx().vTotEmpNos = 7;
    comp().clientCtx().vTotHouNos = 7;
    comp().clientCtx().SetSHBCnos("S");
    comp().clientCtx().SetSHBCnos("H");
    EXPECT_EQ(comp().clientCtx().vTotEmpNos.get(), c.employers);
    EXPECT_EQ(comp().clientCtx().vTotHouNos.get(), c.houses);
  }
}

MERIDIAN_ON_BOTH_ENGINES(YearComputationTest);

}  // namespace
}  // namespace meridian::suite

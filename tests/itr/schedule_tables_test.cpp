// The form rules that rest on the schedules kept in tables of their own:
// deemed capital gains, gains on depreciable assets, Schedule PTI and
// Schedule FA. A row of the data set's year bars the forms that have no
// place for it; the year before a schedule existed does not.
#include <gtest/gtest.h>

#include "itr/form_applicability.h"
#include "itr/return_year.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

class ScheduleTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  bool refused(int year, const std::string& form, const std::string& reason) {
    const auto a = decideForms(readReturnYear(conn(), "I1", year), 0, false);
    const auto* o = a.option(form);
    return o && std::find(o->reasons.begin(), o->reasons.end(), reason) != o->reasons.end();
  }
};

TEST_P(ScheduleTables, ARowBarsTheFormsWithoutItsSchedule) {
  const std::string gains = "Income under the Head \"Capital Gains\".";
  struct Case {
    const char* why;
    std::string insert;
    int year;
    const char* form;
    std::string reason;
    bool barred;
  } cases[] = {
      {"an exemption withdrawn", "INSERT INTO capital_deemed (code_no, ass_year, srno, term, section, amount) VALUES "
                                 "('I1', 2016, 1, 'L', '54EC', 50000)",
       2016, "ITR-1", gains, true},
      {"an unused deposit", "INSERT INTO capital_deemn (code_no, ass_year, srno, term, prev_year, section, amount) "
                            "VALUES ('I1', 2016, 1, 'L', 2012, '54', 50000)",
       2016, "ITR-2A", gains, true},
      {"a block sold", "INSERT INTO capital_depr (code_no, ass_year, srno, block, rate, sale_val, wdv) VALUES "
                       "('I1', 2015, 1, 'PLANT AND MACHINERY', 15, 500000, 200000)",
       2015, "ITR-3", "Capital Gain from \"Depreciable Assets\" can not be shown.", true},
      {"pass-through income", "INSERT INTO schpti (code_no, ass_year, srno, inv_kind, inv_name, head, amount) VALUES "
                              "('I1', 2016, 1, 'BT', 'NAGAR INFRA TRUST', 'OS', 20000)",
       2016, "ITR-4S", "Pass Through Income can not be shown.", true},
      {"pass-through income before Schedule PTI", "INSERT INTO schpti (code_no, ass_year, srno, inv_kind, inv_name, "
                                                  "head, amount) VALUES ('I1', 2015, 1, 'IF', 'VRIKSH FUND', 'OS', 20000)",
       2015, "ITR-1", "Pass Through Income can not be shown.", false},
      {"a foreign account", "INSERT INTO schresfa (code_no, ass_year, srno, part, country_cd, country_nm, value) VALUES "
                            "('I1', 2016, 1, 'A', '2', 'UNITED STATES', 150000)",
       2016, "ITR-2A",
       "Resident having any asset (including financial interest in any entity) located outside India or signing "
       "authority in any account located outside India.",
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_FALSE(refused(c.year, c.form, c.reason)) << "nothing entered";
    conn().execute(c.insert);
    EXPECT_EQ(refused(c.year, c.form, c.reason), c.barred);
    // Each case on its own: the row goes again.
    const std::string table = c.insert.substr(12, c.insert.find(' ', 12) - 12);
    conn().execute("DELETE FROM " + table);
  }
  // The tables are kept: no rule says it could not read them.
  for (const auto& n : decideForms(readReturnYear(conn(), "I1", 2016), 0, false).notExamined)
    for (const char* table : {"capital_deemed", "capital_deemn", "capital_depr", "schpti", "schresfa"})
      EXPECT_EQ(n.find(table), std::string::npos) << n;
}

MERIDIAN_ON_BOTH_ENGINES(ScheduleTables);

}  // namespace
}  // namespace meridian::itr

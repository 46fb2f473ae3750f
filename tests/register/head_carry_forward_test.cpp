// A head's carry-forward on both engines: what each answer writes, when
// nothing is asked, where last year's rows come from, and a failed copy.
#include <gtest/gtest.h>

#include "register/head_carry_forward.h"
#include "suite/dataset/carry_forward_list.h"
#include "suite/dataset/head_copy.h"
#include "suite/returns/register_entry.h"
#include "support/session_fixture.h"

namespace meridian::reg {
namespace {

using suite::dataset::CarriedHead;
using ui::Answer;

class HeadCarryForward : public testsupport::PracticeTest {
 protected:
  void SetUp() override {
    PracticeTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    seedEmployers("I1", 2015, 2);
    conn().execute("INSERT INTO income (code_no, ass_year, status) VALUES ('I1', 2016, 0)");
    ctx().vT_Code_No = "I1";
    ctx().vt_RTCode_No = "I1";
    ctx().vT_Year = 2016;
    ctx().vt_RTFlag = "ONF";
  }

  host::ClientContext& ctx() { return comp().clientCtx(); }

  void seedEmployers(const std::string& code, int year, int count) {
    for (int e = 1; e <= count; ++e) {
      conn().execute(
          "INSERT INTO income_salary (code_no, ass_year, empr_num, empr_name, empr_tan, salary, perquisites) "
          "VALUES (?, ?, ?, ?, 'MUMW00001A', ?, ?)",
          {code, year, e, "EMPLOYER " + std::to_string(e), 100000 * e, 5000 * e});
      conn().execute("INSERT INTO other_allow (code_no, ass_year, empr_num, srno, particulars, amount) "
                     "VALUES (?, ?, ?, 1, 'HRA', ?)",
                     {code, year, e, 2000 * e});
      conn().execute("INSERT INTO tab_exempt (code_no, ass_year, empr_num, srno, allow_typ, received, exempt) "
                     "VALUES (?, ?, ?, 1, '10(13A)', ?, ?)",
                     {code, year, e, 3000 * e, 1000 * e});
    }
  }

  // The salary head as the shipped list describes it.
  static CarriedHead salary() {
    const CarriedHead* head = suite::dataset::carriedHead("salary");
    if (!head) throw std::runtime_error("carry_forward.csv lists no salary head");
    return *head;
  }

  std::vector<std::string> rows(const std::string& sql) {
    std::vector<std::string> out;
    for (const auto& r : conn().query(sql)) {
      std::string line;
      for (size_t i = 0; i < r.size(); ++i) line += (i ? "|" : "") + r.text(i);
      out.push_back(line);
    }
    return out;
  }
  // Rows of 2016 with their amounts in whole rupees (the engines show decimals differently).
  std::vector<std::string> rows2016(const std::string& table, const std::vector<std::string>& texts,
                                    const std::vector<std::string>& amounts) {
    std::string columns;
    for (const auto& c : texts) columns += (columns.empty() ? "" : ", ") + c;
    for (const auto& c : amounts) columns += ", " + c;
    std::vector<std::string> out;
    for (const auto& r : conn().query("SELECT " + columns + " FROM " + table +
                                      " WHERE ass_year = 2016 ORDER BY empr_num")) {
      std::string line;
      for (const auto& c : texts) line += (line.empty() ? "" : "|") + r.text(c);
      for (const auto& c : amounts) line += "|" + std::to_string(r.money(c).value_or(Money()).wholeRupees());
      out.push_back(line);
    }
    return out;
  }
  std::vector<std::string> employers2016() {
    return rows2016("income_salary", {"code_no", "empr_num", "empr_name", "empr_tan"}, {"salary", "perquisites"});
  }
  std::vector<std::string> allowances2016() {
    return rows2016("other_allow", {"code_no", "empr_num", "particulars"}, {"amount"});
  }
  std::vector<std::string> exempt2016() {
    return rows2016("tab_exempt", {"code_no", "empr_num", "allow_typ"}, {"received", "exempt"});
  }
  std::string employerCount() {
    return conn().scalar("SELECT no_of_empr FROM income WHERE code_no = 'I1' AND ass_year = 2016");
  }
};

const char* kParticulars = "Do you want to Carry Forward Previous Year Particulars of Salary?";
const char* kFigures = "Do you want to Carry Forward Figures Also?";

TEST_P(HeadCarryForward, EachAnswerWritesWhatItSays) {
  struct Case {
    const char* name;
    std::vector<Answer> answers;
    std::vector<std::string> asked;
    std::vector<std::string> employers, allowances, exempt;
    const char* count;
  } cases[] = {
      {"Yes, Yes: the rows with their figures", {Answer::yes, Answer::yes}, {kParticulars, kFigures},
       {"I1|1|EMPLOYER 1|MUMW00001A|100000|5000", "I1|2|EMPLOYER 2|MUMW00001A|200000|10000"},
       {"I1|1|HRA|2000", "I1|2|HRA|4000"}, {"I1|1|10(13A)|3000|1000", "I1|2|10(13A)|6000|2000"}, "2"},
      {"Yes, No: the particulars with figures 0", {Answer::yes, Answer::no}, {kParticulars, kFigures},
       {"I1|1|EMPLOYER 1|MUMW00001A|0|0", "I1|2|EMPLOYER 2|MUMW00001A|0|0"}, {"I1|1|HRA|0", "I1|2|HRA|0"},
       {"I1|1|10(13A)|0|0", "I1|2|10(13A)|0|0"}, "2"},
      {"Yes, Cancel: nothing", {Answer::yes, Answer::cancel}, {kParticulars, kFigures}, {}, {}, {}, "0"},
      {"No: nothing, and no second question", {Answer::no}, {kParticulars}, {}, {}, {}, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    conn().execute("DELETE FROM income_salary WHERE ass_year = 2016");
    conn().execute("DELETE FROM other_allow WHERE ass_year = 2016");
    conn().execute("DELETE FROM tab_exempt WHERE ass_year = 2016");
    conn().execute("UPDATE income SET no_of_empr = 0");
    ui::ScriptedDialogs answers(c.answers);
    offerHeadCarryForward(comp(), answers, salary(), "Salary");
    EXPECT_EQ(answers.texts(), c.asked);
    EXPECT_EQ(answers.shown().at(1 % c.asked.size()).message.buttons,
              c.asked.size() == 2 ? ui::Buttons::yesNoCancel : ui::Buttons::yesNo);
    EXPECT_EQ(employers2016(), c.employers);
    EXPECT_EQ(allowances2016(), c.allowances);
    EXPECT_EQ(exempt2016(), c.exempt);
    EXPECT_EQ(employerCount(), c.count);
    EXPECT_EQ(rows("SELECT COUNT(*) FROM income_salary WHERE ass_year = 2015"), (std::vector<std::string>{"2"}))
        << "last year's rows stay as they were";
  }
}

TEST_P(HeadCarryForward, NothingIsAskedWhenThereIsNothingToCarryOrNoRightPlaceForIt) {
  struct Case {
    const char* name;
    std::function<void()> arrange, undo;
  } cases[] = {
      {"the year has entries", [&] { seedEmployers("I1", 2016, 1); },
       [&] { conn().execute("DELETE FROM income_salary WHERE ass_year = 2016"); }},
      {"a rectification", [&] { ctx().vt_RTFlag = "RECTIFICATION"; }, [&] { ctx().vt_RTFlag = "ONF"; }},
      {"the year before has none", [&] { conn().execute("DELETE FROM income_salary WHERE ass_year = 2015"); }, [] {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.arrange();
    const auto before = rows("SELECT * FROM income_salary ORDER BY code_no, ass_year, empr_num");
    ui::ScriptedDialogs answers({Answer::yes, Answer::yes});
    offerHeadCarryForward(comp(), answers, salary(), "Salary");
    EXPECT_TRUE(answers.texts().empty());
    EXPECT_EQ(rows("SELECT * FROM income_salary ORDER BY code_no, ass_year, empr_num"), before);
    c.undo();
  }
  ui::ScriptedDialogs answers({Answer::yes, Answer::yes});
  CarriedHead later{"business", {"income_of_a_later_module", "business_no", "ass_year", {"profit"}, ""}, {}};
  offerHeadCarryForward(comp(), answers, later, "Business");
  EXPECT_TRUE(answers.texts().empty()) << "a head whose table no module has created yet asks nothing";
}

TEST_P(HeadCarryForward, LastYearsRowsAreThoseOfItsLastEntryWithADataSetOfItsOwn) {
  // 2015 was revised with its data saved separately, and the revision has a third employer.
  returns::RegisterEntry original{"I1", 2015, 1, "R", "N", "25/07/2015", "1"};
  returns::RegisterEntry revised{"I1", 2015, 2, "R", "Y", "10/12/2015", "2"};
  returns::insertEntry(conn(), original);
  returns::insertEntry(conn(), revised);
  seedEmployers("I1^R-2", 2015, 3);
  ui::ScriptedDialogs answers({Answer::yes, Answer::yes});
  offerHeadCarryForward(comp(), answers, salary(), "Salary");
  EXPECT_EQ(employers2016().size(), 3u);
  EXPECT_EQ(employerCount(), "3");
  EXPECT_EQ(settledDataSet(conn(), "I1", 2014), "I1") << "a year without a register is the client's own";
}

TEST_P(HeadCarryForward, AFailedCopyIsToldAndWritesNothing) {
  CarriedHead broken = salary();
  broken.details[0].figures = {"amount", "rate"};  // other_allow has no column "rate"
  ui::ScriptedDialogs answers({Answer::yes, Answer::yes});
  offerHeadCarryForward(comp(), answers, broken, "Salary");
  ASSERT_EQ(answers.texts().size(), 3u);
  EXPECT_EQ(answers.texts()[2],
            "The previous year's particulars of Salary could not be carried forward; nothing was copied.\n\n"
            "The table other_allow has no figure column rate named in carry_forward.csv.");
  EXPECT_EQ(answers.shown()[2].message.icon, ui::Icon::exclamation);
  EXPECT_TRUE(employers2016().empty()) << "the head's own rows were rolled back with the detail table";
  EXPECT_EQ(employerCount(), "0");
}

TEST_P(HeadCarryForward, AWholeTableCopiesUnderAYearHeldAsText) {
  conn().execute("INSERT INTO adv_n (code_no, assyear, a1, a9) VALUES ('I1', '2015', 300000, 250000)");
  suite::dataset::HeadCopy copy(conn(), suite::dataset::HeadCopy::wholeTable("adv_n"));
  EXPECT_EQ(copy.entries("I1", 2016), 0);
  copy.carry("I1", "I1", 2016, true);
  EXPECT_EQ(rows("SELECT assyear, a1, a9 FROM adv_n WHERE code_no = 'I1' ORDER BY assyear"),
            (std::vector<std::string>{"2015|300000|250000", "2016|300000|250000"}));
}

MERIDIAN_ON_BOTH_ENGINES(HeadCarryForward);

}  // namespace
}  // namespace meridian::reg

// Opening and changing years in the workspace: the year row and the
// particulars a year gets, what it carries from the year before, the year
// left recomputed, and the bank details a year imports.
#include <gtest/gtest.h>

#include "register/workspace_fixture.h"
#include "common/years.h"
#include "register/year_opening.h"
#include "suite/bank_card_form.h"

namespace meridian::reg::testing {
namespace {

using ui::Answer;

class WorkspaceYears : public WorkspaceTest {
 protected:
  std::string statusLine() { return host().desktop().statusLine; }
};

TEST_P(WorkspaceYears, AYearWithoutAYearRowGetsOneWithTheYearsDefaults) {
  struct Case {
    int year;
    const char* row;  // status, a234, b234, c234, selfy, selfy1, unabdepr
  } cases[] = {{2016, "0|1|1|3|2|1|1"}, {2015, "0|1|1|3|2|1|1"}, {2014, "0|1|1|3|5|1|1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    conn().execute("DELETE FROM income WHERE code_no = 'I1'");
    open("I1", c.year);
    EXPECT_EQ(rows("SELECT status, a234, b234, c234, selfy, selfy1, unabdepr FROM income WHERE code_no = 'I1' AND "
                   "ass_year = ?",
                   {c.year}),
              (std::vector<std::string>{c.row}));
    host().desktop().close(*ws_);
  }
  // Another year's row gives the status, not the status text.
  conn().execute("UPDATE income SET status = 1 WHERE code_no = 'I1' AND ass_year = 2014");
  open("I1", 2013);
  EXPECT_EQ(host().returnCtx().vStatus_Read.get(), 1);
}

TEST_P(WorkspaceYears, AYearsParticularsComeFromTheMasterWithLastYearsAccounts) {
  conn().execute("INSERT INTO bank_details (code_no, yr, srno, banknm, acno, defbank) VALUES ('I1', 2015, 1, 'DAKSHIN SETU BANK', '123', 'Y')");
  conn().execute("INSERT INTO credit_details (code_no, yr, srno, cardnm, cardno) VALUES ('I1', 2015, 1, 'GOLD', '4111')");
  open("I1", 2016);
  EXPECT_EQ(rows("SELECT city, state, pin, pan, dob, nation FROM new_tab WHERE code_no = 'I1' AND ass_year = '2016'"),
            (std::vector<std::string>{"PUNE|MAHARASHTRA|411001|BBBPK5678L|05/05/1985|RESIDENT"}));
  EXPECT_EQ(rows("SELECT yr, banknm, acno FROM bank_details WHERE code_no = 'I1' ORDER BY yr"),
            (std::vector<std::string>{"2015|DAKSHIN SETU BANK|123", "2016|DAKSHIN SETU BANK|123"}));
  EXPECT_EQ(rows("SELECT yr, cardnm FROM credit_details WHERE code_no = 'I1' ORDER BY yr"),
            (std::vector<std::string>{"2015|GOLD", "2016|GOLD"}));
  // A firm's office comes from the office row.
  open("F1", 2015);
  EXPECT_EQ(rows("SELECT city, off_nm, off_city, off_pin FROM new_tab WHERE code_no = 'F1' AND ass_year = '2015'"),
            (std::vector<std::string>{"CHENNAI|SHAH AND SONS HEAD OFFICE|CHENNAI|600001"}));
}

TEST_P(WorkspaceYears, LastYearsCertificatesAreOfferedToAYearThatHasNone) {
  const char* question = "Do you want to Carry Forward Previous Year NSC/KVP Details?";
  struct Case {
    const char* name;
    std::function<void()> arrange;
    Answer answer;
    std::vector<std::string> asked, certificates2016;
  } cases[] = {
      {"Yes copies them whole", [] {}, Answer::yes, {question}, {"1|1|NSC/1|50000", "2|1|KVP/7|20000"}},
      {"No copies nothing", [] {}, Answer::no, {question}, {}},
      {"a year that has its own asks nothing",
       [&] { conn().execute("INSERT INTO rebate_nsc (code_no, ass_year, rebtyp, srno, certno, amount) "
                            "VALUES ('I1', 2016, '1', 1, 'NSC/9', 1000)"); },
       Answer::yes, {}, {"1|1|NSC/9|1000"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    conn().execute("DELETE FROM rebate_nsc");
    conn().execute("INSERT INTO rebate_nsc (code_no, ass_year, rebtyp, srno, certno, amount) VALUES "
                   "('I1', 2015, '1', 1, 'NSC/1', 50000), ('I1', 2015, '2', 1, 'KVP/7', 20000)");
    c.arrange();
    const size_t m = mark();
    dialogs().answer(c.answer);
    open("I1", 2016);
    EXPECT_EQ(textsSince(m), c.asked);
    std::vector<std::string> certificates;
    for (const auto& r : conn().query("SELECT rebtyp, srno, certno, amount FROM rebate_nsc WHERE ass_year = 2016 "
                                      "ORDER BY rebtyp, srno"))
      certificates.push_back(r.text("rebtyp") + "|" + r.text("srno") + "|" + r.text("certno") + "|" +
                             std::to_string(r.money("amount").value_or(Money()).wholeRupees()));
    EXPECT_EQ(certificates, c.certificates2016);
    host().desktop().close(*ws_);
  }
}

// What opening a year cannot carry, because its table is not in the
// database, is named on the workspace instead of being skipped unseen.
TEST_P(WorkspaceYears, WhatTheYearCannotCarryForLackOfItsTableIsNamed) {
  struct Case {
    const char* why;
    bool trust;
    AlternateTax credit;
    std::vector<const char*> named, notNamed;
  } cases[] = {
      {"an individual", false, AlternateTax::none, {"(rebate)", "refund, othinc_items", "signatory1", "geninfo_schh_9", "geninfo_2c"},
       {"taxcr115jbc2", "form3a_schi", "geninfo_schl"}},
      {"a trust", true, AlternateTax::none, {"form3a_schi", "form3a_nature", "geninfo_schl", "geninfo_2c"},
       {"geninfo_schh", "form3a_geninfo"}},
      {"a company paying MAT", false, AlternateTax::mat, {"the MAT or AMT credit of the second credit table (taxcr115jbc2)"},
       {"form3a_schi", "taxcr115jbc1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const std::string note = yearOpeningNotKept(conn(), c.trust, c.credit);
    for (const char* n : c.named) EXPECT_NE(note.find(n), std::string::npos) << n << " in: " << note;
    for (const char* n : c.notNamed) EXPECT_EQ(note.find(n), std::string::npos) << n << " in: " << note;
  }
  // A table that is there is not named.
  conn().execute("CREATE TABLE rebate (code_no VARCHAR(80), ass_year INTEGER)");
  EXPECT_EQ(yearOpeningNotKept(conn(), false, AlternateTax::none).find("rebate items"), std::string::npos);
  // The workspace shows the note with the year; an individual may owe AMT.
  open("I1", 2016);
  EXPECT_TRUE((*ws_)["lblNotKept"].visible);
  EXPECT_EQ((*ws_)["lblNotKept"].caption, yearOpeningNotKept(conn(), false, AlternateTax::amt));
}

TEST_P(WorkspaceYears, ATrustsGeneralInformationIsCarriedWhenTheYearHasNone) {
  conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('T1', 'SEVA TRUST', 'AOP (TRUST)')");
  conn().execute("INSERT INTO form3a_geninfo (code_no, ass_year, minmrate) VALUES ('T1', 2015, '1')");
  conn().execute("INSERT INTO form3a_geninfo (code_no, ass_year, minmrate) VALUES ('F1', 2015, '1')");
  open("T1", 2016);
  EXPECT_EQ(rows("SELECT ass_year, minmrate FROM form3a_geninfo WHERE code_no = 'T1' ORDER BY ass_year"),
            (std::vector<std::string>{"2015|1", "2016|1"}));
  open("F1", 2016);
  EXPECT_TRUE(rows("SELECT 1 FROM form3a_geninfo WHERE code_no = 'F1' AND ass_year = 2016").empty())
      << "a firm keeps no trust schedules";
}

// A company's key persons are entered on their own grid, with no row of the
// schedule geninfo_schh (not kept by this installation): the new year still
// gets its directors, and a year that has its own keeps them.
TEST_P(WorkspaceYears, ACompanysKeyPersonsComeIntoTheNewYearByThemselves) {
  conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('K1', 'KAVERI MILLS', 'PRIVATE LTD.')");
  conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('K2', 'TUNGA MILLS', 'PRIVATE LTD.')");
  for (const char* code : {"K1", "K2"})
    conn().execute("INSERT INTO geninfo_schh_13 (code_no, ass_year, srno, name, desig, din) VALUES (?, 2015, 1, "
                   "'RAVI KUMAR', 'DIR', '00012345')",
                   {std::string(code)});
  conn().execute("INSERT INTO geninfo_schh_13 (code_no, ass_year, srno, name, desig, din) VALUES ('K2', 2016, 1, "
                 "'ASHA ROY', 'MD', '00067890')");
  open("K1", 2016);
  EXPECT_EQ(rows("SELECT ass_year, name, din FROM geninfo_schh_13 WHERE code_no = 'K1' ORDER BY ass_year"),
            (std::vector<std::string>{"2015|RAVI KUMAR|00012345", "2016|RAVI KUMAR|00012345"}));
  open("K2", 2016);
  EXPECT_EQ(rows("SELECT name FROM geninfo_schh_13 WHERE code_no = 'K2' AND ass_year = 2016"),
            (std::vector<std::string>{"ASHA ROY"}));
}

TEST_P(WorkspaceYears, TheYearLeftIsRecomputedFromTwoThousandTwoOn) {
  open("I1", 2016);
  struct Step {
    const char* to;
    std::string statusLine;  // "" when the year left is not recomputed
  } steps[] = {
      {"2015-16", ""},
      {"2001-02", ""},
      {"2002-03", ""},
      {"2001-02", "A.Y. 2002-03 was not recomputed: The computation engine does not compute A.Y. 2002-03."},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.to);
    host().desktop().statusLine.clear();
    choose("CmbasYr", s.to);
    EXPECT_EQ(statusLine(), s.statusLine);
    EXPECT_EQ(host().clientCtx().vT_Year.get(), yearOfEntry(s.to)) << "the next year opens whatever the computation said";
    EXPECT_EQ(ws_->caption, "Income Tax calculation for Assessment Year " + std::string(s.to) + " of KAVITA RAO");
  }
  EXPECT_EQ(rows("SELECT assyear FROM adv_n WHERE code_no = 'I1' ORDER BY assyear"),
            (std::vector<std::string>{"2015", "2016"}))
      << "each year left that the engine computes has its summary row, and no other";
}

TEST_P(WorkspaceYears, ChoosingAYearWritesTheContextInOrder) {
  open("I1", 2016);
  const auto writes = journalOf([&] { choose("CmbasYr", "2001-02"); });
  ASSERT_GE(writes.size(), 3u);
  EXPECT_EQ(std::vector<host::ContextWrite>(writes.begin(), writes.begin() + 3),
            (std::vector<host::ContextWrite>{{"Base", "vChkYr", "2000"},
                                             {"ClientCtx", "vT_Year", "2001"},
                                             {"ReturnCtx", "Vt_ASS_YEAR", "2001-02"}}));
}

TEST_P(WorkspaceYears, BankDetailsAreImportedEditedAndBecomeTheClientsDefault) {
  conn().execute("INSERT INTO bank_details (code_no, yr, srno, banknm, acno, defbank) VALUES ('F1', 0, 1, 'NOYYAL RIVERSIDE BANK', '9', 'Y')");
  open("F1", 2016);
  conn().execute("DELETE FROM bank_details WHERE yr = 2016");
  const size_t m = mark();
  dialogs().answer(Answer::yes);
  click("cmdbank");
  EXPECT_EQ(textsSince(m), (std::vector<std::string>{"Do you want to Import Bank Details from Master Details?"}));
  ASSERT_EQ(top().name(), "BankCCDet");
  ui::Grid& g = top().grid("vsDetails");
  ASSERT_GE(g.rowCount(), 2);
  EXPECT_EQ(g.textMatrix(0, 1), "NOYYAL RIVERSIDE BANK");
  const std::pair<int, const char*> typed[] = {{1, "tamraparni deposit bank"}, {3, "600019002"}, {4, "saving"}, {5, "5555"},
                                               {6, "TDBK000M001"}, {8, "Y"}};
  for (auto [col, text] : typed) {
    ui::Event e{"vsDetails", ui::EventType::cellEdited, 0, 1, col, text};
    top().dispatch(e);
  }
  click("cmdsave");
  EXPECT_EQ(textsSince(m).back(), "Only one account can be the default.");
  ui::Event e{"vsDetails", ui::EventType::cellEdited, 0, 0, 8, "N"};
  top().dispatch(e);
  click("cmdsave");
  EXPECT_EQ(&top(), ws_.get()) << "saved and closed";
  EXPECT_EQ(rows("SELECT yr, srno, banknm, micr, actyp, acno, bankcode, defbank FROM bank_details ORDER BY yr, srno"),
            (std::vector<std::string>{"0|1|NOYYAL RIVERSIDE BANK|||9||N", "0|2|TAMRAPARNI DEPOSIT BANK|600019002|SAVING|5555|TDBK000M001|Y",
                                      "2016|1|NOYYAL RIVERSIDE BANK|||9||N", "2016|2|TAMRAPARNI DEPOSIT BANK|600019002|SAVING|5555|TDBK000M001|Y"}));
  EXPECT_EQ(rows("SELECT banknm, micr, acno, bankcode FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"),
            (std::vector<std::string>{"TAMRAPARNI DEPOSIT BANK|600019002|5555|TDBK000M001"}));
  EXPECT_EQ(rows("SELECT banknm, acno FROM main_info1 WHERE code_no = 'F1'"), (std::vector<std::string>{"TAMRAPARNI DEPOSIT BANK|5555"}));
}

TEST_P(WorkspaceYears, TheBankScreenRefusesWhatARefundCouldNotReach) {
  open("F1", 2016);
  click("cmdbank");
  ASSERT_EQ(top().name(), "BankCCDet");
  struct Case {
    std::vector<std::pair<int, const char*>> cells;
    const char* refusal;
  } cases[] = {
      {{{1, "DSB"}}, "Bank Name and Account No. are needed (row 1)."},
      {{{1, "DSB"}, {5, "1"}, {3, "12345"}}, "MICR Code has 9 digits (row 1)."},
      {{{1, "DSB"}, {5, "1"}, {6, "DSEB1234567"}}, "IFSC has 11 characters: 4 letters of the bank, 0, 6 of the branch (row 1)."},
      {{{1, "DSB"}, {5, "1"}, {4, "FIXED"}}, "Account Type is SAVING, CURRENT or CASH CREDIT (row 1)."},
      {{{1, "DSB"}, {5, "1"}, {8, "X"}}, "Default is Y or N (row 1)."},
  };
  for (const auto& c : cases) {
    ui::Grid& g = top().grid("vsDetails");
    for (auto& row : g.rows) std::fill(row.begin() + 1, row.end(), "");
    for (auto [col, text] : c.cells) {
      ui::Event e{"vsDetails", ui::EventType::cellEdited, 0, 0, col, text};
      top().dispatch(e);
    }
    const size_t m = mark();
    click("cmdsave");
    EXPECT_EQ(textsSince(m), (std::vector<std::string>{c.refusal}));
    EXPECT_EQ(top().name(), "BankCCDet");
  }
  EXPECT_TRUE(rows("SELECT 1 FROM bank_details WHERE code_no = 'F1'").empty()) << "a refused save writes nothing";
}

TEST(LateFiling, LossesAreLostOnlyForAReturnFiledAfterItsDueDate) {
  const host::Date due = parseDmy("30/09/2016");
  EXPECT_EQ(lateFilingWarning("01/10/2016", due, true),
            "Due to Late Filing Some Losses Can not be Carried Forward : Due Date 30/09/2016, Date of Filing 01/10/2016");
  EXPECT_FALSE(lateFilingWarning("30/09/2016", due, true));
  EXPECT_FALSE(lateFilingWarning("01/10/2016", due, false));
  EXPECT_FALSE(lateFilingWarning("01/10/2016", std::nullopt, true));
}

MERIDIAN_ON_BOTH_ENGINES(WorkspaceYears);

}  // namespace
}  // namespace meridian::reg::testing

// The head screens as a practitioner uses them: rows added and typed, saved,
// shown again; refusals that write nothing; rows that belong to another
// row; the workspace's guard; Escape with unsaved changes.
#include <gtest/gtest.h>

#include "host/return_state_guard.h"
#include "suite/heads/head_screen_fixture.h"

namespace meridian::suite::heads {
namespace {

using ui::Answer;

class HeadScreens : public testsupport::HeadScreenTest {
 protected:
  // A column's value in the client's row of the table (the first, by its serial).
  std::string stored(const std::string& table, const std::string& column, const std::string& where = "") {
    return conn().scalar("SELECT `" + column + "` FROM " + table + " WHERE code_no = 'I1'" + where);
  }
};

struct Check {
  const char* column;
  const char* expected;
  bool amount = false;  // compared as amounts: "600000" and "600000.00" are one
};

TEST_P(HeadScreens, EachScreenSavesTheRowsTypedAndShowsThemAgain) {
  struct Case {
    const char* progId;
    const char* member;
    const char* key;  // of the grid's buttons
    const char* grid;
    std::vector<std::string> cells;
    const char* table;
    std::vector<Check> checks;
  } cases[] = {
      {"PrjSalary.Forms", "ObjSalary", "Emp", "vsfEmployers",
       {"Acme Infotech Pvt Ltd", "PNEA12345B", "oth", "Hinjewadi Phase 1", "Pune", "Maharashtra", "411057", "600000",
        "12000", "", "", "2400"},
       "income_salary",
       {{"empr_num", "1"}, {"empr_name", "ACME INFOTECH PVT LTD"}, {"empr_tan", "PNEA12345B"}, {"empr_catg", "OTH"},
        {"empr_pin", "411057"}, {"salary", "600000", true}, {"perquisites", "12000", true}, {"proftax", "2400", true}}},
      {"PrjOtherHeads.Forms", "ObjHouseProp", "House", "vsfHouses",
       {"12 Lake View Road", "Pune", "Maharashtra", "411001", "L", "", "240000", "", "12000", "150000", "15/06/2012", ""},
       "income_house",
       {{"house_no", "1"}, {"let_typ", "Y"}, {"share_pct", "100"}, {"rent", "240000", true}, {"muni_tax", "12000", true},
        {"interest", "150000", true}, {"loan_dt", "2012-06-15"}}},
      {"PrjOtherHeads.Forms", "ObjOtherIncome", "OthInc", "vsfOthInc", {"SB", "Dakshin Setu Bank", "8500.50"},
       "other_income", {{"nature", "SB"}, {"particulars", "DAKSHIN SETU BANK"}, {"amount", "8500.50", true}}},
      {"PrjOtherHeads.Forms", "ObjOtherIncome", "Nsc", "vsfNsc",
       {"NSC", "10/05/2013", "12ab34", "Post Office", "50000", "8.5", "4620"}, "rebate_nsc",
       {{"rebtyp", "1"}, {"purchasedt", "2013-05-10"}, {"certno", "12AB34"}, {"interest", "4620", true}}},
      {"PrjOtherHeads.Forms", "ObjOtherIncome", "SpRate", "vsfSpRate", {"5BB", "Lottery", "10000"}, "sprtothinc",
       {{"seccode", "5BB"}, {"amount", "10000", true}}},
      {"PrjOtherHeads.Forms", "ObjOtherIncome", "Exempt", "vsfExempt", {"INT", "PPF", "12000"}, "incitemdet",
       {{"typ", "INT"}, {"tyear", "2016"}, {"amount", "12000", true}}},
      {"PrjDeductions.Forms", "ObjLoss", "Loss", "vsfLosses", {"0", "2014-15", "75000", ""}, "losses",
       {{"part", "0"}, {"loss_ay", "2014"}, {"amount", "75000", true}, {"intime", "Y"}}},
      {"PrjDeductions.Forms", "ObjDeductN", "Ded", "vsfDed", {"80C", "PPF", "150000"}, "deductionnew",
       {{"section", "80C"}, {"claimed", "150000", true}}},
      {"PrjDeductions.Forms", "ObjDeductN", "80G", "vsf80G",
       {"PM National Relief Fund", "AAAGP0582L", "South Block", "New Delhi", "Delhi", "110011", "100", "5000"},
       "ded80g", {{"amount", "5000", true}}},
      {"PrjDeductions.Forms", "Objtaxdetail", "Tds", "vsfTds",
       {"192", "Acme Infotech", "PNEA12345B", "ABCD1234", "31/03/2016", "600000", "45000", "45000", "", "1"}, "tds",
       {{"asyear", "2016"}, {"itemcd", "192"}, {"deddt", "31/03/2016"}, {"tdsclaim", "45000", true}, {"partid", "1"}}},
      {"PrjDeductions.Forms", "Objtaxdetail", "Adv", "vsfAdvTax", {"0510308", "15/09/2015", "00012", "10000"},
       "adv_tax", {{"bsr_code", "0510308"}, {"date", "2015-09-15"}, {"chsrno", "00012"}, {"amt", "10000", true}}},
      {"PrjDeductions.Forms", "Objtaxdetail", "Self", "vsfSelfTax", {"0510308", "20/07/2016", "00345", "2500"},
       "self_tax", {{"date", "2016-07-20"}, {"amt", "2500", true}}},
      {"PrjDeductions.Forms", "ObjSchFSITR", "FSI", "vsfFSI",
       {"2", "United States", "98-7654321", "OS", "40000", "4000", "90"}, "taxrelsch",
       {{"rowtyp", "FSI"}, {"country_nm", "UNITED STATES"}, {"head", "OS"}, {"income", "40000", true},
        {"relsec", "90"}}},
      {"PrjDeductions.Forms", "ObjSchDDT", "Dist", "vsfDist", {"N", "15/03/2016", "1000000", ""}, "geninfo_schj",
       {{"flagbbs", "N"}, {"dist_dt", "2016-03-15"}, {"amount", "1000000", true}}},
      {"PrjOtherHeads.Forms", "SchPTI", "PTI", "vsfPTI", {"BT", "Nagar Infra Trust", "aaatn1234k", "OS", "20000", "2000"},
       "schpti", {{"inv_kind", "BT"}, {"inv_name", "NAGAR INFRA TRUST"}, {"inv_pan", "AAATN1234K"}, {"head", "OS"},
                  {"amount", "20000", true}, {"tds", "2000", true}}},
      {"PrjOtherHeads.Forms", "ObjSchFA", "FA", "vsfFA",
       {"A", "2", "United States", "First Harbor Bank", "12 Main St", "Savings", "01/04/2010", "150000", "1200"},
       "schresfa", {{"part", "A"}, {"country_nm", "UNITED STATES"}, {"held_since", "01/04/2010"},
                    {"value", "150000", true}, {"income", "1200", true}}},
      {"PrjOtherHeads.Forms", "ObjCapDeemed", "Deemed", "vsfDeemed", {"L", "54EC", "300000"}, "capital_deemed",
       {{"term", "L"}, {"section", "54EC"}, {"amount", "300000", true}}},
      {"PrjOtherHeads.Forms", "ObjCapDeemed", "DeemN", "vsfDeemN", {"S", "2013-14", "54b", "2014", "900000", "100000"},
       "capital_deemn", {{"term", "S"}, {"prev_year", "2013"}, {"section", "54B"}, {"new_year", "2014"},
                         {"utilised", "900000", true}, {"amount", "100000", true}}},
      {"PrjOtherHeads.Forms", "ObjCapDepr", "Depr", "vsfDepr", {"Plant and Machinery", "15", "500000", "200000", "5000", "Y"},
       "capital_depr", {{"block", "PLANT AND MACHINERY"}, {"rate", "15"}, {"sale_val", "500000", true},
                        {"wdv", "200000", true}, {"ceased", "Y"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.member) + " " + c.grid);
    open(c.progId, c.member);
    click(std::string("cmdAdd") + c.key);
    type(c.grid, grid(c.grid).rowCount() - 1, c.cells);
    const auto shown = grid(c.grid).rows;
    dialogs().clear();
    click("cmdSave");
    EXPECT_EQ(dialogs().texts(), std::vector<std::string>{}) << "saved without a word";
    EXPECT_FALSE(screen_->changed());
    for (const auto& check : c.checks) {
      const std::string value = stored(c.table, check.column);
      if (check.amount) EXPECT_EQ(Money::parse(value), Money::parse(check.expected)) << check.column;
      else EXPECT_EQ(value, check.expected) << check.column;
    }
    reopen();
    EXPECT_EQ(grid(c.grid).rows, shown) << "shown again as typed";
  }
}

TEST_P(HeadScreens, ARefusedSaveSaysWhyAndWritesNothing) {
  struct Case {
    const char* what;
    const char* progId;
    const char* member;
    const char* key;
    const char* grid;
    std::vector<std::vector<std::string>> rows;
    const char* message;
  } cases[] = {
      {"a required cell left blank", "PrjSalary.Forms", "ObjSalary", "Emp", "vsfEmployers",
       {{"", "", "Others", "", "", "", "", "50000"}}, "Please specify 'Employer'."},
      {"entertainment allowance of a private employer", "PrjSalary.Forms", "ObjSalary", "Emp", "vsfEmployers",
       {{"Acme", "", "Others", "", "", "", "", "500000", "", "", "5000"}},
       "Deduction for entertainment allowance u/s 16(ii) is allowed only to Government employees."},
      {"professional tax beyond its cap", "PrjSalary.Forms", "ObjSalary", "Emp", "vsfEmployers",
       {{"Acme", "", "Others", "", "", "", "", "500000", "", "", "", "3000"}},
       "Tax on employment u/s 16(iii) can not exceed Rs. 2,500 a year."},
      {"a share without the co-owners holding the rest", "PrjOtherHeads.Forms", "ObjHouseProp", "House", "vsfHouses",
       {{"Flat 4, Sea View", "", "", "", "Self", "50"}},
       "Total ownership share including share of co-owner(s) should be 100%. Please corret the same in "
       "\"House Property [1] \"."},
      {"two self-occupied houses", "PrjOtherHeads.Forms", "ObjHouseProp", "House", "vsfHouses",
       {{"Flat 4", "", "", "", "Self"}, {"Flat 9", "", "", "", "Self"}},
       "Only one house may be self-occupied; another is deemed to be let out (s.23(4))."},
      {"rent of a self-occupied house", "PrjOtherHeads.Forms", "ObjHouseProp", "House", "vsfHouses",
       {{"Flat 4", "", "", "", "Self", "", "10000"}},
       "A self-occupied house has no rent to enter: its annual value is nil (s.23(2))."},
      {"more tax claimed than deducted", "PrjDeductions.Forms", "Objtaxdetail", "Tds", "vsfTds",
       {{"194A", "Kaveri Bank", "MUMS12345A", "", "", "", "1000", "800", "300"}},
       "The tax claimed (by the client and the spouse) can not exceed the tax deducted."},
      {"a loss that has lapsed", "PrjDeductions.Forms", "ObjLoss", "Loss", "vsfLosses", {{"1", "2007", "1000"}},
       "A loss under 'Business (Other than Speculation)' can be carried forward for 8 assessment years only "
       "(s.72(3)); the loss of A.Y. 2007-08 has lapsed."},
      {"a business loss of a late return", "PrjDeductions.Forms", "ObjLoss", "Loss", "vsfLosses",
       {{"1", "2014", "1000", "No"}},
       "A loss under 'Business (Other than Speculation)' of a return not filed in time can not be carried forward "
       "(s.80)."},
      {"a loss entered twice", "PrjDeductions.Forms", "ObjLoss", "Loss", "vsfLosses",
       {{"0", "2014", "1000"}, {"0", "2014-15", "500"}},
       "The loss under 'House Property' of A.Y. 2014-15 is entered twice."},
      {"a loss of the year itself", "PrjDeductions.Forms", "ObjLoss", "Loss", "vsfLosses", {{"0", "2016", "1000"}},
       "A loss brought forward must be of an assessment year before 2016-17."},
      {"a BSR code of six digits", "PrjDeductions.Forms", "Objtaxdetail", "Adv", "vsfAdvTax",
       {{"051030", "15/09/2015", "00012", "10000"}}, "BSR Code must be of 7 digits."},
      {"advance tax paid after the previous year", "PrjDeductions.Forms", "Objtaxdetail", "Adv", "vsfAdvTax",
       {{"0510308", "15/04/2016", "00012", "10000"}},
       "Advance tax is paid in the previous year: the date must be from 01/04/2015 to 31/03/2016."},
      {"tax deducted after the previous year", "PrjDeductions.Forms", "Objtaxdetail", "Tds", "vsfTds",
       {{"194A", "Kaveri Bank", "MUMS12345A", "", "01/04/2016", "", "1000"}},
       "The tax can not have been deducted after the previous year, which ended on 31/03/2016."},
      {"a loan taken after the previous year", "PrjOtherHeads.Forms", "ObjHouseProp", "House", "vsfHouses",
       {{"Flat 4", "", "", "", "Let", "", "10000", "", "", "5000", "02/04/2016"}},
       "The loan can not have been taken after 31/03/2016."},
      {"self-assessment tax paid within the previous year", "PrjDeductions.Forms", "Objtaxdetail", "Self",
       "vsfSelfTax", {{"0510308", "15/03/2016", "00012", "10000"}},
       "Self-assessment tax is paid after the previous year ends: the date must be after 31/03/2016."},
      {"a challan serial number of four digits", "PrjDeductions.Forms", "Objtaxdetail", "Self", "vsfSelfTax",
       {{"0510308", "15/07/2016", "1234", "10000"}}, "Challan Serial No. must be of 5 digits."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    open(c.progId, c.member);
    const auto before = everyTable();
    for (const auto& row : c.rows) {
      click(std::string("cmdAdd") + c.key);
      type(c.grid, grid(c.grid).rowCount() - 1, row);
    }
    dialogs().clear();
    click("cmdSave");
    ASSERT_FALSE(dialogs().shown().empty());
    EXPECT_EQ(dialogs().shown().back().message.text, c.message);
    EXPECT_EQ(screen_->focus, c.grid) << "the focus goes back to the grid, on the cell at fault";
    EXPECT_TRUE(screen_->changed()) << "what was typed stays to be mended";
    EXPECT_EQ(everyTable(), before);
    dialogs().answer(Answer::no);  // drop the rows: the next case starts afresh
    escape();
  }
}

TEST_P(HeadScreens, ACellIsCheckedWhenLeftAndKeepsTheTextToMend) {
  open("PrjDeductions.Forms", "Objtaxdetail");
  click("cmdAddAdv");
  dialogs().clear();
  edit("vsfAdvTax", 0, 0, "05103");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"BSR Code must be of 7 digits."});
  EXPECT_EQ(grid("vsfAdvTax").textMatrix(0, 0), "05103");
  EXPECT_EQ(grid("vsfAdvTax").selectedCol, 0);
  edit("vsfAdvTax", 0, 3, "100000.5");
  EXPECT_EQ(grid("vsfAdvTax").textMatrix(0, 3), "100000.50") << "an amount shows as the amount box shows it";
}

TEST_P(HeadScreens, AllowancesFollowTheirEmployerAndAreWrittenUnderItsNumber) {
  open("PrjSalary.Forms", "ObjSalary");
  click("cmdAddEmp");
  type("vsfEmployers", 0, {"First Employer", "", "Government", "", "", "", "", "300000"});
  click("cmdAddExempt");
  type("vsfExemptAllow", 0, {"HRA", "60000", "24000"});
  click("cmdAddEmp");  // the second employer is selected, its allowances empty
  EXPECT_EQ(grid("vsfExemptAllow").rowCount(), 0);
  type("vsfEmployers", 1, {"Second Employer", "", "PSU", "", "", "", "", "200000"});
  click("cmdAddOther");
  type("vsfOtherAllow", 0, {"Special Allowance", "30000"});

  select("vsfEmployers", 0);
  click("cmdInsEmp");  // a new first employer: the others and their allowances move down
  type("vsfEmployers", 0, {"New First", "", "Others", "", "", "", "", "100000"});
  select("vsfEmployers", 1);
  EXPECT_EQ(grid("vsfExemptAllow").textMatrix(0, 0), "House Rent Allowance u/s 10(13A)");
  select("vsfEmployers", 2);
  EXPECT_EQ(grid("vsfOtherAllow").textMatrix(0, 0), "SPECIAL ALLOWANCE");

  select("vsfEmployers", 0);
  dialogs().answer(Answer::yes);
  click("cmdDelEmp");
  click("cmdSave");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM income_salary WHERE code_no = 'I1'"), "2");
  EXPECT_EQ(conn().scalar("SELECT empr_num FROM tab_exempt WHERE code_no = 'I1'"), "1");
  EXPECT_EQ(Money::parse(conn().scalar("SELECT exempt FROM tab_exempt WHERE code_no = 'I1'")), Money::rupees(24000));
  EXPECT_EQ(conn().scalar("SELECT empr_num FROM other_allow WHERE code_no = 'I1'"), "2");
  EXPECT_EQ(conn().scalar("SELECT no_of_empr FROM income WHERE code_no = 'I1' AND ass_year = 2016"), "2");
  EXPECT_EQ(comp().clientCtx().vTotEmpNos.get(), 2);
  EXPECT_EQ((*screen_)["lblTotals"].caption,
            "Gross Salary : 5,90,000.00    Exempt Allowances : 24,000.00    Deductions u/s 16 : 0.00    "
            "Income from Salaries : 5,66,000.00");

  reopen();
  EXPECT_EQ(grid("vsfEmployers").rowCount(), 2);
  EXPECT_EQ(grid("vsfExemptAllow").rows,
            (std::vector<std::vector<std::string>>{{"House Rent Allowance u/s 10(13A)", "60000.00", "24000.00"}}))
      << "the first employer's allowances show with it";
}

TEST_P(HeadScreens, AnExemptPartAboveTheAllowanceIsRefusedOnItsEmployer) {
  open("PrjSalary.Forms", "ObjSalary");
  click("cmdAddEmp");
  type("vsfEmployers", 0, {"First", "", "Others"});
  click("cmdAddEmp");
  type("vsfEmployers", 1, {"Second", "", "Others"});
  click("cmdAddExempt");
  type("vsfExemptAllow", 0, {"LTA", "10000", "12000"});
  select("vsfEmployers", 0);
  const auto before = everyTable();
  dialogs().clear();
  click("cmdSave");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"The exempt part of an allowance can not exceed the amount received."});
  EXPECT_EQ(grid("vsfEmployers").selectedRow, 1) << "the employer whose allowance is at fault is shown";
  EXPECT_EQ(grid("vsfExemptAllow").rowCount(), 1);
  EXPECT_EQ(everyTable(), before);
}

TEST_P(HeadScreens, CoOwnersMakeUpTheShareAndTheHousesAreCounted) {
  open("PrjOtherHeads.Forms", "ObjHouseProp");
  click("cmdAddHouse");
  type("vsfHouses", 0, {"Plot 7, Koregaon Park", "Pune", "", "", "Let", "50", "300000", "", "10000", "200000"});
  click("cmdAddCoOwner");
  type("vsfCoOwners", 0, {"Anil Rao", "ABCPR1234K", "50"});
  click("cmdAddTenant");
  type("vsfTenants", 0, {"Sunil Mehta", ""});
  dialogs().clear();
  click("cmdSave");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{});
  EXPECT_EQ(conn().scalar("SELECT share_pct FROM hpcoowndet WHERE code_no = 'I1' AND house_no = 1"), "50");
  EXPECT_EQ(conn().scalar("SELECT name FROM hptenantdet WHERE code_no = 'I1' AND house_no = 1"), "SUNIL MEHTA");
  EXPECT_EQ(conn().scalar("SELECT no_of_house FROM income WHERE code_no = 'I1' AND ass_year = 2016"), "1");
  // Half of 3,00,000 less half the taxes, less 30 %, less half the interest.
  EXPECT_EQ((*screen_)["lblTotals"].caption, "Houses : 1    Income from House Property : 1,500.00");
}

// The workspace that opened the screen answers whether the open return may
// change; the screen asks it once, before the first change.
class FakeWorkspace : public ui::Form, public host::ReturnStateGuard {
 public:
  explicit FakeWorkspace(bool answer) : ui::Form("subform", "Workspace"), answer_(answer) {}
  bool CheckReturn() override {
    ++asked;
    return answer_;
  }
  int asked = 0;

 private:
  bool answer_;
};

TEST_P(HeadScreens, TheWorkspaceGuardIsAskedOnceBeforeTheFirstChange) {
  struct Case {
    bool answer;
    const char* what;
  } cases[] = {{true, "the workspace lets the user go on"}, {false, "the workspace refuses"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeWorkspace workspace(c.answer);
    comp().base().ObjSubForm = &workspace;
    open("PrjDeductions.Forms", "ObjDeductN");
    EXPECT_EQ(workspace.asked, 0) << "showing the year changes nothing";
    const auto before = everyTable();
    click("cmdAddDed");
    EXPECT_EQ(workspace.asked, 1);
    EXPECT_EQ(grid("vsfDed").rowCount(), c.answer ? 1 : 0);
    if (c.answer) type("vsfDed", 0, {"80D", "Mediclaim", "18000"});
    click("cmdSave");
    EXPECT_EQ(workspace.asked, 1) << "asked once while the screen is shown";
    EXPECT_EQ(screen_->readOnly(), !c.answer);
    if (c.answer) {
      EXPECT_EQ(conn().scalar("SELECT section FROM deductionnew WHERE code_no = 'I1'"), "80D");
    } else {
      EXPECT_EQ(everyTable(), before);
      EXPECT_FALSE((*screen_)["cmdSave"].enabled);
      EXPECT_FALSE(grid("vsfDed").editable);
    }
    comp().base().ObjSubForm = nullptr;
    screen_->close();
    conn().execute("DELETE FROM deductionnew");
  }
}

TEST_P(HeadScreens, EscapeAsksAboutUnsavedChanges) {
  struct Case {
    Answer answer;
    bool stillOpen;
    const char* stored;  // the claims afterwards
  } cases[] = {{Answer::cancel, true, "0"}, {Answer::no, false, "0"}, {Answer::yes, false, "1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    conn().execute("DELETE FROM deductionnew");
    open("PrjDeductions.Forms", "ObjDeductN");
    click("cmdAddDed");
    type("vsfDed", 0, {"80TTA", "", "8500"});
    dialogs().clear();
    dialogs().answer(c.answer);
    escape();
    EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"Do you want to save the changes?"});
    EXPECT_EQ(comp().desktop().active() == screen_, c.stillOpen);
    EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM deductionnew"), c.stored);
    if (c.stillOpen) screen_->close();
  }
  open("PrjDeductions.Forms", "ObjDeductN");
  dialogs().clear();
  escape();
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{}) << "nothing changed, nothing asked";
  EXPECT_NE(comp().desktop().active(), screen_);
}

TEST_P(HeadScreens, DeletingARowThatHoldsSomethingAsksFirst) {
  open("PrjDeductions.Forms", "ObjLoss");
  click("cmdAddLoss");
  type("vsfLosses", 0, {"House", "2014", "20000"});
  click("cmdAddLoss");  // blank but for its defaults
  dialogs().clear();
  click("cmdDelLoss");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{}) << "a row holding only a new row's defaults goes unasked";
  select("vsfLosses", 0);
  dialogs().answer(Answer::no);
  click("cmdDelLoss");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"Do you want to delete the selected row?"});
  EXPECT_EQ(grid("vsfLosses").rowCount(), 1);
  dialogs().answer(Answer::yes);
  click("cmdDelLoss");
  EXPECT_EQ(grid("vsfLosses").rowCount(), 0);
}

TEST_P(HeadScreens, DonationsKeepOneDoneeListForThePractice) {
  for (const char* code : {"I1", "P1"}) {
    open("PrjDeductions.Forms", "ObjDeductN", code);
    click("cmdAdd80G");
    type("vsf80G", 0, {"Seva Old Age Trust", "AAATS0161F", "C-14 Institutional Area", "New Delhi", "Delhi", "", "50L",
                       "10000"});
    click("cmdSave");
  }
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM donee_master"), "1");
  EXPECT_EQ(conn().scalar("SELECT COUNT(DISTINCT doneecd) FROM ded80g"), "1");
  open("PrjDeductions.Forms", "ObjDeductN", "P1");
  EXPECT_EQ(grid("vsf80G").textMatrix(0, 6), "50% subject to qualifying limit");
}

TEST_P(HeadScreens, ReliefIsOneRowOfTheYear) {
  open("PrjDeductions.Forms", "ObjRebate");
  (*screen_)["txtRel89"].text = "12500";
  ui::Event left{"txtRel89", ui::EventType::change};
  ASSERT_TRUE(screen_->dispatch(left));
  EXPECT_EQ((*screen_)["txtRel89"].text, "12500.00");
  click("cmdSave");
  EXPECT_EQ(Money::parse(conn().scalar("SELECT rel89 FROM income_relief WHERE code_no = 'I1' AND ass_year = 2016")),
            Money::rupees(12500));
  (*screen_)["txtRel89"].text = "";
  click("cmdSave");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM income_relief"), "0") << "nothing claimed, no row";
}

// Schedule 5A: the boxes make one row of the year, the spouse's PAN as the
// department writes it; an emptied schedule leaves no row.
TEST_P(HeadScreens, Schedule5AIsOneRowOfTheYear) {
  open("PrjOtherHeads.Forms", "ObjSch5A");
  for (const auto& [box, text] : {std::pair{"txtSpousePAN", "abcpf1234k"}, {"txtOSInc", "40000"}, {"txtOSSpouse", "20000"}}) {
    (*screen_)[box].text = text;
    ui::Event left{box, ui::EventType::change};
    ASSERT_TRUE(screen_->dispatch(left));
  }
  EXPECT_EQ((*screen_)["txtSpousePAN"].text, "ABCPF1234K");
  click("cmdSave");
  EXPECT_EQ(conn().scalar("SELECT spouse_pan FROM incsec5a WHERE code_no = 'I1' AND ass_year = 2016"), "ABCPF1234K");
  EXPECT_EQ(Money::parse(conn().scalar("SELECT os_spouse FROM incsec5a WHERE code_no = 'I1'")), Money::rupees(20000));
  for (const char* box : {"txtSpousePAN", "txtOSInc", "txtOSSpouse"}) (*screen_)[box].text = "";
  click("cmdSave");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM incsec5a"), "0");
}

// The application of a trust's income: one row of the year.
TEST_P(HeadScreens, ApplicationOfFundIsOneRowOfTheYear) {
  open("PrjDeductions.Forms", "ObjAppfund");
  for (const auto& [box, text] : {std::pair{"txtIncDerived", "900000"}, {"txtBusBooks", "420000"}, {"txtCharge114", "80000"}}) {
    (*screen_)[box].text = text;
    ui::Event left{box, ui::EventType::change};
    ASSERT_TRUE(screen_->dispatch(left));
  }
  click("cmdSave");
  EXPECT_EQ(Money::parse(stored("appfund", "charge_11_4", " AND ass_year = 2016")), Money::rupees(80000));
  EXPECT_EQ(Money::parse(stored("appfund", "bus_books")), Money::rupees(420000));
}

TEST_P(HeadScreens, WithNoClientYearOpenTheScreenSaysSoAndChangesNothing) {
  open("PrjSalary.Forms", "ObjSalary", "", 0);
  EXPECT_EQ((*screen_)["lblClient"].caption, "No client year is open.");
  EXPECT_TRUE(screen_->readOnly());
  EXPECT_FALSE(screen_->save());
}

TEST_P(HeadScreens, ADataSetOfARevisedReturnIsKeptApart) {
  open("PrjDeductions.Forms", "ObjLoss", "I1^R-2");
  click("cmdAddLoss");
  type("vsfLosses", 0, {"House", "2014", "20000"});
  click("cmdSave");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM losses WHERE code_no = 'I1^R-2' AND ass_year = 2016"), "1");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM losses WHERE code_no = 'I1'"), "0");
  open("PrjDeductions.Forms", "ObjLoss", "I1");
  EXPECT_EQ(grid("vsfLosses").rowCount(), 0);
}

TEST_P(HeadScreens, TheChallanListShowsTheYearsTaxesPaidInDateOrder) {
  conn().execute("INSERT INTO adv_tax (code_no, ass_year, srno, bsr_code, `date`, chsrno, amt) VALUES "
                 "('I1', 2016, 1, '0510308', '2015-12-15', '00021', 15000), "
                 "('I1', 2016, 2, '0510308', '2015-09-15', '00011', 10000)");
  conn().execute("INSERT INTO self_tax (code_no, ass_year, srno, bsr_code, `date`, chsrno, amt) VALUES "
                 "('I1', 2016, 1, '6390009', '2016-07-20', '00345', 2500.5)");
  comp().base().Temp_Code = "I1";
  comp().clientCtx().vT_Year = 2016;
  auto challans = comp().utilities().object("ObjChallan");
  comp().showMaximised(challans);
  EXPECT_EQ(challans->grid("vsfChallans").rows,
            (std::vector<std::vector<std::string>>{
                {"15/09/2015", "0510308", "00011", "Advance Tax (100)", "10000.00"},
                {"15/12/2015", "0510308", "00021", "Advance Tax (100)", "15000.00"},
                {"20/07/2016", "6390009", "00345", "Self Assessment Tax (300)", "2500.50"}}));
  EXPECT_EQ((*challans)["lblTotal"].caption, "Total : 27500");
}

MERIDIAN_ON_BOTH_ENGINES(HeadScreens);

}  // namespace
}  // namespace meridian::suite::heads

// The General Information screen (GetGenInfo) on both engines: the no-account
// figures, Schedule AL, the enclosures and the other details typed are saved
// in one transaction and shown again, and read back as the returns and the
// printout read them; a no-account net profit that is not the gross profit
// less expenses is refused and nothing is written.
#include <gtest/gtest.h>

#include "suite/geninfo/general_info.h"
#include "suite/geninfo/general_info_form.h"
#include "suite/heads/head_screen_fixture.h"

namespace meridian::suite::geninfo {
namespace {

using F = GeneralInfoForm;

const std::vector<std::string> kTables = {"geninfo_balpl", "itrschal", "itdoc", "business_othdet", "geninfo_schh_13"};

class GeneralInfoScreen : public heads::ScreenEventsTest {
 protected:
  std::shared_ptr<F> open(const std::string& member = "GetGenInfo") { return openFor<F>(member, "C1", 2016); }
  void box(F& form, const std::string& control, const std::string& text) {
    if (form[control].kind == ui::ControlKind::comboBox) form[control].selectText(text);
    else form[control].text = text;
    dispatch(form, {control, ui::EventType::change});
  }
  void typeNoAccount(F& form, const std::string& netProfit) {
    box(form, "cboBooks", "No");
    box(form, "txtGrossReceipts", "1500000");
    box(form, "txtGrossProfit", "300000");
    box(form, "txtExpenses", "120000");
    box(form, "txtNetProfit", netProfit);
    box(form, "txtSundryDebtors", "45000");
    box(form, "txtCash", "12500.50");
  }
};

TEST_P(GeneralInfoScreen, WhatIsTypedIsSavedShownAgainAndReadAsTheReturnsReadIt) {
  auto form = open();
  typeNoAccount(*form, "180000");
  box(*form, "cboALGiven", "Yes");
  box(*form, "txtLand", "2000000");
  box(*form, "txtBuilding", "3500000");
  box(*form, "txtDeposits", "400000");
  box(*form, "txtJewellery", "250000");
  box(*form, "txtLiability", "1800000");
  EXPECT_NE((*form)["lblTotals"].caption.find("Total Assets : 61,50,000.00"), std::string::npos)
      << (*form)["lblTotals"].caption;
  addRow(*form, F::enclosures, "Encl", {{"Enclosure", "Form 16 from the employer"}});
  addRow(*form, F::enclosures, "Encl", {{"Enclosure", "Bank statement"}});
  addRow(*form, F::otherDetails, "OthDet", {{"Category", "D37"}, {"Particulars", "Penalty"}, {"Amount", "5000"}});
  ASSERT_TRUE(form->save()) << lastMessage();

  const GeneralInformation g = loadGeneralInformation(conn(), "C1", 2016);
  ASSERT_TRUE(g.noAccount && g.assets);
  EXPECT_FALSE(g.noAccount->booksMaintained);
  EXPECT_EQ(g.noAccount->netProfit, Money::rupees(180000));
  EXPECT_EQ(g.noAccount->cashBalance, Money::parse("12500.50").value());
  EXPECT_TRUE(g.assets->given);
  EXPECT_EQ(g.assets->immovable(), Money::rupees(5500000));
  EXPECT_EQ(g.assets->total(), Money::rupees(6150000));
  ASSERT_EQ(g.enclosures.size(), 2u);
  EXPECT_EQ(g.enclosures[1].srNo, 2);
  ASSERT_EQ(g.otherDetails.size(), 1u);
  EXPECT_EQ(g.otherDetails[0].category, "D37");

  click(*form, "cmdBack");
  form = open();
  EXPECT_EQ((*form)["cboBooks"].text, "No");
  EXPECT_EQ((*form)["txtNetProfit"].text, "180000.00");
  EXPECT_EQ((*form)["txtSundryCreditors"].text, "") << "a nil amount shows blank";
  EXPECT_EQ(rowOf(*form, F::enclosures, 0)[0], "FORM 16 FROM THE EMPLOYER");
  EXPECT_FALSE(form->changed());
}

TEST_P(GeneralInfoScreen, ANoAccountNetProfitOtherThanGrossProfitLessExpensesIsRefused) {
  struct Case {
    std::string books, netProfit;
    bool saved;
  };
  // 3,00,000 - 1,20,000 = 1,80,000; with regular books the figures are the
  // books' own and the rule does not reach them.
  for (const Case& c : std::vector<Case>{{"No", "180001", false}, {"No", "180000", true}, {"Yes", "180001", true}}) {
    SCOPED_TRACE(c.books + " " + c.netProfit);
    auto form = open("GetGenInfooth");
    typeNoAccount(*form, c.netProfit);
    box(*form, "cboBooks", c.books);
    const auto before = dumpOf(kTables);
    EXPECT_EQ(form->save(), c.saved);
    if (!c.saved) {
      EXPECT_EQ(lastMessage(), "Sch-PL (No Account Case) : Net Profit should be Gross Profit - Expenses");
      EXPECT_EQ(form->focus, "txtNetProfit");
      EXPECT_EQ(dumpOf(kTables), before) << "a refused save writes nothing";
      dialogs().answer(ui::Answer::no);
    }
    click(*form, "cmdBack");
  }
  EXPECT_EQ(scalar("SELECT booksmaint FROM geninfo_balpl WHERE code_no = 'C1' AND ass_year = 2016"), "Y");
}

// A company's key persons: a DIN is eight digits or nothing; the rows saved
// come back in their order and are what the return's check reads.
TEST_P(GeneralInfoScreen, KeyPersonsAreKeptWithTheirDin) {
  auto form = open();
  addRow(*form, F::keyPersons, "KeyPer",
         {{"Name", "Anita Desai"}, {"Designation", "Managing Director"}, {"PAN", "AAAPD1234K"}});
  dialogs().clear();
  type(*form, F::keyPersons, 0, "DIN", "1234567");
  EXPECT_EQ(lastMessage(), "The Director Identification Number (DIN) is of 8 digits.");
  const auto before = dumpOf(kTables);
  EXPECT_FALSE(form->save()) << "a refused number is not saved";
  EXPECT_EQ(dumpOf(kTables), before);
  type(*form, F::keyPersons, 0, "DIN", "00012345");
  addRow(*form, F::keyPersons, "KeyPer", {{"Name", "Rohan Mehta"}, {"Designation", "CS"}});
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT desig FROM geninfo_schh_13 WHERE code_no = 'C1' AND ass_year = 2016 AND srno = 1"), "MD");
  EXPECT_EQ(scalar("SELECT din FROM geninfo_schh_13 WHERE code_no = 'C1' AND ass_year = 2016 AND srno = 1"),
            "00012345");

  click(*form, "cmdBack");
  form = open();
  ASSERT_EQ(form->grid(F::keyPersons).rowCount(), 2);
  EXPECT_EQ(rowOf(*form, F::keyPersons, 0)[0], "ANITA DESAI");
  EXPECT_EQ(rowOf(*form, F::keyPersons, 1)[1], "Company Secretary");
}

MERIDIAN_ON_BOTH_ENGINES(GeneralInfoScreen);

}  // namespace
}  // namespace meridian::suite::geninfo

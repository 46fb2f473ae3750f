// The capital-gains and agriculture screens on both engines: a transfer with
// its improvement and exemption saved and shown again with its computed gain,
// refusals that point at the row to mend and write nothing, and the year's
// agricultural income with the incomes clubbed.
#include <gtest/gtest.h>

#include "suite/heads/agriculture_form.h"
#include "suite/heads/capital_gains_form.h"
#include "suite/engine/compute_year.h"
#include "suite/heads/head_screen_fixture.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {
namespace {

using C = CapitalGainsForm;
using A = AgricultureForm;

const std::vector<std::string> kGainTables = {"capital", "capital_improvement", "capital_exem", "income"};

class GainsAndAgricultureScreens : public ScreenEventsTest {
 protected:
  std::shared_ptr<C> enterHouseSale() {
    auto form = openFor<C>("ObjIncCap", "I1", 2016);
    addRow(*form, C::transfers, "Trf",
           {{"Asset", "RH"}, {"Description", "Flat at Kothrud"}, {"Date of Acquisition", "15/06/2005"},
            {"Date of Transfer", "10/12/2015"}, {"Sale Consideration", "8000000"},
            {"Stamp Duty Value (s.50C)", "8500000"}, {"Expenses on Transfer", "100000"},
            {"Cost of Acquisition", "2000000"}});
    addRow(*form, C::exemptions, "Exem",
           {{"Section", "54"}, {"Date of acquisition/construction of new asset", "01/03/2016"},
            {"Amount Invested", "3000000"}});
    return form;
  }
};

TEST_P(GainsAndAgricultureScreens, ATransferWithItsExemptionIsSavedAndShownAgain) {
  auto form = enterHouseSale();
  EXPECT_EQ((*form)["lblTransfers"].caption,
            "Transfer 1: long-term; cost deducted 43,50,101.00; gain 40,49,899.00; exempt 30,00,000.00; taxable "
            "10,49,899.00");
  EXPECT_NE((*form)["lblTotals"].caption.find("Long-term : 10,49,899.00"), std::string::npos);
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT asset_kind FROM capital WHERE code_no = 'I1' AND ass_year = 2016 AND srno = 1"), "RH");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM capital WHERE code_no = 'I1' AND trf_dt = '2015-12-10'"), "1");
  EXPECT_EQ(scalar("SELECT section FROM capital_exem WHERE code_no = 'I1' AND cap_srno = 1 AND srno = 1"), "54");
  EXPECT_EQ(scalar("SELECT no_of_capital FROM income WHERE code_no = 'I1' AND ass_year = 2016"), "1");
  EXPECT_EQ(comp().clientCtx().vTotCapNos.get(), 1);

  click(*form, "cmdBack");
  form = openFor<C>("ObjIncCap", "I1", 2016);
  EXPECT_EQ(rowOf(*form, C::transfers, 0),
            (std::vector<std::string>{"Residential House", "FLAT AT KOTHRUD", "15/06/2005", "10/12/2015",
                                      "8000000.00", "8500000.00", "100000.00", "2000000.00"}));
  EXPECT_EQ(rowOf(*form, C::exemptions, 0)[1], "01/03/2016");
  EXPECT_NE((*form)["lblTransfers"].caption.find("taxable 10,49,899.00"), std::string::npos);
}

TEST_P(GainsAndAgricultureScreens, ARefusedTransferPointsAtTheRowToMendAndWritesNothing) {
  auto saved = enterHouseSale();
  ASSERT_TRUE(saved->save());
  click(*saved, "cmdBack");
  const struct {
    const char* name;
    std::function<void(ScreenEventsTest&, C&)> change;
    std::string message;
    std::string grid;
    int masterRow;
  } cases[] = {
      {"an exemption the asset does not allow",
       [](ScreenEventsTest& t, C& f) {
         t.addRow(f, C::transfers, "Trf",
                  {{"Asset", "Other Listed"}, {"Date of Acquisition", "01/04/2010"}, {"Date of Transfer", "01/12/2015"},
                   {"Sale Consideration", "900000"}, {"Cost of Acquisition", "200000"}});
         t.addRow(f, C::exemptions, "Exem",
                  {{"Section", "54"}, {"Date of acquisition/construction of new asset", "01/01/2016"}});
         t.selectRow(f, C::transfers, 0);  // the refusal must bring the transfer back into view
       },
       "Exemption u/s 54 is allowed only to an individual or HUF on the long-term transfer of a residential house.",
       C::exemptions, 1},
      {"a transfer after the previous year",
       [](ScreenEventsTest& t, C& f) { t.type(f, C::transfers, 0, "Date of Transfer", "02/04/2016"); },
       "The date of transfer must fall in the previous year, 01/04/2015 to 31/03/2016.", C::transfers, 0},
      {"an improvement before the asset was held",
       [](ScreenEventsTest& t, C& f) {
         t.addRow(f, C::improvements, "Imp", {{"Date of Improvement", "01/01/2005"}, {"Cost of Improvement", "1"}});
       },
       "An improvement must be made between the dates of acquisition and of transfer.", C::improvements, 0},
      {"an exemption without the new asset's date",
       [](ScreenEventsTest& t, C& f) { t.type(f, C::exemptions, 0, "Date of acquisition/construction of new asset", ""); },
       "Please specify 'Date of acquisition/construction of new asset'.", C::exemptions, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto form = openFor<C>("ObjIncCap", "I1", 2016);
    c.change(*this, *form);
    const auto before = dumpOf(kGainTables);
    dialogs().clear();
    EXPECT_FALSE(form->save());
    EXPECT_EQ(lastMessage(), c.message);
    EXPECT_EQ(form->focus, c.grid);
    EXPECT_EQ(form->grid(C::transfers).selectedRow, c.masterRow);
    EXPECT_EQ(dumpOf(kGainTables), before);
    dialogs().answer(ui::Answer::no);
    click(*form, "cmdBack");
  }
}

TEST_P(GainsAndAgricultureScreens, AgriculturalIncomeAndIncomesClubbed) {
  auto form = openFor<A>("ObjAgriculture", "I1", 2016);
  const auto box = [&](const std::string& control, const std::string& text) {
    (*form)[control].text = text;
    dispatch(*form, {control, ui::EventType::change});
  };
  box("txtAgriGross", "150000");
  box("txtAgriExpenses", "30000");
  addRow(*form, A::minors, "Minor", {{"Name of Minor", "Anu Rao"}, {"Relation", "d"}, {"Income", "4000"}});
  addRow(*form, A::others, "Club",
         {{"Name of Person", "Suresh Rao"}, {"Section", "64(1)(iv)"}, {"Income", "25000"}});
  EXPECT_EQ((*form)["lblTotals"].caption,
            "Net Agricultural Income : 1,20,000.00    Income Clubbed : 29,000.00    Exempt u/s 10(32) : 1,500.00");
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM agri WHERE code_no = 'I1' AND ass_year = 2016 AND gross = 150000"), "1");
  EXPECT_EQ(scalar("SELECT relation FROM mininc WHERE code_no = 'I1' AND ass_year = 2016"), "D");
  EXPECT_EQ(scalar("SELECT section FROM clubinc WHERE code_no = 'I1' AND ass_year = 2016"), "64(1)(iv)");

  // With no agricultural figures the year's row stays, so the year has entries of the head.
  box("txtAgriGross", "");
  box("txtAgriExpenses", "");
  ASSERT_TRUE(form->save());
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM agri WHERE code_no = 'I1' AND ass_year = 2016"), "1");
  for (const char* key : {"Minor", "Club"}) {
    dialogs().answer(ui::Answer::yes);
    click(*form, std::string("cmdDel") + key);
  }
  ASSERT_TRUE(form->save());
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM agri WHERE code_no = 'I1'"), "0") << "nothing entered, no row";
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM mininc WHERE code_no = 'I1'"), "0");
}

// A minor's incomes under two heads, the name typed two ways: one exemption
// of 1,500 for the child, 1,000 of it off the interest at normal rates and
// 500 off the gain u/s 111A, which keeps its 15 % in the computation.
TEST_P(GainsAndAgricultureScreens, IncomeClubbedKeepsItsHead) {
  conn().execute("INSERT INTO other_income (code_no, ass_year, srno, nature, amount) VALUES ('I1', 2017, 1, 'INT', 1000000)");
  auto form = openFor<A>("ObjAgriculture", "I1", 2017);
  addRow(*form, A::minors, "Minor",
         {{"Name of Minor", "Anu Rao"}, {"Relation", "d"}, {"Income", "101500"}, {"Head of Income", "stcg_111a"}});
  addRow(*form, A::minors, "Minor", {{"Name of Minor", "ANU RAO"}, {"Relation", "d"}, {"Income", "1000"}});
  EXPECT_EQ((*form)["lblTotals"].caption,
            "Net Agricultural Income : 0.00    Income Clubbed : 1,02,500.00    Exempt u/s 10(32) : 1,500.00");
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT head FROM mininc WHERE code_no = 'I1' AND ass_year = 2017 AND income = 101500"), "stcg_111a");
  EXPECT_EQ(scalar("SELECT head FROM mininc WHERE code_no = 'I1' AND ass_year = 2017 AND income = 1000"), "");

  const auto loaded = loadYearInput(conn(), {"I1", "I1", 2017});
  ASSERT_TRUE(loaded.notes.empty()) << loaded.notes.front();
  const engine::YearResult r = engine::computeYear(loaded.input);
  EXPECT_EQ(r.capitalGains.stcg111a, Money::rupees(101000));
  EXPECT_EQ(r.clubbed.totalExempt(), Money::rupees(1500));
  EXPECT_EQ(r.tax.taxSpecial, Money::rupees(15150));

  // A head the program does not know (a row written by another program) is
  // named, and the year's result tables are not rewritten from it.
  conn().execute("UPDATE mininc SET head = 'perquisite' WHERE code_no = 'I1' AND ass_year = 2017 AND head = ''");
  const auto refused = loadYearInput(conn(), {"I1", "I1", 2017});
  EXPECT_EQ(refused.notes, std::vector<std::string>{"Income clubbed under the head \"perquisite\" is not computed."});
}

MERIDIAN_ON_BOTH_ENGINES(GainsAndAgricultureScreens);

}  // namespace
}  // namespace meridian::suite::heads

// The undertakings of ss.10A and 10AA on both engines, reached from the
// business screen: a unit typed cell by cell is saved and read into the
// computation; a line the law gives nothing for is refused with the reason,
// and a refused save writes nothing. The business screen's depreciation
// debited and the chart's depreciation reach the computation together.
#include <gtest/gtest.h>

#include "db/rows.h"
#include "suite/heads/business_form.h"
#include "suite/heads/export_units_form.h"
#include "suite/heads/head_screen_fixture.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {
namespace {

using E = ExportUnitsForm;

class ExportUnitsScreen : public ScreenEventsTest {
 protected:
  std::shared_ptr<E> openFromBusiness() {
    auto business = openFor<BusinessForm>("objbusiness", "I1", 2016);
    click(*business, "cmd10AA");
    auto form = std::dynamic_pointer_cast<E>(comp().sibling("PrjBusiness.Forms").object("Obj10AA"));
    EXPECT_NE(form, nullptr);
    EXPECT_EQ(comp().desktop().active(), form.get()) << "the business screen opens the undertakings";
    return form;
  }
  void enterUnit(E& form) {
    addRow(form, E::units, "Sec10",
           {{"Undertaking", "Unit 4, Falta SEZ"},
            {"Section", "10AA"},
            {"A.Y. of First Manufacture / Services", "2014-15"},
            {"Profit of the Undertaking", "900000"},
            {"Export Turnover", "3000000"},
            {"Total Turnover", "4500000"}});
  }
};

TEST_P(ExportUnitsScreen, AUnitIsSavedAndComputed) {
  auto form = openFromBusiness();
  ASSERT_NE(form, nullptr);
  enterUnit(*form);
  // 9,00,000 x 30 / 45 = 6,00,000, the whole in its third year.
  EXPECT_EQ((*form)["lblTotals"].caption, "Deduction u/s 10A / 10AA (before set-off of losses) : 6,00,000.00");
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT first_ay FROM business_sec10 WHERE code_no = 'I1' AND ass_year = 2016 AND srno = 1"),
            "2014");
  EXPECT_EQ(scalar("SELECT section FROM business_sec10 WHERE code_no = 'I1' AND ass_year = 2016"), "10AA");

  const auto in = loadYearInput(conn(), {"I1", "I1", 2016}).input;
  ASSERT_EQ(in.exportUnits.size(), 1u);
  EXPECT_EQ(in.exportUnits[0].firstYear, 2014);
  EXPECT_EQ(in.exportUnits[0].exportTurnover, Money::rupees(3000000));
  EXPECT_EQ(in.exportUnits[0].totalTurnover, Money::rupees(4500000));

  click(*form, "cmdBack");
  form = openFor<E>("Obj10AA", "I1", 2016);
  EXPECT_EQ(rowOf(*form, E::units, 0),
            (std::vector<std::string>{"UNIT 4, FALTA SEZ", "10AA", "2014-15", "900000.00", "3000000.00", "4500000.00",
                                      "", ""}));
}

TEST_P(ExportUnitsScreen, ALineTheLawGivesNothingForIsRefused) {
  const struct {
    const char* name;
    const char* column;
    const char* typed;
    const char* message;
  } cases[] = {
      {"s.10A after its end", "Section", "10A",
       "Deduction u/s 10A is not available for A.Y. 2016-17: the section allows none after A.Y. 2011-12."},
      {"begun after the year", "A.Y. of First Manufacture / Services", "2017-18",
       "The undertaking must have begun to manufacture or provide services by A.Y. 2016-17."},
      {"fifteen years over", "A.Y. of First Manufacture / Services", "2001-02",
       "The deduction u/s 10AA of an undertaking that began in A.Y. 2001-02 is over by A.Y. 2016-17."},
      {"export above the total", "Export Turnover", "4500001",
       "Export turnover can not exceed the total turnover of the undertaking."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto form = openFor<E>("Obj10AA", "I1", 2016);
    enterUnit(*form);
    type(*form, E::units, 0, c.column, c.typed);
    dialogs().clear();
    EXPECT_FALSE(form->save());
    EXPECT_EQ(lastMessage(), c.message);
    EXPECT_EQ(form->focus, E::units);
    const auto& titles = form->grid(E::units).titles;
    EXPECT_EQ(form->grid(E::units).selectedCol, std::find(titles.begin(), titles.end(), c.column) - titles.begin())
        << "the cell at fault is selected";
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM business_sec10"), "0");
    dialogs().answer(ui::Answer::no);
    click(*form, "cmdBack");
  }
}

TEST_P(ExportUnitsScreen, BookDepreciationGivesWayToTheChart) {
  auto business = openFor<BusinessForm>("objbusiness", "I1", 2016);
  addRow(*business, BusinessForm::businesses, "Bus",
         {{"Name of Business / Profession", "Rao Castings"},
          {"Nature", "Business"},
          {"Net Profit (Loss) as per P&L", "400000"},
          {"Depreciation debited to P&L", "60000"}});
  ASSERT_TRUE(business->save()) << lastMessage();
  db::insertRow(conn(), "dep_itr_it",
                {{"code_no", "I1"}, {"t_year", 2016}, {"srno", 1}, {"item", "FURNACE"}, {"block", "Machinary and plant"},
                 {"rate", 15}, {"opening_wdv", "600000"}, {"add_full", "0"}, {"add_half", "0"}, {"sales", "0"}});
  const auto loaded = loadYearInput(conn(), {"I1", "I1", 2016});
  // 15 % of 6,00,000.
  EXPECT_EQ(loaded.input.business.depreciationAllowed, Money::rupees(90000));
  EXPECT_EQ(loaded.input.business.depreciationDebited, Money::rupees(60000));
  EXPECT_EQ(loaded.input.business.netProfit, Money::rupees(400000));

  click(*business, "cmdBack");
  business = openFor<BusinessForm>("objbusiness", "I1", 2016);
  // 4,00,000 + 60,000 - 90,000.
  EXPECT_NE((*business)["lblTotals"].caption.find("Business and Profession : 3,70,000.00"), std::string::npos)
      << (*business)["lblTotals"].caption;
}

MERIDIAN_ON_BOTH_ENGINES(ExportUnitsScreen);

}  // namespace
}  // namespace meridian::suite::heads

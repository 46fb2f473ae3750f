// The depreciation chart on both engines, opened from the business screen as
// a practitioner reaches it: items typed cell by cell, the blocks'
// depreciation shown as each cell is accepted, the chart saved in one
// transaction and shown again; a refused save writes nothing.
#include <gtest/gtest.h>

#include "suite/assets/fixed_asset_form.h"
#include "suite/heads/business_form.h"
#include "suite/heads/head_screen_fixture.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::assets {
namespace {

using F = FixedAssetForm;

class FixedAssetScreen : public heads::ScreenEventsTest {
 protected:
  // The chart as the business screen's button opens it.
  std::shared_ptr<F> openFromBusiness() {
    auto business = openFor<heads::BusinessForm>("objbusiness", "I1", 2016);
    click(*business, "cmdDepChart");
    auto chart = std::dynamic_pointer_cast<F>(comp().sibling("PrjAccounts.Forms").object("ObjNewFATR"));
    EXPECT_NE(chart, nullptr);
    EXPECT_EQ(comp().desktop().active(), chart.get()) << "the business screen opens the depreciation chart";
    return chart;
  }
  void enterLathe(F& form) {
    addRow(form, F::chart, "Dep",
           {{"Particulars", "Lathe"}, {"Block", "Mac"}, {"Rate %", "15"}, {"Opening W.D.V.", "100000"},
            {"Additions (180 days or more)", "50000"}, {"Additions (less than 180 days)", "40000"}});
  }
};

TEST_P(FixedAssetScreen, AnItemIsDepreciatedSavedAndShownAgain) {
  auto form = openFromBusiness();
  ASSERT_NE(form, nullptr);
  enterLathe(*form);
  // 15 % of 1,50,000 and half of it on 40,000: 22,500 + 3,000.
  EXPECT_EQ(rowOf(*form, F::blocks, 0),
            (std::vector<std::string>{"Machinary and plant", "15", "1,00,000.00", "50,000.00", "40,000.00", "",
                                      "25,500.00", "1,64,500.00", "", "", ""}));
  EXPECT_EQ((*form)["lblTotals"].caption, "Depreciation : 25,500.00");
  addRow(*form, F::chart, "Dep",
         {{"Particulars", "Goodwill"}, {"Block", "Other"}, {"Rate %", "25"}, {"Opening W.D.V.", "80000"}});
  EXPECT_EQ(rowOf(*form, F::blocks, 1)[6], "Other Block or Rate");
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT block FROM dep_itr_it WHERE code_no = 'I1' AND t_year = 2016 AND srno = 1"),
            "Machinary and plant");
  EXPECT_EQ(scalar("SELECT rate FROM dep_itr_it WHERE code_no = 'I1' AND t_year = 2016 AND srno = 2"), "25");
  EXPECT_EQ(Money::parse(scalar("SELECT add_half FROM dep_itr_it WHERE code_no = 'I1' AND srno = 1")),
            Money::rupees(40000));

  // With no business kept on accounts the computation does not take the
  // chart, and says so.
  const auto loaded = heads::loadYearInput(conn(), {"I1", "I1", 2016});
  EXPECT_NE(std::find(loaded.notes.begin(), loaded.notes.end(),
                      "Depreciation of Rs. 25,500 on the depreciation chart is not taken: no business of the year is "
                      "computed from its accounts, and presumptive income counts depreciation as allowed."),
            loaded.notes.end());
  EXPECT_TRUE(loaded.input.business.depreciationAllowed.isZero());

  click(*form, "cmdBack");
  form = openFor<F>("ObjNewFATR", "I1", 2016);
  EXPECT_EQ(rowOf(*form, F::chart, 0)[0], "LATHE");
  EXPECT_EQ(rowOf(*form, F::chart, 1)[1], "Other");
  EXPECT_EQ((*form)["lblTotals"].caption,
            "Depreciation : 25,500.00    Items with Other Block or Rate (in no schedule) : 1");
  // Another year of the client has a chart of its own.
  click(*form, "cmdBack");
  EXPECT_EQ(openFor<F>("ObjNewFATR", "I1", 2015)->grid(F::chart).rowCount(), 0);
}

TEST_P(FixedAssetScreen, ARefusedChartPointsAtTheCellAndWritesNothing) {
  auto form = openFor<F>("ObjNewFATR", "I1", 2016);
  enterLathe(*form);
  ASSERT_TRUE(form->save());
  const auto before = dumpOf({"dep_itr_it"});
  // A rate the Rules can not have is refused as it is typed and kept to mend.
  addRow(*form, F::chart, "Dep", {{"Particulars", "Crane"}, {"Block", "Mac"}, {"Rate %", "150"}});
  EXPECT_EQ(lastMessage(), "'Rate %' must be a whole number from 1 to 100.");
  EXPECT_EQ(rowOf(*form, F::chart, 1)[2], "150");
  EXPECT_FALSE(form->save());
  type(*form, F::chart, 1, "Rate %", "");
  EXPECT_FALSE(form->save());
  EXPECT_EQ(lastMessage(), "Please specify 'Rate %'.");
  EXPECT_EQ(form->grid(F::chart).selectedRow, 1);
  EXPECT_EQ(dumpOf({"dep_itr_it"}), before);

  // Additional depreciation only on the year's additions of machinery or plant.
  type(*form, F::chart, 1, "Rate %", "10");
  const struct {
    const char* block;
    const char* column;
    const char* typed;
    const char* message;
  } cases[] = {
      {"Buildings", "New P&M of a Manufacturer u/s 32(1)(iia)", "Yes",
       "Additional depreciation u/s 32(1)(iia) is for new machinery or plant only."},
      {"Buildings", "Additional Depreciation b/f (half withheld)", "5000",
       "Additional depreciation u/s 32(1)(iia) is for new machinery or plant only."},
      {"Mac", "New P&M of a Manufacturer u/s 32(1)(iia)", "Yes",
       "Additional depreciation u/s 32(1)(iia) is on the additions of the year: enter them."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    type(*form, F::chart, 1, "Block", c.block);
    type(*form, F::chart, 1, c.column, c.typed);
    EXPECT_FALSE(form->save());
    EXPECT_EQ(lastMessage(), c.message);
    EXPECT_EQ(form->grid(F::chart).selectedRow, 1);
    EXPECT_EQ(dumpOf({"dep_itr_it"}), before);
    type(*form, F::chart, 1, c.column, "");
  }
}

MERIDIAN_ON_BOTH_ENGINES(FixedAssetScreen);

}  // namespace
}  // namespace meridian::suite::assets

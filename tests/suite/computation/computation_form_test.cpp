// The computation screen opened on a client's year: the engine's grid shown,
// the computation and the estimation printed through the report writer, a
// year that can not be computed told in words.
#include <gtest/gtest.h>

#include "suite/computation/computation_form.h"
#include "suite/computation/undepr_setoff.h"
#include "suite/heads/demo_heads.h"
#include "support/session_fixture.h"

namespace meridian::suite::computation {
namespace {

Money rs(std::int64_t r) { return Money::rupees(r); }

class ComputationScreen : public testsupport::PracticeTest {
 protected:
  ComputationForm& open(const std::string& code) {
    comp().clientCtx().vT_Code_No = code;
    comp().clientCtx().vt_RTCode_No = code;
    comp().clientCtx().vT_Year = 2016;
    auto s = comp().open("Form1");
    form_ = dynamic_cast<ComputationForm*>(s.get());
    EXPECT_NE(form_, nullptr);
    return *form_;
  }
  void click(const std::string& control) {
    ui::Event e{control, ui::EventType::click};
    ASSERT_TRUE(form_->dispatch(e)) << control;
  }
  // An amount typed in the set-off column of the unabsorbed depreciation grid.
  void type(int row, const std::string& value) {
    ui::Event e{"vsundepr", ui::EventType::cellEdited};
    e.row = row;
    e.col = 2;
    e.value = value;
    ASSERT_TRUE(form_->dispatch(e));
  }
  ComputationForm* form_ = nullptr;
};

TEST_P(ComputationScreen, ShowsTheComputedYearAndPrintsItAndItsEstimation) {
  {
    auto tx = conn().begin();
    heads::seedDemoHeads(conn());
    tx.commit();
  }
  auto& f = open("C0801");
  const auto& rows = f.grid("flex").rows;
  const auto row = [&](const std::string& caption) {
    for (const auto& r : rows)
      if (r[0] == caption) return r;
    return std::vector<std::string>{};
  };
  EXPECT_EQ(row("GROSS TOTAL INCOME").at(2), "1026800.00");
  EXPECT_EQ(row("TOTAL INCOME (Rounded off u/s 288A)").at(2), "849600.00");
  EXPECT_EQ(comp().base().ObjForm1.get(), form_) << "handed to the host while open";

  for (const char* command : {"Prt", "mnuadvtaxest"}) {
    comp().desktop().pendingPreviews.clear();
    click(command);
    EXPECT_EQ(comp().desktop().pendingPreviews.size(), 1u) << command;
    EXPECT_FALSE(comp().base().vFlagInProcess.get());
  }
  form_->close();
  EXPECT_EQ(comp().base().ObjForm1.get(), nullptr);
}

TEST_P(ComputationScreen, AYearThatCanNotBeComputedIsToldAndNothingPrints) {
  open("NOSUCH");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"The year can not be computed: no client \"NOSUCH\"."});
  comp().desktop().pendingPreviews.clear();
  dialogs().clear();
  click("Prt");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"There is no computation to print."});
  EXPECT_TRUE(comp().desktop().pendingPreviews.empty());
}

// C0826: a company with 38,00,000 of unabsorbed depreciation of A.Y. 2014-15.
TEST_P(ComputationScreen, AmountsAreRefusedOrAcceptedAndReplaceTheStoredRows) {
  {
    auto tx = conn().begin();
    heads::seedDemoHeads(conn());
    tx.commit();
  }
  auto& f = open("C0826");
  click("mnuundepr");
  ASSERT_TRUE(f["fraundepr"].visible);
  const auto& g = f.grid("vsundepr");
  ASSERT_EQ(g.rows.size(), 6u);
  const Money business = *Money::parse(g.rows[1][1]);
  const Money toSetOff = undeprEntryOf(f.data()->result).toSetOff;
  ASSERT_GT(toSetOff, Money());

  dialogs().clear();
  type(1, "-5");
  type(1, (business + rs(1)).text());
  EXPECT_EQ(dialogs().texts(), (std::vector<std::string>{"Value can not be less than 0",
                                                          "Value can not be greater than " + business.text()}));
  EXPECT_EQ(g.rows[1][2], "0.00") << "a refused amount is not kept";
  EXPECT_EQ(f["lblundeprbal"].caption, "Balance Unabsorbed Depreciation to be set-off : " + toSetOff.text());

  // Short of the sum: refused, nothing written.
  dialogs().clear();
  type(1, (toSetOff - rs(1000)).text());
  click("cmdundeprok");
  EXPECT_EQ(dialogs().texts(),
            std::vector<std::string>{"Unabsorbed Depreciation Set Off Amount Should be " + toSetOff.text()});
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM undepr_setoff"), "0");
  EXPECT_TRUE(f["fraundepr"].visible);

  // The rest against other sources: accepted and stored, replacing any row.
  conn().execute("INSERT INTO undepr_setoff (code_no, t_year, head, amount) VALUES ('C0826', 2016, 4, 5)");
  type(5, "1000");
  EXPECT_EQ(f["lblundeprbal"].caption, "");
  click("cmdundeprok");
  EXPECT_FALSE(f["fraundepr"].visible);
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM undepr_setoff WHERE code_no = 'C0826' AND t_year = 2016"), "2");
  EXPECT_EQ(*Money::parse(conn().scalar("SELECT amount FROM undepr_setoff WHERE head = 6")), rs(1000));

  // Opened again: the stored amounts are shown.
  click("mnuundepr");
  EXPECT_EQ(g.rows[5][2], "1000.00");
}

TEST_P(ComputationScreen, CommandsWithoutTheirFormsSayTheyAreNotAvailable) {
  {
    auto tx = conn().begin();
    heads::seedDemoHeads(conn());
    tx.commit();
  }
  auto& f = open("C0826");
  // The self-assessment challan names the tax still payable, or that none is.
  dialogs().clear();
  click("mnuprepSACh");
  const Money payable = f.data()->result.balance.roundedToRupee();
  ASSERT_FALSE(dialogs().texts().empty());
  EXPECT_EQ(dialogs().texts()[0].rfind(payable > Money() ? "Self Assessment Tax payable u/s 140A : Rs. " + payable.text()
                                                         : "No Self Assessment Tax is payable for A.Y. 2016-17.",
                                       0),
            0u)
      << dialogs().texts()[0];
  for (const char* command : {"rel", "relfam", "mnufbtcomp"}) {
    dialogs().clear();
    click(command);
    ASSERT_EQ(dialogs().texts().size(), 1u) << command;
    EXPECT_NE(dialogs().texts()[0].find("not available"), std::string::npos) << command;
  }
}

MERIDIAN_ON_BOTH_ENGINES(ComputationScreen);

}  // namespace
}  // namespace meridian::suite::computation

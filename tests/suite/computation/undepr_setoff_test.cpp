// The set-off of unabsorbed depreciation on the computation screen: the sum
// to be set off and the room each head leaves, the refusals of amounts that
// are negative, beyond a head's income or short of the sum, the status line,
// and the rows written in place of the old ones on both engines.
#include "suite/computation/undepr_setoff.h"

#include <gtest/gtest.h>

#include "suite/computation/computation_form.h"
#include "suite/engine/compute_year.h"
#include "suite/heads/demo_business_years.h"
#include "support/session_fixture.h"

namespace meridian::suite::computation {
namespace {

Money rs(std::int64_t r) { return Money::rupees(r); }

// Business income 3,00,000 and other sources 50,000 against unabsorbed
// depreciation brought forward of the given amount.
UndeprEntry entryFor(std::int64_t broughtForward) {
  engine::YearInput in;
  in.year = 2016;
  in.status = engine::Status::company;
  in.business.netProfit = rs(300000);
  in.otherSources.otherInterest = rs(50000);
  in.lossesBroughtForward = {{engine::LossKind::unabsorbedDepreciation, 2012, rs(broughtForward)}};
  return undeprEntryOf(engine::computeYear(in));
}

TEST(UndeprSetOff, TheSumIsWhatTheHeadsCanTakeAndEachAmountIsChecked) {
  EXPECT_EQ(entryFor(100000).toSetOff, rs(100000));
  EXPECT_EQ(entryFor(900000).toSetOff, rs(350000)) << "no more than the heads' income";
  const UndeprEntry e = entryFor(100000);
  EXPECT_EQ(e.heads.at(1).available, rs(300000));
  EXPECT_EQ(e.heads.at(5).available, rs(50000));

  struct Case {
    std::int64_t value, limit;
    std::optional<std::string> refusal;
  } cases[] = {
      {-1, 50000, "Value can not be less than 0"},
      {50001, 50000, "Value can not be greater than 50000.00"},
      {50000, 50000, std::nullopt},
      {0, 0, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(refusalOf(rs(c.value), rs(c.limit)), c.refusal) << c.value;
}

TEST(UndeprSetOff, TheStatusLineAndTheWholeEntrySayWhatIsLeft) {
  struct Case {
    std::int64_t business, otherSources;
    std::string line;
    bool refused;
  } cases[] = {
      {60000, 0, "Balance Unabsorbed Depreciation to be set-off : 40000.00", true},
      {90000, 30000, "Excess Unabsorbed Depreciation can not be set-off : 20000.00", true},
      {70000, 30000, "", false},
  };
  for (const auto& c : cases) {
    UndeprEntry e = entryFor(100000);
    e.heads[1].setOff = rs(c.business);
    e.heads[5].setOff = rs(c.otherSources);
    EXPECT_EQ(balanceLine(e), c.line);
    EXPECT_EQ(refusalOf(e).has_value(), c.refused);
    if (c.refused) EXPECT_EQ(*refusalOf(e), "Unabsorbed Depreciation Set Off Amount Should be 100000.00");
  }
}

class UndeprScreen : public testsupport::PracticeTest {
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
  void dispatch(ui::Event e) { ASSERT_TRUE(form_->dispatch(e)) << e.control; }
  void click(const std::string& control) { dispatch({control, ui::EventType::click}); }
  void type(int row, const std::string& value) {
    ui::Event e{"vsundepr", ui::EventType::cellEdited};
    e.row = row;
    e.col = 2;
    e.value = value;
    dispatch(e);
  }
  ComputationForm* form_ = nullptr;
};

// C0826: a company with 38,00,000 of unabsorbed depreciation of A.Y. 2014-15.
TEST_P(UndeprScreen, AmountsAreRefusedOrAcceptedAndReplaceTheStoredRows) {
  {
    auto tx = conn().begin();
    heads::seedDemoBusinessYears(conn());
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
  conn().execute("INSERT INTO undepr_setoff (code_no, ass_year, head, amount) VALUES ('C0826', 2016, 4, 5)");
  type(5, "1000");
  EXPECT_EQ(f["lblundeprbal"].caption, "");
  click("cmdundeprok");
  EXPECT_FALSE(f["fraundepr"].visible);
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM undepr_setoff WHERE code_no = 'C0826' AND ass_year = 2016"), "2");
  EXPECT_EQ(*Money::parse(conn().scalar("SELECT amount FROM undepr_setoff WHERE head = 6")), rs(1000));

  // Opened again: the stored amounts are shown.
  click("mnuundepr");
  EXPECT_EQ(g.rows[5][2], "1000.00");
}

TEST_P(UndeprScreen, CommandsWithoutTheirFormsSayTheyAreNotAvailable) {
  {
    auto tx = conn().begin();
    heads::seedDemoBusinessYears(conn());
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

MERIDIAN_ON_BOTH_ENGINES(UndeprScreen);

}  // namespace
}  // namespace meridian::suite::computation

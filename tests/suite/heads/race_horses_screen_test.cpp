// Income from owning and maintaining race horses typed on the other-sources
// screen reaches the computation as its own source: a loss from it meets no
// other income and is carried (s.74A(3)); a profit takes the race-horse
// losses brought forward and no other.
#include <gtest/gtest.h>

#include "suite/engine/compute_year.h"
#include "suite/heads/head_screen_fixture.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {
namespace {

class RaceHorsesScreen : public testsupport::HeadScreenTest {
 protected:
  void typeBox(const std::string& box, const std::string& text) {
    (*screen_)[box].text = text;
    ui::Event left{box, ui::EventType::change};
    ASSERT_TRUE(screen_->dispatch(left)) << box;
  }
};

TEST_P(RaceHorsesScreen, TypedReceiptsAndDeductionsAreTheirOwnSource) {
  // A.Y. 2016-17, other interest 3,00,000 besides; a race-horse loss of
  // 2013-14, 50,000, brought forward (within four years, s.74A(3)).
  struct Case {
    const char* name;
    const char* receipts;
    const char* deductions;
    std::int64_t gti;
    std::int64_t broughtForwardSetOff;
    std::int64_t carriedOfTheYear;
  } cases[] = {
      // 50,000 - 80,000 = a loss of 30,000: meets neither the interest nor
      // is met by anything; carried. The loss of 2013-14 finds no profit.
      {"a loss", "50000", "80000", 300000, 0, 30000},
      // 1,00,000 - 20,000 = 80,000, of which 50,000 takes the loss of
      // 2013-14: 3,00,000 + 80,000 - 50,000 = 3,30,000.
      {"a profit", "100000", "20000", 330000, 50000, 0},
  };
  for (const auto& c : cases) {
    conn().execute("DELETE FROM other_income");
    conn().execute("DELETE FROM losses");
    conn().execute("INSERT INTO other_income (code_no, ass_year, srno, nature, amount) VALUES ('I1', 2016, 1, 'INT', "
                   "300000)");
    conn().execute("INSERT INTO losses (code_no, ass_year, srno, part, loss_ay, amount, intime) VALUES "
                   "('I1', 2016, 1, 7, 2013, 50000, 'Y')");
    open("PrjOtherHeads.Forms", "ObjOtherIncome");
    typeBox("txtRaceHorseReceipts", c.receipts);
    typeBox("txtRaceHorseExpenses", c.deductions);
    click("cmdSave");

    const auto loaded = loadYearInput(conn(), {"I1", "I1", 2016});
    const engine::YearResult r = engine::computeYear(loaded.input);
    EXPECT_EQ(r.grossTotalIncome, Money::rupees(c.gti)) << c.name;
    Money broughtForward, carried;
    for (const auto& row : r.setOff.rows) {
      if (row.part != engine::LossPart::raceHorses) continue;
      if (row.year == 2013) broughtForward += row.setOff;
      if (row.year == 2016) carried += row.carried;
    }
    EXPECT_EQ(broughtForward, Money::rupees(c.broughtForwardSetOff)) << c.name;
    EXPECT_EQ(carried, Money::rupees(c.carriedOfTheYear)) << c.name;
  }
}

MERIDIAN_ON_BOTH_ENGINES(RaceHorsesScreen);

}  // namespace
}  // namespace meridian::suite::heads

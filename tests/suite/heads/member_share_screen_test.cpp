// The shares of income as a member of an AOP or BOI (Objaop) on both engines:
// each kind of bad entry is refused in plain words and writes nothing; a good
// year is saved, shown again as entered, and totalled as s.86 takes it.
#include <gtest/gtest.h>

#include "suite/heads/head_screen_fixture.h"
#include "suite/heads/member_share_form.h"

namespace meridian::suite::heads {
namespace {

using M = MemberShareForm;
using Cells = std::vector<std::pair<std::string, std::string>>;

Cells aop(const std::string& pan, const std::string& pct, const std::string& share, const std::string& taxed) {
  return {{"Name of AOP/BOI", "Ganga Builders Consortium"},
          {"PAN of AOP/BOI", pan},
          {"Share (%)", pct},
          {"Share of Income (u/s 67A)", share},
          {"AOP/BOI Taxed at", taxed}};
}

class MemberShareScreen : public ScreenEventsTest {};

TEST_P(MemberShareScreen, BadEntriesAreRefusedAndWriteNothing) {
  const struct {
    const char* name;
    Cells cells;
    const char* message;
  } kCases[] = {
      {"PAN of four letters", aop("AAAA1234K", "25", "100000", "N"), "Invalid PAN !"},
      {"negative share", aop("AAAAG1234K", "25", "-100000", "N"),
       "'Share of Income (u/s 67A)' can not be negative."},
      {"share above 100 %", aop("AAAAG1234K", "125", "100000", "N"),
       "A member's share in an AOP/BOI can not exceed 100%."},
      {"no PAN", aop("", "25", "100000", "N"), "Please specify 'PAN of AOP/BOI'."},
      {"charge not stated", aop("AAAAG1234K", "25", "100000", ""), "Please specify 'AOP/BOI Taxed at'."},
  };
  for (const auto& c : kCases) {
    auto form = openFor<M>("Objaop", "I1", 2016);
    addRow(*form, M::shares, "AOP", c.cells);
    EXPECT_FALSE(form->save()) << c.name;
    EXPECT_EQ(lastMessage(), c.message) << c.name;
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM memsharedet"), "0") << c.name;
    dialogs().answer(ui::Answer::no);
    click(*form, "cmdBack");
  }
}

TEST_P(MemberShareScreen, AYearIsSavedShownAgainAndTotalledBySection86) {
  auto form = openFor<M>("Objaop", "I1", 2016);
  addRow(*form, M::shares, "AOP", aop("aaaag1234k", "25", "240000", "Max"));
  addRow(*form, M::shares, "AOP",
         {{"Name of AOP/BOI", "Shree Ram Joint Venture"},
          {"PAN of AOP/BOI", "AAAAS4321Q"},
          {"Share of Income (u/s 67A)", "60000"},
          {"AOP/BOI Taxed at", "n"}});
  addRow(*form, M::shares, "AOP",
         {{"Name of AOP/BOI", "Village Irrigation Body"},
          {"PAN of AOP/BOI", "AAABV1111C"},
          {"Share of Income (u/s 67A)", "15000"},
          {"AOP/BOI Taxed at", "Not"}});
  EXPECT_EQ((*form)["lblTotals"].caption,
            "Exempt u/s 86 : 2,40,000.00    Included, Tax Rebated u/s 110 : 60,000.00    Included and Taxed : "
            "15,000.00");
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM memsharedet WHERE code_no = 'I1' AND t_year = 2016"), "3");
  EXPECT_EQ(scalar("SELECT aop_pan FROM memsharedet WHERE code_no = 'I1' AND srno = 1"), "AAAAG1234K");
  EXPECT_EQ(scalar("SELECT tax_basis FROM memsharedet WHERE code_no = 'I1' AND srno = 1"), "M");
  EXPECT_EQ(scalar("SELECT tax_basis FROM memsharedet WHERE code_no = 'I1' AND srno = 3"), "X");
  EXPECT_EQ(Money::parse(scalar("SELECT share_inc FROM memsharedet WHERE code_no = 'I1' AND srno = 2")),
            Money::rupees(60000));

  click(*form, "cmdBack");
  form = openFor<M>("Objaop", "I1", 2016);
  ASSERT_EQ(form->grid(M::shares).rowCount(), 3);
  EXPECT_EQ(rowOf(*form, M::shares, 1),
            (std::vector<std::string>{"SHREE RAM JOINT VENTURE", "AAAAS4321Q", "", "60000.00", "Normal Rates"}));
  EXPECT_FALSE(form->changed());
}

MERIDIAN_ON_BOTH_ENGINES(MemberShareScreen);

}  // namespace
}  // namespace meridian::suite::heads

// Screens are opened by name through the registry, with the user's right
// checked first, and every screen routes the keys it leaves to the host.
#include <gtest/gtest.h>

#include "common/rights.h"
#include "host/screen_registry.h"
#include "support/client_seed.h"
#include "support/session_fixture.h"
#include "web/home_tiles.h"

namespace meridian {
namespace {

class ScreenRegistry : public testsupport::PracticeTest {};

// Each screen is opened the way the page and the dashboard open it, on a
// client of the practice, and Escape takes it off the desktop again.
TEST_P(ScreenRegistry, EveryScreenOpensByNameAndEscapeClosesIt) {
  auto& comp = this->comp();
  comp.clientCtx().vT_Code_No = "F1";
  comp.clientCtx().vt_RTCode_No = "F1";
  comp.clientCtx().vT_Year = 2016;
  const auto entries = host::ScreenRegistry::instance().entries();
  ASSERT_GE(entries.size(), 7u);
  // A screen under a right the clerk does not hold opens for an administrator.
  Signed admin = signIn(makeUser("office-admin", true));
  for (const host::ScreenEntry* e : entries) {
    SCOPED_TRACE(e->name);
    auto& comp = clerk_.session->user().holds(e->right) ? this->comp() : admin.session->component();
    auto screen = comp.open(e->name, {.mode = e->tiles.empty() ? 0 : e->tiles.front().mode, .code = "F1"});
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->name(), e->name);
    EXPECT_EQ(comp.desktop().active(), screen.get());
    EXPECT_EQ(screen->windowState, 2) << "shown maximised";
    if (e->kept) EXPECT_EQ(comp.open(e->name, {.mode = 1}), screen) << "the same instance each time";
    ui::Event escape{"", ui::EventType::keyDown, ui::keys::escape};
    screen->dispatch(escape);
    EXPECT_EQ(std::count(comp.desktop().forms().begin(), comp.desktop().forms().end(), screen), 0);
  }
  EXPECT_TRUE(dialogs().shown().empty()) << dialogs().texts().front();
  EXPECT_TRUE(admin.dialogs->shown().empty()) << admin.dialogs->texts().front();
  EXPECT_THROW(comp.open("frmnosuchscreen"), std::out_of_range);
}

TEST_P(ScreenRegistry, AUserWithoutTheRightIsToldAndNothingOpens) {
  makeUser("typist");
  app().users().revoke("typist", rights::useIncomeTax);
  auto s = signIn(*app().users().find("typist"));
  auto& comp = s.session->component();
  EXPECT_EQ(comp.open("frmrevcalc"), nullptr);
  EXPECT_TRUE(comp.desktop().forms().empty());
  ASSERT_EQ(s.dialogs->shown().size(), 1u);
  EXPECT_EQ(s.dialogs->shown()[0].message.text, "You do not have the right for this work (right 100).");
  EXPECT_EQ(web::homeTiles([&comp](int r) { return comp.base().CheckPass(r, true); }), "") << "the home page offers nothing the user cannot open";
}

TEST_P(ScreenRegistry, KeysAScreenLeavesGoToTheHost) {
  auto& comp = this->comp();
  auto screen = comp.open("frmrevcalc");
  ASSERT_NE(screen, nullptr);
  ui::Event f1{"", ui::EventType::keyDown, ui::keys::f1};
  screen->dispatch(f1);
  EXPECT_TRUE(comp.desktop().menuRequested) << "F1 pops up the host's menu";
  ui::Event other{"", ui::EventType::keyDown, 'A'};
  screen->dispatch(other);
  EXPECT_EQ(comp.desktop().active(), screen.get()) << "other keys leave the screen open";
}

TEST_P(ScreenRegistry, HomeTilesComeInTheirPlaces) {
  const std::string tiles = web::homeTiles([this](int r) { return comp().base().CheckPass(r, true); });
  std::vector<size_t> at;
  for (const char* id : {"openIncomeTax", "openChallans", "openReports", "openSummaries", "openDueDates", "openNewPan",
                         "openPanChange", "openEstimator"})
    at.push_back(tiles.find(std::string("id=\"") + id + "\""));
  for (size_t i = 0; i < at.size(); ++i) ASSERT_NE(at[i], std::string::npos) << i;
  EXPECT_TRUE(std::is_sorted(at.begin(), at.end()));
  EXPECT_NE(tiles.find("data-open=\"income\" data-mode=\"5\" id=\"openDueDates\""), std::string::npos);
}

MERIDIAN_ON_BOTH_ENGINES(ScreenRegistry);

}  // namespace
}  // namespace meridian

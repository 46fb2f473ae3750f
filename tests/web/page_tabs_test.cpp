// Browser tabs of one sign-in: each has screens of its own; a reloaded page
// goes on with its tab; too many tabs close the one used longest ago, whose
// waiting question is answered No so nothing half-done is written.
#include <gtest/gtest.h>

#include "forms/revcalc_form.h"
#include "support/session_fixture.h"
#include "web/session_registry.h"

namespace meridian::web {
namespace {

using PageTabs = testsupport::SessionTest;

TEST_P(PageTabs, EachTabHasScreensOfItsOwn) {
  SessionRegistry registry(app());
  auto session = registry.create(makeUser("clerk"));
  auto first = registry.openTab(*session, "");
  auto second = registry.openTab(*session, "");
  ASSERT_NE(first->id, second->id);
  auto& forms = first->work->forms();
  forms.component().showMaximised(forms.ObjRevCalc());
  ASSERT_NE(first->work->desktop().active(), nullptr);
  EXPECT_EQ(second->work->desktop().active(), nullptr) << "the second tab still shows the menu";

  EXPECT_EQ(registry.openTab(*session, first->id), first) << "a reloaded page goes on with its tab";
  EXPECT_NE(registry.openTab(*session, "t999"), first);
  EXPECT_EQ(session->tab("t999"), nullptr);

  auto other = registry.create(makeUser("partner"));
  EXPECT_EQ(other->tab(first->id), nullptr) << "a tab belongs to its own sign-in";
}

TEST_P(PageTabs, TooManyTabsCloseTheOneUsedLongestAgo) {
  SessionRegistry registry(app());
  auto session = registry.create(makeUser("clerk"));
  auto oldest = registry.openTab(*session, "");
  ui::Answer heard = ui::Answer::yes;
  auto asked = oldest->dialogs.run([&] { heard = oldest->dialogs.show({"Delete the client?", "", ui::Icon::question, ui::Buttons::yesNo, ui::Answer::yes}); });
  ASSERT_EQ(asked.state, EventOutcome::State::dialog);

  std::vector<std::shared_ptr<PageTab>> newer;
  for (size_t i = 0; i < SessionRegistry::kTabsPerSession; ++i) newer.push_back(registry.openTab(*session, ""));
  EXPECT_EQ(session->tab(oldest->id), nullptr);
  for (const auto& t : newer) EXPECT_EQ(session->tab(t->id), t);
  oldest->dialogs.shutdown();
  EXPECT_EQ(heard, ui::Answer::no);
}

MERIDIAN_ON_BOTH_ENGINES(PageTabs);

}  // namespace
}  // namespace meridian::web

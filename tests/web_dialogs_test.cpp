#include <gtest/gtest.h>

#include <atomic>

#include "web/web_dialogs.h"

namespace meridian::web {
namespace {

// A handler that asks two questions and notes what it was told.
struct TwoQuestions {
  std::vector<ui::Answer> heard;
  std::atomic<bool> finished{false};
  void operator()(WebDialogs& d) {
    heard.push_back(d.show({"Save changes?", "Confirmation", ui::Icon::question, ui::Buttons::yesNo, ui::Answer::yes}));
    heard.push_back(d.show({"Really?", "", ui::Icon::question, ui::Buttons::yesNoCancel, ui::Answer::yes}));
    finished = true;
  }
};

TEST(WebDialogs, HandlerWaitsForEachAnswerAndGoesOn) {
  WebDialogs d;
  TwoQuestions h;
  auto first = d.run([&] { h(d); });
  ASSERT_EQ(first.state, EventOutcome::State::dialog);
  EXPECT_EQ(first.dialog->message.text, "Save changes?");
  EXPECT_EQ(first.dialog->message.title, "Confirmation");
  EXPECT_FALSE(h.finished);

  EXPECT_EQ(d.run([] {}).state, EventOutcome::State::busy) << "one event at a time";
  auto stale = d.answer(first.dialog->id + 99, ui::Answer::yes, std::nullopt);
  EXPECT_EQ(stale.state, EventOutcome::State::dialog) << "a stale answer changes nothing";
  EXPECT_EQ(stale.dialog->id, first.dialog->id);

  auto second = d.answer(first.dialog->id, ui::Answer::yes, std::nullopt);
  ASSERT_EQ(second.state, EventOutcome::State::dialog);
  EXPECT_EQ(second.dialog->message.text, "Really?");
  auto done = d.answer(second.dialog->id, ui::Answer::no, std::nullopt);
  EXPECT_EQ(done.state, EventOutcome::State::done);
  EXPECT_TRUE(h.finished);
  EXPECT_EQ(h.heard, (std::vector<ui::Answer>{ui::Answer::yes, ui::Answer::no}));
}

TEST(WebDialogs, ASessionThatGoesAwayAnswersNoAndCancel) {
  TwoQuestions h;
  std::optional<std::string> typed = "untouched";
  {
    WebDialogs d;
    auto first = d.run([&] {
      h(d);
      typed = d.prompt("Password", "", true);
    });
    ASSERT_EQ(first.state, EventOutcome::State::dialog);
    d.shutdown();
  }
  EXPECT_TRUE(h.finished);
  EXPECT_EQ(h.heard, (std::vector<ui::Answer>{ui::Answer::no, ui::Answer::cancel}));
  EXPECT_FALSE(typed.has_value());
}

TEST(WebDialogs, PromptCarriesTheTypedText) {
  WebDialogs d;
  std::optional<std::string> typed;
  auto asked = d.run([&] { typed = d.prompt("Password of client C1", "Client Password", true); });
  ASSERT_EQ(asked.state, EventOutcome::State::dialog);
  EXPECT_TRUE(asked.dialog->isPrompt);
  EXPECT_TRUE(asked.dialog->secret);
  EXPECT_EQ(d.answer(asked.dialog->id, ui::Answer::ok, std::string("s3cret")).state, EventOutcome::State::done);
  EXPECT_EQ(typed, "s3cret");
}

}  // namespace
}  // namespace meridian::web

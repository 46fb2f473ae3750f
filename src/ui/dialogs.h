#pragma once
// The only way a screen speaks to the user: message boxes, questions, a typed
// answer, file choice and progress. The browser carries them across HTTP; tests
// answer them from a script and record what was shown.
#include <optional>
#include <string>
#include <vector>

namespace meridian::ui {

enum class Icon { none, information, exclamation, critical, question };
enum class Buttons { ok, yesNo, yesNoCancel, okCancel };
enum class Answer { ok, yes, no, cancel };

struct Message {
  std::string text;
  std::string title;
  Icon icon = Icon::none;
  Buttons buttons = Buttons::ok;
  Answer defaultAnswer = Answer::ok;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a message box and returns the button chosen.
  virtual Answer show(const Message& m) = 0;
  // Asks for a line of text (a password is not echoed); nullopt on Cancel.
  virtual std::optional<std::string> prompt(const std::string& text, const std::string& title, bool secret) = 0;
  // Tells the user how far a long job has come (0..total); no answer.
  virtual void progress(const std::string& text, int done, int total) {}

  // Plain message box with OK, as most refusals use.
  void message(const std::string& text, const std::string& title = "") { show({text, title, Icon::none}); }
  void info(const std::string& text, const std::string& title = "") { show({text, title, Icon::information}); }
  void exclamation(const std::string& text, const std::string& title = "") { show({text, title, Icon::exclamation}); }
  void critical(const std::string& text, const std::string& title = "") { show({text, title, Icon::critical}); }
  bool yesNo(const std::string& text, const std::string& title = "", Answer def = Answer::yes, Icon icon = Icon::question) {
    return show({text, title, icon, Buttons::yesNo, def}) == Answer::yes;
  }
  Answer yesNoCancel(const std::string& text, const std::string& title = "", Answer def = Answer::yes,
                     Icon icon = Icon::question) {
    return show({text, title, icon, Buttons::yesNoCancel, def});
  }
};

// Answers from a list given in advance and records every message shown.
// Runs out of answers: OK for message boxes, the default button for questions.
class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    Message message;
    Answer answer;
  };

  ScriptedDialogs() = default;
  explicit ScriptedDialogs(std::vector<Answer> answers) : answers_(std::move(answers)) {}

  void answer(Answer a) { answers_.push_back(a); }
  void type(std::optional<std::string> text) { typed_.push_back(std::move(text)); }

  Answer show(const Message& m) override;
  std::optional<std::string> prompt(const std::string& text, const std::string& title, bool secret) override;

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<std::string> texts() const;
  const std::vector<std::string>& prompts() const { return prompts_; }
  void clear() { shown_.clear(); }

 private:
  std::vector<Answer> answers_;
  size_t next_ = 0;
  std::vector<std::optional<std::string>> typed_;
  size_t nextTyped_ = 0;
  std::vector<Shown> shown_;
  std::vector<std::string> prompts_;
};

}  // namespace meridian::ui

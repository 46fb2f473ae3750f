#include "ui/dialogs.h"

namespace meridian::ui {

Answer ScriptedDialogs::show(const Message& m) {
  Answer a = m.buttons == Buttons::ok ? Answer::ok : m.defaultAnswer;
  if (m.buttons != Buttons::ok && next_ < answers_.size()) a = answers_[next_++];
  shown_.push_back({m, a});
  return a;
}

std::optional<std::string> ScriptedDialogs::prompt(const std::string& text, const std::string&, bool) {
  prompts_.push_back(text);
  if (nextTyped_ < typed_.size()) return typed_[nextTyped_++];
  return std::nullopt;
}

std::vector<std::string> ScriptedDialogs::texts() const {
  std::vector<std::string> out;
  for (const auto& s : shown_) out.push_back(s.message.text);
  return out;
}

}  // namespace meridian::ui

#pragma once
// The base of every screen of the module, between the screen model
// (ui::Form) and the screens. What each screen used to repeat lives here:
// the keys a screen leaves to the host (Escape closes, F1 pops up the host's
// menu, any other key goes to the host's hot-key handler), one way to refuse
// a step (the message, the focus back on the control, nothing written), the
// masked date box, and closing through the desktop.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "host/base.h"
#include "host/identifier_rules.h"
#include "ui/form.h"

namespace meridian::host {

// What a screen is opened for, as the registry hands it on.
struct OpenRequest {
  int mode = 0;      // the dashboard's modes 1 to 7; 0 for screens without modes
  std::string code;  // the client the screen opens on; "" for none (a new client)
};

class Screen : public ui::Form {
 public:
  Screen(Base& base, std::string name, std::string caption);

  // Each time the registry opens the screen, before it is shown.
  virtual void opened(const OpenRequest& request) {}
  // The save closing runs when the user wants the changes kept; true when saved.
  virtual bool saveBeforeClosing() { return true; }
  // Escape closes the screen; a screen with an inner panel closes that first.
  virtual void escape() { close(); }
  void close();

  // Tells the user why a step cannot go on and puts the focus back on the
  // control; false, so a handler can `return refuse(...)`.
  bool refuse(const std::string& message, const std::string& control, ui::Icon icon = ui::Icon::information);
  // Refuses with the words of an identifier rule when it refuses; true then.
  bool refused(const Verdict& verdict, const std::string& control);
  // Runs the rule when the user leaves the control; a refusal keeps the focus there.
  void checkOnLeaving(const std::string& control, std::function<Verdict()> rule);
  // The box's text as typing and leaving it would have left it (trimmed,
  // upper-cased, amounts rewritten); nothing after refusing it. A request may
  // bring texts the page never let through.
  std::optional<std::string> checkedText(const std::string& box, const std::string& label);

  // A masked date box ("__/__/____" until a date is typed).
  ui::Control& addDateBox(const std::string& name, const std::string& caption = "", const std::string& parent = "");
  // Shows a stored date, or the mask when there is none.
  void showDate(const std::string& box, const std::string& date);
  // The date typed into the box as dd/mm/yyyy (read as readDateBox reads it):
  // "" when the box is blank; nothing after refusing "Invalid date. Enter date
  // in dd/mm/yyyy." when it holds no date.
  std::optional<std::string> typedDate(const std::string& box);

  // A control's text without the blanks and tabs around it.
  std::string text(const std::string& control);

  // The values the controls show now become the screen's unchanged state
  // (after a load and after a save): what the user changes from here on is
  // what a save writes and what closing asks about.
  void markUnchanged();
  bool changed(const std::string& control) const;
  bool anyChanged() const;
  // Escape or Back on a screen that edits a record: with changes not saved,
  // asks whether to save them first (Yes saves and closes once the save went
  // through, No closes, Cancel stays).
  void closeAskingToSave();
  static constexpr const char* unsavedQuestion = "The changes made on this screen are not saved.\n\nDo you want to save them?";

 protected:
  Base& base_;

 private:
  std::string shownValue(const ui::Control& c) const;
  std::map<std::string, std::string> unchanged_;
};

}  // namespace meridian::host

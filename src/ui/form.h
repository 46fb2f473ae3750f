#pragma once
// A screen: its controls by name, its event handlers, and the dialogs it
// speaks through. One event runs at a time; a handler that throws is ended
// and the screen stays usable, as every screen procedure runs under its own
// error trap.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/dialogs.h"

namespace meridian::ui {

enum class EventType { click, dblClick, change, keyPress, keyDown, gotFocus, lostFocus, rowColChange, cellEdited };

namespace keys {
constexpr int enter = 13, escape = 27, tab = 9, backspace = 8, f1 = 112;
}

struct Event {
  std::string control;  // "" = the form itself (keys with key preview)
  EventType type = EventType::click;
  int key = 0;
  int row = -1, col = -1;
  std::string value;
};

class Desktop;

class Form {
 public:
  using Handler = std::function<void(Event&)>;

  Form(std::string name, std::string caption);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  std::string caption;
  int windowState = 0;  // 2 = maximised inside the main window
  std::string focus;    // control that should have the focus
  bool keyPreview = true;

  Control& add(ControlKind kind, const std::string& name, const std::string& caption = "", const std::string& parent = "");
  Control& addGrid(const std::string& name, const std::string& parent = "");
  Control& operator[](const std::string& name);
  Control* find(const std::string& name);
  Grid& grid(const std::string& name);
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  std::vector<Control*> childrenOf(const std::string& parent) const;

  void on(const std::string& control, EventType type, Handler h);
  // Runs the handler of the event under an error trap; false when none ran
  // to its end.
  bool dispatch(Event& e);
  // The (control, event) pairs this form handles: the page sends only these.
  std::vector<std::pair<std::string, EventType>> handled() const;

  Dialogs& dialogs();
  void attach(Desktop* desktop, Dialogs* dialogs);
  Desktop* desktop() const { return desktop_; }

  // Called when the form is shown for the first time, and when it is closed.
  virtual void load() {}
  virtual void unload() {}
  // The form is on top again after the one shown over it closed.
  virtual void activated() {}
  bool loaded = false;

 private:
  std::string name_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Control*> byName_;
  std::map<std::pair<std::string, EventType>, Handler> handlers_;
  Desktop* desktop_ = nullptr;
  Dialogs* dialogs_ = nullptr;
};

// The main window: the forms open in it, the last shown on top, and the
// reports waiting to be previewed.
class Desktop {
 public:
  explicit Desktop(Dialogs& dialogs) : dialogs_(&dialogs) {}
  void show(std::shared_ptr<Form> form);
  void close(Form& form);
  Form* active() const { return forms_.empty() ? nullptr : forms_.back().get(); }
  const std::vector<std::shared_ptr<Form>>& forms() const { return forms_; }
  Dialogs& dialogs() { return *dialogs_; }
  void setDialogs(Dialogs& d);
  // Finished reports: the page opens each in a preview.
  std::vector<std::string> pendingPreviews;
  // The host's menu was asked for (F1); the page pops it up.
  bool menuRequested = false;
  // A line for the main window's status bar: what the last step did ("Client
  // C0357 saved."), shown without a click; the page shows it once.
  std::string statusLine;

 private:
  Dialogs* dialogs_;
  std::vector<std::shared_ptr<Form>> forms_;
};

}  // namespace meridian::ui

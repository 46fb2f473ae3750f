#include "ui/form.h"

#include <spdlog/spdlog.h>

#include <algorithm>
#include <stdexcept>

#include "ui/failure.h"

namespace meridian::ui {

Form::Form(std::string name, std::string caption) : caption(std::move(caption)), name_(std::move(name)) {}

Control& Form::add(ControlKind kind, const std::string& name, const std::string& caption, const std::string& parent) {
  if (byName_.count(name)) throw std::logic_error("control added twice: " + name);
  auto c = std::make_unique<Control>();
  c->name = name;
  c->kind = kind;
  c->caption = caption;
  c->parent = parent;
  Control& ref = *c;
  byName_[name] = &ref;
  controls_.push_back(std::move(c));
  return ref;
}

Control& Form::addGrid(const std::string& name, const std::string& parent) {
  Control& c = add(ControlKind::grid, name, "", parent);
  c.grid = std::make_shared<Grid>();
  return c;
}

Control* Form::find(const std::string& name) {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

Control& Form::operator[](const std::string& name) {
  if (Control* c = find(name)) return *c;
  throw std::out_of_range("no control " + name + " on " + name_);
}

Grid& Form::grid(const std::string& name) {
  Control& c = (*this)[name];
  if (!c.grid) throw std::logic_error(name + " is not a grid");
  return *c.grid;
}

std::vector<Control*> Form::childrenOf(const std::string& parent) const {
  std::vector<Control*> out;
  for (const auto& c : controls_)
    if (c->parent == parent) out.push_back(c.get());
  return out;
}

void Form::on(const std::string& control, EventType type, Handler h) { handlers_[{control, type}] = std::move(h); }

namespace {
const char* eventName(EventType t) {
  switch (t) {
    case EventType::click: return "click";
    case EventType::dblClick: return "double-click";
    case EventType::change: return "change";
    case EventType::keyPress: return "key press";
    case EventType::keyDown: return "key down";
    case EventType::gotFocus: return "focus";
    case EventType::lostFocus: return "leaving";
    case EventType::rowColChange: return "row change";
    case EventType::cellEdited: return "cell edit";
  }
  return "event";
}
}  // namespace

bool Form::dispatch(Event& e) {
  auto it = handlers_.find({e.control, e.type});
  if (it == handlers_.end()) return false;
  const std::string where = name_ + ": " + eventName(e.type) + " of " + (e.control.empty() ? "the screen" : e.control);
  if (!dialogs_ && !desktop_) {
    // A form not on any desktop has nobody to tell: the caller hears it.
    it->second(e);
    return true;
  }
  return runTold(dialogs(), where, [&] { it->second(e); });
}

std::vector<std::pair<std::string, EventType>> Form::handled() const {
  std::vector<std::pair<std::string, EventType>> out;
  for (const auto& [key, h] : handlers_) out.push_back(key);
  return out;
}

Dialogs& Form::dialogs() {
  if (dialogs_) return *dialogs_;
  if (desktop_) return desktop_->dialogs();
  throw std::logic_error("form " + name_ + " has no dialogs");
}

void Form::attach(Desktop* desktop, Dialogs* dialogs) {
  desktop_ = desktop;
  dialogs_ = dialogs;
}

void Desktop::show(std::shared_ptr<Form> form) {
  auto it = std::find(forms_.begin(), forms_.end(), form);
  if (it != forms_.end()) forms_.erase(it);
  forms_.push_back(form);
  if (!form->desktop()) form->attach(this, nullptr);
  if (form->loaded) return;
  form->loaded = true;
  try {
    form->load();
  } catch (const std::exception& e) {
    // A screen whose load failed does not stay half-filled on the desktop.
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    form->loaded = false;
    if (!dynamic_cast<const AlreadyTold*>(&e)) tellFailure(form->dialogs(), e, "opening " + form->name());
    throw AlreadyTold();
  }
}

void Desktop::close(Form& form) {
  auto it = std::find_if(forms_.begin(), forms_.end(), [&](const auto& f) { return f.get() == &form; });
  if (it == forms_.end()) return;
  auto keep = *it;
  forms_.erase(it);
  keep->unload();
  keep->loaded = false;
  if (Form* top = active()) top->activated();
}

void Desktop::setDialogs(Dialogs& d) { dialogs_ = &d; }

}  // namespace meridian::ui



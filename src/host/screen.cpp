#include "host/screen.h"

#include "common/dates.h"
#include "common/text.h"
#include "ui/field_rules.h"

namespace meridian::host {

Screen::Screen(Base& base, std::string name, std::string caption)
    : ui::Form(std::move(name), std::move(caption)), base_(base) {
  on("", ui::EventType::keyDown, [this](ui::Event& e) {
    if (e.key == ui::keys::escape) escape();
    else if (e.key == ui::keys::f1) base_.PopupMenuObj().popup(*this);
    else base_.MainPageObj().hotkey(e.key, *this);
  });
}

std::string Screen::text(const std::string& control) { return trimmed((*this)[control].text, kBlanksAndTabs); }

void Screen::close() {
  if (desktop()) desktop()->close(*this);
}

bool Screen::refuse(const std::string& message, const std::string& control, ui::Icon icon) {
  dialogs().show({message, "", icon});
  focus = control;
  return false;
}

bool Screen::refused(const Verdict& verdict, const std::string& control) {
  if (!verdict) return false;
  refuse(verdict->message, control, verdict->icon);
  return true;
}

void Screen::checkOnLeaving(const std::string& control, std::function<Verdict()> rule) {
  on(control, ui::EventType::lostFocus, [this, control, rule = std::move(rule)](ui::Event&) { refused(rule(), control); });
}

std::optional<std::string> Screen::checkedText(const std::string& box, const std::string& label) {
  auto r = ui::vtxt::recheckBox((*this)[box], label);
  if (r.accepted) return r.text;
  refuse(r.message, box, r.icon);
  return std::nullopt;
}

ui::Control& Screen::addDateBox(const std::string& name, const std::string& caption, const std::string& parent) {
  ui::Control& box = add(ui::ControlKind::dateBox, name, caption, parent);
  box.mask = std::string(kEmptyDateMask);
  box.maxLength = static_cast<int>(kEmptyDateMask.size());
  return box;
}

void Screen::showDate(const std::string& box, const std::string& date) {
  (*this)[box].text = date.empty() ? std::string(kEmptyDateMask) : date;
}

std::optional<std::string> Screen::typedDate(const std::string& box) {
  const DateBoxEntry entry = readDateBox((*this)[box].text);
  switch (entry.kind) {
    case DateBoxEntry::Kind::empty: return "";
    case DateBoxEntry::Kind::date: return entry.text;
    case DateBoxEntry::Kind::invalid: break;
  }
  refuse("Invalid date. Enter date in dd/mm/yyyy.", box);
  return std::nullopt;
}

}  // namespace meridian::host

namespace meridian::host {

std::string Screen::shownValue(const ui::Control& c) const {
  switch (c.kind) {
    case ui::ControlKind::textBox:
    case ui::ControlKind::comboBox: return c.text;
    case ui::ControlKind::dateBox: return readDateBox(c.text).text;
    case ui::ControlKind::checkBox:
    case ui::ControlKind::option: return c.value ? "1" : "0";
    default: return "";
  }
}

void Screen::markUnchanged() {
  unchanged_.clear();
  for (const auto& c : controls()) unchanged_[c->name] = shownValue(*c);
}

bool Screen::changed(const std::string& control) const {
  auto it = unchanged_.find(control);
  const ui::Control* c = const_cast<Screen*>(this)->find(control);
  return c && (it == unchanged_.end() || it->second != shownValue(*c));
}

bool Screen::anyChanged() const {
  for (const auto& c : controls())
    if (changed(c->name)) return true;
  return false;
}

void Screen::closeAskingToSave() {
  if (anyChanged()) {
    switch (dialogs().yesNoCancel(unsavedQuestion, "", ui::Answer::yes)) {
      case ui::Answer::yes:
        if (!saveBeforeClosing()) return;
        break;
      case ui::Answer::no: break;
      default: return;
    }
  }
  close();
}

}  // namespace meridian::host

#include "suite/heads/field_set.h"

#include <stdexcept>

#include "ui/field_rules.h"

namespace meridian::suite::heads {

FieldSet::FieldSet(ui::Form& form, std::vector<BoxField> fields, const std::string& parent)
    : form_(&form), fields_(std::move(fields)) {
  for (const auto& f : fields_) {
    if (f.type.kind == CellKind::choice) {
      ui::Control& c = form_->add(ui::ControlKind::comboBox, f.control, f.caption, parent);
      for (const auto& choice : f.type.choices) c.addItem(choice.caption);
      continue;
    }
    ui::Control& c = form_->add(ui::ControlKind::textBox, f.control, f.caption, parent);
    using ui::vtxt::InputClass;
    switch (f.type.kind) {
      case CellKind::money:
      case CellKind::loss:
        c.validateData = static_cast<int>(InputClass::amount);
        c.maxLength = 15;
        break;
      case CellKind::whole:
        c.validateData = static_cast<int>(InputClass::wholeNumber);
        c.maxLength = 12;
        break;
      default:
        c.maxLength = f.type.length > 0 ? f.type.length : 255;
        break;
    }
  }
  shown_.assign(fields_.size(), "");
}

bool FieldSet::has(const std::string& control) const {
  for (const auto& f : fields_)
    if (f.control == control) return true;
  return false;
}

const BoxField& FieldSet::field(const std::string& control) const {
  for (const auto& f : fields_)
    if (f.control == control) return f;
  throw std::out_of_range("no box " + control);
}

std::string FieldSet::typed(const BoxField& f) const {
  return (*form_)[f.control].text;
}

void FieldSet::show(const db::Row* row) {
  for (size_t i = 0; i < fields_.size(); ++i) {
    const BoxField& f = fields_[i];
    const std::string v = row ? shownValue(f.type, *row, f.column) : "";
    ui::Control& c = (*form_)[f.control];
    if (f.type.kind == CellKind::choice) c.selectText(v);
    else c.text = v;
    shown_[i] = c.text;
  }
}

std::optional<CellFault> FieldSet::edit(const std::string& control) {
  const BoxField& f = field(control);
  const CellCheck check = checkCell(f.type, typed(f), f.caption);
  if (!check.accepted) return CellFault{-1, -1, check.message, check.icon};
  ui::Control& c = (*form_)[control];
  if (f.type.kind == CellKind::choice) c.selectText(check.shown);
  else c.text = check.shown;
  return std::nullopt;
}

std::optional<CellFault> FieldSet::firstFault() const {
  for (size_t i = 0; i < fields_.size(); ++i) {
    const CellCheck check = checkCell(fields_[i].type, typed(fields_[i]), fields_[i].caption);
    if (!check.accepted) return CellFault{-1, static_cast<int>(i), check.message, check.icon};
  }
  return std::nullopt;
}

bool FieldSet::blank() const {
  for (const auto& f : fields_) {
    const CellCheck check = checkCell(f.type, typed(f), f.caption);
    if (!check.accepted || !check.shown.empty()) return false;
  }
  return true;
}

db::Pairs FieldSet::pairs() const {
  db::Pairs out;
  for (const auto& f : fields_) {
    const CellCheck check = checkCell(f.type, typed(f), f.caption);
    out.emplace_back(f.column, storedValue(f.type, check.accepted ? check.shown : ""));
  }
  return out;
}

Money FieldSet::amount(const std::string& control) const {
  const BoxField& f = field(control);
  const CellCheck check = checkCell(f.type, typed(f), f.caption);
  return check.accepted ? amountOf(check.shown) : Money();
}

void FieldSet::markSaved() {
  for (size_t i = 0; i < fields_.size(); ++i) shown_[i] = typed(fields_[i]);
}

void FieldSet::revert() {
  for (size_t i = 0; i < fields_.size(); ++i) {
    ui::Control& c = (*form_)[fields_[i].control];
    if (fields_[i].type.kind == CellKind::choice) c.selectText(shown_[i]);
    else c.text = shown_[i];
  }
}

bool FieldSet::changed() const {
  for (size_t i = 0; i < fields_.size(); ++i)
    if (typed(fields_[i]) != shown_[i]) return true;
  return false;
}

}  // namespace meridian::suite::heads

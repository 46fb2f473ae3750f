#include "web/screen_events.h"

#include <map>

namespace meridian::web {

void applyValues(ui::Form& form, const nlohmann::json& values) {
  if (!values.is_object()) return;
  for (const auto& [name, v] : values.items()) {
    if (name.rfind("TxtS", 0) == 0) {
      // Search boxes above a grid: "TxtS<column>" belongs to the form's searchable grid.
      for (const auto& c : form.controls()) {
        if (c->grid && c->grid->searchBoxes) {
          size_t col = std::stoul(name.substr(4));
          if (col < c->grid->search.size() && v.is_string()) c->grid->search[col] = v.get<std::string>();
        }
      }
      continue;
    }
    ui::Control* c = form.find(name);
    if (!c || !c->enabled) continue;
    switch (c->kind) {
      case ui::ControlKind::textBox:
      case ui::ControlKind::dateBox:
        if (v.is_string() && !c->locked) c->text = v.get<std::string>();
        break;
      case ui::ControlKind::comboBox:
        if (v.is_string()) c->selectText(v.get<std::string>());
        break;
      case ui::ControlKind::checkBox:
      case ui::ControlKind::option:
        if (v.is_boolean()) c->value = v.get<bool>() ? 1 : 0;
        break;
      default:
        break;
    }
  }
}

std::optional<ui::Event> eventFromJson(const nlohmann::json& body) {
  static const std::map<std::string, ui::EventType> types = {
      {"click", ui::EventType::click},         {"dblclick", ui::EventType::dblClick},
      {"change", ui::EventType::change},       {"keypress", ui::EventType::keyPress},
      {"keydown", ui::EventType::keyDown},     {"gotfocus", ui::EventType::gotFocus},
      {"lostfocus", ui::EventType::lostFocus}, {"rowcolchange", ui::EventType::rowColChange},
      {"celledited", ui::EventType::cellEdited}};
  if (!body.is_object() || !body.contains("type") || !body["type"].is_string()) return std::nullopt;
  auto t = types.find(body["type"].get<std::string>());
  if (t == types.end()) return std::nullopt;
  ui::Event e;
  e.type = t->second;
  e.control = body.value("control", "");
  e.key = body.value("key", 0);
  e.row = body.value("row", -1);
  e.col = body.value("col", -1);
  e.value = body.value("value", "");
  return e;
}

void deliver(ui::Form& form, ui::Event& e) {
  if (e.type == ui::EventType::rowColChange && e.row >= 0) {
    if (ui::Control* c = form.find(e.control); c && c->grid) c->grid->selectedRow = e.row;
  }
  form.dispatch(e);
}

}  // namespace meridian::web

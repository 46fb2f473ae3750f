#include "web/screen_events.h"

#include <map>

#include "common/dates.h"

namespace meridian::web {
namespace {

int intOr(const nlohmann::json& body, const char* key, int fallback) {
  auto it = body.find(key);
  return it != body.end() && it->is_number_integer() ? it->get<int>() : fallback;
}

std::string textOr(const nlohmann::json& body, const char* key) {
  auto it = body.find(key);
  return it != body.end() && it->is_string() ? it->get<std::string>() : "";
}

// Search boxes above a grid: "TxtS<column>" belongs to the form's searchable
// grid, whose titles (the grid's shell) hold them.
void setSearchBox(ui::Form& form, const std::string& name, const nlohmann::json& v, std::vector<std::string>& typed) {
  if (!v.is_string() || name.size() <= 4 || name.find_first_not_of("0123456789", 4) != std::string::npos) return;
  const size_t col = std::stoul(name.substr(4));
  for (const auto& c : form.controls()) {
    if (!c->grid || !c->grid->searchBoxes || col >= c->grid->search.size()) continue;
    std::string& box = c->grid->search[col];
    if (box == v.get<std::string>()) continue;
    box = v.get<std::string>();
    typed.push_back(c->name);
  }
}

template <class T>
void take(T& field, T value, const ui::Control& c, std::vector<std::string>& typed) {
  if (field == value) return;
  field = std::move(value);
  typed.push_back(c.name);
}

}  // namespace

std::vector<std::string> applyValues(ui::Form& form, const nlohmann::json& values) {
  std::vector<std::string> typed;
  if (!values.is_object()) return typed;
  for (const auto& [name, v] : values.items()) {
    if (name.rfind("TxtS", 0) == 0) {
      setSearchBox(form, name, v, typed);
      continue;
    }
    ui::Control* c = form.find(name);
    if (!c || !c->enabled) continue;
    switch (c->kind) {
      case ui::ControlKind::textBox:
        if (v.is_string() && !c->locked) take(c->text, v.get<std::string>(), *c, typed);
        break;
      case ui::ControlKind::dateBox:
        // What the page's mask shows, read as the page reads it; a text that
        // is no date stays as typed, for the screen's own check to refuse.
        if (v.is_string() && !c->locked) take(c->text, readDateBox(v.get<std::string>()).text, *c, typed);
        break;
      case ui::ControlKind::comboBox:
        if (v.is_string() && v.get<std::string>() != c->text) {
          c->selectText(v.get<std::string>());
          typed.push_back(c->name);
        }
        break;
      case ui::ControlKind::checkBox:
      case ui::ControlKind::option:
        // A three-state box in its grey state (2) shows ticked; the page
        // sending it back ticked leaves it grey.
        if (v.is_boolean() && !(c->value == 2 && v.get<bool>())) take(c->value, v.get<bool>() ? 1 : 0, *c, typed);
        break;
      default:
        break;
    }
  }
  return typed;
}

std::vector<std::string> piecesTypedInto(const PageEvent& e) {
  if (e.event.type == ui::EventType::cellEdited) return {e.event.control + "/rows"};
  return {};
}

void readGridWindows(const nlohmann::json& grids, GridWindows& windows) {
  if (!grids.is_object()) return;
  for (const auto& [name, w] : grids.items()) {
    if (!w.is_object()) continue;
    windows[name] = RowWindow{std::max(0, intOr(w, "first", 0)), std::clamp(intOr(w, "count", kGridWindow), 1, kGridWindowLimit)};
  }
}

std::optional<PageEvent> eventFromJson(const nlohmann::json& body) {
  static const std::map<std::string, ui::EventType> types = {
      {"click", ui::EventType::click},         {"dblclick", ui::EventType::dblClick},
      {"change", ui::EventType::change},       {"keypress", ui::EventType::keyPress},
      {"keydown", ui::EventType::keyDown},     {"gotfocus", ui::EventType::gotFocus},
      {"lostfocus", ui::EventType::lostFocus}, {"rowcolchange", ui::EventType::rowColChange},
      {"celledited", ui::EventType::cellEdited}};
  if (!body.is_object()) return std::nullopt;
  const std::string type = textOr(body, "type");
  PageEvent pe;
  ui::Event& e = pe.event;
  if (type == "sort") {
    pe.sort = true;
  } else {
    auto t = types.find(type);
    if (t == types.end()) return std::nullopt;
    e.type = t->second;
  }
  e.control = textOr(body, "control");
  e.key = intOr(body, "key", 0);
  e.row = intOr(body, "row", -1);
  e.col = intOr(body, "col", -1);
  e.value = textOr(body, "value");
  if (body.contains("move")) {
    pe.move = ui::gridMoveNamed(textOr(body, "move"));
    if (!pe.move) return std::nullopt;
  }
  pe.pageRows = std::clamp(intOr(body, "page", 1), 1, kGridWindowLimit);
  return pe;
}

void deliver(ui::Form& form, PageEvent& pe) {
  ui::Event& e = pe.event;
  ui::Control* c = form.find(e.control);
  ui::Grid* g = c ? c->grid.get() : nullptr;
  if (pe.sort) {
    if (g) ui::sortByTitleClick(*g, e.col);
    return;
  }
  if (g && e.type == ui::EventType::rowColChange) {
    if (pe.move) {
      e.row = ui::moveSelection(*g, *pe.move, pe.pageRows);
    } else if (e.row >= 0 && e.row < g->rowCount()) {
      g->selectedRow = e.row;
    } else {
      e.row = g->selectedRow;
    }
    if (e.col >= 0 && e.col < g->cols()) g->selectedCol = e.col;
    else e.col = g->selectedCol;
  }
  form.dispatch(e);
}

}  // namespace meridian::web

#include "web/render_form.h"

#include <algorithm>
#include <functional>

#include "common/dates.h"
#include "web/html.h"

namespace meridian::web {
namespace {

std::string attr(const std::string& name, const std::string& value) {
  return " " + name + "=\"" + escapeHtml(value) + "\"";
}

std::string common(const ui::Control& c) {
  std::string a = attr("id", c.name);
  if (!c.visible) a += " hidden";
  if (!c.enabled) a += " disabled";
  if (!c.tooltip.empty()) a += attr("title", c.tooltip);
  return a;
}

std::string classes(const std::string& base, const ui::Control& c) {
  return attr("class", c.cssClass.empty() ? base : base + " " + c.cssClass);
}

void renderControl(ui::Form& form, const ui::Control& c, std::string& out);

// A field with its caption above it, kept together (and hidden together).
std::string withCaption(const ui::Control& c, const std::string& box) {
  if (c.caption.empty()) return box;
  return std::string("<span class=\"fieldwrap\"") + (c.visible ? "" : " hidden") + "><label class=\"caption\"" +
         attr("for", c.name) + ">" + captionHtml(c.caption) + "</label>" + box + "</span>";
}

void renderChildren(ui::Form& form, const std::string& parent, std::string& out) {
  for (ui::Control* child : form.childrenOf(parent)) renderControl(form, *child, out);
}

void renderGrid(const ui::Control& c, std::string& out) {
  const ui::Grid& g = *c.grid;
  out += "<div" + common(c) + classes("grid", c) + attr("data-grid", c.name) +
         attr("data-total", std::to_string(g.visibleCount())) + attr("data-editable", g.editable ? "1" : "0") +
         " tabindex=\"0\"><table><thead><tr>";
  for (int col = 0; col < g.cols(); ++col) {
    if (g.hidden[static_cast<size_t>(col)]) continue;
    std::string cls = col < g.frozenCols ? " class=\"frozen\"" : "";
    out += "<th" + cls + attr("data-col", std::to_string(col)) + ">" + escapeHtml(g.titles[static_cast<size_t>(col)]) + "</th>";
  }
  out += "</tr>";
  if (g.searchBoxes) {
    out += "<tr class=\"search\">";
    for (int col = 0; col < g.cols(); ++col) {
      if (g.hidden[static_cast<size_t>(col)]) continue;
      out += "<th><input class=\"grid-search\"" + attr("id", "TxtS" + std::to_string(col)) +
             attr("data-col", std::to_string(col)) + attr("value", g.search[static_cast<size_t>(col)]) +
             attr("aria-label", "Search " + g.titles[static_cast<size_t>(col)]) + " autocomplete=\"off\"></th>";
    }
    out += "</tr>";
  }
  out += "</thead><tbody>";
  out += renderGridRows(c, 0, kGridWindow);
  out += "</tbody></table></div>";
}

void renderControl(ui::Form& form, const ui::Control& c, std::string& out) {
  switch (c.kind) {
    case ui::ControlKind::label:
      out += "<span" + common(c) + classes("label", c) + ">" + escapeHtml(c.caption) + "</span>";
      break;
    case ui::ControlKind::button: {
      std::string a = common(c) + classes("button", c) + attr("data-ev", "click");
      if (char k = accessKey(c.caption)) a += attr("accesskey", std::string(1, k));
      if (!c.menu.empty()) {
        out += "<span class=\"menu-host\"><button type=\"button\"" + a + " data-menu=\"1\">" + captionHtml(c.caption) +
               "</button><ul class=\"menu\" hidden>";
        std::function<void(const std::vector<ui::MenuEntry>&)> entries = [&](const std::vector<ui::MenuEntry>& list) {
          for (const auto& e : list) {
            if (e.children.empty()) {
              out += "<li><button type=\"button\"" + attr("id", e.name) + attr("data-ev", "click") + ">" +
                     captionHtml(e.caption) + "</button></li>";
            } else {
              out += "<li class=\"submenu\"><span>" + captionHtml(e.caption) + "</span><ul>";
              entries(e.children);
              out += "</ul></li>";
            }
          }
        };
        entries(c.menu);
        out += "</ul></span>";
      } else {
        out += "<button type=\"button\"" + a + ">" + captionHtml(c.caption) + "</button>";
      }
      break;
    }
    case ui::ControlKind::textBox:
    case ui::ControlKind::dateBox: {
      std::string a = common(c) + classes("field", c) + attr("name", c.name);
      if (c.locked) a += " readonly";
      if (c.maxLength > 0) a += attr("maxlength", std::to_string(c.maxLength + 1));
      if (c.kind == ui::ControlKind::dateBox) a += attr("data-mask", c.mask.empty() ? std::string(kEmptyDateMask) : c.mask);
      if (c.validateData || !c.include.empty() || !c.exclude.empty() || c.minLength) {
        a += attr("data-vtxt-class", std::to_string(c.validateData)) + attr("data-min-length", std::to_string(c.minLength)) +
             attr("data-max-length", std::to_string(c.maxLength > 0 ? c.maxLength : 50)) + attr("data-include", c.include) +
             attr("data-exclude", c.exclude);
      }
      std::string box = c.multiline ? "<textarea" + a + ">" + escapeHtml(c.text) + "</textarea>"
                                    : "<input" + std::string(c.secret ? " type=\"password\"" : " type=\"text\"") + a +
                                          attr("value", c.text) + " autocomplete=\"off\">";
      out += withCaption(c, box);
      break;
    }
    case ui::ControlKind::comboBox: {
      std::string box = "<select" + common(c) + classes("field", c) + attr("name", c.name) + ">";
      if (c.listIndex < 0) box += "<option value=\"\" selected></option>";
      for (size_t i = 0; i < c.items.size(); ++i)
        box += "<option" + attr("value", c.items[i]) + (static_cast<int>(i) == c.listIndex ? " selected" : "") + ">" +
               escapeHtml(c.items[i]) + "</option>";
      box += "</select>";
      out += withCaption(c, box);
      break;
    }
    case ui::ControlKind::checkBox:
    case ui::ControlKind::option: {
      const char* type = c.kind == ui::ControlKind::checkBox ? "checkbox" : "radio";
      out += "<label class=\"check\"" + std::string(c.visible ? "" : " hidden") + "><input type=\"" + type + "\"" +
             common(c) + attr("name", c.kind == ui::ControlKind::option ? "opt_" + c.parent : c.name) +
             (c.value ? " checked" : "") + "> " + captionHtml(c.caption) + "</label>";
      break;
    }
    case ui::ControlKind::frame:
      out += "<fieldset" + common(c) + classes("frame", c) + ">";
      if (!c.caption.empty()) out += "<legend>" + captionHtml(c.caption) + "</legend>";
      renderChildren(form, c.name, out);
      out += "</fieldset>";
      break;
    case ui::ControlKind::grid:
      renderGrid(c, out);
      break;
    case ui::ControlKind::menu:
      break;
  }
}

}  // namespace

std::string renderGridRows(const ui::Control& c, int first, int count) {
  const ui::Grid& g = *c.grid;
  std::string out;
  const int end = std::min(g.visibleCount(), first + count);
  for (int i = std::max(0, first); i < end; ++i) {
    const int r = g.visibleRow(i);
    out += "<tr" + attr("data-row", std::to_string(r)) + (r == g.selectedRow ? " class=\"selected\"" : "") + ">";
    for (int col = 0; col < g.cols(); ++col) {
      if (g.hidden[static_cast<size_t>(col)]) continue;
      std::string cls;
      if (col < g.frozenCols) cls += "frozen ";
      if (g.rightAligned[static_cast<size_t>(col)]) cls += "num ";
      const std::string& text = g.textMatrix(r, col);
      out += "<td" + (cls.empty() ? std::string() : attr("class", cls)) + attr("data-col", std::to_string(col));
      if (g.editable)
        out += "><input class=\"cell\"" + attr("value", text) + attr("data-row", std::to_string(r)) +
               attr("data-col", std::to_string(col)) + attr("aria-label", g.titles[static_cast<size_t>(col)]) + "></td>";
      else
        out += ">" + escapeHtml(text) + "</td>";
    }
    out += "</tr>";
  }
  return out;
}

const char* eventName(ui::EventType t) {
  switch (t) {
    case ui::EventType::click: return "click";
    case ui::EventType::dblClick: return "dblclick";
    case ui::EventType::change: return "change";
    case ui::EventType::keyPress: return "keypress";
    case ui::EventType::keyDown: return "keydown";
    case ui::EventType::gotFocus: return "gotfocus";
    case ui::EventType::lostFocus: return "lostfocus";
    case ui::EventType::rowColChange: return "rowcolchange";
    case ui::EventType::cellEdited: return "celledited";
  }
  return "";
}

std::string renderForm(ui::Form& form) {
  std::string handled;
  for (const auto& [control, type] : form.handled()) handled += control + ":" + eventName(type) + " ";
  std::string out = "<form class=\"screen\"" + attr("id", "form_" + form.name()) + attr("data-form", form.name()) +
                    attr("data-focus", form.focus) + attr("data-handles", handled) + ">";
  // The focus a handler asked for is given once; later renders keep the user's.
  form.focus.clear();
  out += "<h1 class=\"caption\">" + escapeHtml(form.caption) + "</h1>";
  renderChildren(form, "", out);
  out += "</form>";
  return out;
}

}  // namespace meridian::web

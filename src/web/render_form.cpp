#include "web/render_form.h"

#include <algorithm>
#include <functional>

#include "common/dates.h"
#include "ui/grid_view.h"
#include "web/amount_display.h"
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

std::string pieceMark(const std::string& id) { return attr("data-c", id); }

// A read-only figure: shown grouped and right-aligned.
bool isShownAmount(const ui::Control& c) { return c.locked && c.validateData == 4; }

// Every one-line box of a screen is a validating box (class 0 is free text,
// upper-cased as typed); a password box and a date box with its mask are not.
bool isValidatingBox(const ui::Control& c) {
  return c.kind == ui::ControlKind::textBox && !c.secret && !c.multiline;
}

// The piece mark of a field: on the box itself, or on the wrapper that holds
// its caption (see withCaption).
std::string boxMark(const ui::Control& c) { return c.caption.empty() ? pieceMark(c.name) : ""; }

// A field with its caption above it, kept together (and hidden together); the
// wrapper is then the outermost element of the piece.
std::string withCaption(const ui::Control& c, const std::string& box) {
  if (c.caption.empty()) return box;
  return std::string("<span class=\"fieldwrap\"") + pieceMark(c.name) + (c.visible ? "" : " hidden") +
         "><label class=\"caption\"" + attr("for", c.name) + ">" + captionHtml(c.caption) + "</label>" + box + "</span>";
}

std::string renderButton(const ui::Control& c) {
  std::string a = common(c) + classes("button", c) + attr("data-ev", "click");
  if (char k = accessKey(c.caption)) a += attr("accesskey", std::string(1, k));
  if (c.menu.empty()) return "<button type=\"button\"" + pieceMark(c.name) + a + ">" + captionHtml(c.caption) + "</button>";
  std::string out = "<span class=\"menu-host\"" + pieceMark(c.name) + "><button type=\"button\"" + a + " data-menu=\"1\">" +
                    captionHtml(c.caption) + "</button><ul class=\"menu\" hidden>";
  std::function<void(const std::vector<ui::MenuEntry>&)> entries = [&](const std::vector<ui::MenuEntry>& list) {
    for (const auto& e : list) {
      if (e.children.empty()) {
        out += "<li><button type=\"button\"" + attr("id", e.name) + attr("data-ev", "click") + ">" + captionHtml(e.caption) +
               "</button></li>";
      } else {
        out += "<li class=\"submenu\"><span>" + captionHtml(e.caption) + "</span><ul>";
        entries(e.children);
        out += "</ul></li>";
      }
    }
  };
  entries(c.menu);
  return out + "</ul></span>";
}

std::string renderTextBox(const ui::Control& c) {
  std::string a = boxMark(c) + common(c) + classes(isShownAmount(c) ? "field amount" : "field", c) + attr("name", c.name);
  if (c.locked) a += " readonly";
  if (c.maxLength > 0) a += attr("maxlength", std::to_string(c.maxLength + 1));
  if (c.kind == ui::ControlKind::dateBox) a += attr("data-mask", c.mask.empty() ? std::string(kEmptyDateMask) : c.mask);
  if (isValidatingBox(c))
    a += attr("data-vtxt-class", std::to_string(c.validateData)) + attr("data-min-length", std::to_string(c.minLength)) +
         attr("data-max-length", std::to_string(c.maxLength > 0 ? c.maxLength : 50)) + attr("data-include", c.include) +
         attr("data-exclude", c.exclude);
  const std::string shown = isShownAmount(c) ? amountForDisplay(c.text) : c.text;
  std::string box = c.multiline ? "<textarea" + a + ">" + escapeHtml(shown) + "</textarea>"
                                : "<input" + std::string(c.secret ? " type=\"password\"" : " type=\"text\"") + a +
                                      attr("value", shown) + " autocomplete=\"off\">";
  return withCaption(c, box);
}

std::string renderComboBox(const ui::Control& c) {
  std::string box = "<select" + boxMark(c) + common(c) + classes("field", c) + attr("name", c.name) + ">";
  // A stored value the list does not hold is shown as it is, so that the
  // page sends it back unchanged rather than as a blank.
  if (c.listIndex < 0) box += "<option" + attr("value", c.text) + " selected>" + escapeHtml(c.text) + "</option>";
  for (size_t i = 0; i < c.items.size(); ++i)
    box += "<option" + attr("value", c.items[i]) + (static_cast<int>(i) == c.listIndex ? " selected" : "") + ">" +
           escapeHtml(c.items[i]) + "</option>";
  box += "</select>";
  return withCaption(c, box);
}

std::string renderCheck(const ui::Control& c) {
  const char* type = c.kind == ui::ControlKind::checkBox ? "checkbox" : "radio";
  return "<label class=\"check\"" + pieceMark(c.name) + std::string(c.visible ? "" : " hidden") + "><input type=\"" + type +
         "\"" + common(c) + attr("name", c.kind == ui::ControlKind::option ? "opt_" + c.parent : c.name) +
         (c.value ? " checked" : "") + "> " + captionHtml(c.caption) + "</label>";
}

// A screen may set titles before (or without) the per-column lists; a column
// a list does not reach takes the default: shown, automatic width, left-aligned.
template <typename T>
T columnValue(const std::vector<T>& list, int col, T fallback) {
  return col >= 0 && static_cast<size_t>(col) < list.size() ? list[static_cast<size_t>(col)] : fallback;
}
bool columnHidden(const ui::Grid& g, int col) { return columnValue<bool>(g.hidden, col, false); }
int columnWidth(const ui::Grid& g, int col) { return columnValue<int>(g.widths, col, 0); }
bool columnRightAligned(const ui::Grid& g, int col) { return columnValue<bool>(g.rightAligned, col, false); }
std::string columnSearch(const ui::Grid& g, int col) { return columnValue<std::string>(g.search, col, ""); }

std::string gridHead(const ui::Control& c) {
  const ui::Grid& g = *c.grid;
  std::string out = "<thead><tr>";
  for (int col = 0; col < g.cols(); ++col) {
    if (columnHidden(g, col)) continue;
    std::string cls = col < g.frozenCols ? "frozen" : "";
    // A width the screen gives a column is the least it takes, in characters,
    // as one of the stylesheet's steps (the page allows no inline styles).
    if (const int w = columnWidth(g, col); w > 0) {
      int step = 4;
      for (int s : {4, 6, 8, 11, 13, 16, 20, 28, 34}) {
        step = s;
        if (s >= w) break;
      }
      cls += (cls.empty() ? "w" : " w") + std::to_string(step);
    }
    std::string a = cls.empty() ? "" : attr("class", cls);
    if (g.sortable && col == g.sortCol) a += attr("data-sort", g.sortDescending ? "desc" : "asc");
    out += "<th" + a + attr("data-col", std::to_string(col)) + ">" + escapeHtml(g.titles[static_cast<size_t>(col)]) + "</th>";
  }
  out += "</tr>";
  if (g.searchBoxes) {
    out += "<tr class=\"search\">";
    for (int col = 0; col < g.cols(); ++col) {
      if (columnHidden(g, col)) continue;
      out += "<th><input class=\"grid-search\"" + attr("id", "TxtS" + std::to_string(col)) +
             attr("data-col", std::to_string(col)) + attr("value", columnSearch(g, col)) +
             attr("aria-label", "Search " + g.titles[static_cast<size_t>(col)]) + " autocomplete=\"off\"></th>";
    }
    out += "</tr>";
  }
  return out + "</thead>";
}

std::string gridOpen(const ui::Control& c) {
  const ui::Grid& g = *c.grid;
  return "<div" + pieceMark(c.name) + common(c) + classes("grid", c) + attr("data-grid", c.name) +
         attr("data-editable", g.editable ? "1" : "0") + attr("data-sortable", g.sortable ? "1" : "0") +
         " tabindex=\"0\"><table>" + gridHead(c);
}

std::string rowCells(const ui::Grid& g, int r) {
  std::string out;
  for (int col = 0; col < g.cols(); ++col) {
    if (columnHidden(g, col)) continue;
    const bool fixed = col < g.frozenCols;
    const bool number = columnRightAligned(g, col);
    std::string cls;
    if (fixed) cls += "frozen ";
    if (number) cls += "num ";
    if (r == g.selectedRow && col == g.selectedCol) cls += "current ";
    if (!cls.empty()) cls.pop_back();
    const std::string& text = g.textMatrix(r, col);
    out += "<td" + (cls.empty() ? std::string() : attr("class", cls)) + attr("data-col", std::to_string(col));
    // The fixed columns of an editable grid are its row titles: never typed into.
    if (g.editable && !fixed)
      out += "><input class=\"cell\"" + attr("value", text) + attr("data-row", std::to_string(r)) +
             attr("data-col", std::to_string(col)) + attr("aria-label", g.titles[static_cast<size_t>(col)]) +
             " autocomplete=\"off\"></td>";
    else
      out += ">" + escapeHtml(number ? amountForDisplay(text) : text) + "</td>";
  }
  return out;
}

std::string spacer(const char* where, int rows) {
  return "<tr class=\"spacer\"" + attr("data-spacer", where) + attr("data-rows", std::to_string(rows)) + "></tr>";
}

// Builds the whole screen and, when asked, the pieces it is made of.
class Renderer {
 public:
  Renderer(ui::Form& form, const GridWindows& windows, std::vector<ScreenPiece>* pieces)
      : form_(form), windows_(windows), pieces_(pieces) {}

  std::string form() {
    std::string handled;
    for (const auto& [control, type] : form_.handled()) handled += control + ":" + eventName(type) + " ";
    const std::string open = "<form class=\"screen\"" + pieceMark("") + attr("id", "form_" + form_.name()) +
                             attr("data-form", form_.name()) + attr("data-handles", handled) + ">" +
                             "<h1 class=\"caption\">" + escapeHtml(form_.caption) + "</h1>";
    add("", ScreenPiece::Part::shell, open + "</form>");
    std::string out = open;
    children("", out);
    return out + "</form>";
  }

 private:
  void add(const std::string& id, ScreenPiece::Part part, std::string html) {
    if (pieces_) pieces_->push_back({id, part, std::move(html)});
  }

  void children(const std::string& parent, std::string& out) {
    for (ui::Control* child : form_.childrenOf(parent)) control(*child, out);
  }

  void control(const ui::Control& c, std::string& out) {
    switch (c.kind) {
      case ui::ControlKind::frame: {
        std::string open = "<fieldset" + pieceMark(c.name) + common(c) + classes("frame", c) + ">";
        if (!c.caption.empty()) open += "<legend>" + captionHtml(c.caption) + "</legend>";
        add(c.name, ScreenPiece::Part::shell, open + "</fieldset>");
        out += open;
        children(c.name, out);
        out += "</fieldset>";
        return;
      }
      case ui::ControlKind::grid: {
        const std::string open = gridOpen(c);
        const std::string close = "</table></div>";
        add(c.name, ScreenPiece::Part::shell, open + "<tbody" + pieceMark(c.name + "/rows") + "></tbody>" + close);
        auto w = windows_.find(c.name);
        std::string body = renderGridBody(c, w == windows_.end() ? RowWindow{} : w->second);
        out += open + body + close;
        add(c.name + "/rows", ScreenPiece::Part::rows, std::move(body));
        return;
      }
      case ui::ControlKind::menu:
        return;
      default:
        break;
    }
    std::string html = leaf(c);
    out += html;
    add(c.name, ScreenPiece::Part::whole, std::move(html));
  }

  static std::string leaf(const ui::Control& c) {
    switch (c.kind) {
      case ui::ControlKind::label:
        return "<span" + pieceMark(c.name) + common(c) + classes("label", c) + ">" + escapeHtml(c.caption) + "</span>";
      case ui::ControlKind::button: return renderButton(c);
      case ui::ControlKind::textBox:
      case ui::ControlKind::dateBox: return renderTextBox(c);
      case ui::ControlKind::comboBox: return renderComboBox(c);
      case ui::ControlKind::checkBox:
      case ui::ControlKind::option: return renderCheck(c);
      default: return "";
    }
  }

  ui::Form& form_;
  const GridWindows& windows_;
  std::vector<ScreenPiece>* pieces_;
};

}  // namespace

RowWindow clampWindow(const ui::Grid& g, RowWindow w) {
  const int total = g.visibleCount();
  w.count = std::clamp(w.count, 1, kGridWindowLimit);
  w.first = std::clamp(w.first, 0, std::max(0, total - 1));
  return w;
}

std::string renderGridBody(const ui::Control& c, RowWindow window) {
  const ui::Grid& g = *c.grid;
  const RowWindow w = clampWindow(g, window);
  const int total = g.visibleCount();
  const int end = std::min(total, w.first + w.count);
  std::string out = "<tbody" + pieceMark(c.name + "/rows") + attr("data-first", std::to_string(w.first)) +
                    attr("data-total", std::to_string(total)) +
                    attr("data-selected", std::to_string(ui::visibleIndexOf(g, g.selectedRow))) + ">";
  if (w.first > 0) out += spacer("top", w.first);
  for (int i = w.first; i < end; ++i) {
    const int r = g.visibleRow(i);
    out += "<tr" + attr("data-row", std::to_string(r)) + attr("data-i", std::to_string(i)) +
           (r == g.selectedRow ? " class=\"selected\"" : "") + ">" + rowCells(g, r) + "</tr>";
  }
  if (end < total) out += spacer("bottom", total - end);
  return out + "</tbody>";
}

std::string renderForm(ui::Form& form, const GridWindows& windows) { return Renderer(form, windows, nullptr).form(); }

RenderedScreen renderScreen(ui::Form& form, const GridWindows& windows) {
  RenderedScreen r;
  r.html = Renderer(form, windows, &r.pieces).form();
  return r;
}

const char* partName(ScreenPiece::Part part) {
  switch (part) {
    case ScreenPiece::Part::whole: return "whole";
    case ScreenPiece::Part::shell: return "shell";
    case ScreenPiece::Part::rows: return "rows";
  }
  return "whole";
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

}  // namespace meridian::web

#pragma once
// Renders a screen as HTML: every control with its name as the element id,
// in the order and frames the screen gives them. The screen also comes as
// pieces, one per control, so that the page can be told only what changed:
// each piece's outermost element carries data-c with the piece's id.
#include <map>
#include <string>
#include <vector>

#include "ui/form.h"

namespace meridian::web {

// Rows of a grid sent with the page at a time; others come as the user scrolls.
constexpr int kGridWindow = 100;
// The most rows one request may ask for.
constexpr int kGridWindowLimit = 1000;

// The rows of a grid the page holds: positions among the rows shown.
struct RowWindow {
  int first = 0;
  int count = kGridWindow;
  bool operator==(const RowWindow&) const = default;
};
using GridWindows = std::map<std::string, RowWindow>;

struct ScreenPiece {
  // whole: the control and all it holds. shell: a frame, grid or the form
  // itself without the pieces inside it (children, a grid's rows). rows: a
  // grid's rows (the table body).
  enum class Part { whole, shell, rows };
  std::string id;  // control name; "<grid>/rows" for rows; "" for the form
  Part part = Part::whole;
  std::string html;
};

struct RenderedScreen {
  std::string html;                 // the whole screen
  std::vector<ScreenPiece> pieces;  // the same, piece by piece in document order
};

// The whole screen; windows name the rows each grid sends (default: the first).
std::string renderForm(ui::Form& form, const GridWindows& windows = {});
RenderedScreen renderScreen(ui::Form& form, const GridWindows& windows = {});
// A grid's rows piece for a window (clamped to the rows shown).
std::string renderGridBody(const ui::Control& grid, RowWindow window);
// The window clamped to the rows a grid shows.
RowWindow clampWindow(const ui::Grid& g, RowWindow window);
const char* partName(ScreenPiece::Part part);
// The name the page uses for an event type ("click", "rowcolchange" ...).
const char* eventName(ui::EventType t);

}  // namespace meridian::web

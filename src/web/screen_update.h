#pragma once
// What a browser tab is told after an event: only the pieces of the screen
// that changed since it was last told, so that what the user is typing, the
// caret, the selection of a box and the scroll of a list stay as they are.
// A different screen, or one whose controls changed, comes whole.
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "web/render_form.h"

namespace meridian::web {

// What the page of one tab holds, as far as the server knows.
struct PageView {
  std::string form;                        // the screen on the page; "" = none (the menu)
  size_t structure = 0;                    // which pieces the screen is made of
  std::map<std::string, size_t> pieces;    // piece id -> what it was last sent as
  std::map<std::string, int> selected;     // grid -> position of its selected row when last sent
  GridWindows windows;                     // the rows of each grid the page holds
  bool shown = false;                      // false until the page has been sent anything
};

struct ScreenUpdate {
  std::string form;                  // the screen now on top ("" = none)
  std::optional<std::string> whole;  // the whole screen, when the page must replace or rebuild it
  std::vector<ScreenPiece> changed;  // otherwise the pieces that changed
  std::vector<std::string> reveal;   // grids whose selected row moved: the page scrolls it into view
};

// Works out what the page needs to show `form` (nullptr: no screen) and
// records it as sent. A grid whose selected row moved outside the rows the
// page holds gets a window around that row. wholeScreen: send everything
// (a page that was just loaded).
ScreenUpdate updateFor(ui::Form* form, PageView& view, bool wholeScreen);

// The answer of a finished event: the screen update, the caption, the focus
// the screen asked for, the status line, reports to preview (their ids as
// the page asks for them: reportPrefix + id) and the host's menu.
nlohmann::json screenAnswer(ui::Desktop& desk, PageView& view, bool wholeScreen, const std::string& reportPrefix);

}  // namespace meridian::web

#pragma once
// Carries a browser event into a screen: the page's current values go into
// the controls, then the screen's handler runs. Moves of a grid's selection
// and sorting by a column title are carried out on the grid itself, so the
// selected row is always the screen's own state.
#include <nlohmann/json.hpp>
#include <optional>

#include "ui/form.h"
#include "ui/grid_view.h"
#include "web/render_form.h"

namespace meridian::web {



struct PageEvent {
  ui::Event event;
  std::optional<ui::GridMove> move;  // a key that moves a grid's selection
  int pageRows = 1;                  // rows of one page of that grid, for PgUp/PgDn
  bool sort = false;                 // a click on the title of column event.col
};

// Copies the values the page sent (control name -> text, or true/false for
// check boxes) into the form's controls. A date box gets its date as
// dd/mm/yyyy, or the mask when left empty. Returns the pieces of the screen
// (see render_form.h) whose boxes the user changed: the page shows them
// otherwise than they were last sent.
std::vector<std::string> applyValues(ui::Form& form, const nlohmann::json& values);
// The pieces an event itself changed on the page before it went (a grid
// cell typed into).
std::vector<std::string> piecesTypedInto(const PageEvent& e);
// The rows of each grid the page holds ({"grid": {"first": n, "count": m}}).
void readGridWindows(const nlohmann::json& grids, GridWindows& windows);
// Builds the event from the page's description of it; nullopt when malformed.
std::optional<PageEvent> eventFromJson(const nlohmann::json& body);
// Runs the event on the form.
void deliver(ui::Form& form, PageEvent& e);

}  // namespace meridian::web

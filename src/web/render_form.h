#pragma once
// Renders a screen as HTML: every control with its name as the element id,
// in the order and frames the screen gives them.
#include <string>

#include "ui/form.h"

namespace meridian::web {

// Rows of a grid sent with the page; more come as the user scrolls.
constexpr int kGridWindow = 200;

std::string renderForm(ui::Form& form);
// Rows [first, first + count) of what the grid shows, as table rows.
std::string renderGridRows(const ui::Control& grid, int first, int count);

}  // namespace meridian::web

#pragma once
// The controls of a screen, kept by the names the screens give them. The web
// layer renders each with its name as the element id and sends the user's
// edits back into them before an event runs.
#include <memory>
#include <string>
#include <vector>

namespace meridian::ui {

enum class ControlKind { label, textBox, button, comboBox, checkBox, option, frame, grid, dateBox, menu };

class Grid;

// Rows a grid shows from a table held elsewhere, read-only: a list shared by
// many screens lends each of them its rows without a copy.
class RowSource {
 public:
  virtual ~RowSource() = default;
  virtual int rowCount() const = 0;
  // The text of a cell whose row and column are in range.
  virtual const std::string& cell(int row, int col) const = 0;
  virtual int columnCount() const = 0;
};

struct MenuEntry {
  std::string name;     // control name raised as a click when chosen
  std::string caption;  // "&" marks the access key
  std::vector<MenuEntry> children;
};

struct Control {
  std::string name;
  ControlKind kind = ControlKind::label;
  std::string parent;  // frame holding the control ("" = the form)
  std::string caption;
  std::string text;
  int value = 0;  // check box and option button: 0 or 1
  std::vector<std::string> items;
  int listIndex = -1;
  bool visible = true;
  bool enabled = true;
  bool locked = false;
  bool multiline = false;
  bool secret = false;
  std::string tooltip;
  std::string cssClass;  // layout hint for the page ("wide", "row" ...)
  // Validating text box: input class, lengths, characters always let in or kept out.
  int validateData = 0;
  int maxLength = 0;
  int minLength = 0;
  std::string include, exclude;
  std::string mask;  // masked date box: "__/__/____"
  std::vector<MenuEntry> menu;  // pop-up menu of a button
  std::shared_ptr<Grid> grid;

  // Combo box helpers.
  void clear() { items.clear(); listIndex = -1; text.clear(); }
  void addItem(std::string item) { items.push_back(std::move(item)); }
  // Selects the entry equal to t (or clears the choice when none is).
  void selectText(const std::string& t);
  void selectIndex(int i);
};

// A flexible grid: fixed title row, data rows, per-column titles, widths,
// visibility and alignment, a selected row, and optional search boxes above
// the columns. Rows may be held elsewhere (a large client list, `source`):
// the grid then reads them in place and cannot be typed into; the page asks
// for a window of them as the user scrolls.
class Grid {
 public:
  std::vector<std::string> titles;
  std::vector<bool> hidden;
  std::vector<int> widths;          // characters; 0 = automatic
  std::vector<bool> rightAligned;
  std::vector<std::vector<std::string>> rows;
  std::shared_ptr<const RowSource> source;  // when set, the rows shown instead of `rows`
  int frozenCols = 0;
  int selectedRow = -1;             // index into rows, -1 = none
  int selectedCol = -1;             // column of the selected cell, -1 = whole row
  bool editable = false;            // cells may be typed into
  bool searchBoxes = false;         // one search box above each column
  bool sortable = false;            // a click on a column title sorts the rows shown
  int sortCol = -1;                 // column the shown rows are sorted by, -1 = as loaded
  bool sortDescending = false;
  std::vector<std::string> search;  // text of the search boxes
  bool changed = false;
  // Rows shown, in the order shown (indices into rows), when a search or a
  // sort chose them; every row in its own order when not filtered.
  bool filtered = false;
  std::vector<int> view;

  int visibleCount() const { return filtered ? static_cast<int>(view.size()) : rowCount(); }
  int visibleRow(int i) const { return filtered ? view[static_cast<size_t>(i)] : i; }
  int cols() const { return static_cast<int>(titles.size()); }
  int rowCount() const { return source ? source->rowCount() : static_cast<int>(rows.size()); }
  void setColumns(std::vector<std::string> t);
  const std::string& textMatrix(int row, int col) const;
  void setTextMatrix(int row, int col, std::string value);
  void clearRows() {
    rows.clear();
    source.reset();
    view.clear();
    filtered = false;
    selectedRow = selectedCol = -1;
  }
};

}  // namespace meridian::ui

#pragma once
// The client list control ClGrd: TempClTbl less the module's excluded codes,
// one search box above each column, the record count, the column layout of
// the user's settings, and the chosen-client event (double-click or Enter).
// The rows are the program's shared list, seen through this screen's own
// view (row numbers only); a search keystroke compares cells in place.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/value.h"
#include "host/base.h"
#include "host/client_list_view.h"
#include "host/client_selection.h"
#include "ui/form.h"

namespace meridian::reg {

class ClientGrid {
 public:
  // Adds the list's controls to the form, inside the frame `parent`.
  ClientGrid(ui::Form& form, host::Base& base, const std::string& parent = "");

  void LoadClList(const std::string& moduleCode, const std::string& filter = "", const db::Params& filterParams = {});
  void SearchClient();
  void SelectLastClient();
  const std::string& TextMatrix(int row, int col) const;
  int selectedRow() const;
  void selectRow(int row);
  ui::Grid& grid() { return *gridControl_->grid; }
  int visibleCount() const { return gridControl_->grid->visibleCount(); }

  // Raised when the user double-clicks a row or presses Enter on it.
  std::function<void()> onChosen;

 private:
  void updateCount();
  // This screen's view of the list: the module's exclusions, the user's
  // selection and the filter.
  std::shared_ptr<const host::ClientListView> viewOf(std::shared_ptr<const host::ClientList> list);
  void show(std::shared_ptr<const host::ClientListView> view);
  // The line above the list naming this user's selection and its count.
  void showSelection();
  // A search typed after the list changed (in any session, or outside this
  // program) searches the new list; the selected client stays selected.
  void followSharedList();
  // Every position of the view in the grid's sort order; nullptr when unsorted.
  const std::vector<int>* sortedOrder();
  // True when the last search's rows hold every row `filter` shows, in the
  // order the grid asks for now (sorted or not): a text typed further
  // searches only them.
  bool narrowsLastSearch(const host::RowFilter& filter, bool sorted) const;

  ui::Form& form_;
  host::Base& base_;
  ui::Control* gridControl_;
  std::string moduleCode_, filter_;
  host::ClientSelection selection_;  // this user's, read at each load
  db::Params filterParams_;
  std::shared_ptr<const host::ClientListView> view_;
  // The sorted order of the whole view, kept until the view or the sort changes.
  struct SortedOrder {
    std::shared_ptr<const host::ClientListView> view;
    int col = -1;
    bool descending = false;
    std::vector<int> positions;
  } sorted_;
  // The last search with boxes filled in and the positions it showed (kept
  // apart from the grid's rows, which a click on a title may re-order).
  struct LastSearch {
    std::shared_ptr<const host::ClientListView> view;
    std::optional<host::RowFilter> filter;
    int sortCol = -1;
    bool descending = false;
    std::vector<int> shown;
  } last_;
};

}  // namespace meridian::reg

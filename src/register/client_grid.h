#pragma once
// The client list control ClGrd: TempClTbl less the module's excluded codes,
// one search box above each column, the record count, the column layout of
// the user's settings, and the chosen-client event (double-click or Enter).
#include <functional>
#include <string>

#include "db/value.h"
#include "host/base.h"
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
  ui::Form& form_;
  host::Base& base_;
  ui::Control* gridControl_;
  std::string moduleCode_, filter_;
  db::Params filterParams_;
};

}  // namespace meridian::reg

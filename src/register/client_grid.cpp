#include "register/client_grid.h"

#include <spdlog/spdlog.h>

#include "db/connection.h"
#include "host/client_list.h"
#include "ui/grid_view.h"

namespace meridian::reg {

ClientGrid::ClientGrid(ui::Form& form, host::Base& base, const std::string& parent) : form_(form), base_(base) {
  form.add(ui::ControlKind::button, "cmdClListSetup", "Client List Setup", parent);
  form.add(ui::ControlKind::button, "cmdClListSel", "Client List Selection", parent).visible = false;
  gridControl_ = &form.addGrid("ClGrd", parent);
  gridControl_->cssClass = "client-list";
  gridControl_->grid->searchBoxes = true;
  gridControl_->grid->sortable = true;
  form.add(ui::ControlKind::label, "lblRecCount", "No. of Records : 0", parent);

  form.on("ClGrd", ui::EventType::dblClick, [this](ui::Event& e) {
    if (e.row >= 0) selectRow(e.row);
    if (onChosen) onChosen();
  });
  form.on("ClGrd", ui::EventType::keyDown, [this](ui::Event& e) {
    if (e.row >= 0) selectRow(e.row);
    if (e.key == ui::keys::enter && onChosen) onChosen();
  });
  form.on("TxtS", ui::EventType::change, [this](ui::Event&) { SearchClient(); });
  form.on("cmdClListSetup", ui::EventType::click, [this](ui::Event&) {
    if (base_.ShowClListSetup()) LoadClList(moduleCode_, filter_, filterParams_);
  });
  form.on("cmdClListSel", ui::EventType::click, [this](ui::Event&) {
    if (base_.ShowClListSelection(moduleCode_)) LoadClList(moduleCode_, filter_, filterParams_);
  });
}

void ClientGrid::LoadClList(const std::string& moduleCode, const std::string& filter, const db::Params& filterParams) {
  filter_ = filter;
  filterParams_ = filterParams;
  moduleCode_ = moduleCode;
  // The selection label belongs to a module; "?" keeps it as it was.
  if (moduleCode != "?") form_["cmdClListSel"].visible = !moduleCode.empty();

  const auto excluded = host::readExclusions(base_.DocPath.get(), moduleCode);
  const host::ListQuery q = host::listQuery(excluded, filter, filterParams);
  db::RecordSet rs = base_.DbObj().query(q.sql, q.params);

  ui::Grid& g = grid();
  // Columns past the ones with a known title show their field name.
  std::vector<std::string> titles = host::defaultColumnTitles();
  const auto& fields = rs.columns().names();
  if (!fields.empty()) {
    titles.resize(fields.size());
    for (size_t i = host::defaultColumnTitles().size(); i < fields.size(); ++i) titles[i] = fields[i];
  }
  std::vector<std::string> keep = g.search;
  g.setColumns(titles);
  if (keep.size() == g.search.size()) g.search = keep;
  g.clearRows();
  g.rows.reserve(rs.size());
  for (const auto& row : rs) {
    std::vector<std::string> cells(row.size());
    for (size_t i = 0; i < row.size(); ++i) cells[i] = row.text(i);
    g.rows.push_back(std::move(cells));
  }
  const std::vector<bool> hidden = host::hiddenColumns(base_.GetSettingINI("Settings", "ClList", host::kDefaultLayout), titles.size());
  g.hidden = hidden;
  const std::string frozen = base_.GetSettingINI("Settings", "ClFrozen", "0");
  g.frozenCols = std::clamp(std::atoi(frozen.c_str()), 0, static_cast<int>(titles.size()));
  SearchClient();
}

void ClientGrid::SearchClient() {
  ui::Grid& g = grid();
  bool any = false;
  for (const auto& s : g.search) any = any || !s.empty();
  g.view.clear();
  g.filtered = any;
  if (any) g.view = host::matchingRows(g.rows, g.titles, g.search);
  ui::applySort(g);
  // The selection follows the first row still shown when its row went away.
  if (g.visibleCount() == 0) g.selectedRow = -1;
  else if (g.selectedRow < 0 || (any && std::find(g.view.begin(), g.view.end(), g.selectedRow) == g.view.end()))
    g.selectedRow = g.visibleRow(0);
  updateCount();
}

void ClientGrid::updateCount() {
  form_["lblRecCount"].caption = "No. of Records : " + std::to_string(grid().visibleCount());
}

void ClientGrid::SelectLastClient() {
  const std::string& last = base_.vLstSelClCode.get();
  ui::Grid& g = grid();
  for (int r = 0; r < g.rowCount(); ++r)
    if (g.textMatrix(r, 0) == last) {
      g.selectedRow = r;
      return;
    }
}

const std::string& ClientGrid::TextMatrix(int row, int col) const { return gridControl_->grid->textMatrix(row, col); }
int ClientGrid::selectedRow() const { return gridControl_->grid->selectedRow; }
void ClientGrid::selectRow(int row) {
  if (row >= 0 && row < grid().rowCount()) grid().selectedRow = row;
}

}  // namespace meridian::reg

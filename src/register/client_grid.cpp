#include "register/client_grid.h"

#include <spdlog/spdlog.h>

#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "db/connection.h"
#include "host/client_list.h"
#include "host/client_selection.h"
#include "host/shared_client_list.h"
#include "ui/grid_view.h"

namespace meridian::reg {

ClientGrid::ClientGrid(ui::Form& form, host::Base& base, const std::string& parent) : form_(form), base_(base) {
  form.add(ui::ControlKind::button, "cmdClListSetup", "Client List Setup", parent);
  form.add(ui::ControlKind::button, "cmdClListSel", "Client List Selection", parent).visible = false;
  // Says plainly that this user's list is narrowed, and by what.
  form.add(ui::ControlKind::label, "lblClSelection", "", parent).visible = false;
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
  form.on("TxtS", ui::EventType::change, [this](ui::Event&) {
    followSharedList();
    SearchClient();
  });
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

  // "?" reads no selection, as it reads no exclusion file.
  selection_ = host::selectionOf(base_, moduleCode);
  auto view = viewOf(base_.sharedClientList().current(base_.DbObj()));
  ui::Grid& g = grid();
  // Columns past the ones with a known title show their field name.
  std::vector<std::string> titles = host::defaultColumnTitles();
  const auto& fields = view->list()->fields();
  if (!fields.empty()) {
    titles.resize(fields.size());
    for (size_t i = host::defaultColumnTitles().size(); i < fields.size(); ++i) titles[i] = fields[i];
  }
  std::vector<std::string> keep = g.search;
  g.setColumns(titles);
  if (keep.size() == g.search.size()) g.search = keep;
  g.clearRows();
  show(std::move(view));
  const std::vector<bool> hidden = host::hiddenColumns(base_.GetSettingINI("Settings", "ClList", host::kDefaultLayout), titles.size());
  g.hidden = hidden;
  const std::string frozen = base_.GetSettingINI("Settings", "ClFrozen", "0");
  g.frozenCols = std::clamp(std::atoi(frozen.c_str()), 0, static_cast<int>(titles.size()));
  SearchClient();
}

std::shared_ptr<const host::ClientListView> ClientGrid::viewOf(std::shared_ptr<const host::ClientList> list) {
  const auto excluded = host::readExclusions(base_.DocPath.get(), moduleCode_);
  std::optional<std::vector<std::string>> only = host::selectedCodes(base_.DbObj(), selection_);
  if (!filter_.empty()) {
    // The filter is SQL the program wrote; the codes it lets through are read
    // from the table, the rows themselves come from the shared list.
    std::vector<std::string> passing;
    for (const auto& r : base_.DbObj().query("SELECT codeno FROM tempcltbl WHERE " + filter_, filterParams_))
      passing.push_back(r.text(0));
    if (only) {
      const std::unordered_set<std::string> selected(only->begin(), only->end());
      std::erase_if(passing, [&](const std::string& code) { return !selected.count(code); });
    }
    only = std::move(passing);
  }
  return std::make_shared<const host::ClientListView>(std::move(list), excluded, only);
}

void ClientGrid::showSelection() {
  ui::Control& line = form_["lblClSelection"];
  line.visible = selection_.active() && view_;
  if (!line.visible) return;
  const int n = view_->rowCount();
  line.caption = "Client List Selection : " + selection_.describe() + " (" + std::to_string(n) + (n == 1 ? " client" : " clients") +
                 " listed; \"List all clients\" shows every client)";
}

void ClientGrid::show(std::shared_ptr<const host::ClientListView> view) {
  view_ = std::move(view);
  grid().source = view_;
  showSelection();
}

void ClientGrid::followSharedList() {
  if (!view_) return;
  // One small read of the change count: a client saved by another session,
  // another server or the command line shows up at the next keystroke.
  auto latest = base_.sharedClientList().current(base_.DbObj());
  if (latest == view_->list()) return;
  ui::Grid& g = grid();
  const std::string selected = g.selectedRow >= 0 ? g.textMatrix(g.selectedRow, 0) : "";
  show(viewOf(std::move(latest)));
  g.filtered = false;
  g.view.clear();
  g.selectedRow = selected.empty() ? -1 : view_->find(selected);
}

const std::vector<int>* ClientGrid::sortedOrder() {
  const ui::Grid& g = grid();
  if (!view_ || g.sortCol < 0 || g.sortCol >= g.cols()) return nullptr;
  if (sorted_.view != view_ || sorted_.col != g.sortCol || sorted_.descending != g.sortDescending) {
    std::vector<int> every(static_cast<size_t>(view_->rowCount()));
    std::iota(every.begin(), every.end(), 0);
    sorted_ = {view_, g.sortCol, g.sortDescending, ui::sortedRows(g, std::move(every), g.sortCol, g.sortDescending)};
  }
  return &sorted_.positions;
}

bool ClientGrid::narrowsLastSearch(const host::RowFilter& filter, bool sorted) const {
  const ui::Grid& g = *gridControl_->grid;
  const int sortCol = sorted ? g.sortCol : -1;
  return last_.filter && last_.view == view_ && last_.sortCol == sortCol &&
         (sortCol < 0 || last_.descending == g.sortDescending) && filter.narrows(*last_.filter);
}

void ClientGrid::SearchClient() {
  ui::Grid& g = grid();
  const host::RowFilter filter(g.titles, g.search);
  const std::vector<int>* order = sortedOrder();
  if (!view_ || (!filter.active() && !order)) {
    g.view.clear();
    g.filtered = false;
    last_ = {};
  } else if (!filter.active()) {
    g.view = *order;
    g.filtered = true;
    last_ = {};
  } else {
    if (narrowsLastSearch(filter, order != nullptr)) {
      view_->narrow(filter, last_.shown);
    } else {
      static const std::vector<int> listOrder;
      view_->matching(filter, order ? *order : listOrder, last_.shown);
    }
    last_.view = view_;
    last_.filter = filter;
    last_.sortCol = order ? g.sortCol : -1;
    last_.descending = g.sortDescending;
    g.view = last_.shown;
    g.filtered = true;
  }
  // The selection follows the first row still shown when its row went away.
  if (g.visibleCount() == 0) g.selectedRow = -1;
  else if (g.selectedRow < 0 || ui::visibleIndexOf(g, g.selectedRow) < 0) g.selectedRow = g.visibleRow(0);
  updateCount();
}

void ClientGrid::updateCount() {
  form_["lblRecCount"].caption = "No. of Records : " + std::to_string(grid().visibleCount());
}

void ClientGrid::SelectLastClient() {
  const std::string& last = base_.vLstSelClCode.get();
  if (!view_ || last.empty()) return;
  const int row = view_->find(last);
  if (row >= 0) grid().selectedRow = row;
}

const std::string& ClientGrid::TextMatrix(int row, int col) const { return gridControl_->grid->textMatrix(row, col); }
int ClientGrid::selectedRow() const { return gridControl_->grid->selectedRow; }
void ClientGrid::selectRow(int row) {
  if (row >= 0 && row < grid().rowCount()) grid().selectedRow = row;
}

}  // namespace meridian::reg

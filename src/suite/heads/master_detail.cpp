#include "suite/heads/master_detail.h"

#include <map>

namespace meridian::suite::heads {
namespace {

// Shows rows without touching whether the grid holds unsaved changes: moving
// between master rows changes nothing.
void showKeepingChanged(RowGrid& g, const MasterDetail::Rows& rows) {
  const bool changed = g.changed;
  g.showTexts(rows);
  g.changed = changed;
}

}  // namespace

void MasterDetail::addDetail(RowGrid& grid, YearTable table, std::string parentColumn) {
  details_.push_back({&grid, std::move(table), std::move(parentColumn), {}});
}

bool MasterDetail::isDetail(const RowGrid& g) const {
  for (const auto& d : details_)
    if (d.grid == &g) return true;
  return false;
}

void MasterDetail::read(db::Connection& conn, const std::string& code, int year) {
  const db::RecordSet masters = readRows(conn, masterTable_, code, year);
  master_.show(masters);
  std::vector<long long> serials;
  for (const auto& r : masters) serials.push_back(r.integer(masterTable_.serialColumn));
  for (auto& d : details_) {
    std::map<long long, Rows> byParent;
    for (const auto& r : readRows(conn, d.table, code, year)) {
      std::vector<std::string> line;
      for (const auto& c : d.grid->columns()) line.push_back(shownValue(c.type, r, c.column));
      byParent[r.integer(d.parentColumn)].push_back(std::move(line));
    }
    d.sets.clear();
    for (long long s : serials) d.sets.push_back(byParent[s]);
    d.grid->showTexts({});
  }
  shownFor_ = -1;
  if (master_.rowCount() > 0) {
    master_.select(0);
    showFor(0);
  }
}

void MasterDetail::stash() {
  if (shownFor_ < 0) return;
  for (auto& d : details_)
    if (shownFor_ < static_cast<int>(d.sets.size())) d.sets[static_cast<size_t>(shownFor_)] = d.grid->texts();
}

void MasterDetail::showFor(int row) {
  stash();
  shownFor_ = row;
  for (auto& d : details_) {
    d.sets.resize(static_cast<size_t>(master_.rowCount()));
    if (row >= 0 && row < static_cast<int>(d.sets.size())) showKeepingChanged(*d.grid, d.sets[static_cast<size_t>(row)]);
    else showKeepingChanged(*d.grid, {});
  }
}

void MasterDetail::masterSelected(int row) {
  if (row == shownFor_) return;
  showFor(row < master_.rowCount() ? row : -1);
}

void MasterDetail::masterInserted(int at) {
  stash();
  for (auto& d : details_) d.sets.insert(d.sets.begin() + std::min<long>(at, static_cast<long>(d.sets.size())), Rows{});
  if (shownFor_ >= at) ++shownFor_;
  showFor(master_.selectedRow());
}

void MasterDetail::masterDeleted(int at) {
  // The rows shown belonged to the deleted row when it was the one shown.
  if (shownFor_ != at) stash();
  for (auto& d : details_)
    if (at < static_cast<int>(d.sets.size())) d.sets.erase(d.sets.begin() + at);
  if (shownFor_ == at) shownFor_ = -1;
  else if (shownFor_ > at) --shownFor_;
  showFor(master_.selectedRow());
}

const MasterDetail::Rows& MasterDetail::detailRows(const Detail& d, int masterRow) {
  stash();
  return d.sets.at(static_cast<size_t>(masterRow));
}

bool MasterDetail::filled(int masterRow) {
  if (!master_.blank(masterRow)) return true;
  for (const auto& d : details_)
    for (const auto& r : detailRows(d, masterRow))
      if (!d.grid->blank(r)) return true;
  return false;
}

std::optional<MasterDetail::Fault> MasterDetail::firstFault() {
  stash();
  for (int m = 0; m < master_.rowCount(); ++m)
    for (auto& d : details_) {
      const Rows& rows = d.sets.at(static_cast<size_t>(m));
      for (size_t r = 0; r < rows.size(); ++r)
        if (!d.grid->blank(rows[r]))
          if (auto f = d.grid->faultOf(rows[r], static_cast<int>(r))) return Fault{m, d.grid, *f};
    }
  return std::nullopt;
}

void MasterDetail::write(db::Connection& conn, const std::string& code, int year) {
  stash();
  std::vector<db::Pairs> masters;
  std::vector<int> kept;
  for (int m = 0; m < master_.rowCount(); ++m)
    if (filled(m)) {
      masters.push_back(master_.pairsOf(m));
      kept.push_back(m);
    }
  replaceRows(conn, masterTable_, code, year, masters);
  for (auto& d : details_) {
    db::deleteWhere(conn, d.table.table, rowsOf(d.table, code, year));
    for (size_t k = 0; k < kept.size(); ++k) {
      std::vector<db::Pairs> rows;
      for (const auto& r : d.sets.at(static_cast<size_t>(kept[k])))
        if (!d.grid->blank(r)) rows.push_back(d.grid->pairsOf(r));
      insertRows(conn, d.table, code, year, rows, {{d.parentColumn, static_cast<long long>(k + 1)}});
    }
  }
}

}  // namespace meridian::suite::heads

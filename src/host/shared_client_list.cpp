#include "host/shared_client_list.h"

#include "host/client_list_changes.h"

namespace meridian::host {

std::shared_ptr<const ClientList> ClientList::read(db::Connection& conn) {
  auto list = std::make_shared<ClientList>();
  db::RecordSet rows;
  {
    // The count and the rows as of one moment: a save between the two reads
    // would otherwise pair new rows with an old count, or the other way round.
    auto reading = conn.beginReading();
    list->changeCount_ = clientListChangeCount(conn);
    rows = conn.query("SELECT * FROM tempcltbl");
    reading.commit();
  }
  list->fields_ = rows.columns().names();
  list->size_ = rows.size();
  list->columns_.resize(list->fields_.size());
  list->folding_ = std::make_unique<std::once_flag[]>(list->fields_.size());
  list->folded_.resize(list->fields_.size());
  for (auto& column : list->columns_) column.reserve(rows.size());
  // The cells move from the rows the driver gave into the columns: each
  // cell's text is copied once (out of the driver), not a second time here.
  // The record set is this function's own and goes away at its end, so its
  // values may be taken (they are not const objects, only seen through a
  // const view).
  for (const auto& row : rows) {
    auto& cells = const_cast<std::vector<std::optional<std::string>>&>(row.values());
    for (size_t c = 0; c < list->columns_.size(); ++c)
      list->columns_[c].push_back(cells[c] ? std::move(*cells[c]) : std::string());
  }
  if (!list->columns_.empty()) {
    list->rowOfCode_.reserve(list->size_);
    const auto& codes = list->columns_[0];
    for (size_t r = 0; r < codes.size(); ++r) list->rowOfCode_.emplace(codes[r], static_cast<uint32_t>(r));
  }
  return list;
}

std::optional<uint32_t> ClientList::rowOf(std::string_view code) const {
  auto it = rowOfCode_.find(code);
  if (it == rowOfCode_.end()) return std::nullopt;
  return it->second;
}

const FoldedColumn& ClientList::folded(size_t col) const {
  std::call_once(folding_[col], [&] { folded_[col] = std::make_unique<const FoldedColumn>(columns_[col]); });
  return *folded_[col];
}

std::shared_ptr<const ClientList> SharedClientList::latest() const {
  std::lock_guard lock(mutex_);
  return list_;
}

std::shared_ptr<const ClientList> SharedClientList::current(db::Connection& conn) {
  auto held = latest();
  if (held && held->changeCount() == clientListChangeCount(conn)) return held;
  std::lock_guard reading(readMutex_);
  // Another session may have read the new list while this one waited.
  held = latest();
  if (held && held->changeCount() == clientListChangeCount(conn)) return held;
  auto fresh = ClientList::read(conn);
  std::lock_guard lock(mutex_);
  list_ = fresh;
  return fresh;
}

}  // namespace meridian::host

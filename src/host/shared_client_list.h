#pragma once
// The client list (every row of tempcltbl) held once by the running program
// and shared, read-only, by every session and every tab. A list never
// changes once read: when a client is saved or deleted the program reads a
// new list and puts it in place of the old one in one step; a screen still
// showing the old list keeps it until it moves to the new one.
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db/connection.h"
#include "host/folded_column.h"

namespace meridian::host {

class ClientList {
 public:
  // Reads the list and the change count it belongs to, both as of one moment.
  static std::shared_ptr<const ClientList> read(db::Connection& conn);

  // The database's change count when the list was read.
  long long changeCount() const { return changeCount_; }
  // The table's field names, in the order of its columns.
  const std::vector<std::string>& fields() const { return fields_; }
  size_t size() const { return size_; }
  // The cells of one column, one per row (column 0: the client code).
  const std::vector<std::string>& column(size_t col) const { return columns_[col]; }
  const std::string& cell(size_t row, size_t col) const { return columns_[col][row]; }
  // The row of a client code.
  std::optional<uint32_t> rowOf(std::string_view code) const;
  // A column as the search reads it; packed the first time a search needs
  // it (by any session), then shared like the rest of the list.
  const FoldedColumn& folded(size_t col) const;

 private:
  long long changeCount_ = 0;
  std::vector<std::string> fields_;
  size_t size_ = 0;
  // Column by column: a search walks one column's cells in order.
  std::vector<std::vector<std::string>> columns_;
  std::unordered_map<std::string_view, uint32_t> rowOfCode_;  // views into column 0
  mutable std::unique_ptr<std::once_flag[]> folding_;
  mutable std::vector<std::unique_ptr<const FoldedColumn>> folded_;
};

class SharedClientList {
 public:
  // The list as the database holds it now: the change count is looked up
  // (one small read) and the list read again only when it moved.
  std::shared_ptr<const ClientList> current(db::Connection& conn);
  // The list last read, without asking the database (nullptr before any read).
  std::shared_ptr<const ClientList> latest() const;

 private:
  mutable std::mutex mutex_;  // guards list_
  std::mutex readMutex_;      // one reading at a time: sessions that find the list stale wait for one read
  std::shared_ptr<const ClientList> list_;
};

}  // namespace meridian::host

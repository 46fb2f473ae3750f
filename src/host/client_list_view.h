#pragma once
// What one screen's client list shows of the shared list: the clients left
// after the module's exclusion file and the list's selection, as row numbers
// of the shared list. A view holds the list it was made from and indices,
// never a copy of a cell, so fifty sessions cost fifty index arrays.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/client_search.h"
#include "host/shared_client_list.h"
#include "ui/control.h"

namespace meridian::host {

class ClientListView final : public ui::RowSource {
 public:
  // The rows of `list` whose codes are not excluded and, when `only` is
  // given, are among those codes; in the list's order.
  ClientListView(std::shared_ptr<const ClientList> list, const std::vector<std::string>& excluded,
                 const std::optional<std::vector<std::string>>& only = std::nullopt);

  const std::shared_ptr<const ClientList>& list() const { return list_; }
  int rowCount() const override { return static_cast<int>(rows_.size()); }
  int columnCount() const override { return static_cast<int>(list_->fields().size()); }
  const std::string& cell(int row, int col) const override {
    return list_->cell(rows_[static_cast<size_t>(row)], static_cast<size_t>(col));
  }
  // The position in this view of the client with the code; -1 when not shown.
  int find(const std::string& code) const;
  // Into `out` (its old content dropped, its room kept): the positions that
  // pass the filter, in the order of `order` (positions of this view; every
  // position in turn when empty).
  void matching(const RowFilter& filter, const std::vector<int>& order, std::vector<int>& out) const;
  // Keeps of `positions` (positions of this view) those that pass the filter,
  // in their order.
  void narrow(const RowFilter& filter, std::vector<int>& positions) const;

 private:
  std::shared_ptr<const ClientList> list_;
  std::vector<uint32_t> rows_;  // rising
};

}  // namespace meridian::host

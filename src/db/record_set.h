#pragma once
// Rows read from the database, every value as text (NULL kept apart), with
// columns found by name regardless of case: the tables are read by column
// name the way the screens name them (Code_No, code_no ...).
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/money.h"

namespace meridian::db {

class Columns {
 public:
  explicit Columns(std::vector<std::string> names);
  const std::vector<std::string>& names() const { return names_; }
  std::optional<size_t> find(std::string_view name) const;
  size_t index(std::string_view name) const;  // throws when absent
  size_t size() const { return names_.size(); }

 private:
  std::vector<std::string> names_;
  std::vector<std::string> lower_;
};

class Row {
 public:
  Row(std::shared_ptr<const Columns> cols, std::vector<std::optional<std::string>> values)
      : cols_(std::move(cols)), values_(std::move(values)) {}

  size_t size() const { return values_.size(); }
  const Columns& columns() const { return *cols_; }
  bool isNull(size_t i) const { return !values_.at(i).has_value(); }
  bool isNull(std::string_view name) const { return isNull(cols_->index(name)); }
  // Text of a value; NULL reads as empty text.
  const std::string& text(size_t i) const;
  const std::string& text(std::string_view name) const { return text(cols_->index(name)); }
  bool has(std::string_view name) const { return cols_->find(name).has_value(); }
  long long integer(std::string_view name, long long fallback = 0) const;
  double number(std::string_view name, double fallback = 0) const;
  // An amount column (rupees, with or without paise); nothing for NULL or text that is no amount.
  std::optional<Money> money(std::string_view name) const;
  const std::vector<std::optional<std::string>>& values() const { return values_; }

 private:
  std::shared_ptr<const Columns> cols_;
  std::vector<std::optional<std::string>> values_;
};

class RecordSet {
 public:
  RecordSet() : cols_(std::make_shared<Columns>(std::vector<std::string>{})) {}
  RecordSet(std::shared_ptr<const Columns> cols, std::vector<Row> rows)
      : cols_(std::move(cols)), rows_(std::move(rows)) {}

  const Columns& columns() const { return *cols_; }
  size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  const Row& operator[](size_t i) const { return rows_.at(i); }
  const Row& front() const { return rows_.at(0); }
  auto begin() const { return rows_.begin(); }
  auto end() const { return rows_.end(); }

 private:
  std::shared_ptr<const Columns> cols_;
  std::vector<Row> rows_;
};

}  // namespace meridian::db

#pragma once
// The cost inflation index of s.48 by financial year, as the Central
// Government notified it, read from data/cost_inflation_index.csv. The table
// is checked whole when it is read: a gap, a repeat, an index that does not
// rise or a line without its notification is refused, with every fault named.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/money.h"

namespace meridian::suite::heads {

struct InvalidIndexTable : std::runtime_error {
  explicit InvalidIndexTable(std::vector<std::string> f);
  std::vector<std::string> faults;
};

class CostInflationIndex {
 public:
  struct Entry {
    int year = 0;  // the financial year's first calendar year: 2016 for 2016-17
    int index = 0;
    std::string source;
  };

  // Reads a table in the shipped file's form; throws InvalidIndexTable.
  static CostInflationIndex fromCsv(std::string_view text);
  // The shipped table, read and checked once.
  static const CostInflationIndex& shipped();

  int firstYear() const { return entries_.front().year; }
  int lastYear() const { return entries_.back().year; }
  // The index of a financial year; nothing for a year the table lacks.
  std::optional<int> of(int financialYear) const;
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

// The financial year (by its first calendar year) a date falls in.
int financialYearOf(const CivilDate& d);

// A cost held from one financial year, indexed to another: cost times the
// later index over the earlier, to the nearest rupee. A year before the
// table's first counts as its first (s.55(2)(b): the value on 1 April 1981
// stands for an older cost). Nothing when the year of transfer has no index.
std::optional<Money> indexedCost(const CostInflationIndex& cii, Money cost, int heldFromYear, int transferYear);

}  // namespace meridian::suite::heads

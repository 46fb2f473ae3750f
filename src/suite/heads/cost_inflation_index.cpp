#include "suite/heads/cost_inflation_index.h"

#include <charconv>
#include <sstream>

#include "common/embedded_files.h"
#include "common/text.h"

namespace meridian::suite::heads {
namespace {

constexpr std::string_view kShippedFile = "data/cost_inflation_index.csv";
constexpr std::string_view kHeader = "financial_year,index,source";
constexpr int kBaseIndex = 100;  // the base year's index: 1981-82 = 100

std::string joinFaults(const std::vector<std::string>& faults) {
  std::string out = "the cost inflation index table is unsound:";
  for (const auto& f : faults) out += "\n  " + f;
  return out;
}

// "2016-17": the first year, a dash, the last two digits of the next.
std::optional<int> financialYear(std::string_view t) {
  int first = 0, next = 0;
  if (t.size() != 7 || t[4] != '-') return std::nullopt;
  if (std::from_chars(t.data(), t.data() + 4, first).ptr != t.data() + 4) return std::nullopt;
  if (std::from_chars(t.data() + 5, t.data() + 7, next).ptr != t.data() + 7) return std::nullopt;
  if (next != (first + 1) % 100) return std::nullopt;
  return first;
}

std::optional<int> wholeNumber(std::string_view t) {
  int n = 0;
  if (t.empty() || std::from_chars(t.data(), t.data() + t.size(), n).ptr != t.data() + t.size()) return std::nullopt;
  return n;
}

}  // namespace

InvalidIndexTable::InvalidIndexTable(std::vector<std::string> f)
    : std::runtime_error(joinFaults(f)), faults(std::move(f)) {}

CostInflationIndex CostInflationIndex::fromCsv(std::string_view text) {
  CostInflationIndex table;
  std::vector<std::string> faults;
  int lineNo = 0;
  bool headerSeen = false;
  std::istringstream lines{std::string(text)};
  for (std::string raw; std::getline(lines, raw);) {
    ++lineNo;
    const std::string line = trimmed(raw, kWhitespace);
    if (line.empty()) continue;
    const std::string where = "line " + std::to_string(lineNo) + ": ";
    if (!headerSeen) {
      headerSeen = true;
      if (line != kHeader) faults.push_back(where + "the first line must be \"" + std::string(kHeader) + "\"");
      continue;
    }
    const size_t c1 = line.find(','), c2 = c1 == std::string::npos ? c1 : line.find(',', c1 + 1);
    if (c2 == std::string::npos) {
      faults.push_back(where + "needs a financial year, an index and a source");
      continue;
    }
    const auto year = financialYear(trimmed(line.substr(0, c1), kWhitespace));
    const auto index = wholeNumber(trimmed(line.substr(c1 + 1, c2 - c1 - 1), kWhitespace));
    const std::string source = trimmed(line.substr(c2 + 1), kWhitespace);
    if (!year) faults.push_back(where + "\"" + line.substr(0, c1) + "\" is not a financial year such as 2016-17");
    if (!index || *index <= 0) faults.push_back(where + "the index must be a whole number above nil");
    if (source.empty()) faults.push_back(where + "names no notification as its source");
    if (!year || !index) continue;
    if (!table.entries_.empty()) {
      const Entry& before = table.entries_.back();
      if (*year != before.year + 1)
        faults.push_back(where + "follows " + std::to_string(before.year) + " with " + std::to_string(*year) +
                         ": the years must run one after another");
      if (*index <= before.index)
        faults.push_back(where + "the index " + std::to_string(*index) + " does not rise above " +
                         std::to_string(before.index));
    } else if (*index != kBaseIndex) {
      faults.push_back(where + "the base year's index must be " + std::to_string(kBaseIndex));
    }
    table.entries_.push_back({*year, *index, source});
  }
  if (table.entries_.empty()) faults.push_back("the table holds no year");
  if (!faults.empty()) throw InvalidIndexTable(std::move(faults));
  return table;
}

const CostInflationIndex& CostInflationIndex::shipped() {
  static const CostInflationIndex table = [] {
    const auto bytes = embedded::find(kShippedFile);
    if (!bytes) throw InvalidIndexTable({std::string(kShippedFile) + " is not shipped"});
    return fromCsv(*bytes);
  }();
  return table;
}

std::optional<int> CostInflationIndex::of(int financialYear) const {
  if (entries_.empty() || financialYear < firstYear() || financialYear > lastYear()) return std::nullopt;
  return entries_[static_cast<size_t>(financialYear - firstYear())].index;
}

int financialYearOf(const CivilDate& d) {
  const int y = static_cast<int>(d.year());
  return static_cast<unsigned>(d.month()) >= 4 ? y : y - 1;
}

std::optional<Money> indexedCost(const CostInflationIndex& cii, Money cost, int heldFromYear, int transferYear) {
  const auto to = cii.of(transferYear);
  const auto from = cii.of(std::max(heldFromYear, cii.firstYear()));
  if (!to || !from) return std::nullopt;
  // In paise, rounded half up to the paisa, then to the rupee as amounts are.
  const std::int64_t scaled = cost.inPaise() * *to;
  const std::int64_t paise = (scaled + (scaled >= 0 ? *from / 2 : -*from / 2)) / *from;
  return Money::paise(paise).roundedToRupee();
}

}  // namespace meridian::suite::heads

#include "suite/assets/depreciation_blocks.h"

#include <algorithm>
#include <stdexcept>

#include "suite/shipped_table.h"

namespace meridian::suite::assets {

const DepreciationBlocks& DepreciationBlocks::shipped() {
  static const DepreciationBlocks table = fromCsv(shippedText("data/depreciation_blocks.csv"));
  return table;
}

DepreciationBlocks DepreciationBlocks::fromCsv(std::string_view csv) {
  const std::string list = "data/depreciation_blocks.csv";
  DepreciationBlocks t;
  int lineNo = 1;
  for (const auto& r : shippedRows(csv, {"block", "rate", "from_year", "to_year", "source"}, list)) {
    ++lineNo;
    const std::string where = list + " line " + std::to_string(lineNo) + ": ";
    Line l{r[0], 0, yearField(r[2], where), yearField(r[3], where)};
    try {
      size_t used = 0;
      l.rate = std::stoi(r[1], &used);
      if (used != r[1].size()) throw std::invalid_argument("rate");
    } catch (const std::exception&) {
      throw std::runtime_error(where + "\"" + r[1] + "\" is not a whole per cent");
    }
    if (l.block.empty() || l.block == kOtherBlock) throw std::runtime_error(where + "a block must be named, not \"" + l.block + "\"");
    if (l.rate < 1 || l.rate > 100) throw std::runtime_error(where + "a rate lies between 1 and 100 per cent");
    if (l.to < l.from) throw std::runtime_error(where + "the last year comes before the first");
    if (r[4].empty()) throw std::runtime_error(where + "every rate cites the rule it comes from");
    for (const auto& o : t.lines_)
      if (o.block == l.block && o.rate == l.rate && o.from <= l.to && l.from <= o.to)
        throw std::runtime_error(where + l.block + " at " + r[1] + "% is given twice for the same years");
    t.lines_.push_back(l);
  }
  return t;
}

std::vector<BlockRates> DepreciationBlocks::of(int year) const {
  std::vector<BlockRates> out;
  for (const auto& l : lines_) {
    if (year < l.from || year > l.to) continue;
    auto it = std::find_if(out.begin(), out.end(), [&](const BlockRates& b) { return b.block == l.block; });
    if (it == out.end()) it = out.insert(out.end(), {l.block, {}});
    it->rates.insert(std::upper_bound(it->rates.begin(), it->rates.end(), l.rate), l.rate);
  }
  return out;
}

bool DepreciationBlocks::allowed(const std::string& block, int ratePercent, int year) const {
  return std::any_of(lines_.begin(), lines_.end(), [&](const Line& l) {
    return l.block == block && l.rate == ratePercent && year >= l.from && year <= l.to;
  });
}

std::vector<std::string> DepreciationBlocks::names() const {
  std::vector<std::string> out;
  for (const auto& l : lines_)
    if (std::find(out.begin(), out.end(), l.block) == out.end()) out.push_back(l.block);
  return out;
}

std::size_t DepreciationBlocks::orderOf(const std::string& block, int year) const {
  const auto blocks = of(year);
  std::size_t i = 0;
  for (; i < blocks.size(); ++i)
    if (blocks[i].block == block) break;
  return i;
}

}  // namespace meridian::suite::assets

#pragma once
// The blocks of assets and their rates of depreciation u/s 32(1)(ii) by
// assessment year, as the Income-tax Rules give them in Appendix I
// (data/depreciation_blocks.csv). The fixed-asset chart offers these blocks
// and computes at these rates; the check before a return names an item in
// any other block or at any other rate.
#include <string>
#include <string_view>
#include <vector>

namespace meridian::suite::assets {

// The chart's block for an asset the Rules give no block for.
inline const std::string kOtherBlock = "Other";
// The block of machinery and plant, the only one that takes additional
// depreciation u/s 32(1)(iia).
inline const std::string kPlantBlock = "Machinary and plant";

struct BlockRates {
  std::string block;
  std::vector<int> rates;  // whole per cent, rising
};

class DepreciationBlocks {
 public:
  static const DepreciationBlocks& shipped();
  // Throws std::runtime_error naming the line of a bad or repeated entry.
  static DepreciationBlocks fromCsv(std::string_view csv);

  // The year's blocks in the order of the Appendix, each with its rates;
  // empty for a year the table does not reach.
  std::vector<BlockRates> of(int year) const;
  bool allowed(const std::string& block, int ratePercent, int year) const;
  // Every block the table names, in its order, for the chart's list.
  std::vector<std::string> names() const;
  // The position of a block in the year's list (for ordering), or the
  // list's size for a block it does not hold.
  std::size_t orderOf(const std::string& block, int year) const;

 private:
  struct Line {
    std::string block;
    int rate = 0, from = 0, to = 0;
  };
  std::vector<Line> lines_;
};

}  // namespace meridian::suite::assets

#pragma once
// Depreciation of a block of assets u/s 32(1)(ii): the written-down value
// (s.43(6)) at the start of the previous year, the additions (those put to
// use for less than 180 days in the year take half the rate, second proviso
// to s.32(1)), less the moneys payable on assets sold, discarded or
// destroyed. Sales come off the value at the full rate first, then off the
// additions at half the rate. Where the sales exceed the written-down value
// and the additions, the block's value is nil, no depreciation is allowed,
// and the excess is a short-term capital gain u/s 50(1); where every asset
// of the block was transferred for less, the block ceases and the shortfall
// is a short-term capital loss (s.50(2)). New machinery or plant of a
// manufacturer takes additional depreciation besides (s.32(1)(iia)).
#include <string>
#include <string_view>
#include <vector>

#include "common/money.h"
#include "suite/assets/depreciation_blocks.h"

namespace meridian::suite::assets {

// One line of the chart as the practitioner enters it.
struct ChartItem {
  std::string particulars;
  std::string block;
  int ratePercent = 0;
  Money openingWdv;
  Money additionsFull;  // put to use for 180 days or more in the year
  Money additionsHalf;  // put to use for less than 180 days
  Money sales;
  bool newPlant = false;               // the additions are new machinery or plant of a manufacturer, s.32(1)(iia)
  Money additionalBroughtForward;      // half of last year's additional depreciation withheld, allowed now
  bool blockCeases = false;            // every asset of the block was transferred in the year (s.50(2))
};

// The year's additional depreciation u/s 32(1)(iia)
// (data/additional_depreciation.csv).
struct AdditionalDepreciationRule {
  int percent = 0;               // of new machinery or plant; half for one used less than 180 days
  bool balanceAllowed = false;   // last year's withheld half is allowed this year
  bool balanceCarried = false;   // this year's withheld half is allowed next year
};
AdditionalDepreciationRule additionalDepreciationRule(int year);
// Throws std::runtime_error naming the line of a bad or overlapping entry.
AdditionalDepreciationRule additionalDepreciationRule(std::string_view csv, int year);

// A block: the chart's items of one block and rate, taken together.
struct BlockDepreciation {
  std::string block;
  int ratePercent = 0;
  Money openingWdv, additionsFull, additionsHalf, sales;
  Money newPlantFull, newPlantHalf;  // the additions that are new machinery or plant of a manufacturer
  Money additionalBroughtForward;
  bool ceases = false;
  Money normal;         // u/s 32(1)(ii), rounded to the rupee
  Money additional;     // u/s 32(1)(iia) of the year, rounded to the rupee
  Money additionalBalanceAllowed;  // last year's withheld half, allowed this year
  Money additionalCarried;         // this year's withheld half, for next year
  Money depreciation;   // all of the year's depreciation of the block
  Money closingWdv;     // written-down value at the end of the year
  Money shortTermGain;  // u/s 50: sales beyond the value and additions; a loss negative where the block ceases
  int items = 0;

  Money additions() const { return additionsFull + additionsHalf; }
};

// The depreciation of one block from its totals.
BlockDepreciation depreciateBlock(BlockDepreciation totals, const AdditionalDepreciationRule& rule = {});

struct DepreciationChart {
  std::vector<BlockDepreciation> blocks;  // the Rules' blocks, in the Appendix's order, then by rate
  // Items in a block or at a rate the Rules do not give for the year: kept
  // on the chart but left out of every schedule.
  std::vector<ChartItem> outside;

  Money depreciation() const;
  Money shortTermGain() const;
};

// The items of a year's chart grouped into blocks and depreciated.
DepreciationChart depreciationChart(const std::vector<ChartItem>& items, int year,
                                    const DepreciationBlocks& rules = DepreciationBlocks::shipped());

}  // namespace meridian::suite::assets

#include "suite/assets/chart_carry_forward.h"

#include "db/rows.h"
#include "suite/assets/fixed_asset_chart.h"

namespace meridian::suite::assets {
namespace {

constexpr std::size_t kParticularsLength = 255;  // dep_itr_it.item

std::string namesOf(const std::vector<ChartItem>& items, const BlockDepreciation& b) {
  std::string names;
  for (const auto& i : items) {
    if (i.block != b.block || i.ratePercent != b.ratePercent || i.particulars.empty()) continue;
    if (names.find(i.particulars) != std::string::npos) continue;
    names += (names.empty() ? "" : ", ") + i.particulars;
  }
  if (names.size() > kParticularsLength) names = names.substr(0, kParticularsLength);
  return names.empty() ? b.block : names;
}

}  // namespace

std::vector<ChartItem> openingChart(const std::vector<ChartItem>& lastYearItems, int lastYear) {
  const DepreciationChart chart = depreciationChart(lastYearItems, lastYear);
  std::vector<ChartItem> opening;
  for (const auto& b : chart.blocks) {
    if (b.closingWdv.isZero() && b.additionalCarried.isZero()) continue;
    ChartItem line{namesOf(lastYearItems, b), b.block, b.ratePercent, b.closingWdv};
    line.additionalBroughtForward = b.additionalCarried;
    opening.push_back(line);
  }
  for (const auto& i : chart.outside) {
    const Money value = i.openingWdv + i.additionsFull + i.additionsHalf - i.sales;
    if (value <= Money()) continue;
    opening.push_back({i.particulars, i.block, i.ratePercent, value});
  }
  return opening;
}

bool chartCarriable(db::Connection& conn, const std::string& from, const std::string& to, int year) {
  const auto has = [&conn](const std::string& code, int y) {
    return conn.exists("SELECT 1 FROM dep_itr_it WHERE code_no = ? AND t_year = ?", {code, y});
  };
  return !has(to, year) && has(from, year - 1);
}

int carryChartForward(db::Connection& conn, const std::string& from, const std::string& to, int year) {
  if (!chartCarriable(conn, from, to, year)) return 0;
  int srno = 0;
  for (const ChartItem& i : openingChart(readChart(conn, from, year - 1), year - 1))
    db::insertRow(conn, kChartTable,
                  {{"code_no", to},
                   {"t_year", year},
                   {"srno", ++srno},
                   {"item", i.particulars},
                   {"block", i.block},
                   {"rate", i.ratePercent},
                   {"opening_wdv", i.openingWdv.text()},
                   {"add_full", "0"},
                   {"add_half", "0"},
                   {"sales", "0"},
                   {"new_pm", ""},
                   {"addl_bf", i.additionalBroughtForward.text()},
                   {"all_sold", ""}});
  return srno;
}

}  // namespace meridian::suite::assets

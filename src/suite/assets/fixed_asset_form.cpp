#include "suite/assets/fixed_asset_form.h"

#include "host/screen_registry.h"
#include "suite/assets/depreciation.h"
#include "suite/assets/fixed_asset_chart.h"

namespace meridian::suite::assets {
namespace {

using heads::CellType;

const heads::YearTable kChart{.table = kChartTable, .yearColumn = "t_year", .serialColumn = "srno"};

std::vector<heads::Choice> blockChoices() {
  std::vector<heads::Choice> list;
  for (const auto& name : DepreciationBlocks::shipped().names()) list.push_back({name, name});
  list.push_back({kOtherBlock, kOtherBlock});
  return list;
}

const std::vector<std::string>& blockTitles() {
  static const std::vector<std::string> titles{"Block",     "Rate %", "Opening W.D.V.", "Additions (180 days or more)",
                                               "Additions (less than 180 days)", "Sales", "Depreciation",
                                               "Closing W.D.V.", "Short-term Gain u/s 50",
                                               "of which Additional u/s 32(1)(iia)", "Additional Carried to Next Year"};
  return titles;
}

std::string shown(Money m) { return m.isZero() ? "" : m.grouped(); }

}  // namespace

FixedAssetForm::FixedAssetForm(host::Component& component)
    : HeadScreen(component, "ObjNewFATR", "Depreciation Chart (Income-tax)") {
  chart_ = &addRowGrid({chart, "Dep", "Fixed assets of the year (01/04 to 31/03)",
                        {{"Particulars", "item", CellType::text(255), true},
                         {"Block", "block", CellType::choice(blockChoices()), true},
                         {"Rate %", "rate", CellType::whole(1, 100), true},
                         {"Opening W.D.V.", "opening_wdv", CellType::money()},
                         {"Additions (180 days or more)", "add_full", CellType::money()},
                         {"Additions (less than 180 days)", "add_half", CellType::money()},
                         {"Sales", "sales", CellType::money()},
                         {"New P&M of a Manufacturer u/s 32(1)(iia)", "new_pm", CellType::flag()},
                         {"Additional Depreciation b/f (half withheld)", "addl_bf", CellType::money()},
                         {"Every Asset of the Block Sold", "all_sold", CellType::flag()}},
                        true});
  add(ui::ControlKind::frame, "famDepBlocks", "Depreciation u/s 32(1)(ii) by block");
  ui::Grid& g = *addGrid(blocks, "famDepBlocks").grid;
  g.setColumns(blockTitles());
  for (std::size_t c = 2; c < g.rightAligned.size(); ++c) g.rightAligned[c] = true;
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void FixedAssetForm::readYear(db::Connection& conn) { readGrid(conn, kChart, *chart_); }

bool FixedAssetForm::checkYear() {
  for (int r : chart_->filledRows()) {
    const auto at = [&](const char* column, const std::string& message) {
      chart_->select(r, chart_->columnIndex(column));
      return refuse(message, chart);
    };
    const bool plant = chart_->code(r, "block") == kPlantBlock;
    if (chart_->code(r, "new_pm") == "Y" && !plant)
      return at("new_pm", "Additional depreciation u/s 32(1)(iia) is for new machinery or plant only.");
    if (!chart_->amount(r, "addl_bf").isZero() && !plant)
      return at("addl_bf", "Additional depreciation u/s 32(1)(iia) is for new machinery or plant only.");
    if (chart_->code(r, "new_pm") == "Y" && chart_->amount(r, "add_full").isZero() &&
        chart_->amount(r, "add_half").isZero())
      return at("new_pm", "Additional depreciation u/s 32(1)(iia) is on the additions of the year: enter them.");
  }
  return true;
}

void FixedAssetForm::writeYear(db::Connection& conn) { writeGrid(conn, kChart, *chart_); }

void FixedAssetForm::refresh() {
  std::vector<ChartItem> items;
  for (int r : chart_->filledRows())
    items.push_back({chart_->cell(r, "item"), chart_->code(r, "block"), std::atoi(chart_->cell(r, "rate").c_str()),
                     chart_->amount(r, "opening_wdv"), chart_->amount(r, "add_full"), chart_->amount(r, "add_half"),
                     chart_->amount(r, "sales"), chart_->code(r, "new_pm") == "Y", chart_->amount(r, "addl_bf"),
                     chart_->code(r, "all_sold") == "Y"});
  const DepreciationChart c = depreciationChart(items, year());
  ui::Grid& g = grid(blocks);
  g.clearRows();
  for (const auto& b : c.blocks)
    g.rows.push_back({b.block, std::to_string(b.ratePercent), shown(b.openingWdv), shown(b.additionsFull),
                      shown(b.additionsHalf), shown(b.sales), shown(b.depreciation), shown(b.closingWdv),
                      shown(b.shortTermGain), shown(b.additional + b.additionalBalanceAllowed),
                      shown(b.additionalCarried)});
  for (const auto& i : c.outside)
    g.rows.push_back({i.block, std::to_string(i.ratePercent), shown(i.openingWdv), shown(i.additionsFull),
                      shown(i.additionsHalf), shown(i.sales), "Other Block or Rate", "", "", "", ""});
  std::string totals = "Depreciation : " + c.depreciation().grouped();
  if (!c.shortTermGain().isZero())
    totals += (c.shortTermGain().isNegative() ? "    Short-term Capital Loss u/s 50 : " + (-c.shortTermGain()).grouped()
                                              : "    Short-term Capital Gain u/s 50 : " + c.shortTermGain().grouped());
  if (!c.outside.empty())
    totals += "    Items with Other Block or Rate (in no schedule) : " + std::to_string(c.outside.size());
  (*this)["lblTotals"].caption = totals;
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjNewFATR", .make = [](host::Component& c) { return std::make_shared<FixedAssetForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::assets

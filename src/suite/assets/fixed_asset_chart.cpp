#include "suite/assets/fixed_asset_chart.h"

#include "db/migrations.h"

namespace meridian::suite::assets {

std::vector<ChartItem> readChart(db::Connection& conn, const std::string& dataSet, int year) {
  std::vector<ChartItem> items;
  for (const auto& r : conn.query("SELECT * FROM dep_itr_it WHERE code_no = ? AND t_year = ? ORDER BY srno",
                                  {dataSet, year}))
    items.push_back({r.text("item"), r.text("block"), static_cast<int>(r.integer("rate")),
                     r.money("opening_wdv").value_or(Money()), r.money("add_full").value_or(Money()),
                     r.money("add_half").value_or(Money()), r.money("sales").value_or(Money()),
                     r.text("new_pm") == "Y", r.money("addl_bf").value_or(Money()), r.text("all_sold") == "Y"});
  return items;
}

Money chartDepreciation(db::Connection& conn, const std::string& dataSet, int year) {
  return depreciationChart(readChart(conn, dataSet, year), year).depreciation();
}

namespace {

// Migrations 800-809 and 822: the fixed-asset chart.
std::vector<db::Migration> assetMigrations() {
  return {{800,
           "fixed-asset chart: items by block and rate with their written-down value, additions and sales",
           {"CREATE TABLE dep_itr_it (code_no VARCHAR(80) NOT NULL, t_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
            "item VARCHAR(255) DEFAULT '', block VARCHAR(40) DEFAULT '', rate INTEGER DEFAULT 0, "
            "opening_wdv DECIMAL(15,2) DEFAULT 0, add_full DECIMAL(15,2) DEFAULT 0, "
            "add_half DECIMAL(15,2) DEFAULT 0, sales DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, t_year, srno))"}},
          // new_pm: Y when the item's additions are new machinery or plant of
          // a manufacturer (s.32(1)(iia)); addl_bf: the half of last year's
          // additional depreciation withheld on it; all_sold: Y when every
          // asset of the item's block was transferred in the year (s.50(2)).
          {822,
           "fixed-asset chart: additional depreciation and blocks that cease",
           {"ALTER TABLE dep_itr_it ADD COLUMN new_pm VARCHAR(1) DEFAULT ''",
            "ALTER TABLE dep_itr_it ADD COLUMN addl_bf DECIMAL(15,2) DEFAULT 0",
            "ALTER TABLE dep_itr_it ADD COLUMN all_sold VARCHAR(1) DEFAULT ''"}}};
}

const db::MigrationRegistration registered{assetMigrations};

}  // namespace
}  // namespace meridian::suite::assets

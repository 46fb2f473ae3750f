#include "suite/assets/fixed_asset_chart.h"

#include "db/migrations.h"

namespace meridian::suite::assets {

std::vector<ChartItem> readChart(db::Connection& conn, const std::string& dataSet, int year) {
  std::vector<ChartItem> items;
  for (const auto& r : conn.query("SELECT * FROM dep_itr_it WHERE code_no = ? AND t_year = ? ORDER BY srno",
                                  {dataSet, year}))
    items.push_back({r.text("item"), r.text("block"), static_cast<int>(r.integer("rate")),
                     r.money("opening_wdv").value_or(Money()), r.money("add_full").value_or(Money()),
                     r.money("add_half").value_or(Money()), r.money("sales").value_or(Money())});
  return items;
}

namespace {

// Migrations 800-809: the fixed-asset chart.
std::vector<db::Migration> assetMigrations() {
  return {{800,
           "fixed-asset chart: items by block and rate with their written-down value, additions and sales",
           {"CREATE TABLE dep_itr_it (code_no VARCHAR(80) NOT NULL, t_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
            "item VARCHAR(255) DEFAULT '', block VARCHAR(40) DEFAULT '', rate INTEGER DEFAULT 0, "
            "opening_wdv DECIMAL(15,2) DEFAULT 0, add_full DECIMAL(15,2) DEFAULT 0, "
            "add_half DECIMAL(15,2) DEFAULT 0, sales DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, t_year, srno))"}}};
}

const db::MigrationRegistration registered{assetMigrations};

}  // namespace
}  // namespace meridian::suite::assets

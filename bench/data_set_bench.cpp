#include "data_set_bench.h"

#include <algorithm>
#include <cstdio>
#include <vector>
#include <filesystem>

#include "bench_timer.h"
#include "db/migrations.h"
#include "db/table_schema.h"
#include "suite/application.h"
#include "suite/dataset/data_set_engine.h"

namespace meridian::bench {
namespace {

using suite::dataset::DataSetLayout;
using suite::dataset::PresentTable;
using suite::dataset::YearTable;
using suite::dataset::YearType;

// The year tables no installed module has created yet, made in a typical
// head table's shape so that the copy spans the whole list.
void createMissingYearTables(db::Connection& conn) {
  for (const YearTable& t : suite::dataset::yearTableInventory()) {
    if (t.role != suite::dataset::TableRole::dataSet || conn.hasTable(t.name)) continue;
    std::string sql = "CREATE TABLE " + t.name + " (code_no VARCHAR(80) NOT NULL, " + t.yearColumn +
                      (t.yearType == YearType::text ? " VARCHAR(4)" : " INTEGER") + " NOT NULL, ";
    if (!t.filterColumn.empty()) sql += t.filterColumn + " VARCHAR(20) NOT NULL, ";
    sql += "srno INTEGER NOT NULL DEFAULT 0, particulars VARCHAR(100) DEFAULT '', amount1 BIGINT DEFAULT 0, "
           "amount2 BIGINT DEFAULT 0, amount3 BIGINT DEFAULT 0, amount4 BIGINT DEFAULT 0, amount5 BIGINT DEFAULT 0, "
           "amount6 BIGINT DEFAULT 0)";
    conn.execute(db::inDialect(conn.engine(), sql));
    conn.execute("CREATE INDEX " + t.name + "_year ON " + t.name + " (code_no, " + t.yearColumn + ")");
  }
}

std::string yearValue(const YearTable& t) { return t.yearType == YearType::text ? "'2016'" : "2016"; }

// Fills `rows` rows of the client's year into every table; a table keyed by
// client and year holds one.
void seed(db::Connection& conn, const DataSetLayout& layout, int rows) {
  auto tx = conn.begin();
  for (const PresentTable& p : layout.tables) {
    std::string columns, values;
    for (const auto& c : db::tableColumns(conn, p.table.name)) {
      if (c.autoNumbered) continue;
      std::string v;
      if (c.name == "code_no") v = "'C1'";
      else if (c.name == p.table.yearColumn) v = yearValue(p.table);
      else if (c.name == p.table.filterColumn) v = "'" + p.table.filterValues.front() + "'";
      else if (c.isText()) v = "'v' || i";
      else v = "i";
      columns += (columns.empty() ? "" : ", ") + c.name;
      values += (values.empty() ? "" : ", ") + v;
    }
    auto insert = [&](int n) {
      conn.execute("INSERT INTO " + p.table.name + " (" + columns + ") WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                   "SELECT i + 1 FROM n WHERE i < " + std::to_string(n) + ") SELECT " + values + " FROM n");
    };
    try {
      auto one = conn.begin();
      insert(rows);
      one.commit();
    } catch (const db::DbError&) {
      insert(1);
    }
  }
  tx.commit();
}

// The statements the copy comes down to, written out by hand.
void bareCopy(db::Connection& conn, const DataSetLayout& layout, const std::string& to) {
  auto tx = conn.begin();
  for (const PresentTable& p : layout.tables) {
    std::string columns, selected;
    for (const auto& c : p.copyColumns) {
      columns += (columns.empty() ? "" : ", ") + c;
      selected += (selected.empty() ? "" : ", ") + (c == "code_no" ? std::string("?") : c);
    }
    std::string sql = "INSERT INTO " + p.table.name + " (" + columns + ") SELECT " + selected + " FROM " + p.table.name +
                      " WHERE code_no = ? AND " + p.table.yearColumn + " = " + yearValue(p.table);
    db::Params params{to, "C1"};
    if (!p.table.filterColumn.empty()) {
      sql += " AND " + p.table.filterColumn + " IN (";
      for (size_t i = 0; i < p.table.filterValues.size(); ++i) {
        sql += i ? ", ?" : "?";
        params.emplace_back(p.table.filterValues[i]);
      }
      sql += ")";
    }
    conn.execute(sql, params);
  }
  tx.commit();
}

void measure(int rowsPerTable, int runs) {
  const auto dir = std::filesystem::temp_directory_path() / ("meridian_bench_dataset_" + std::to_string(rowsPerTable));
  std::filesystem::remove_all(dir);
  {
    suite::Application app({dir.string(), ""});
    db::Connection& conn = app.conn();
    conn.execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('C1', 'Bench Client', 'PRIVATE LTD.')");
    createMissingYearTables(conn);
    const auto layout = suite::dataset::checkLayout(conn);
    seed(conn, *layout, rowsPerTable);
    suite::dataset::DataSetEngine engine(conn, app.data().documents(), layout);

    // Each run writes a fresh code, engine and bare runs taking turns, so the
    // tables grow alike for both. On a shared machine a commit's flush to disk
    // varies more than the work compared, so the figure is the median of the
    // ratios of neighbouring runs; the best times are shown beside it.
    int next = 2;
    std::vector<double> ratios;
    double engineBest = 1e300, bareBest = 1e300;
    long long copied = 0;
    for (int r = 0; r < runs; ++r) {
      const std::string a = "C1^R-" + std::to_string(next++), b = "C1^R-" + std::to_string(next++);
      const double e = bestOfMilliseconds(1, [&] { copied = engine.copy("C1", 2016, "C1", a).totalRows(); });
      const double bare = bestOfMilliseconds(1, [&] { bareCopy(conn, *layout, b); });
      ratios.push_back(e / bare);
      engineBest = std::min(engineBest, e);
      bareBest = std::min(bareBest, bare);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("data_set_copy_%d_rows_per_table: %.2fx baseline (median of %d pairs; best %.2f ms, baseline best %.2f ms; "
                "%zu tables, %lld rows)\n",
                rowsPerTable, ratios[ratios.size() / 2], runs, engineBest, bareBest, layout->tables.size(), copied);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace

void runDataSetBenchmarks() {
  measure(10, 21);
  measure(10'000, 5);
}

}  // namespace meridian::bench

#include "register/credit_transfer.h"

#include <spdlog/spdlog.h>

#include "common/years.h"
#include "db/rows.h"

namespace meridian::reg {
namespace {

// The client's own code and the return-table codes of its revised returns,
// rectifications and orders.
constexpr const char* kClientFilter =
    "(code_no = ? OR code_no LIKE ? OR code_no LIKE ? OR code_no LIKE ? OR code_no LIKE ?)";

db::Params filterParams(const std::string& code) {
  return {code, code + "^O-%", code + "^R-%", code + "^Z-%", code + "^A-%"};
}

struct Source {
  const char* table;
  const char* taxColumn;
  const char* marker;
  int firstYear;
};

constexpr Source kMat{"mat_taxcredit", "tax115jb", "B", 2007};
constexpr Source kAmt{"mattaxjc", "tax115jc", "C", 2013};

}  // namespace

bool transferCredits(db::Connection& conn, const std::string& code) {
  try {
    const db::Params filter = filterParams(code);
    auto tx = conn.begin();
    const Source* source = nullptr;
    db::RecordSet rows;
    for (const Source* s : {&kMat, &kAmt}) {
      rows = conn.query(std::string("SELECT * FROM ") + s->table + " WHERE " + kClientFilter + " ORDER BY ass_year", filter);
      if (!rows.empty()) {
        source = s;
        break;
      }
    }
    if (!source) return true;
    for (int year = source->firstYear; year <= years::kLatest; ++year) {
      db::Params yearFilter = filter;
      yearFilter.emplace_back(year);
      if (conn.exists(std::string("SELECT 1 FROM taxcr115jbc1 WHERE ") + kClientFilter + " AND ass_year = ?", yearFilter))
        continue;
      for (const auto& r : rows) {
        if (r.integer("ass_year") != year) continue;
        db::insertRow(conn, "taxcr115jbc1",
                      {{"code_no", r.text("code_no")}, {"ass_year", year}, {"taxnormal", r.integer("taxnormal")},
                       {"taxmatamt", r.integer(source->taxColumn)}, {"creditutil", r.integer("creditutil")},
                       {"marker", source->marker}});
      }
    }
    conn.execute(std::string("DELETE FROM ") + source->table + " WHERE " + kClientFilter, filter);
    tx.commit();
    return true;
  } catch (const std::exception& e) {
    spdlog::error("credit transfer of {} failed: {}", code, e.what());
    return false;
  }
}

}  // namespace meridian::reg

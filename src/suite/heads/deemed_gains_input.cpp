#include "suite/heads/deemed_gains_input.h"

#include "db/rows.h"
#include "suite/engine/instalment_tax.h"

namespace meridian::suite::heads {

void addDeemedGains(const std::vector<DeemedGain>& gains, engine::CapitalGainsInput& out) {
  for (const auto& g : gains) (g.longTerm ? out.ltcgIndexed : out.stcgOther) += g.amount;
}

void addDeemedGainsArising(const std::vector<DeemedGain>& gains, engine::YearInput& in) {
  for (const auto& g : gains) {
    if (!g.arises || g.amount <= Money()) continue;
    auto& period = in.arising[engine::arisingPeriodOf(*g.arises, in.year)].capitalGains;
    (g.longTerm ? period.ltcgIndexed : period.stcgOther) += g.amount;
  }
}

std::vector<DeemedGain> readDeemedGains(db::Connection& conn, const std::string& code, int year) {
  std::vector<DeemedGain> out;
  const db::Pairs where{{"code_no", code}, {"ass_year", year}};
  for (const char* table : {"capital_deemed", "capital_deemn"})
    for (const auto& r : db::selectWhere(conn, table, where, {"srno"}))
      // A DATE column reads back "yyyy-mm-dd" (MariaDB may add a time).
      out.push_back({r.text("term") == "L", r.money("amount").value_or(Money()), parseIso(r.text("arise_dt").substr(0, 10))});
  return out;
}

}  // namespace meridian::suite::heads

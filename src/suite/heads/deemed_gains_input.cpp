#include "suite/heads/deemed_gains_input.h"

#include "db/rows.h"

namespace meridian::suite::heads {

void addDeemedGains(const std::vector<DeemedGain>& gains, engine::CapitalGainsInput& out) {
  for (const auto& g : gains) (g.longTerm ? out.ltcgIndexed : out.stcgOther) += g.amount;
}

std::vector<DeemedGain> readDeemedGains(db::Connection& conn, const std::string& code, int year) {
  std::vector<DeemedGain> out;
  const db::Pairs where{{"code_no", code}, {"ass_year", year}};
  for (const char* table : {"capital_deemed", "capital_deemn"})
    for (const auto& r : db::selectWhere(conn, table, where, {"srno"}))
      out.push_back({r.text("term") == "L", r.money("amount").value_or(Money())});
  return out;
}

}  // namespace meridian::suite::heads

#include "suite/heads/capital_gains_year_input.h"

#include <map>

#include "db/rows.h"
#include "suite/engine/year_law.h"

namespace meridian::suite::heads {

void addTransfers(const std::vector<Transfer>& transfers, const Transferor& who, const CostInflationIndex& cii,
                  engine::CapitalGainsInput& out) {
  for (const Transfer& t : transfers) {
    const TransferGain g = gainOf(t, who, cii);
    switch (g.rateClass) {
      case GainClass::stcg111a: out.stcg111a += g.taxable; break;
      case GainClass::stcgOther: out.stcgOther += g.taxable; break;
      case GainClass::ltcgIndexed: out.ltcgIndexed += g.taxable; break;
      case GainClass::ltcgWithoutIndexation: out.ltcgWithoutIndexation += g.taxable; break;
      case GainClass::exempt10_38: break;
    }
  }
}

namespace {

Money amount(const db::Row& r, const char* column) { return r.money(column).value_or(Money()); }

std::optional<CivilDate> dateOf(const db::Row& r, const char* column) {
  // A DATE column reads back "yyyy-mm-dd" (MariaDB may add a time).
  const std::string& t = r.text(column);
  return parseIso(t.substr(0, 10));
}

}  // namespace

std::vector<Transfer> readTransfers(db::Connection& conn, const std::string& code, int year) {
  const db::Pairs where{{"code_no", code}, {"ass_year", year}};
  std::map<long long, Transfer> bySerial;
  for (const auto& r : db::selectWhere(conn, "capital", where, {"srno"})) {
    const auto kind = assetKindOf(r.text("asset_kind"));
    const auto acquired = dateOf(r, "acq_dt"), transferred = dateOf(r, "trf_dt");
    if (!kind || !acquired || !transferred) continue;
    bySerial[r.integer("srno")] = Transfer{*kind,
                                           *acquired,
                                           *transferred,
                                           amount(r, "sale_val"),
                                           amount(r, "val50c"),
                                           amount(r, "exp_trf"),
                                           amount(r, "cost"),
                                           {},
                                           {}};
  }
  for (const auto& r : db::selectWhere(conn, "capital_improvement", where, {"cap_srno", "srno"})) {
    auto it = bySerial.find(r.integer("cap_srno"));
    if (it == bySerial.end()) continue;
    if (const auto d = dateOf(r, "imp_dt")) it->second.improvements.push_back({*d, amount(r, "amount")});
  }
  for (const auto& r : db::selectWhere(conn, "capital_exem", where, {"cap_srno", "srno"})) {
    auto it = bySerial.find(r.integer("cap_srno"));
    if (it != bySerial.end()) it->second.exemptions.push_back({r.text("section"), dateOf(r, "new_dt"), amount(r, "invested")});
  }
  std::vector<Transfer> out;
  for (auto& [serial, t] : bySerial) out.push_back(std::move(t));
  return out;
}

void loadCapitalGains(db::Connection& conn, const std::string& code, engine::YearInput& in) {
  if (!engine::lawOf(in.year)) return;
  const Transferor who{in.year, in.status == engine::Status::individual || in.status == engine::Status::huf};
  addTransfers(readTransfers(conn, code, in.year), who, CostInflationIndex::shipped(), in.capitalGains);
}

}  // namespace meridian::suite::heads

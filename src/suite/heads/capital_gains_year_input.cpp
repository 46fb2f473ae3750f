#include "suite/heads/capital_gains_year_input.h"

#include <map>

#include "db/rows.h"
#include "suite/engine/instalment_tax.h"
#include "suite/engine/year_law.h"
#include "suite/heads/deemed_gains_input.h"

namespace meridian::suite::heads {

namespace {

// Where a gain of its rate class is added up; none for a gain exempt u/s 10(38).
Money* figureOf(GainClass c, engine::CapitalGainsInput& in) {
  switch (c) {
    case GainClass::stcg111a: return &in.stcg111a;
    case GainClass::stcgOther: return &in.stcgOther;
    case GainClass::ltcgIndexed: return &in.ltcgIndexed;
    case GainClass::ltcgWithoutIndexation: return &in.ltcgWithoutIndexation;
    case GainClass::exempt10_38: return nullptr;
  }
  return nullptr;
}

}  // namespace

void addTransfers(const std::vector<Transfer>& transfers, const Transferor& who, const CostInflationIndex& cii,
                  engine::CapitalGainsInput& out) {
  for (const Transfer& t : transfers)
    if (const TransferGain g = gainOf(t, who, cii); Money* figure = figureOf(g.rateClass, out)) *figure += g.taxable;
}

void addArising(const std::vector<Transfer>& transfers, const Transferor& who, const CostInflationIndex& cii,
                engine::YearInput& in) {
  for (const Transfer& t : transfers) {
    const TransferGain g = gainOf(t, who, cii);
    if (g.taxable <= Money()) continue;
    auto& period = in.arising[engine::arisingPeriodOf(t.transferred, in.year)].capitalGains;
    if (Money* figure = figureOf(g.rateClass, period)) *figure += g.taxable;
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

std::vector<Transfer> readTransfers(db::Connection& conn, const std::string& code, int year,
                                    std::vector<std::string>& leftOut) {
  const db::Pairs where{{"code_no", code}, {"ass_year", year}};
  std::map<long long, Transfer> bySerial;
  for (const auto& r : db::selectWhere(conn, "capital", where, {"srno"})) {
    const auto kind = assetKindOf(r.text("asset_kind"));
    const auto acquired = dateOf(r, "acq_dt"), transferred = dateOf(r, "trf_dt");
    if (!kind || !acquired || !transferred) {
      leftOut.push_back("Capital gain " + r.text("srno") + " has no type of asset or no dates and is left out.");
      continue;
    }
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

void loadCapitalGains(db::Connection& conn, const std::string& code, engine::YearInput& in,
                      std::vector<std::string>& notes) {
  if (!engine::lawOf(in.year)) return;
  const Transferor who{in.year, in.status == engine::Status::individual || in.status == engine::Status::huf};
  const auto transfers = readTransfers(conn, code, in.year, notes);
  addTransfers(transfers, who, CostInflationIndex::shipped(), in.capitalGains);
  addArising(transfers, who, CostInflationIndex::shipped(), in);
  const auto deemed = readDeemedGains(conn, code, in.year);
  addDeemedGains(deemed, in.capitalGains);
  addDeemedGainsArising(deemed, in);
}

}  // namespace meridian::suite::heads

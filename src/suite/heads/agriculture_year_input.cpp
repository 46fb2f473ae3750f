#include "suite/heads/agriculture_year_input.h"

#include <algorithm>

#include "db/rows.h"

namespace meridian::suite::heads {

Money netAgriculturalIncome(const AgriculturalFigures& f) {
  return std::max(Money(), f.gross - f.expenses - f.broughtForward);
}

void addClubbed(const std::vector<ClubbedEntry>& entries, std::vector<engine::ClubbedIncome>& out) {
  for (const auto& e : entries) out.push_back({e.minorChild, e.income});
}

void loadAgricultureAndClubbing(db::Connection& conn, const std::string& code, engine::YearInput& in) {
  const db::Pairs where{{"code_no", code}, {"ass_year", in.year}};
  const auto money = [](const db::Row& r, const char* c) { return r.money(c).value_or(Money()); };
  for (const auto& r : db::selectWhere(conn, "agri", where))
    in.agricultural += netAgriculturalIncome({money(r, "gross"), money(r, "expenses"), money(r, "bf_loss")});
  std::vector<ClubbedEntry> clubbed;
  for (const auto& r : db::selectWhere(conn, "mininc", where, {"srno"})) clubbed.push_back({true, money(r, "income")});
  for (const auto& r : db::selectWhere(conn, "clubinc", where, {"srno"})) clubbed.push_back({false, money(r, "income")});
  addClubbed(clubbed, in.clubbed);
}

}  // namespace meridian::suite::heads

#include "suite/heads/agriculture_year_input.h"

#include <algorithm>

#include "db/rows.h"
#include "suite/engine/clubbed_income.h"

namespace meridian::suite::heads {

Money netAgriculturalIncome(const AgriculturalFigures& f) {
  return std::max(Money(), f.gross - f.expenses - f.broughtForward);
}

void addClubbed(const std::vector<ClubbedEntry>& entries, std::vector<engine::ClubbedIncome>& out,
                std::vector<std::string>* notes) {
  for (const auto& e : entries) {
    const auto head = engine::clubbedHeadOf(e.head);
    if (!head) {
      if (notes) notes->push_back("Income clubbed under the head \"" + e.head + "\" is not computed.");
      continue;
    }
    out.push_back({e.minorChild, e.income, *head, e.minorChild ? e.name : std::string()});
  }
}

void loadAgricultureAndClubbing(db::Connection& conn, const std::string& code, engine::YearInput& in,
                                std::vector<std::string>* notes) {
  const db::Pairs where{{"code_no", code}, {"ass_year", in.year}};
  const auto money = [](const db::Row& r, const char* c) { return r.money(c).value_or(Money()); };
  for (const auto& r : db::selectWhere(conn, "agri", where))
    in.agricultural += netAgriculturalIncome({money(r, "gross"), money(r, "expenses"), money(r, "bf_loss")});
  std::vector<ClubbedEntry> clubbed;
  for (const auto& r : db::selectWhere(conn, "mininc", where, {"srno"}))
    clubbed.push_back({true, money(r, "income"), r.text("head"), r.text("name")});
  for (const auto& r : db::selectWhere(conn, "clubinc", where, {"srno"}))
    clubbed.push_back({false, money(r, "income"), r.text("head"), r.text("name")});
  addClubbed(clubbed, in.clubbed, notes);
}

}  // namespace meridian::suite::heads

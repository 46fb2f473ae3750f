#include "suite/computation/undepr_setoff.h"

#include <algorithm>

#include "db/rows.h"

namespace meridian::suite::computation {

Money UndeprEntry::typed() const {
  Money m;
  for (const auto& h : heads) m += h.setOff;
  return m;
}

UndeprEntry undeprEntryOf(const engine::YearResult& r) {
  UndeprEntry e;
  const engine::IncomePots& p = r.setOff.afterCurrentYear;
  const auto positive = [](Money m) { return std::max(Money(), m); };
  e.heads = {
      {1, "Income from House Property", positive(p.houseProperty), Money()},
      {2, "Business (Other than Speculation)", positive(p.business), Money()},
      {3, "Speculation Business", positive(p.speculation), Money()},
      {4, "Short-term Capital Gain", positive(p.stcgOther) + positive(p.stcg111a), Money()},
      {5, "Long-term Capital Gain", positive(p.ltcgIndexed) + positive(p.ltcgWithoutIndexation), Money()},
      {6, "Income from Other Sources", positive(p.otherSources), Money()},
  };
  Money broughtForward, room;
  for (const auto& row : r.setOff.rows)
    if (row.part == engine::LossPart::unabsorbedDepreciation && row.year < r.year) broughtForward += row.broughtForward;
  for (const auto& h : e.heads) room += h.available;
  e.toSetOff = std::min(broughtForward, room);
  return e;
}

std::optional<std::string> refusalOf(Money value, Money limit) {
  if (value < Money()) return "Value can not be less than 0";
  if (value > limit) return "Value can not be greater than " + limit.roundedToRupee().text();
  return std::nullopt;
}

std::optional<std::string> refusalOf(const UndeprEntry& e) {
  if (e.typed() == e.toSetOff) return std::nullopt;
  return "Unabsorbed Depreciation Set Off Amount Should be " + e.toSetOff.roundedToRupee().text();
}

std::string balanceLine(const UndeprEntry& e) {
  const Money left = e.toSetOff - e.typed();
  if (left > Money()) return "Balance Unabsorbed Depreciation to be set-off : " + left.roundedToRupee().text();
  if (left < Money()) return "Excess Unabsorbed Depreciation can not be set-off : " + (-left).roundedToRupee().text();
  return "";
}

void loadUndeprSetOff(db::Connection& conn, const std::string& dataSet, int year, UndeprEntry& e) {
  for (const auto& row : conn.query("SELECT head, amount FROM undepr_setoff WHERE code_no = ? AND t_year = ?",
                                    {dataSet, year})) {
    const int head = static_cast<int>(row.integer("head", 0));
    for (auto& h : e.heads)
      if (h.head == head) h.setOff = Money::parse(row.text("amount")).value_or(Money());
  }
}

void saveUndeprSetOff(db::Connection& conn, const std::string& dataSet, int year, const UndeprEntry& e) {
  auto tx = conn.begin();
  db::deleteWhere(conn, "undepr_setoff", {{"code_no", dataSet}, {"t_year", year}});
  for (const auto& h : e.heads)
    if (h.setOff != Money())
      db::insertRow(conn, "undepr_setoff",
                    {{"code_no", dataSet}, {"t_year", year}, {"head", h.head}, {"amount", h.setOff.text()}});
  tx.commit();
}

std::vector<db::Migration> undeprMigrations() {
  return {{701,
           "unabsorbed depreciation set off by head",
           {"CREATE TABLE undepr_setoff (code_no VARCHAR(80) NOT NULL, t_year INTEGER NOT NULL, "
            "head INTEGER NOT NULL, amount DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, t_year, head))"}}};
}

namespace {
const db::MigrationRegistration registered{undeprMigrations};
}  // namespace

}  // namespace meridian::suite::computation

#include "suite/heads/business_year_input.h"

#include <algorithm>
#include <map>

#include "db/rows.h"
#include "suite/engine/instalment_tax.h"
#include "suite/heads/profit_and_loss_items.h"

namespace meridian::suite::heads {

void addBusinesses(const std::vector<BusinessEntry>& entries, const ClientPerson& who, const engine::YearLaw& law,
                   engine::BusinessInput& out) {
  for (const BusinessEntry& b : entries) {
    if (!b.presumptive) {
      out.netProfit += b.accountsIncome();
      out.depreciationDebited += b.depreciationDebited;
      out.speculation += b.speculation;
      continue;
    }
    // Each business's own income (the presumed figure or the higher one
    // declared) goes in as declared, so that businesses declaring more and
    // less than their presumed income do not offset one another.
    const PresumptiveEntry& p = *b.presumptive;
    const Money taken = presumptiveIncomeTaken(p, who, law);
    if (p.profession) {
      out.presumptive44ada.receipts += p.turnover;
      out.presumptive44ada.declared += taken;
    } else {
      out.presumptive44ad.turnover += p.turnover;
      out.presumptive44ad.digitalTurnover += std::min(p.digital, p.turnover);
      out.presumptive44ad.declared += taken;
    }
  }
}

void addFirstEarnings(const std::vector<FirstEarning>& firsts, engine::YearInput& in) {
  using namespace std::chrono;
  const CivilDate from = year{in.year - 1} / April / 1, to = year{in.year} / March / 31;
  for (const FirstEarning& f : firsts)
    if (f.day >= from && f.day <= to && f.income > Money())
      in.arising[engine::arisingPeriodOf(f.day, in.year)].businessFirstTime += f.income;
}

void addCommission(const std::vector<CommissionEntry>& entries, engine::BusinessInput& out) {
  for (const auto& c : entries) out.netProfit += c.amount - c.expenses;
}

void addVehicles(const std::vector<Vehicle>& vehicles, engine::BusinessInput& out) {
  for (const auto& v : vehicles)
    out.presumptive44ae.push_back({v.heavy, v.months, v.tons, v.declaredPerMonth * v.months});
}

void addFirmShares(const std::vector<FirmShare>& firms, engine::BusinessInput& out) {
  for (const auto& f : firms) {
    out.firmShareExempt += f.shareOfProfit;
    out.firmRemuneration += f.salary + f.interest + f.commission;
  }
}

Money specifiedBusinessIncome(const std::vector<SpecifiedBusinessEntry>& entries) {
  Money total;
  for (const auto& e : entries) total += e.profit - e.capitalExpenditure;
  return total;
}

void addSpecifiedBusinesses(const std::vector<SpecifiedBusinessEntry>& entries, engine::BusinessInput& out) {
  out.specifiedBusiness += specifiedBusinessIncome(entries);
}

namespace {

Money amount(const db::Row& r, const char* column) { return r.money(column).value_or(Money()); }

db::Pairs yearOf(const std::string& code, int year, const char* yearColumn = "ass_year") {
  return {{"code_no", code}, {yearColumn, year}};
}

}  // namespace

void loadBusiness(db::Connection& conn, const std::string& code, engine::YearInput& in) {
  const db::Pairs year = yearOf(code, in.year);
  std::map<long long, BusinessEntry> byNumber;
  std::map<long long, bool> profession;
  std::map<long long, CivilDate> firstEarned;
  for (const auto& r : db::selectWhere(conn, "income_business", year, {"business_no"})) {
    const long long n = r.integer("business_no");
    // A DATE column reads back "yyyy-mm-dd" (MariaDB may add a time).
    if (const auto day = parseIso(r.text("first_earned").substr(0, 10))) firstEarned[n] = *day;
    byNumber[n] = {amount(r, "net_profit"), amount(r, "spec_profit"), Money(), std::nullopt, amount(r, "dep_debited")};
    profession[n] = r.text("nature") == business_codes::profession;
  }
  for (const auto& r : db::selectWhere(conn, "business_disallowed", year, {"business_no", "srno"})) {
    auto it = byNumber.find(r.integer("business_no"));
    if (it != byNumber.end()) it->second.disallowed += amount(r, "amount");
  }
  for (const auto& [n, items] : readProfitAndLossItems(conn, code, in.year)) {
    auto it = byNumber.find(n);
    if (it != byNumber.end()) it->second.otherHeadsAndExempt = items.takenOffNetProfit();
  }
  for (const auto& r : db::selectWhere(conn, "business_44adaf", year, {"bus_num", "srno"})) {
    auto it = byNumber.find(r.integer("bus_num"));
    if (it == byNumber.end()) continue;
    it->second.presumptive = PresumptiveEntry{r.text("part_num") == business_codes::section44ada,
                                              amount(r, "turnover"), amount(r, "turnover_dig"), amount(r, "tic")};
  }
  std::vector<BusinessEntry> businesses;
  for (auto& [n, b] : byNumber) businesses.push_back(b);
  const engine::YearLaw* law = engine::lawOf(in.year);
  if (law) addBusinesses(businesses, ClientPerson{in.status, in.residence}, *law, in.business);
  std::vector<FirstEarning> firsts;
  for (const auto& [n, day] : firstEarned) {
    const BusinessEntry& b = byNumber[n];
    const Money income = !b.presumptive ? b.accountsIncome()
                         : law          ? presumptiveIncomeTaken(*b.presumptive, ClientPerson{in.status, in.residence}, *law)
                                        : Money();
    firsts.push_back({day, income});
  }
  addFirstEarnings(firsts, in);

  std::vector<CommissionEntry> commission;
  for (const auto& r : db::selectWhere(conn, "comms", yearOf(code, in.year, "assyear"), {"srno"}))
    commission.push_back({amount(r, "amount"), amount(r, "expenses")});
  addCommission(commission, in.business);

  std::vector<Vehicle> vehicles;
  for (const auto& r : db::selectWhere(conn, "business_44ae", year, {"part_no"}))
    vehicles.push_back({r.integer("heavy") == 1, static_cast<int>(r.integer("tons")),
                        static_cast<int>(r.integer("no_month")), amount(r, "profit")});
  addVehicles(vehicles, in.business);

  std::vector<FirmShare> firms;
  for (const auto& r : db::selectWhere(conn, "business_firm", year, {"firm_no"}))
    firms.push_back({amount(r, "share_profit"), amount(r, "salary"), amount(r, "interest"), amount(r, "commission")});
  addFirmShares(firms, in.business);

  std::vector<SpecifiedBusinessEntry> specified;
  for (const auto& r : db::selectWhere(conn, "business_35ad", year, {"srno"}))
    specified.push_back({amount(r, "profit"), amount(r, "cap_exp")});
  addSpecifiedBusinesses(specified, in.business);
}

}  // namespace meridian::suite::heads

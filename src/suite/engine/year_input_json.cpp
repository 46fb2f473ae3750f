#include "suite/engine/year_input_json.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>

#include "suite/engine/chapter_via.h"
#include "suite/engine/clubbed_income.h"

namespace meridian::engine {
namespace {

using nlohmann::json;

// Amounts up to twelve digits of rupees, as the screens' amount fields hold.
constexpr std::int64_t kLargestRupees = 999'999'999'999;

class Reader {
 public:
  Reader(const json& o, std::string where, std::initializer_list<const char*> keys) : o_(o), where_(std::move(where)) {
    if (!o_.is_object()) fail("must be an object");
    std::set<std::string> known(keys.begin(), keys.end());
    for (const auto& item : o_.items())
      if (!known.count(item.key())) throw BadYearInput("unknown key \"" + at(item.key()) + "\"");
  }

  const json& value(const char* key) const {
    static const json none;
    return o_.contains(key) ? o_[key] : none;
  }
  std::string at(const std::string& key) const { return where_.empty() ? key : where_ + "." + key; }

  Money amount(const char* key, bool lossAllowed = false) const { return amountOf(value(key), at(key), lossAllowed); }
  bool flag(const char* key) const {
    const json& v = value(key);
    if (v.is_null()) return false;
    if (!v.is_boolean()) throw BadYearInput("\"" + at(key) + "\" must be true or false");
    return v.get<bool>();
  }
  std::string text(const char* key) const {
    const json& v = value(key);
    if (v.is_null()) return "";
    if (!v.is_string()) throw BadYearInput("\"" + at(key) + "\" must be a text");
    return v.get<std::string>();
  }
  int whole(const char* key, int min, int max) const {
    const json& v = value(key);
    if (v.is_null()) return 0;
    if (!v.is_number_integer() || v.get<long long>() < min || v.get<long long>() > max)
      throw BadYearInput("\"" + at(key) + "\" must be a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max));
    return v.get<int>();
  }
  std::optional<CivilDate> date(const char* key) const {
    const std::string t = text(key);
    if (t.empty()) return std::nullopt;
    auto d = parseDmy(t);
    if (!d) throw BadYearInput("\"" + at(key) + "\" must be a date dd/mm/yyyy");
    return d;
  }
  const json& list(const char* key) const {
    const json& v = value(key);
    if (!v.is_null() && !v.is_array()) throw BadYearInput("\"" + at(key) + "\" must be a list");
    return v;
  }

  static Money amountOf(const json& v, const std::string& name, bool lossAllowed) {
    if (v.is_null()) return Money();
    if (!v.is_number()) throw BadYearInput("\"" + name + "\" must be a number");
    const auto m = Money::parse(v.dump());
    if (!m || *m > Money::rupees(kLargestRupees) || *m < Money::rupees(-kLargestRupees))
      throw BadYearInput("\"" + name + "\" is not an amount up to twelve digits of rupees");
    if (m->isNegative() && !lossAllowed) throw BadYearInput("\"" + name + "\" must not be negative");
    return *m;
  }
  [[noreturn]] void fail(const std::string& what) const {
    throw BadYearInput((where_.empty() ? std::string("input") : "\"" + where_ + "\"") + " " + what);
  }

 private:
  const json& o_;
  std::string where_;
};

std::string item(const std::string& list, size_t i) { return list + "[" + std::to_string(i) + "]"; }

int yearOf(const std::string& text, const std::string& name) {
  // "2016-17": the four-digit first year, a dash, its successor's last two digits.
  const bool shape = text.size() == 7 && text[4] == '-' &&
                     text.find_first_not_of("0123456789", 0) == 4 && text.find_first_not_of("0123456789", 5) == std::string::npos;
  if (!shape) throw BadYearInput("\"" + name + "\" must be an assessment year such as 2016-17");
  const int y = std::stoi(text.substr(0, 4));
  if (std::stoi(text.substr(5)) != (y + 1) % 100) throw BadYearInput("\"" + name + "\" is not an assessment year");
  return y;
}

Status statusOf(const std::string& s) {
  static const std::pair<const char*, Status> kTexts[] = {
      {"Individual", Status::individual}, {"HUF", Status::huf},   {"AOP/BOI", Status::aopBoi},
      {"AOP", Status::aopBoi},            {"BOI", Status::aopBoi}, {"Co-operative Society", Status::cooperative},
      {"Firm", Status::firm},             {"LLP", Status::llp},   {"Company", Status::company}};
  for (const auto& [text, status] : kTexts)
    if (s == text) return status;
  throw BadYearInput("unknown status \"" + s + "\"");
}

Residence residenceOf(const std::string& s) {
  if (s.empty() || s == "RESIDENT") return Residence::resident;
  if (s == "NON-RESIDENT") return Residence::nonResident;
  if (s == "NOT ORDINARY") return Residence::notOrdinarilyResident;
  throw BadYearInput("unknown residential_status \"" + s + "\"");
}

void readSalaries(const Reader& r, YearInput& in) {
  const json& list = r.list("salary");
  for (size_t i = 0; i < list.size(); ++i) {
    const Reader s(list[i], item("salary", i), {"gross", "exempt_allowances", "perquisites", "profits_in_lieu",
                                                 "entertainment_allowance", "professional_tax"});
    in.salaries.push_back({.gross = s.amount("gross"),
                           .exemptAllowances = s.amount("exempt_allowances"),
                           .perquisites = s.amount("perquisites"),
                           .profitsInLieu = s.amount("profits_in_lieu"),
                           .entertainmentAllowance = s.amount("entertainment_allowance"),
                           .professionalTax = s.amount("professional_tax")});
  }
}

void readHouses(const Reader& r, YearInput& in) {
  const json& list = r.list("house_property");
  for (size_t i = 0; i < list.size(); ++i) {
    const Reader h(list[i], item("house_property", i), {"type", "rent", "unrealised_rent", "municipal_tax",
                                                         "interest", "loan_before_1999", "share_percent"});
    HouseInput house;
    const std::string type = h.text("type");
    if (type == "self_occupied")
      house.use = HouseUse::selfOccupied;
    else if (type == "let_out" || type.empty())
      house.use = HouseUse::letOut;
    else if (type == "deemed_let_out")
      house.use = HouseUse::deemedLetOut;
    else
      throw BadYearInput("\"" + h.at("type") + "\" must be self_occupied, let_out or deemed_let_out");
    house.rent = h.amount("rent");
    house.unrealisedRent = h.amount("unrealised_rent");
    house.municipalTax = h.amount("municipal_tax");
    house.interest = h.amount("interest");
    house.loanBefore1999 = h.flag("loan_before_1999");
    const int share = h.whole("share_percent", 0, 100);
    house.sharePercent = share == 0 ? 100 : share;
    in.houses.push_back(house);
  }
}

// "member_shares": [{share, aop_taxed}], the shares of income as a member of
// an AOP or BOI with how the AOP or BOI is charged (s.86).
void readMemberShares(const Reader& r, YearInput& in) {
  static const std::pair<const char*, AopTaxed> kTaxed[] = {{"maximum_marginal_rate", AopTaxed::maximumMarginalRate},
                                                            {"normal_rates", AopTaxed::normalRates},
                                                            {"not_chargeable", AopTaxed::notChargeable}};
  const json& list = r.list("member_shares");
  for (size_t i = 0; i < list.size(); ++i) {
    const Reader m(list[i], item("member_shares", i), {"share", "aop_taxed"});
    const std::string taxed = m.text("aop_taxed");
    const auto* found = std::find_if(std::begin(kTaxed), std::end(kTaxed),
                                     [&](const auto& t) { return taxed == t.first; });
    if (found == std::end(kTaxed))
      throw BadYearInput("\"" + m.at("aop_taxed") +
                         "\" must be \"maximum_marginal_rate\", \"normal_rates\" or \"not_chargeable\"");
    in.memberShares.push_back({m.amount("share"), found->second});
  }
}

void readBusiness(const Reader& r, YearInput& in) {
  if (r.value("business").is_null()) return;
  const Reader b(r.value("business"), "business", {"net_profit", "speculation", "presumptive_44ad", "presumptive_44ada",
                                                   "presumptive_44ae", "firm_share_exempt", "firm_remuneration",
                                                   "specified_business", "depreciation_debited",
                                                   "depreciation_allowed"});
  BusinessInput& out = in.business;
  out.depreciationDebited = b.amount("depreciation_debited");
  out.depreciationAllowed = b.amount("depreciation_allowed");
  out.netProfit = b.amount("net_profit", true);
  out.speculation = b.amount("speculation", true);
  out.firmShareExempt = b.amount("firm_share_exempt");
  out.firmRemuneration = b.amount("firm_remuneration");
  out.specifiedBusiness = b.amount("specified_business", true);
  if (!b.value("presumptive_44ad").is_null()) {
    const Reader p(b.value("presumptive_44ad"), "business.presumptive_44ad", {"turnover", "digital_turnover", "declared"});
    out.presumptive44ad = {.turnover = p.amount("turnover"),
                           .digitalTurnover = p.amount("digital_turnover"),
                           .declared = p.amount("declared")};
    if (out.presumptive44ad.digitalTurnover > out.presumptive44ad.turnover)
      throw BadYearInput("\"business.presumptive_44ad.digital_turnover\" cannot exceed the turnover");
  }
  if (!b.value("presumptive_44ada").is_null()) {
    const Reader p(b.value("presumptive_44ada"), "business.presumptive_44ada", {"receipts", "declared"});
    out.presumptive44ada = {.receipts = p.amount("receipts"), .declared = p.amount("declared")};
  }
  const json& vehicles = b.list("presumptive_44ae");
  for (size_t i = 0; i < vehicles.size(); ++i) {
    const Reader v(vehicles[i], item("business.presumptive_44ae", i), {"heavy", "months", "tons", "declared"});
    out.presumptive44ae.push_back({.heavy = v.flag("heavy"),
                                   .months = v.whole("months", 0, 12),
                                   .tons = v.whole("tons", 0, 1000),
                                   .declared = v.amount("declared")});
  }
}

// "export_units": undertakings whose profits from export are deducted u/s
// 10A or 10AA.
void readExportUnits(const Reader& r, YearInput& in) {
  const json& units = r.list("export_units");
  for (size_t i = 0; i < units.size(); ++i) {
    const std::string where = item("export_units", i);
    const Reader u(units[i], where,
                   {"section", "first_ay", "profit", "export_turnover", "total_turnover", "reserve", "claimed"});
    const auto section = exportSectionOf(u.text("section"));
    if (!section) throw BadYearInput("\"" + u.at("section") + "\" must be \"10A\" or \"10AA\"");
    ExportUnit unit{*section, yearOf(u.text("first_ay"), u.at("first_ay")), u.amount("profit", true),
                    u.amount("export_turnover"), u.amount("total_turnover"), u.amount("reserve"), u.amount("claimed")};
    if (unit.exportTurnover > unit.totalTurnover)
      throw BadYearInput("\"" + u.at("export_turnover") + "\" cannot exceed the total turnover");
    in.exportUnits.push_back(unit);
  }
}

LossKind lossKindOf(const std::string& s, const std::string& name) {
  static const std::pair<const char*, LossKind> kKinds[] = {
      {"house_property", LossKind::houseProperty}, {"business", LossKind::business},
      {"speculation", LossKind::speculation},      {"unabsorbed_depreciation", LossKind::unabsorbedDepreciation},
      {"stcl", LossKind::stcl},                    {"ltcl", LossKind::ltcl},
      {"race_horses", LossKind::raceHorses},       {"specified_business", LossKind::specifiedBusiness}};
  for (const auto& [text, kind] : kKinds)
    if (s == text) return kind;
  throw BadYearInput("\"" + name + "\" must be one of house_property, business, speculation, "
                     "unabsorbed_depreciation, stcl, ltcl, race_horses, specified_business");
}

void readLossesAndCredits(const Reader& r, YearInput& in) {
  const json& losses = r.list("losses_brought_forward");
  for (size_t i = 0; i < losses.size(); ++i) {
    const std::string where = item("losses_brought_forward", i);
    const Reader l(losses[i], where, {"kind", "ay", "amount"});
    const int y = yearOf(l.text("ay"), where + ".ay");
    if (y >= in.year) throw BadYearInput("\"" + where + ".ay\" must be a year before the one computed");
    in.lossesBroughtForward.push_back(
        {.kind = lossKindOf(l.text("kind"), where + ".kind"), .year = y, .amount = l.amount("amount")});
  }
  const json& credits = r.list("tax_credit_brought_forward");
  for (size_t i = 0; i < credits.size(); ++i) {
    const std::string where = item("tax_credit_brought_forward", i);
    const Reader c(credits[i], where, {"ay", "amount"});
    const int y = yearOf(c.text("ay"), where + ".ay");
    if (y >= in.year) throw BadYearInput("\"" + where + ".ay\" must be a year before the one computed");
    in.taxCreditsBroughtForward.push_back({.year = y, .amount = c.amount("amount")});
  }
}

void readDeductions(const Reader& r, YearInput& in) {
  const json& d = r.value("deductions");
  if (d.is_null()) return;
  if (!d.is_object()) throw BadYearInput("\"deductions\" must be an object");
  DeductionClaims& out = in.deductions;
  for (const auto& entry : d.items()) {
    const std::string& key = entry.key();
    const std::string name = "deductions." + key;
    if (key == "self_senior" || key == "parents_senior" || key == "severe_disability") {
      if (!entry.value().is_boolean()) throw BadYearInput("\"" + name + "\" must be true or false");
      (key == "self_senior" ? out.selfSenior : key == "parents_senior" ? out.parentsSenior : out.severeDisability) =
          entry.value().get<bool>();
    } else if (key == "80G" && entry.value().is_object()) {
      const Reader g(entry.value(), name, {"100", "50", "100_limited", "50_limited"});
      out.donations = {.full = g.amount("100"),
                       .half = g.amount("50"),
                       .fullLimited = g.amount("100_limited"),
                       .halfLimited = g.amount("50_limited")};
    } else if (key == "80G") {
      out.donations.full = Reader::amountOf(entry.value(), name, false);  // a figure already worked out
    } else if (isKnownSection(key)) {
      out.claimed[key] = Reader::amountOf(entry.value(), name, false);
    } else {
      throw BadYearInput("unknown deduction section \"" + key + "\"");
    }
  }
}

void readTaxesPaid(const Reader& r, YearInput& in) {
  if (r.value("taxes_paid").is_null()) return;
  const Reader t(r.value("taxes_paid"), "taxes_paid", {"tds", "tcs", "advance", "self_assessment"});
  in.taxesPaid.tds = t.amount("tds");
  in.taxesPaid.tcs = t.amount("tcs");
  for (const char* key : {"advance", "self_assessment"}) {
    const json& list = t.list(key);
    auto& into = std::string(key) == "advance" ? in.taxesPaid.advance : in.taxesPaid.selfAssessment;
    for (size_t i = 0; i < list.size(); ++i) {
      const std::string where = item(t.at(key), i);
      const Reader p(list[i], where, {"date", "amount"});
      const auto date = p.date("date");
      if (!date) throw BadYearInput("\"" + where + ".date\" is needed");
      into.push_back({.date = *date, .amount = p.amount("amount")});
    }
  }
  // Advance tax is paid within the previous year (s.207); what is paid after
  // it is self-assessment tax.
  using namespace std::chrono;
  const CivilDate from = year{in.year - 1} / April / 1, to = year{in.year} / March / 31;
  for (const auto& p : in.taxesPaid.advance)
    if (p.date < from || p.date > to)
      throw BadYearInput("\"taxes_paid.advance\": " + formatDmy(p.date) + " is not between " + formatDmy(from) +
                         " and " + formatDmy(to));
}

void readInterestOptions(const Reader& r, YearInput& in) {
  if (r.value("interest").is_null()) return;
  const Reader o(r.value("interest"), "interest", {"234A", "234B", "234C"});
  const char* keys[] = {"234A", "234B", "234C"};
  for (size_t i = 0; i < 3; ++i) {
    const json& v = o.value(keys[i]);
    if (v.is_null() || v == "charge") continue;
    if (v == "none") {
      in.interest[i].choice = InterestChoice::none;
    } else if (v.is_number()) {
      in.interest[i] = {.choice = InterestChoice::byHand, .byHand = Reader::amountOf(v, o.at(keys[i]), false)};
    } else {
      throw BadYearInput("\"" + o.at(keys[i]) + "\" must be \"charge\", \"none\" or the amount typed in");
    }
  }
}

void readInstalmentDates(const Reader& r, YearInput& in) {
  const json& list = r.list("instalment_dates");
  if (list.is_null()) return;
  if (list.size() != 4) throw BadYearInput("\"instalment_dates\" must be a list of four dates dd/mm/yyyy");
  std::array<CivilDate, 4> dates;
  for (size_t i = 0; i < 4; ++i) {
    auto d = list[i].is_string() ? parseDmy(list[i].get<std::string>()) : std::nullopt;
    if (!d) throw BadYearInput("\"instalment_dates\" must be a list of four dates dd/mm/yyyy");
    dates[i] = *d;
  }
  in.instalmentDates = dates;
}

// "arising": the gains, winnings (with the tax deducted on them) and business
// income arising for the first time, by the period they arose in, at most
// five periods: to the first advance-tax date, between dates, after the last.
// The tax deducted on winnings is part of taxes_paid.tds, so never above it.
void readArising(const Reader& r, YearInput& in) {
  const json& list = r.list("arising");
  if (list.size() > kArisingPeriods)
    throw BadYearInput("\"arising\" has at most " + std::to_string(kArisingPeriods) + " periods");
  Money winningsTds;
  for (size_t i = 0; i < list.size(); ++i) {
    const Reader a(list[i], item("arising", i),
                   {"stcg_111a", "stcg_other", "ltcg_indexed", "ltcg_without_indexation", "winnings", "winnings_tds",
                    "business_first_time", "dividend_domestic"});
    in.arising[i] = {.capitalGains = {.stcg111a = a.amount("stcg_111a"),
                                      .stcgOther = a.amount("stcg_other"),
                                      .ltcgIndexed = a.amount("ltcg_indexed"),
                                      .ltcgWithoutIndexation = a.amount("ltcg_without_indexation")},
                     .winnings = a.amount("winnings"),
                     .winningsTds = a.amount("winnings_tds"),
                     .businessFirstTime = a.amount("business_first_time"),
                     .dividendDomestic = a.amount("dividend_domestic")};
    winningsTds += in.arising[i].winningsTds;
  }
  if (winningsTds > in.taxesPaid.tds)
    throw BadYearInput("\"arising\": the tax deducted on winnings (" + winningsTds.groupedRupees() +
                       ") is more than taxes_paid.tds (" + in.taxesPaid.tds.groupedRupees() + ")");
}

}  // namespace

YearInput yearInputFromJson(const json& o) {
  const Reader r(o, "", {"ay", "status", "residential_status", "sex", "dob", "salary", "house_property", "business",
                         "capital_gains", "other_sources", "clubbing", "agricultural", "losses_brought_forward",
                         "deductions", "book_profit", "small_company", "tax_credit_brought_forward", "relief",
                         "taxes_paid", "due_date", "filing_date", "interest", "instalment_dates", "arising",
                         "unabsorbed_depreciation_set_off", "member_shares",
                         "export_units", "pass_through"});
  YearInput in;
  in.year = yearOf(r.text("ay"), "ay");
  in.status = statusOf(r.text("status").empty() ? "Individual" : r.text("status"));
  in.residence = residenceOf(r.text("residential_status"));
  const std::string sex = r.text("sex");
  if (sex == "Female")
    in.sex = Sex::female;
  else if (!sex.empty() && sex != "Male")
    throw BadYearInput("unknown sex \"" + sex + "\"");
  in.dob = r.date("dob");
  readSalaries(r, in);
  readHouses(r, in);
  readBusiness(r, in);
  readMemberShares(r, in);
  readExportUnits(r, in);
  if (!r.value("capital_gains").is_null()) {
    const Reader c(r.value("capital_gains"), "capital_gains",
                   {"stcg_111a", "stcg_other", "ltcg_indexed", "ltcg_without_indexation", "deemed_short_term",
                    "deemed_long_term"});
    in.capitalGains = {.stcg111a = c.amount("stcg_111a", true),
                       .stcgOther = c.amount("stcg_other", true),
                       .ltcgIndexed = c.amount("ltcg_indexed", true),
                       .ltcgWithoutIndexation = c.amount("ltcg_without_indexation", true)};
    // Gains deemed to arise this year (ss.54(2), 54EC(2), 54F(4) ...) are taxed
    // with the gains of their term at the same rates.
    in.capitalGains.stcgOther += c.amount("deemed_short_term");
    in.capitalGains.ltcgIndexed += c.amount("deemed_long_term");
  }
  if (!r.value("other_sources").is_null()) {
    const Reader s(r.value("other_sources"), "other_sources",
                   {"savings_interest", "other_interest", "dividend_taxable", "family_pension", "winnings", "other",
                    "race_horses", "dividend_domestic", "unexplained_115bbe"});
    in.otherSources = {.savingsInterest = s.amount("savings_interest"),
                       .otherInterest = s.amount("other_interest"),
                       .dividendTaxable = s.amount("dividend_taxable"),
                       .familyPension = s.amount("family_pension"),
                       .winnings = s.amount("winnings"),
                       .other = s.amount("other", true),
                       .raceHorses = s.amount("race_horses", true),
                       .dividendDomestic = s.amount("dividend_domestic"),
                       .unexplained115bbe = s.amount("unexplained_115bbe")};
  }
  const json& clubbing = r.list("clubbing");
  for (size_t i = 0; i < clubbing.size(); ++i) {
    const Reader c(clubbing[i], item("clubbing", i), {"minor_child", "amount", "head", "child"});
    const auto head = clubbedHeadOf(c.text("head"));
    if (!head) c.fail("has a \"head\" that is none of salary, house_property, business, stcg_111a, stcg_other, "
                      "ltcg_indexed, ltcg_without_indexation, other_sources");
    in.clubbed.push_back({.minorChild = c.flag("minor_child"),
                          .amount = c.amount("amount", true),
                          .head = *head,
                          .child = c.text("child")});
  }
  if (!r.value("pass_through").is_null()) {
    const Reader p(r.value("pass_through"), "pass_through",
                   {"house_property", "short_term", "long_term", "other_sources", "exempt"});
    in.passThrough = {.houseProperty = p.amount("house_property"),
                      .shortTerm = p.amount("short_term"),
                      .longTerm = p.amount("long_term"),
                      .otherSources = p.amount("other_sources"),
                      .exempt = p.amount("exempt")};
  }
  in.agricultural = r.amount("agricultural");
  readLossesAndCredits(r, in);
  if (!r.value("unabsorbed_depreciation_set_off").is_null()) {
    const Reader u(r.value("unabsorbed_depreciation_set_off"), "unabsorbed_depreciation_set_off",
                   {"house_property", "business", "speculation", "short_term", "long_term", "other_sources"});
    in.depreciationSpread = DepreciationSpread{.houseProperty = u.amount("house_property"),
                                               .business = u.amount("business"),
                                               .speculation = u.amount("speculation"),
                                               .shortTerm = u.amount("short_term"),
                                               .longTerm = u.amount("long_term"),
                                               .otherSources = u.amount("other_sources")};
  }
  readDeductions(r, in);
  in.bookProfit = r.amount("book_profit", true);
  in.smallCompany = r.flag("small_company");
  if (!r.value("relief").is_null()) {
    const Reader rel(r.value("relief"), "relief", {"89", "90", "91"});
    in.relief89 = rel.amount("89");
    in.relief90 = rel.amount("90");
    in.relief91 = rel.amount("91");
  }
  readTaxesPaid(r, in);
  in.dueDate = r.date("due_date");
  in.filingDate = r.date("filing_date");
  readInterestOptions(r, in);
  readInstalmentDates(r, in);
  readArising(r, in);
  return in;
}

}  // namespace meridian::engine

#include "suite/heads/demo_year.h"

#include <cctype>

#include "common/dates.h"
#include "common/money.h"

namespace meridian::suite::heads {
namespace {

db::Value rupees(long long r) { return Money::rupees(r).text(); }
db::Value dateOrNull(const char* iso) { return iso ? db::Value(iso) : db::Value(); }

db::Pairs addressPairs(const DemoAddress& a) {
  return {{"h_no", a.flat}, {"street", a.street}, {"area", a.area},
          {"city", a.city}, {"state", a.state},   {"pin", a.pin}};
}

// Ten digits made from the PAN and the PIN code, so each person has their own.
std::string mobileOf(const DemoPerson& p) {
  const std::string pin = std::to_string(p.address.pin % 1000);
  return "98" + std::string(p.pan).substr(5, 4) + "1" + std::string(3 - pin.size(), '0') + pin;
}

// first.last@example.in, lower case: every return carries an e-mail address.
std::string emailOf(const DemoPerson& p) {
  std::string e = std::string(p.first) + "." + p.last + "@example.in";
  for (char& c : e) c = c == ' ' ? '.' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return e;
}

}  // namespace

void addDemoPerson(db::Connection& conn, const DemoPerson& p) {
  db::Pairs row{{"code", p.code}, {"code_no", ""}, {"f_nm", p.first}, {"m_nm", p.middle}, {"l_nm", p.last},
                {"fat_f_nm", p.father}, {"fat_l_nm", p.last}, {"sex", p.sex}, {"dob", p.dob}, {"pan", p.pan},
                {"nation", p.nation}, {"mat_st", "MARRIED"}, {"auditc", "N"}, {"status", "INDIVIDUAL"},
                {"mobile", mobileOf(p)}, {"email", emailOf(p)}};
  const db::Pairs address = addressPairs(p.address);
  row.insert(row.end(), address.begin(), address.end());
  db::insertRow(conn, "owner1", row);
}

void addDemoEntity(db::Connection& conn, const DemoEntity& e) {
  db::Pairs row{{"code_no", e.code}, {"nm", e.name}, {"status", e.status}, {"pan", e.pan}, {"doi", e.incorporated}};
  const db::Pairs address = addressPairs(e.address);
  row.insert(row.end(), address.begin(), address.end());
  db::insertRow(conn, "main_info1", row);
}

void addDemoPartner(db::Connection& conn, const DemoPartner& p) {
  // Linked as the client register links a partner; the status stays that of
  // an individual, which the partner's own returns are filed as.
  conn.execute("UPDATE owner1 SET code_no = ?, auditc = 'Y' WHERE code = ?", {p.firm, p.partner});
  db::insertRow(conn, "part_remu",
                {{"code", p.partner}, {"t_year", p.year}, {"pro_rate", p.sharePercent}, {"intt_rate", p.interestRate},
                 {"intt", p.interest}, {"remun", p.salary}, {"profit", p.shareOfProfit}});
}

void addDemoKeyPerson(db::Connection& conn, const DemoKeyPerson& k) {
  db::insertRow(conn, "geninfo_schh_13",
                {{"code_no", k.company}, {"ass_year", k.year}, {"srno", k.srNo}, {"name", k.name},
                 {"desig", k.designation}, {"pan", k.pan}, {"din", k.din}});
}

DemoYear::DemoYear(db::Connection& conn, std::string code, int year, int statusCode)
    : conn_(conn), code_(std::move(code)), year_(year), status_(statusCode) {}

DemoYear::~DemoYear() {
  db::insertRow(conn_, "income", {{"code_no", code_}, {"ass_year", year_}, {"status", status_},
                                  {"no_of_empr", employers_}, {"no_of_house", houses_},
                                  {"no_of_business", businesses_}});
}

DemoYear& DemoYear::employer(const char* name, const char* tan, const char* category, const char* city,
                             const char* state, long long salary, long long perquisites, long long professionalTax,
                             long long entertainment) {
  row("income_salary", {{"empr_num", ++employers_}, {"empr_name", name}, {"empr_tan", tan}, {"empr_catg", category},
                        {"empr_city", city}, {"empr_state", state}, {"salary", rupees(salary)},
                        {"perquisites", rupees(perquisites)}, {"proftax", rupees(professionalTax)},
                        {"entertain", rupees(entertainment)}});
  return *this;
}

DemoYear& DemoYear::exemptAllowance(const char* kind, long long received, long long exempt) {
  row("tab_exempt", {{"empr_num", employers_}, {"srno", next("tab_exempt" + std::to_string(employers_))},
                     {"allow_typ", kind}, {"received", rupees(received)}, {"exempt", rupees(exempt)}});
  return *this;
}

DemoYear& DemoYear::otherAllowance(const char* particulars, long long amount) {
  row("other_allow", {{"empr_num", employers_}, {"srno", next("other_allow" + std::to_string(employers_))},
                      {"particulars", particulars}, {"amount", rupees(amount)}});
  return *this;
}

DemoYear& DemoYear::house(const char* address, const char* city, const char* state, const char* pin, const char* use,
                          int share, long long rent, long long municipalTax, long long interest, const char* loanDate) {
  row("income_house", {{"house_no", ++houses_}, {"address", address}, {"city", city}, {"state", state}, {"pin", pin},
                       {"let_typ", use}, {"share_pct", share}, {"rent", rupees(rent)},
                       {"muni_tax", rupees(municipalTax)}, {"interest", rupees(interest)},
                       {"loan_dt", dateOrNull(loanDate)}});
  return *this;
}

DemoYear& DemoYear::coOwner(const char* name, const char* pan, int share) {
  row("hpcoowndet", {{"house_no", houses_}, {"srno", next("co" + std::to_string(houses_))}, {"name", name},
                     {"pan", pan}, {"share_pct", share}});
  return *this;
}

DemoYear& DemoYear::tenant(const char* name, const char* pan) {
  row("hptenantdet", {{"house_no", houses_}, {"srno", next("tenant" + std::to_string(houses_))}, {"name", name},
                      {"pan", pan}});
  return *this;
}

DemoYear& DemoYear::business(const char* name, const char* nature, long long turnover, long long grossReceipts,
                             long long netProfit) {
  row("income_business", {{"business_no", ++businesses_}, {"bus_name", name}, {"nature", nature},
                          {"turnover", rupees(turnover)}, {"gross_rec", rupees(grossReceipts)},
                          {"net_profit", rupees(netProfit)}});
  return *this;
}

DemoYear& DemoYear::disallowed(const char* section, const char* particulars, long long amount) {
  row("business_disallowed", {{"business_no", businesses_}, {"srno", next("dis" + std::to_string(businesses_))},
                              {"section", section}, {"particulars", particulars}, {"amount", rupees(amount)}});
  return *this;
}

DemoYear& DemoYear::accountItem(const char* item, const char* particulars, long long amount) {
  row("business_plitems", {{"business_no", businesses_}, {"srno", next("pl" + std::to_string(businesses_))},
                           {"item", item}, {"particulars", particulars}, {"amount", rupees(amount)}});
  return *this;
}

DemoYear& DemoYear::presumptive(const char* section, long long turnover, long long digital, long long declared) {
  row("business_44adaf", {{"bus_num", businesses_}, {"srno", next("pre" + std::to_string(businesses_))},
                          {"part_num", section}, {"turnover", rupees(turnover)}, {"turnover_dig", rupees(digital)},
                          {"tic", rupees(declared)}});
  return *this;
}

DemoYear& DemoYear::goodsCarriage(const char* registration, bool heavy, int tons, int months,
                                  long long declaredPerMonth) {
  row("business_44ae", {{"bus_num", 0}, {"part_no", next("business_44ae")}, {"reg_no", registration},
                        {"heavy", heavy ? 1 : 0}, {"tons", tons}, {"no_vehicle", 1}, {"no_month", months},
                        {"incpermnth", "Y"}, {"profit", rupees(declaredPerMonth)}});
  return *this;
}

DemoYear& DemoYear::firm(const char* name, const char* pan, const char* sharePercent, long long capital,
                         long long shareOfProfit, long long salary, long long interest, bool audited) {
  row("business_firm", {{"firm_no", next("business_firm")}, {"firm_name", name}, {"firm_pan", pan},
                        {"share_pct", sharePercent}, {"cap_bal", rupees(capital)},
                        {"share_profit", rupees(shareOfProfit)}, {"salary", rupees(salary)},
                        {"interest", rupees(interest)}, {"commission", rupees(0)}, {"audapp", audited ? "Y" : "N"},
                        {"app92e", "N"}});
  return *this;
}

DemoYear& DemoYear::transfer(const char* kind, const char* description, const char* acquired, const char* transferred,
                             long long consideration, long long stampValue, long long expenses, long long cost) {
  row("capital", {{"srno", ++transfers_}, {"asset_kind", kind}, {"descr", description}, {"acq_dt", acquired},
                  {"trf_dt", transferred}, {"sale_val", rupees(consideration)}, {"val50c", rupees(stampValue)},
                  {"exp_trf", rupees(expenses)}, {"cost", rupees(cost)}});
  return *this;
}

DemoYear& DemoYear::improvement(const char* date, long long amount) {
  row("capital_improvement", {{"cap_srno", transfers_}, {"srno", next("imp" + std::to_string(transfers_))},
                              {"imp_dt", date}, {"amount", rupees(amount)}});
  return *this;
}

DemoYear& DemoYear::exemption(const char* section, const char* newAssetDate, long long invested) {
  row("capital_exem", {{"cap_srno", transfers_}, {"srno", next("exem" + std::to_string(transfers_))},
                       {"section", section}, {"new_dt", dateOrNull(newAssetDate)}, {"invested", rupees(invested)}});
  return *this;
}

DemoYear& DemoYear::bookNetProfit(long long netProfit) {
  row("mat_cal", {{"net_profit", rupees(netProfit)}});
  return *this;
}

DemoYear& DemoYear::bookAdjustment(const char* flag, const char* clause, const char* particulars,
                                   long long amount) {
  row("tbmatadddedn", {{"flagad", flag}, {"srno", next(std::string("mat") + flag)}, {"clause", clause},
                       {"part", particulars}, {"amt", rupees(amount)}});
  return *this;
}

DemoYear& DemoYear::receipt(const char* nature, const char* particulars, long long amount) {
  row("other_income", {{"srno", next("other_income")}, {"nature", nature}, {"particulars", particulars},
                       {"amount", rupees(amount)}});
  return *this;
}

DemoYear& DemoYear::exempt(const char* kind, const char* particulars, long long amount) {
  row("incitemdet", {{"typ", kind}, {"srno", next("incitemdet")}, {"particulars", particulars},
                     {"amount", rupees(amount)}},
      "tyear");
  return *this;
}

DemoYear& DemoYear::winnings(const char* particulars, long long amount) {
  row("sprtothinc", {{"srno", next("sprtothinc")}, {"seccode", "5BB"}, {"particulars", particulars},
                     {"amount", rupees(amount)}},
      "tyear");
  return *this;
}

DemoYear& DemoYear::certificate(const char* kind, const char* bought, const char* number, long long amount,
                                const char* rate, long long interest) {
  row("rebate_nsc", {{"rebtyp", kind}, {"srno", next("rebate_nsc")}, {"purchasedt", bought}, {"certno", number},
                     {"issuedby", "POST OFFICE"}, {"amount", rupees(amount)}, {"rate", rate},
                     {"interest", rupees(interest)}});
  return *this;
}

DemoYear& DemoYear::loss(int part, int lossYear, long long amount) {
  row("losses", {{"srno", next("losses")}, {"part", part}, {"loss_ay", lossYear}, {"amount", rupees(amount)},
                 {"intime", "Y"}});
  return *this;
}

DemoYear& DemoYear::claim(const char* section, const char* particulars, long long amount) {
  row("deductionnew", {{"srno", next("deductionnew")}, {"section", section}, {"particulars", particulars},
                       {"claimed", rupees(amount)}});
  return *this;
}

DemoYear& DemoYear::seniorInsured(bool self, bool parents) {
  row("deduction", {{"senior_self", self ? "Y" : "N"}, {"senior_parents", parents ? "Y" : "N"}, {"severe_disab", "N"}});
  return *this;
}

DemoYear& DemoYear::donation(long long donee, long long amount) {
  row("ded80g", {{"srno", next("ded80g")}, {"doneecd", donee}, {"amount", rupees(amount)}});
  return *this;
}

DemoYear& DemoYear::tds(const char* item, const char* deductor, const char* tan, const char* date, long long paid,
                        long long deducted, int head) {
  row("tds", {{"srno", next("tds")}, {"itemcd", item}, {"dedname", deductor}, {"dedtan", tan}, {"deddt", date},
              {"totinc", rupees(paid)}, {"tdsded", rupees(deducted)}, {"tdsclaim", rupees(deducted)}, {"partid", head}},
      "asyear");
  return *this;
}

DemoYear& DemoYear::advance(const char* bsr, const char* date, const char* serial, long long amount) {
  return challan("adv_tax", bsr, date, serial, amount);
}

DemoYear& DemoYear::selfTax(const char* bsr, const char* date, const char* serial, long long amount) {
  return challan("self_tax", bsr, date, serial, amount);
}

DemoYear& DemoYear::relief89(long long amount) {
  row("income_relief", {{"rel89", rupees(amount)}});
  return *this;
}

// A challan paid on a date dd/mm/yyyy, kept as the DATE column holds it.
DemoYear& DemoYear::challan(const char* table, const char* bsr, const char* date, const char* serial,
                            long long amount) {
  row(table, {{"srno", next(table)}, {"bsr_code", bsr}, {"date", formatIso(*parseDmy(date))}, {"chsrno", serial},
              {"amt", rupees(amount)}});
  return *this;
}

void DemoYear::row(const std::string& table, db::Pairs values, const char* yearColumn) {
  db::Pairs all{{"code_no", code_}, {yearColumn, year_}};
  all.insert(all.end(), values.begin(), values.end());
  db::insertRow(conn_, table, all);
}

}  // namespace meridian::suite::heads

#include "itr/return_year.h"

#include <array>
#include <cmath>

#include "common/text.h"
#include "host/client_particulars.h"
#include "suite/assets/fixed_asset_chart.h"
#include "suite/heads/capital_gain_rules.h"
#include "suite/heads/cost_inflation_index.h"
#include "suite/engine/compute_year.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::itr {

std::string returnStatusCode(int status, bool mrr, bool pdt) {
  static const std::array<std::array<const char*, 2>, 11> codes{{
      {"I", "I"},
      {"H", "H"},
      {"AOP", "PDT"},  // by vPDT
      {"TRUST", "TRUST"},
      {"COS", "COB"},  // by vMRR from here on
      {"FIRM", "LLP"},
      {"PVT", "PVT_F"},
      {"PUB", "PUB_F"},
      {"BOI", "PDT"},  // by vPDT
      {"LA", "LA"},
      {"AJP", "AJP"},
  }};
  if (status < 0 || status > 10) return "";
  const bool second = (status == 2 || status == 8) ? pdt : mrr;
  return codes[status][second ? 1 : 0];
}

Money ReturnYear::totalIncome() const { return result ? result->totalIncome : Money(); }
Money ReturnYear::balance() const { return result ? result->balance : Money(); }

bool ReturnYear::houseLossNotAbsorbed() const {
  if (!result) return false;
  for (const auto& r : result->setOff.rows)
    if (r.part == engine::LossPart::houseProperty && r.year == year && r.carried > Money()) return true;
  return false;
}

bool ReturnYear::otherSourcesLoss() const { return result && result->otherSources.normal.isNegative(); }
bool ReturnYear::winnings() const { return result && result->otherSources.apart.winnings > Money(); }

bool ReturnYear::ownBusinessIncome() const {
  if (businesses > 0 || presumptive44AD > 0 || goodsCarriages > 0) return true;
  if (!result) return false;
  const auto& b = result->business;
  // A partner's salary, bonus and interest from the firm are part of the
  // ordinary business figure (s.28(v)) but are income from the firm, which
  // ITR-3 shows.
  return !(b.ordinary - b.firmRemuneration).isZero() || !b.speculation.isZero() || b.applied44ad || b.applied44ada ||
         b.applied44ae;
}

bool ReturnYear::businessBeyondPresumptive() const {
  if (businessesOutsidePresumptive > 0) return true;
  return result && (!result->business.speculation.isZero() || result->business.applied44ada);
}

Money ReturnYear::agricultural() const { return result ? result->agricultural : Money(); }

Money ReturnYear::exemptIncomeWithAllowances() const {
  if (!result) return Money();
  Money m = result->agricultural + result->exemptIncome;
  for (const auto& s : result->salaries) m += s.exemptAllowances;
  return m;
}

bool ReturnYear::amtShown() const {
  return result && result->alternate.kind == engine::AlternateKind::amt && !result->alternate.total().isZero();
}

bool ReturnYear::amtCreditCarried() const {
  return result && result->alternate.kind == engine::AlternateKind::amt && !result->alternate.creditsCarried.empty();
}

namespace {

// Reads facts from a table when the database holds it; a missing table is
// noted so that what rests on it is reported as not examined.
class TableReader {
 public:
  TableReader(db::Connection& conn, ReturnYear& y) : conn_(conn), y_(y) {}

  bool has(const std::string& table) {
    if (conn_.hasTable(table)) return true;
    y_.missingTables.insert(table);
    return false;
  }
  int count(const std::string& table, const std::string& where, const db::Params& params) {
    if (!has(table)) return 0;
    return std::stoi(conn_.scalar("SELECT COUNT(*) FROM " + table + " WHERE " + where, params));
  }
  db::RecordSet rows(const std::string& table, const std::string& sql, const db::Params& params) {
    if (!has(table)) return {};
    return conn_.query(sql, params);
  }

 private:
  db::Connection& conn_;
  ReturnYear& y_;
};

void readClient(db::Connection& conn, ReturnYear& y, bool mrr, bool pdt) {
  auto p = host::ClientParticulars::load(conn, y.dataSet, y.year);
  if (!p) return;
  y.client = p->code;
  y.clientName = p->name();
  y.pan = p->pan;
  y.statusNumber = p->statusCode();
  y.statusCode = returnStatusCode(y.statusNumber, mrr, pdt);
  y.resident = p->residentialStatus.empty() || p->residentialStatus.find("NON") == std::string::npos;
  y.birth = p->birthOrIncorporation;
  y.phone = p->phone;
  y.mobile = p->mobile;
  y.email = p->email;
}

void readComputation(db::Connection& conn, ReturnYear& y) {
  try {
    auto loaded = suite::heads::loadYearInput(conn, {y.client, y.dataSet, y.year});
    y.input = loaded.input;
    y.result = engine::computeYear(loaded.input);
  } catch (const std::exception& e) {
    y.computationNote = e.what();
  }
}

// A DATE column reads back "yyyy-mm-dd" (MariaDB may add a time).
std::optional<CivilDate> dateColumn(const db::Row& r, const char* column) { return parseIso(r.text(column).substr(0, 10)); }

// Each transfer's type, term and exemption claims, the term as the heads
// reckon it; a transfer whose dates are not both given counts as
// short-term.
void readCapitalAssets(db::Connection& conn, TableReader& t, ReturnYear& y) {
  if (!t.has("capital") || !t.has("capital_exem")) return;
  const db::Params key{y.dataSet, y.year};
  const bool person = y.statusCode == "I" || y.statusCode == "H";
  for (const auto& r : conn.query("SELECT srno, asset_kind, acq_dt, trf_dt FROM capital WHERE code_no = ? AND "
                                  "ass_year = ? ORDER BY srno",
                                  key)) {
    CapitalAssetFacts a;
    a.serial = static_cast<int>(r.integer("srno"));
    const auto kind = suite::heads::assetKindOf(r.text("asset_kind"));
    a.kindGiven = kind.has_value();
    a.landOrBuilding = kind && (*kind == suite::heads::AssetKind::residentialHouse ||
                                *kind == suite::heads::AssetKind::landOrBuilding);
    const auto acquired = dateColumn(r, "acq_dt"), transferred = dateColumn(r, "trf_dt");
    if (acquired && transferred) {
      suite::heads::Transfer tr;
      tr.kind = kind.value_or(suite::heads::AssetKind::other);
      tr.acquired = *acquired;
      tr.transferred = *transferred;
      a.longTerm = suite::heads::gainOf(tr, {y.year, person}, suite::heads::CostInflationIndex::shipped()).longTerm;
    }
    for (const auto& c : conn.query("SELECT section, new_dt FROM capital_exem WHERE code_no = ? AND ass_year = ? AND "
                                    "cap_srno = ? ORDER BY srno",
                                    {y.dataSet, y.year, a.serial}))
      a.claims.push_back({c.text("section"), dateColumn(c, "new_dt").has_value()});
    y.capitalAssets.push_back(std::move(a));
  }
}

// The firm's side of each firm the client is a partner in: the salary and
// interest its rows pay the client, found through the firm's PAN among the
// practice's clients and the client's link to it in the register.
void readFirmsRows(db::Connection& conn, TableReader& t, ReturnYear& y) {
  if (y.firms.empty() || !t.has("part_remu") || !t.has("owner1") || !t.has("main_info1")) return;
  for (auto& firm : y.firms) {
    if (firm.pan.empty()) continue;
    const auto rows = conn.query(
        "SELECT p.remun, p.intt FROM part_remu p JOIN owner1 o ON o.code = p.code JOIN main_info1 m ON m.code_no = "
        "o.code_no WHERE p.code = ? AND p.t_year = ? AND m.pan = ?",
        {y.client, y.year, firm.pan});
    if (rows.empty()) continue;
    firm.firmsSalary = Money::rupees(rows.front().integer("remun"));
    firm.firmsInterest = Money::rupees(rows.front().integer("intt"));
  }
}

// The persons linked to the client in the register, with their share of
// the year's profit from the firm's rows (none: no share given).
void readMembers(db::Connection& conn, TableReader& t, ReturnYear& y) {
  if (!t.has("owner1") || !t.has("part_remu")) return;
  for (const auto& r : conn.query("SELECT o.code, o.status, o.dpin, p.pro_rate, p.remun, p.intt FROM owner1 o LEFT "
                                  "JOIN part_remu p ON p.code = o.code AND p.t_year = ? WHERE o.code_no = ? ORDER BY "
                                  "o.code",
                                  {y.year, y.client}))
    y.members.push_back({r.text("code"), trimmed(r.text("status")), std::llround(r.number("pro_rate") * 10000),
                         trimmed(r.text("dpin")), Money::rupees(r.integer("remun")), Money::rupees(r.integer("intt"))});
}

// The key persons of a company's year, in the order they were entered.
void readKeyPersons(TableReader& t, ReturnYear& y) {
  for (const auto& r : t.rows("geninfo_schh_13",
                              "SELECT name, desig, din FROM geninfo_schh_13 WHERE code_no = ? AND ass_year = ? "
                              "ORDER BY srno",
                              {y.dataSet, y.year}))
    y.keyPersons.push_back({trimmed(r.text("name")), trimmed(r.text("desig")), trimmed(r.text("din"))});
}

void readTables(db::Connection& conn, ReturnYear& y) {
  TableReader t(conn, y);
  const db::Params key{y.dataSet, y.year};
  const std::string byYear = "code_no = ? AND ass_year = ?";

  for (const auto& r : t.rows("geninfo_miscinf", "SELECT * FROM geninfo_miscinf WHERE " + byYear, key)) {
    y.representativeAssessee = r.has("repass") && r.text("repass") == "1";
    y.liable44AA = r.text("opt44aa") == "1";
    y.audit44AB = r.has("opt44ab") && r.text("opt44ab") == "1";
  }
  for (const auto& r : t.rows("new_tab", "SELECT auditc FROM new_tab WHERE code_no = ? AND ass_year = ?",
                              {y.dataSet, std::to_string(y.year)})) {
    const std::string audit = r.text("auditc");
    y.auditTicked = audit == "Y" || audit == "1";
  }
  for (const auto& r : t.rows("income_house", "SELECT house_no, share_pct FROM income_house WHERE " + byYear +
                                                  " ORDER BY house_no", key)) {
    HouseShares h{static_cast<int>(r.integer("house_no")), static_cast<int>(r.integer("share_pct", 100)), 0, false};
    for (const auto& c : t.rows("hpcoowndet", "SELECT share_pct FROM hpcoowndet WHERE " + byYear + " AND house_no = ?",
                                {y.dataSet, y.year, h.house})) {
      h.coOwnersShare += static_cast<int>(c.integer("share_pct"));
      h.hasCoOwnerRows = true;
    }
    y.houseShares.push_back(h);
  }
  y.houses = static_cast<int>(y.houseShares.size());

  const auto general = suite::geninfo::loadGeneralInformation(conn, y.dataSet, y.year);
  y.noAccount = general.noAccount;
  y.assetsAndLiabilitiesGiven = general.assets && general.assets->given;

  y.businesses = t.count("income_business", byYear, key);
  y.presumptive44AD = t.count("business_44adaf", byYear + " AND part_num = 0", key);
  if (y.businesses > 0 && t.has("business_44adaf"))
    y.businessesOutsidePresumptive = t.count(
        "income_business",
        byYear + " AND business_no NOT IN (SELECT bus_num FROM business_44adaf WHERE code_no = ? AND ass_year = ? "
                 "AND part_num = 0)",
        {y.dataSet, y.year, y.dataSet, y.year});
  else
    y.businessesOutsidePresumptive = y.businesses;
  if (y.businesses > 0 && t.has("business_44adaf"))
    y.businessesWithoutBooksDepreciation = t.count(
        "income_business",
        byYear + " AND COALESCE(dep_debited, 0) = 0 AND NOT EXISTS (SELECT 1 FROM business_44adaf p WHERE "
                 "p.code_no = income_business.code_no AND p.ass_year = income_business.ass_year AND "
                 "p.bus_num = income_business.business_no)",
        key);
  y.goodsCarriages = t.count("business_44ae", byYear, key);
  y.heavyCarriages = t.count("business_44ae", byYear + " AND heavy = 1", key);
  y.unclassifiedCarriages = t.count("business_44ae", byYear + " AND heavy NOT IN (0, 1)", key);
  y.commissionRows = t.count("comms", "code_no = ? AND assyear = ?", key);
  y.specifiedBusiness35AD = t.count("business_35ad", byYear + " AND srno = 1", key) > 0;
  for (const auto& r : t.rows("business_firm", "SELECT * FROM business_firm WHERE " + byYear + " ORDER BY firm_no", key))
    y.firms.push_back({static_cast<int>(r.integer("firm_no")), r.text("firm_name"), r.text("firm_pan"),
                       r.text("audapp"), r.text("app92e"), r.money("salary").value_or(Money()),
                       r.money("interest").value_or(Money()), r.money("share_profit").value_or(Money())});
  if (t.has(suite::heads::kProfitAndLossItemsTable)) {
    y.profitAndLossItems.emplace();
    for (const auto& [business, items] : suite::heads::readProfitAndLossItems(conn, y.dataSet, y.year))
      *y.profitAndLossItems += items;
  }
  for (const auto& r : t.rows("incitemdet", "SELECT amount FROM incitemdet WHERE code_no = ? AND tyear = ?", key))
    y.exemptIncomeEntered += r.money("amount").value_or(Money());
  for (const auto& r : t.rows("memsharedet", "SELECT * FROM memsharedet WHERE code_no = ? AND t_year = ? ORDER BY srno",
                              key))
    y.aopShares.push_back({r.text("aop_name"), r.text("aop_pan"), r.text("tax_basis"),
                           r.money("share_inc").value_or(Money())});
  readFirmsRows(conn, t, y);
  readMembers(conn, t, y);
  readKeyPersons(t, y);
  for (const auto& r : t.rows("tbmatadddedn", "SELECT DISTINCT flagad, clause FROM tbmatadddedn WHERE " + byYear, key))
    y.bookProfitClauses.push_back(r.text("flagad") + ":" + r.text("clause"));

  y.capitalGainRows = t.count("capital", byYear, key);
  for (const auto& r : t.rows("capital_deemed", "SELECT term, section FROM capital_deemed WHERE " + byYear + " ORDER BY srno",
                              key))
    y.deemedGains.push_back({r.text("term") == "L", false, 0, trimmed(r.text("section"))});
  for (const auto& r : t.rows("capital_deemn",
                              "SELECT term, prev_year, section FROM capital_deemn WHERE " + byYear + " ORDER BY srno", key))
    y.deemedGains.push_back({r.text("term") == "L", true, static_cast<int>(r.integer("prev_year")), trimmed(r.text("section"))});
  y.capitalGainRows += static_cast<int>(y.deemedGains.size());
  for (const auto& r : t.rows("appfund", "SELECT bus_books, charge_11_4 FROM appfund WHERE " + byYear, key))
    y.trustBusiness = ReturnYear::TrustBusiness{r.money("bus_books").value_or(Money()),
                                                r.money("charge_11_4").value_or(Money())};
  y.depreciableAssetGains = t.count("capital_depr", byYear, key);
  y.specialRateRows = t.count("sprtothinc", "code_no = ? AND tyear = ?", key);
  y.passThroughRows = t.count("schpti", byYear, key);
  y.foreignAssetRows = t.count("schresfa", byYear, key);
  for (const auto& r : t.rows("taxrelsch",
                              "SELECT * FROM taxrelsch WHERE " + byYear + " AND rowtyp <> 'CRREF' ORDER BY srno", key)) {
    const std::string code = trimmed(r.text("country_cd")), name = trimmed(r.text("country_nm"));
    y.foreignIncome.push_back({code.empty() || name.empty() ? "" : code + " " + name, trimmed(r.text("tin")),
                               r.text("head"), r.text("relsec"), r.money("income").value_or(Money())});
  }
  y.foreignIncomeRows = static_cast<int>(y.foreignIncome.size());

  for (const auto& r : t.rows("losses", "SELECT DISTINCT part FROM losses WHERE " + byYear, key))
    y.broughtForwardParts.insert(static_cast<int>(r.integer("part")));
  for (const auto& r : t.rows("income_relief", "SELECT * FROM income_relief WHERE " + byYear, key)) {
    y.relief90 = r.money("rel90").value_or(Money());
    y.relief90A = r.money("rel90a").value_or(Money());
    y.relief91 = r.money("rel91").value_or(Money());
  }
  for (const auto& r : t.rows("tds",
                              "SELECT t.itemcd, t.tdsded, t.tdsclaim, t.spouseclaim, s.section FROM tds t LEFT JOIN secdesc_items s "
                              "ON s.itemcd = t.itemcd WHERE t.code_no = ? AND t.asyear = ?",
                              key)) {
    const std::string section = r.text("section");
    CreditEntries& kind = section.rfind("206C", 0) == 0 ? y.tcs
                          : section == "192"            ? y.salaryTds
                          : section == "194IA"          ? y.immovableTds
                                                        : y.otherTds;
    ++kind.entries;
    if (r.money("tdsclaim").value_or(Money()) > r.money("tdsded").value_or(Money())) ++kind.beyondDeducted;
    if (r.money("spouseclaim").value_or(Money()) > Money()) ++kind.spouseClaims;
  }
  readCapitalAssets(conn, t, y);
  for (const auto& r : t.rows("geninfo_schj", "SELECT * FROM geninfo_schj WHERE " + byYear + " ORDER BY srno", key)) {
    ReturnYear::Distribution d{static_cast<int>(r.integer("srno")), trimmed(r.text("flagbbs")), dateColumn(r, "dist_dt"),
                               r.money("amount").value_or(Money()), r.money("received").value_or(Money()), Money()};
    for (const auto& p : t.rows("dist_tax", "SELECT amt FROM dist_tax WHERE " + byYear + " AND schj_srno = ?",
                                {y.dataSet, y.year, d.serial}))
      d.taxPaid += p.money("amt").value_or(Money());
    y.distributions.push_back(std::move(d));
  }
  for (const auto& r : t.rows("incsec5a", "SELECT * FROM incsec5a WHERE " + byYear, key)) {
    auto pair = [&](const char* received, const char* spouse) {
      return ReturnYear::Apportioned{r.money(received).value_or(Money()), r.money(spouse).value_or(Money())};
    };
    y.schedule5A = ReturnYear::Schedule5A{pair("hp_inc", "hp_spouse"), pair("bp_inc", "bp_spouse"),
                                          pair("cg_inc", "cg_spouse"), pair("os_inc", "os_spouse"),
                                          pair("tds", "tds_spouse")};
  }
  if (conn.hasTable("dep_itr_it")) y.depreciationChart = suite::assets::readChart(conn, y.dataSet, y.year);
  else y.missingTables.insert("dep_itr_it");
}

}  // namespace

ReturnYear readReturnYear(db::Connection& conn, const std::string& dataSet, int year, bool mrr, bool pdt) {
  ReturnYear y;
  y.dataSet = dataSet;
  y.client = dataSet.substr(0, dataSet.find('^'));
  y.year = year;
  readClient(conn, y, mrr, pdt);
  readTables(conn, y);
  readComputation(conn, y);
  return y;
}

}  // namespace meridian::itr

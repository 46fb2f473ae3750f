#include "register/year_opening.h"

#include "common/dates.h"
#include "db/rows.h"
#include "db/table_schema.h"
#include "host/status.h"
#include "host/year_row.h"
#include "register/head_carry_forward.h"
#include "suite/assets/chart_carry_forward.h"
#include "suite/dataset/head_copy.h"
#include "suite/heads/tax_credit_history.h"

namespace meridian::reg {
namespace {

// How self-assessment tax counts for interest u/s 234A in a new year row
// (the computation settings' "selfy"): 2 from A.Y. 2015-16, 5 before.
struct SelfAssessmentDefault {
  int fromYear;
  int selfy;
};
constexpr SelfAssessmentDefault kSelfAssessmentDefaults[] = {{0, 5}, {2015, 2}};

int selfyFor(int year) {
  int selfy = 0;
  for (const auto& d : kSelfAssessmentDefaults)
    if (year >= d.fromYear) selfy = d.selfy;
  return selfy;
}

// The private discretionary trust flag is kept from A.Y. 2014-15.
constexpr int kFirstYearOfPrivateTrustFlag = 2014;

// Statuses whose maximum marginal rate the trust schedule's flag decides.
bool aopOrBoi(int statusCode) { return statusCode == 2 || statusCode == 8; }

// The general-information schedules carried into a year, by the client they
// belong to; each head's table is carried only when the year has no row.
struct Schedules {
  bool forTrusts;
  const char* table;
  std::vector<const char*> details;
};
const std::vector<Schedules>& generalInformation() {
  static const std::vector<Schedules> list = {
      {false, "geninfo_schh", {"geninfo_schh_9", "geninfo_schh_11", "geninfo_schh_14", "geninfo_schh_17"}},
      // The key persons are kept by their own grid, with no row of
      // geninfo_schh: a company's directors come into the new year by
      // themselves, whether or not that schedule is kept or carried.
      {false, "geninfo_schh_13", {}},
      {true, "form3a_geninfo", {}},
      {true, "form3a_schi", {}},
      {true, "form3a_schk1", {}},
      {true, "form3a_schk2", {}},
      {true, "form3a_schl1", {}},
      {true, "form3a_schl2", {}},
      {true, "form3a_schl3", {}},
      {true, "form3a_schl4", {}},
      {true, "geninfo_schl", {}},
      {true, "form3a_nature", {}},
  };
  return list;
}
// Carried for every client.
constexpr const char* kAlwaysCarried = "geninfo_2c";

constexpr const char* kCertificates = "rebate_nsc";
// The second credit table holds the printout's credit statement, which this
// installation builds from the first.
constexpr const char* kSecondCreditTable = "taxcr115jbc2";

std::string codeInUse(host::Component& host) {
  const std::string rt = host.clientCtx().vt_RTCode_No.get();
  return rt.empty() ? host.clientCtx().vT_Code_No.get() : rt;
}

// The MAT/AMT credit of the years before: the credit table keeps one row per
// year of origin (suite/heads/tax_credit_history.h), so the year opened reads
// the earlier years where they are and nothing is copied under the new year.
// What the carry brings is the previous year's settled figures (a revised
// return's, say) where the data set in use would read other rows for those
// years: each year of origin stays one row, now with its final figures.
void offerCreditCarryForward(db::Connection& conn, ui::Dialogs& dialogs, const std::string& client,
                             const std::string& code, const std::string& previous, int year, AlternateTax credit) {
  using suite::heads::taxCreditHistory;
  const auto settled = taxCreditHistory(conn, client, previous, year);
  const auto inUse = taxCreditHistory(conn, client, code, year);
  suite::heads::TaxCreditHistory differing;
  for (const auto& [origin, rows] : settled)
    if (auto it = inUse.find(origin); it == inUse.end() || it->second != rows) differing.emplace(origin, rows);
  if (differing.empty()) return;
  const std::string name = credit == AlternateTax::mat ? "MAT Credit u/s 115JAA" : "AMT Credit u/s 115JD";
  if (!dialogs.yesNo("Do you want to Carry Forward \"" + name + "\" available from Previous Year ?")) return;
  auto tx = conn.begin();
  suite::heads::replaceTaxCreditRows(conn, code, differing);
  tx.commit();
}

std::string dmy(const std::optional<CivilDate>& d) { return d ? formatDmy(*d) : std::string(); }

}  // namespace

int statusOfYear(db::Connection& conn, const std::string& code, const std::string& client, int year,
                 const std::string& statusText) {
  const auto row = conn.query("SELECT status FROM income WHERE code_no = ? AND ass_year = ?", {code, year});
  if (!row.empty()) return static_cast<int>(row.front().integer("status"));
  const std::string other = conn.scalar(
      "SELECT status FROM income WHERE code_no IN (?, ?) ORDER BY ass_year DESC", {code, client}, "");
  const int status = other.empty() ? host::statusCode(statusText) : std::stoi(other);
  auto tx = conn.begin();
  db::insertRow(conn, "income",
                {{"code_no", code}, {"ass_year", year}, {"emp_name", ""}, {"no_of_empr", 0}, {"no_of_house", 0},
                 {"no_of_business", 0}, {"no_of_capital", 0}, {"status", status}, {"a234", 1}, {"b234", 1},
                 {"c234", 3}, {"selfy", selfyFor(year)}, {"selfy1", 1}, {"unabdepr", "1"}});
  tx.commit();
  return status;
}

void deriveYearStatus(host::Component& host) {
  db::Connection& conn = host.base().DbObj();
  host::ReturnContext& ret = host.returnCtx();
  const std::string code = codeInUse(host);
  const int year = host.clientCtx().vT_Year.get();
  ret.vStatus_Read = 0;
  const int status = statusOfYear(conn, code, host.clientCtx().vT_Code_No.get(), year, ret.vT_StaT.get());
  ret.vStatus_Read = status;
  bool mrr = ret.vMRR.get();
  if (aopOrBoi(status)) {
    const auto rows = conn.query("SELECT minmrate FROM form3a_geninfo WHERE code_no = ? AND ass_year = ?", {code, year});
    if (!rows.empty()) mrr = rows.front().text("minmrate") == "1";
  }
  ret.vMRR = mrr;
  bool pdt = false;
  if (year >= kFirstYearOfPrivateTrustFlag) {
    std::string flag = host.base().GetMiscOthInf(code, year, "PVTDESCTRUST");
    if (flag.empty()) flag = host.base().GetMiscOthInf(code, year - 1, "PVTDESCTRUST");
    pdt = flag == "1";
  }
  ret.vPDT = pdt;
}

bool ensureYearParticulars(host::Component& host) {
  db::Connection& conn = host.base().DbObj();
  const std::string code = codeInUse(host);
  const std::string client = host.clientCtx().vT_Code_No.get();
  const int year = host.clientCtx().vT_Year.get();
  const std::string yearText = std::to_string(year);
  if (conn.exists("SELECT 1 FROM new_tab WHERE code_no = ? AND ass_year = ?", {code, yearText})) return false;

  const db::Pairs values = host::newYearRow(conn, client, code, year);

  auto tx = conn.begin();
  db::insertRow(conn, "new_tab", values);
  // A new year takes last year's accounts and cards.
  for (const char* table : {"bank_details", "credit_details"}) {
    if (conn.exists(std::string("SELECT 1 FROM ") + table + " WHERE code_no = ? AND yr = ?", {client, year})) continue;
    const auto cols = db::tableColumns(conn, table);
    std::string names, selected;
    for (const auto& c : cols) {
      names += (names.empty() ? "" : ", ") + c.name;
      selected += (selected.empty() ? "" : ", ") + (c.name == "yr" ? std::string("?") : c.name);
    }
    conn.execute(std::string("INSERT INTO ") + table + " (" + names + ") SELECT " + selected + " FROM " + table +
                     " WHERE code_no = ? AND yr = ?",
                 {year, client, year - 1});
  }
  tx.commit();
  return true;
}

void offerYearCarryForwards(host::Component& host, ui::Dialogs& dialogs, AlternateTax credit) {
  db::Connection& conn = host.base().DbObj();
  const std::string code = codeInUse(host);
  const std::string client = host.clientCtx().vT_Code_No.get();
  const int year = host.clientCtx().vT_Year.get();
  const std::string previous = settledDataSet(conn, client, year - 1);
  // Whether the table is there, empty in the year and filled in the year before.
  auto carriable = [&](const char* table) {
    suite::dataset::HeadCopy copy(conn, suite::dataset::HeadCopy::wholeTable(table));
    return copy.installed() && copy.entries(code, year) == 0 && copy.entries(previous, year - 1) > 0;
  };
  auto carry = [&](const char* table) {
    suite::dataset::HeadCopy(conn, suite::dataset::HeadCopy::wholeTable(table)).carry(previous, code, year, true);
  };
  if (carriable(kCertificates) && dialogs.yesNo("Do you want to Carry Forward Previous Year NSC/KVP Details?"))
    carry(kCertificates);
  // Last year's closing values open this year's depreciation chart; the year
  // before is read in its settled data set, never in this year's revision.
  if (suite::assets::chartCarriable(conn, previous, code, year) &&
      dialogs.yesNo("Do you want to Carry Forward Closing W.D.V. of Previous Year's Depreciation Chart?")) {
    auto tx = conn.begin();
    suite::assets::carryChartForward(conn, previous, code, year);
    tx.commit();
  }
  if (credit == AlternateTax::none) return;
  offerCreditCarryForward(conn, dialogs, client, code, previous, year, credit);
}

std::vector<std::string> carryGeneralInformation(host::Component& host) {
  db::Connection& conn = host.base().DbObj();
  const std::string code = codeInUse(host);
  const std::string client = host.clientCtx().vT_Code_No.get();
  const int year = host.clientCtx().vT_Year.get();
  const bool trust = host.returnCtx().vStatus_Read.get() == 3;
  const std::string previous = settledDataSet(conn, client, year - 1);
  std::vector<std::string> failed;
  auto carry = [&](suite::dataset::CarriedHead head) {
    suite::dataset::HeadCopy copy(conn, head);
    if (!copy.installed() || copy.entries(code, year) > 0 || copy.entries(previous, year - 1) == 0) return;
    try {
      copy.carry(previous, code, year, true);
    } catch (const std::exception& e) {
      failed.push_back(head.own.table + ": " + e.what());
    }
  };
  for (const auto& s : generalInformation()) {
    if (s.forTrusts != trust) continue;
    auto head = suite::dataset::HeadCopy::wholeTable(s.table);
    for (const char* d : s.details) head.details.push_back(suite::dataset::HeadCopy::wholeTable(d).own);
    carry(head);
  }
  carry(suite::dataset::HeadCopy::wholeTable(kAlwaysCarried));
  return failed;
}

std::optional<std::string> lateFilingWarning(const std::string& filedOn, const host::Date& dueDate,
                                             bool lossesOtherThanHousePropertyCarried) {
  const auto filed = parseDmy(filedOn);
  if (!filed || !dueDate || !(*filed > *dueDate) || !lossesOtherThanHousePropertyCarried) return std::nullopt;
  return "Due to Late Filing Some Losses Can not be Carried Forward : Due Date " + dmy(dueDate) + ", Date of Filing " +
         filedOn;
}

std::string yearOpeningNotKept(db::Connection& conn, bool trust, AlternateTax credit) {
  // What opening a year would take from each table, in the words the note uses.
  struct Kept {
    const char* what;
    std::vector<std::string> tables;
    bool applies;
  };
  std::vector<std::string> schedules;
  for (const auto& s : generalInformation()) {
    if (s.forTrusts != trust) continue;
    schedules.push_back(s.table);
    schedules.insert(schedules.end(), s.details.begin(), s.details.end());
  }
  schedules.push_back(kAlwaysCarried);
  const std::vector<Kept> kept = {
      {"the rebate items of the year", {"rebate"}, true},
      {"interest on income-tax refund received", {"refund", "othinc_items"}, true},
      {"the signatory of earlier years", {"signatory1"}, true},
      {"the MAT or AMT credit of the second credit table", {kSecondCreditTable}, credit != AlternateTax::none},
      {"the general-information schedules", schedules, true},
  };
  std::string note;
  for (const auto& k : kept) {
    if (!k.applies) continue;
    std::string absent;
    for (const auto& t : k.tables)
      if (!conn.hasTable(t)) absent += (absent.empty() ? "" : ", ") + t;
    if (absent.empty()) continue;
    note += (note.empty() ? "" : "; ") + std::string(k.what) + " (" + absent + ")";
  }
  if (note.empty()) return note;
  return "Not carried into the year, as this installation does not keep them: " + note + ".";
}

}  // namespace meridian::reg

#include "host/client_due_date.h"

#include <algorithm>
#include <cctype>

#include "common/dates.h"
#include "host/due_date_categories.h"
#include "host/due_date_store.h"
#include "host/status.h"

namespace meridian::host {

// How a client finds its row. The rows of the A.Y. are tried in list order
// and the first whose rule holds is the client's; rows for a state are tried
// before all others, since a state's own date overrides the general one.
//
//   row meant for                     holds when
//   company                           status is a company (TSTATUS 3 or 4)
//   company, audited                  company and audited
//   company (any other) [2013, 2014]  company (the audited one comes first)
//   company with 92E report [2011]    company and report u/s 92E
//   report u/s 92E [2012 on]          report u/s 92E
//   other than company, audited       not a company and audited
//   partnership firm, audited         status FIRM or FIRM (LIMITED LIABILITY) and audited
//   working partner                   a person linked (owner1.code_no) to a firm that is audited
//   other than company/firm, audited  neither company nor firm, audited
//   any other having business [-2000] has business or profession income
//   individual/HUF without business   INDIVIDUAL or HUF without business income [2007-2010]
//   Gujarat, 30 Sep 2013 [2013]       Gujarat option, no 92E report, and company, audited or working partner
//   Gujarat, 31 Aug 2015 [2015]       Gujarat option, no 92E report, none of company/audited/working partner
//   J&K, 30 Sep [2014, 2016]          J&K option, no 92E report, and company, audited or working partner
//   J&K, 92E report [2014, 2016]      J&K option and report u/s 92E
//   J&K, 31 Jul 2016 [2016]           J&K option, no 92E report, none of company/audited/working partner
//   e-filers, 31 Aug 2015 [2015]      e-filing option, not Gujarat, none of the above
//   any other, not Uttarakhand [2013] no Uttarakhand option
//   any other, Uttarakhand [2013]     Uttarakhand option
//   any other assessee                always
//
// Facts come from: status main_info1.status, else owner1.status (an owner1 row
// is an individual unless it says otherwise); audited new_tab.auditc of the
// year when that table has the row, else owner1.auditc of a person who is not
// linked to another client (a linked person's owner1.auditc follows the firm's
// audit box); working partner: owner1.code_no names a client of status FIRM
// whose year row in new_tab is audited, or, without one, whose audit box the
// person's owner1.auditc carries; report u/s 92E, state and e-filing options
// are year values (GetMiscOthInf) under kReport92EKey, "RESASSINGUJ",
// "RESASSINJK", "RESASSINUK", "ResAssInState2" (J&K in A.Y. 2016-17 only) and
// "REQEFILING"; business income: rows of business_44adaf or business_44ae of
// the year, counted as the return-form choice counts them.
namespace {

bool ticked(std::string v) {
  v.erase(std::remove_if(v.begin(), v.end(), [](unsigned char c) { return std::isspace(c); }), v.end());
  std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return std::toupper(c); });
  return v == "Y" || v == "1" || v == "YES" || v == "TRUE";
}

bool isCompany(const ClientFacts& f) { return host::statusClass(f.status) >= 3; }
bool isFirm(const ClientFacts& f) { return host::statusCode(f.status) == 5; }
bool isIndividualOrHuf(const ClientFacts& f) {
  int c = host::statusCode(f.status);
  return c == 0 || c == 1;
}
// Those whose return falls due on the later, audit date.
bool auditDate(const ClientFacts& f) { return isCompany(f) || f.audited || f.workingPartnerOfAuditedFirm; }

bool stateRow(CategoryKind k) {
  using K = CategoryKind;
  return k == K::gujaratLate || k == K::gujaratOther || k == K::jkLate || k == K::jk92E || k == K::jkOther;
}

bool fits(CategoryKind kind, const ClientFacts& f) {
  using K = CategoryKind;
  switch (kind) {
    case K::company:
    case K::companyNotAudited: return isCompany(f);
    case K::companyAudited: return isCompany(f) && f.audited;
    case K::company92E: return isCompany(f) && f.report92E;
    case K::report92E: return f.report92E;
    case K::auditedNonCompany: return !isCompany(f) && f.audited;
    case K::firmAudited: return isFirm(f) && f.audited;
    case K::workingPartner: return f.workingPartnerOfAuditedFirm;
    case K::auditedOther: return !isCompany(f) && !isFirm(f) && f.audited;
    case K::otherWithBusiness: return f.hasBusiness;
    case K::indHufNoBusiness: return isIndividualOrHuf(f) && !f.hasBusiness;
    case K::gujaratLate: return f.gujarat && !f.report92E && auditDate(f);
    case K::gujaratOther: return f.gujarat && !f.report92E && !auditDate(f);
    case K::jkLate: return f.jammuKashmir && !f.report92E && auditDate(f);
    case K::jk92E: return f.jammuKashmir && f.report92E;
    case K::jkOther: return f.jammuKashmir && !f.report92E && !auditDate(f);
    case K::eFilerOther: return f.eFiler && !f.gujarat && !f.report92E && !auditDate(f);
    case K::otherNotUttarakhand: return !f.uttarakhand;
    case K::uttarakhandOther: return f.uttarakhand;
    case K::anyOther: return true;
  }
  return false;
}

// The audit box of a client's year row; nullopt when there is no such row.
std::optional<bool> yearAudit(db::Connection& conn, const std::string& code, int year) {
  if (!conn.hasTable("new_tab")) return std::nullopt;
  auto rs = conn.query("SELECT auditc FROM new_tab WHERE code_no = ? AND ass_year = ?", {code, std::to_string(year)});
  if (rs.empty()) return std::nullopt;
  return ticked(rs.front().text(0));
}

bool hasBusinessRows(db::Connection& conn, const std::string& code, int year) {
  if (conn.hasTable("business_44adaf") &&
      conn.exists("SELECT 1 FROM business_44adaf WHERE code_no = ? AND ass_year = ? AND part_num = 0 AND "
                  "bus_num <> 0 AND tic <> 0.01",
                  {code, year}))
    return true;
  return conn.hasTable("business_44ae") &&
         conn.exists("SELECT 1 FROM business_44ae WHERE code_no = ? AND ass_year = ? AND bus_num <> 0 AND "
                     "heavy NOT IN (2, 3)",
                     {code, year});
}

host::Date dateOf(const std::string& text) {
  if (auto d = parseDmy(text)) return *d;
  return std::nullopt;
}

}  // namespace

ClientFacts readClientFacts(db::Connection& conn, host::Base& base, const std::string& code, int year) {
  return readClientFacts(conn, [&](const std::string& key) { return base.GetMiscOthInf(code, year, key); }, code, year);
}

ClientFacts readClientFacts(db::Connection& conn, const YearOption& yearOption, const std::string& code, int year) {
  ClientFacts f;
  auto master = conn.query("SELECT status FROM main_info1 WHERE code_no = ?", {code});
  auto person = conn.query("SELECT status, auditc, code_no FROM owner1 WHERE code = ?", {code});
  std::string linkedTo;
  if (!master.empty()) {
    f.status = master.front().text("status");
  } else if (!person.empty()) {
    f.status = person.front().text("status");
    if (f.status.empty()) f.status = "INDIVIDUAL";
    linkedTo = person.front().text("code_no");
  }

  if (auto a = yearAudit(conn, code, year)) f.audited = *a;
  else if (master.empty() && !person.empty() && linkedTo.empty()) f.audited = ticked(person.front().text("auditc"));

  if (!linkedTo.empty()) {
    auto firm = conn.query("SELECT status FROM main_info1 WHERE code_no = ?", {linkedTo});
    if (!firm.empty() && host::statusCode(firm.front().text("status")) == 5) {
      auto firmAudit = yearAudit(conn, linkedTo, year);
      f.workingPartnerOfAuditedFirm = firmAudit ? *firmAudit : ticked(person.front().text("auditc"));
    }
  }

  auto option = [&](const char* key) { return ticked(yearOption(key)); };
  f.report92E = option(kReport92EKey);
  f.gujarat = option("RESASSINGUJ");
  f.uttarakhand = option("RESASSINUK");
  f.jammuKashmir = option("RESASSINJK") || (year == 2016 && option("ResAssInState2"));
  f.eFiler = option("REQEFILING");
  f.hasBusiness = hasBusinessRows(conn, code, year);
  return f;
}

std::optional<int> clientCategory(int year, const ClientFacts& facts) {
  const auto rows = categoriesOf(year);
  for (bool states : {true, false})
    for (const auto& r : rows)
      if (stateRow(r.kind) == states && fits(r.kind, facts)) return r.statc;
  return std::nullopt;
}

std::optional<DueDateRow> clientDueDateRow(db::Connection& conn, const YearOption& option, const std::string& code,
                                           int year) {
  auto statc = clientCategory(year, readClientFacts(conn, option, code, year));
  if (!statc) return std::nullopt;
  const auto rows = readDueDates(conn, year);
  auto it = rows.find(*statc);
  if (it == rows.end()) return std::nullopt;
  return it->second;
}

std::pair<host::Date, host::Date> clientDueDates(db::Connection& conn, host::Base& base, const std::string& code,
                                                 int year) {
  const auto row =
      clientDueDateRow(conn, [&](const std::string& key) { return base.GetMiscOthInf(code, year, key); }, code, year);
  if (!row) return {};
  return {dateOf(row->dueDt), dateOf(row->revDueDt)};
}

}  // namespace meridian::host

#include "suite/computation/printout_source.h"

#include <fstream>

#include "common/text.h"
#include "host/client_particulars.h"
#include "suite/assets/fixed_asset_chart.h"
#include "suite/computation/return_due_date.h"
#include "suite/engine/compute_year.h"
#include "suite/settings_store.h"

namespace meridian::suite::computation {
namespace {

ClientHeader headerOf(db::Connection& conn, const PrintoutRequest& r, std::string& fatherName, bool& daughter) {
  auto owner = conn.query("SELECT * FROM owner1 WHERE code = ?", {r.client});
  auto master = owner.empty() ? conn.query("SELECT * FROM main_info1 WHERE code_no = ?", {r.client}) : db::RecordSet();
  if (owner.empty() && master.empty()) throw heads::CannotLoadYear("no client \"" + r.client + "\"");
  host::ClientParticulars p = host::ClientParticulars::fromMaster(owner.empty() ? master.front() : owner.front(),
                                                                  !owner.empty());
  auto year = conn.query("SELECT * FROM new_tab WHERE code_no = ? AND ass_year = ?", {r.dataSet, std::to_string(r.year)});
  ClientHeader h;
  h.code = r.client;
  h.name = p.name();
  h.person = p.person;
  h.status = p.status;
  h.pan = p.pan;
  h.residentialStatus = p.residentialStatus;
  h.email = p.email;
  h.phone = p.phone;
  h.mobile = p.mobile;
  h.residentialAddress = p.address.oneLine();
  h.officeAddress = p.office.oneLine();
  h.ward = p.ward;
  if (p.birthOrIncorporation) h.birthOrIncorporation = formatDmy(*p.birthOrIncorporation);
  h.aadhaar = ClientValues(conn).clientValue(r.client, "AADHAAR");
  h.communicationCity = p.address.city;
  if (!year.empty()) {
    const db::Row& y = year.front();
    const auto home = host::Address::fromRow(y);
    if (!home.empty()) h.residentialAddress = home.oneLine();
    const auto office = host::Address::fromRow(y, "off_");
    if (!office.empty()) h.officeAddress = office.oneLine();
    const auto& communication = y.text("addo") == "O" ? (office.empty() ? p.office : office) : (home.empty() ? p.address : home);
    h.communicationCity = communication.city;
    if (!y.text("pan").empty()) h.pan = y.text("pan");
    if (!y.text("nation").empty()) h.residentialStatus = y.text("nation");
    if (!y.text("ward").empty()) h.ward = y.text("ward");
  }
  const auto group = conn.query("SELECT grp_m.code, grp_m.nm FROM grp_trans JOIN grp_m ON grp_m.code = grp_trans.code_no "
                                "WHERE grp_trans.c_code = ? ORDER BY grp_m.code",
                                {r.client});
  if (!group.empty()) {
    h.groupCode = group.front().text("code");
    h.groupName = group.front().text("nm");
    h.group = joinNonBlank({h.groupCode, h.groupName}, " - ");
  }
  fatherName = p.fatherName();
  daughter = upperCase(p.sex) == "FEMALE";
  return h;
}

std::vector<BankAccount> banksOf(db::Connection& conn, const PrintoutRequest& r) {
  std::vector<BankAccount> out;
  for (const auto& b : conn.query("SELECT * FROM bank_details WHERE code_no = ? AND yr = ? ORDER BY srno",
                                  {r.client, r.year}))
    out.push_back({b.text("banknm"), b.text("bankadd"), b.text("bankbrcode"), b.text("acno"), b.text("actyp"),
                   upperCase(b.text("defbank")) == "Y"});
  return out;
}

std::vector<std::string> declarationOf(const std::filesystem::path& documents) {
  std::vector<std::string> lines;
  if (documents.empty()) return lines;
  std::ifstream in(documents / "Dec277A");
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The due date of the client's category in the due-date masters, with its
// extension and the order that made it; the law's own date when the masters
// hold no row for the client.
void dueDatesOf(db::Connection& conn, const PrintoutRequest& r, CivilDate lawDate, PrintoutData& d) {
  d.dueDate = lawDate;
  const auto due = returnDueDateOf(conn, r.client, r.year);
  if (!due) return;
  d.dueDate = due->due;
  d.originalDueDate = due->original;
  d.dueDateReference = due->notification;
}

}  // namespace

std::optional<Practitioner> loadPractitioner(db::Connection& conn) {
  const auto rows = conn.query("SELECT * FROM bill_othclient ORDER BY srno");
  if (rows.empty()) return std::nullopt;
  const auto& b = rows.front();
  return Practitioner{b.text("name"),  b.text("address"), b.text("area"),  b.text("city"),  b.text("pincode"),
                      b.text("pnoo1"), b.text("pnoo2"),   b.text("pnor1"), b.text("pnor2"), b.text("mobno")};
}

PrintoutData loadPrintoutData(db::Connection& conn, const PrintoutRequest& r, heads::LoadNotes* notes) {
  PrintoutData d;
  d.year = r.year;
  d.client = headerOf(conn, r, d.fatherName, d.daughter);
  const auto loaded = heads::loadYearInput(conn, {r.client, r.dataSet, r.year});
  if (notes) *notes = loaded.notes;
  d.result = engine::computeYear(loaded.input);
  d.context = engine::resultContextOf(d.result, *engine::lawOf(r.year));
  dueDatesOf(conn, r, loaded.input.dueDate.value_or(engine::defaultDueDate(loaded.input)), d);
  d.practitioner = loadPractitioner(conn);
  d.banks = banksOf(conn, r);
  const YearSettings settings = loadYearSettings(conn, {r.dataSet, r.year});
  d.signer = settings.signer;
  if (settings.interest.uptoInputDate) d.computationDate = parseDmy(settings.interest.computationDate);
  d.advancePayments = loaded.input.taxesPaid.advance;
  d.annexures = loadAnnexures(conn, r.dataSet, r.year);
  d.generalInfo = geninfo::loadGeneralInformation(conn, r.dataSet, r.year);
  d.statements = loadStatements(
      conn,
      {r.client, r.dataSet, r.year,
       loaded.input.status == engine::Status::individual || loaded.input.status == engine::Status::huf},
      d.result, loaded.input.taxCreditsBroughtForward);
  d.depreciation = assets::depreciationChart(assets::readChart(conn, r.dataSet, r.year), r.year);
  d.declarationLines = declarationOf(r.documents);
  d.sheet = computationSheet(d.client, d.result, !d.banks.empty(), !d.annexures.firms.empty(),
                             !d.annexures.memberShares.empty());
  return d;
}

}  // namespace meridian::suite::computation

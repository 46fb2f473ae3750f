#include "itr/efile/ereturn_source.h"

#include <algorithm>

#include "common/dates.h"
#include "common/years.h"
#include "suite/efile/efile_credentials.h"
#include "suite/engine/compute_year.h"
#include "suite/engine/year_law.h"
#include "suite/geninfo/general_info.h"
#include "suite/heads/year_input_loader.h"
#include "suite/returns/register_entry.h"
#include "host/status.h"

namespace meridian::itr::efile {
namespace {

Money amount(const db::Row& r, const char* column) { return r.money(column).value_or(Money()); }

// Tax deducted from salary is u/s 192; tax collected at source u/s 206C;
// every other section is tax deducted from other payments.
void loadTaxCredits(db::Connection& conn, const EReturnRequest& q, EReturnInput& in) {
  for (const auto& r : conn.query("SELECT i.section, t.dedtan, t.dedname, t.utcn, t.totinc, t.tdsded, t.tdsclaim, "
                                  "t.spouseclaim FROM tds t LEFT JOIN secdesc_items i ON i.itemcd = t.itemcd "
                                  "WHERE t.code_no = ? AND t.asyear = ? ORDER BY t.srno",
                                  {q.dataSet, q.year})) {
    TaxCreditRow row{.tan = r.text("dedtan"),
                     .name = r.text("dedname"),
                     .certificateNo = r.text("utcn"),
                     .income = amount(r, "totinc"),
                     .deducted = amount(r, "tdsded"),
                     .claimed = amount(r, "tdsclaim"),
                     .spouse = amount(r, "spouseclaim")};
    const std::string section = r.text("section");
    (section == "192" ? in.tdsOnSalary : section.starts_with("206") ? in.tcs : in.tdsOther).push_back(std::move(row));
  }
}

std::vector<TaxPaymentRow> payments(db::Connection& conn, const char* table, const EReturnRequest& q) {
  std::vector<TaxPaymentRow> rows;
  // Table names are the two fixed ones below, never user text.
  for (const auto& r : conn.query(std::string("SELECT bsr_code, `date`, chsrno, amt FROM ") + table +
                                      " WHERE code_no = ? AND ass_year = ? ORDER BY `date`, srno",
                                  {q.dataSet, q.year})) {
    const auto date = parseIso(r.text("date"));
    rows.push_back({r.text("bsr_code"), date ? formatDmy(*date) : "", r.text("chsrno"), amount(r, "amt")});
  }
  return rows;
}

// The donee master's category: 100 or 50 per cent, "L" where the qualifying
// limit of s.80G(4) applies.
DonationShare donationShareOf(const std::string& category) {
  if (category == "100") return DonationShare::full;
  if (category == "50") return DonationShare::half;
  if (category == "100L") return DonationShare::fullLimited;
  return DonationShare::halfLimited;
}

void loadDonations(db::Connection& conn, const EReturnRequest& q, EReturnInput& in) {
  for (const auto& r : conn.query("SELECT m.catg, m.name, m.pan, m.address, m.city, m.state, m.pin, g.amount "
                                  "FROM ded80g g JOIN donee_master m ON m.doneecd = g.doneecd "
                                  "WHERE g.code_no = ? AND g.ass_year = ? ORDER BY g.srno",
                                  {q.dataSet, q.year}))
    in.donations.push_back({donationShareOf(r.text("catg")), r.text("name"), r.text("pan"), r.text("address"),
                            r.text("city"), r.text("state"), r.text("pin"), amount(r, "amount")});
}

// Goods carriages of s.44AE whose income is kept per month (the only rows
// the return lists vehicle by vehicle), where the business tables are kept.
void loadVehicles(db::Connection& conn, const EReturnRequest& q, EReturnInput& in) {
  const auto tables = conn.tables();
  if (std::find(tables.begin(), tables.end(), "business_44ae") == tables.end()) return;
  for (const auto& r : conn.query("SELECT heavy, no_month, profit FROM business_44ae WHERE code_no = ? AND "
                                  "ass_year = ? AND bus_num = 0 AND no_vehicle = 1 AND no_month > 0 AND "
                                  "incpermnth = 'Y' ORDER BY part_no",
                                  {q.dataSet, q.year}))
    in.vehicles.push_back({static_cast<int>(r.integer("no_month")), amount(r, "profit"), r.integer("heavy") == 1});
}

// The statement of a business without books, and whether books are kept,
// and Schedule AL, from the year's General Information; a year without it
// keeps no books, states nil figures and gives no Schedule AL.
void loadGeneralInformation(db::Connection& conn, const EReturnRequest& q, EReturnInput& in) {
  const auto general = suite::geninfo::loadGeneralInformation(conn, q.dataSet, q.year);
  if (const auto& f = general.noAccount) {
    in.facts.booksKept = f->booksMaintained;
    in.noBooks = {f->sundryDebtors, f->sundryCreditors, f->stockInTrade, f->cashBalance};
  }
  in.facts.assetsAndLiabilitiesGiven = general.assets && general.assets->given;
  if (const auto& a = general.assets) {
    in.assets = {.immovableTotal = a->immovable(),
                 .bankDeposits = a->bankDeposits, .shares = a->shares, .insurance = a->insurance,
                 .loansGiven = a->loansGiven, .cashInHand = a->cashInHand,
                 .jewellery = a->jewellery, .artWork = a->artWork, .vehicles = a->vehicles,
                 .liability = a->liability};
  }
  for (const auto& i : general.immovables)
    in.assets.immovables.push_back(
        {i.description, i.flatDoor, i.premises, i.road, i.area, i.city, i.stateCode, i.pin, i.amount});
}

CreationFacts creationFacts(host::Base& base, const EReturnRequest& q, const host::ClientParticulars& client) {
  suite::efile::EfileCredentials credentials(base.DbObj());
  const std::string city = client.office.city.empty() ? client.address.city : client.office.city;
  return {.version = MERIDIAN_VERSION,
          .softwareId = credentials.lookup(q.year, "SI"),
          .makerName = base.GetSettingINI("Settings", settings::kMakerName, "MERIDIAN"),
          .productLabel = base.GetSettingINI("Settings", settings::kProductLabel, "MERIDIAN"),
          .intermediaryCity = base.GetSettingINI("Settings", settings::kIntermediaryCity, city),
          .creationDate = q.today};
}

}  // namespace

GatheredReturn gatherEReturn(host::Base& base, const EReturnRequest& q, const std::optional<FilingParticulars>& filing,
                             const RegisterEntry& entry) {
  db::Connection& conn = base.DbObj();
  const auto client = host::ClientParticulars::load(base, q.dataSet, q.year);
  if (!client) throw CannotGatherReturn("there is no client " + q.client);
  // The least of the form rules, so that no return of a firm or company is
  // ever written in a form for persons; the return screen applies the rest.
  const bool individual = host::isPersonStatus(client->status);
  if (!individual && !(q.formCode == "ITR-4S" && client->status == "HUF"))
    throw CannotGatherReturn(q.formCode + " cannot be filed by a client of the status " + client->status + ".");
  GatheredReturn g;
  EReturnInput& in = g.input;
  in.formCode = q.formCode;
  in.year = q.year;
  in.client = *client;
  in.filing = filing ? *filing : loadFilingParticulars(conn, q.dataSet, std::to_string(q.year));
  if (in.filing.sectionCode.empty()) throw CannotGatherReturn(std::string(kNoSectionChosen));
  if (!in.filing.verification.date) in.filing.verification.date = parseDmy(q.today);
  in.entry = entry;
  in.facts.wardOrCircle = client->ward;
  try {
    auto loaded = suite::heads::loadYearInput(conn, {q.client, q.dataSet, q.year});
    g.notes = std::move(loaded.notes);
    in.result = engine::computeYear(loaded.input);
    const engine::YearLaw* law = engine::lawOf(q.year);
    if (!law) throw CannotGatherReturn("the year " + std::to_string(q.year) + " cannot be computed");
    in.figures = engine::resultContextOf(in.result, *law);
    in.presumptive44ad.turnover = loaded.input.business.presumptive44ad.turnover;
  } catch (const suite::heads::CannotLoadYear& e) {
    throw CannotGatherReturn(e.what());
  } catch (const engine::CannotCompute& e) {
    throw CannotGatherReturn(e.what());
  }
  in.creation = creationFacts(base, q, *client);
  loadTaxCredits(conn, q, in);
  in.advanceTax = payments(conn, "adv_tax", q);
  in.selfAssessmentTax = payments(conn, "self_tax", q);
  loadVehicles(conn, q, in);
  loadDonations(conn, q, in);
  loadGeneralInformation(conn, q, in);
  return g;
}

namespace {

// A revision names the return it revises: the last one filed before it.
RegisterEntry entryFacts(const std::vector<returns::RegisterEntry>& entries, const returns::RegisterEntry& e) {
  RegisterEntry entry;
  entry.revised = e.isReturn() && !e.isOriginal();
  if (const auto* before = returns::lastFiledReturnBefore(entries, e.srNo)) {
    entry.originalAckNo = before->ackNo;
    entry.originalDate = before->ackDt;
  }
  return entry;
}

std::runtime_error noEntry(const std::string& client, int year, const std::string& what) {
  return std::runtime_error("the register of " + client + " for A.Y. " + assessmentYearText(year) +
                            " has no entry " + what);
}

}  // namespace

RegisterEntry registerEntryOf(db::Connection& conn, const std::string& client, int year, const std::string& dataSet) {
  if (dataSet == client) return {};
  const auto entries = returns::readRegister(conn, client, year);
  for (const auto& e : entries)
    if (e.ownCode() == dataSet) return entryFacts(entries, e);
  throw noEntry(client, year, "with the data set " + dataSet);
}

RegisterEntry registerEntryNumbered(db::Connection& conn, const std::string& client, int year, int srNo) {
  const auto entries = returns::readRegister(conn, client, year);
  if (entries.empty() && srNo == 1) return {};  // a year whose register is not built yet has its original
  for (const auto& e : entries)
    if (e.srNo == srNo) return entryFacts(entries, e);
  throw noEntry(client, year, "numbered " + std::to_string(srNo));
}

}  // namespace meridian::itr::efile

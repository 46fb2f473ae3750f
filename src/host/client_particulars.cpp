#include "host/client_particulars.h"

#include "common/text.h"
#include "db/connection.h"
#include "host/states.h"
#include "host/status.h"

namespace meridian::host {
namespace {

std::string pinOf(const db::Row& row, std::string_view column) {
  const std::string& pin = row.text(column);
  return pin == "0" ? "" : pin;
}

void takeOfficer(ClientParticulars& p, const db::Row& row) {
  p.ward = row.text("ward");
  p.range = row.text("range");
  p.wardNo = row.text("ward_no");
  p.areaCode = row.text("areacd");
  p.aoType = row.text("areatyp");
  p.rangeCode = row.text("aorng");
  p.aoNumber = row.text("aono");
}

std::string textIf(const db::Row& row, std::string_view column) { return row.has(column) ? row.text(column) : ""; }

}  // namespace

std::string personName(std::string_view first, std::string_view middle, std::string_view last) {
  return joinNonBlank({first, middle, last});
}

Address Address::fromRow(const db::Row& row, const std::string& prefix) {
  Address a;
  a.flatDoor = row.text(prefix + "h_no");
  a.premises = row.text(prefix + "h_nm");
  a.road = row.text(prefix + "street");
  a.area = row.text(prefix + "area");
  a.city = row.text(prefix + "city");
  a.state = row.text(prefix + "state");
  a.pin = pinOf(row, prefix + "pin");
  return a;
}

std::string Address::oneLine() const { return joinNonBlank({flatDoor, premises, road, area, city, state, pin}, ", "); }
std::string Address::stateCode() const { return host::stateCode(state); }
bool Address::empty() const { return oneLine().empty(); }

std::string ClientParticulars::name() const {
  return person ? personName(firstName, middleName, lastName) : trimmed(organisationName, kBlanksAndTabs);
}

DepartmentName ClientParticulars::departmentName() const {
  if (!person) return {"", "", name()};
  DepartmentName n{trimmed(firstName, kBlanksAndTabs), trimmed(middleName, kBlanksAndTabs), trimmed(lastName, kBlanksAndTabs)};
  if (n.surnameOrOrgName.empty()) std::swap(n.first, n.surnameOrOrgName);
  return n;
}

std::string ClientParticulars::fatherName() const { return personName(fatherFirst, fatherMiddle, fatherLast); }
int ClientParticulars::statusCode() const { return host::statusCode(status); }
int ClientParticulars::statusClass() const { return host::statusClass(status); }

ClientParticulars ClientParticulars::fromMaster(const db::Row& row, bool person) {
  ClientParticulars p;
  p.person = person;
  if (person) {
    p.code = row.text("code");
    p.firstName = row.text("f_nm");
    p.middleName = row.text("m_nm");
    p.lastName = row.text("l_nm");
    p.fatherFirst = row.text("fat_f_nm");
    p.fatherMiddle = row.text("fat_m_nm");
    p.fatherLast = row.text("fat_l_nm");
    p.status = row.text("status").empty() ? "INDIVIDUAL" : row.text("status");
    p.sex = row.text("sex");
    p.maritalStatus = row.text("mat_st");
    p.residentialStatus = row.text("nation");
    p.birthOrIncorporation = parseDmy(row.text("dob"));
    p.mobile = row.text("mobile");
    p.linkedTo = row.text("code_no");
  } else {
    p.code = row.text("code_no");
    p.organisationName = row.text("nm");
    p.status = row.text("status");
    p.birthOrIncorporation = parseDmy(row.text("doi"));
    p.mobile = row.text("phone4");
    p.registrationNo = row.text("reg_no");
  }
  p.pan = row.text("pan");
  p.phone = row.text("phone1");
  p.email = row.text("email");
  p.address = Address::fromRow(row);
  takeOfficer(p, row);
  return p;
}

std::optional<ClientParticulars> ClientParticulars::load(Base& base, const std::string& code, int year) {
  auto p = load(base.DbObj(), code, year);
  if (p) p->aadhaar = base.GetClOthVars(p->code, "AADHAAR");
  return p;
}

std::optional<ClientParticulars> ClientParticulars::load(db::Connection& conn, const std::string& code, int year) {
  const std::string client = code.substr(0, code.find('^'));
  auto owner = conn.query("SELECT * FROM owner1 WHERE code = ?", {client});
  auto master = owner.empty() ? conn.query("SELECT * FROM main_info1 WHERE code_no = ?", {client}) : db::RecordSet();
  if (owner.empty() && master.empty()) return std::nullopt;
  ClientParticulars p = fromMaster(owner.empty() ? master.front() : owner.front(), !owner.empty());
  auto office = conn.query("SELECT * FROM off_info WHERE code_no = ?", {client});
  if (!office.empty()) {
    p.officeName = office.front().text("nm");
    p.office = Address::fromRow(office.front());
  }
  if (year == 0) return p;
  auto yearRows = conn.query("SELECT * FROM new_tab WHERE code_no = ? AND ass_year = ?", {code, std::to_string(year)});
  if (yearRows.empty()) return p;
  const db::Row& y = yearRows.front();
  p.address = Address::fromRow(y);
  p.address.country = textIf(y, "country");
  p.officeName = y.text("off_nm");
  p.office = Address::fromRow(y, "off_");
  takeOfficer(p, y);
  if (!y.text("pan").empty()) p.pan = y.text("pan");
  if (!y.text("nation").empty()) p.residentialStatus = y.text("nation");
  if (!y.text("mat_st").empty()) p.maritalStatus = y.text("mat_st");
  if (auto d = parseDmy(y.text("dob"))) p.birthOrIncorporation = d;
  return p;
}

}  // namespace meridian::host

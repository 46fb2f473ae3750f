#pragma once
// A client as every screen, printout, letter and return reads one: from the
// client master (owner1 for persons, main_info1 for every other client,
// off_info for the office), the client's other values (Aadhaar), and the
// year's particulars (new_tab), which for that year override the address, the
// assessing officer, the PAN and the residential status.
#include <optional>
#include <string>
#include <string_view>

#include "common/dates.h"
#include "db/record_set.h"
#include "host/base.h"

namespace meridian::host {

// A person's name from its parts: the parts given, trimmed, one blank between
// ("RAVI K SHAH"; "RAVI SHAH" when there is no middle name; NULL columns read
// as empty parts).
std::string personName(std::string_view first, std::string_view middle, std::string_view last);

struct Address {
  std::string flatDoor, premises, road, area, city, state, pin, country;
  // The address in a row's h_no, h_nm, street, area, city, state and pin
  // columns (with a prefix: "off_" for the office a year row keeps); a PIN
  // of 0 is none.
  static Address fromRow(const db::Row& row, const std::string& prefix = "");
  // The parts given, joined by ", ": "12, MOUNT ROAD, CHENNAI, TAMIL NADU, 600002".
  std::string oneLine() const;
  // The department's two-digit state code; "" for a state it does not list.
  std::string stateCode() const;
  bool empty() const;
};

// The name as the department's returns carry it: a surname (or an
// organisation's name) is required, so a person known by one name has it as
// the surname.
struct DepartmentName {
  std::string first, middle, surnameOrOrgName;
};

struct ClientParticulars {
  std::string code;     // the client code (master key)
  bool person = false;  // kept in owner1
  std::string firstName, middleName, lastName;  // a person's name parts
  std::string organisationName;                 // every other client's name
  std::string fatherFirst, fatherMiddle, fatherLast;
  std::string status;  // "INDIVIDUAL" for a person whose row says none
  std::string sex, maritalStatus;
  std::string residentialStatus;  // "RESIDENT", "NON RESIDENT", "NOT ORDINARY"
  std::optional<CivilDate> birthOrIncorporation;
  std::string pan, aadhaar, registrationNo;
  std::string phone, mobile, email;
  std::string linkedTo;  // a partner's firm, a proprietor's proprietorship
  Address address;
  std::string officeName;
  Address office;
  // Assessing officer: ward or circle, range, and the AO code parts.
  std::string ward, range, wardNo, areaCode, aoType, rangeCode, aoNumber;

  std::string name() const;
  DepartmentName departmentName() const;
  std::string fatherName() const;
  int statusCode() const;   // vStatus_Read
  int statusClass() const;  // TSTATUS

  // The client of a code for an A.Y. (first year; 0 for the master alone). A
  // data-set code ("C1^R-1") reads the master of its client and the year row
  // of the data set. Nothing when no client has the code.
  static std::optional<ClientParticulars> load(Base& base, const std::string& code, int year);
  // The same without the client's other values (Aadhaar), for readers that
  // hold a connection and no host.
  static std::optional<ClientParticulars> load(db::Connection& conn, const std::string& code, int year);
  // From a master row already read (owner1 when `person`, else main_info1),
  // for lists that read many clients at once; no office, no Aadhaar, no year.
  static ClientParticulars fromMaster(const db::Row& row, bool person);
};

}  // namespace meridian::host

#pragma once
// The persons who sign for and run a company (General Information -> Key
// Persons, table geninfo_schh_13) and the identification numbers the
// corporate registry gives a director (DIN) and an LLP's designated partner
// (DPIN): both are eight digits.
#include <string>
#include <vector>

#include "host/identifier_rules.h"
#include "suite/heads/row_grid.h"

namespace meridian::suite::geninfo {

// The grid's columns: name, designation, PAN and DIN.
const std::vector<heads::GridColumn>& keyPersonColumns();

// Whether a designation code is one of a director's (director, managing
// director, whole-time director): those need a DIN in a company's return.
bool isDirector(const std::string& designation);

// Why an identification number as typed cannot be kept, or nothing; blank
// is allowed here and asked for by the return's checks. `what` names it.
host::Verdict checkIdentificationNo(const std::string& number, const std::string& what);

}  // namespace meridian::suite::geninfo

#include "host/states.h"

#include <algorithm>
#include <cctype>
#include "common/text.h"

namespace meridian::host {
namespace {

std::string trimmedUpper(const std::string& s) { return upperCase(trimmed(s, kBlanksAndTabs)); }

}  // namespace

const std::vector<State>& states() {
  // Codes as the department numbers the states in its return schemas; states
  // that were merged or split keep the codes returns of their years used.
  static const std::vector<State> list = {
      {"01", "ANDAMAN AND NICOBAR ISLANDS"},
      {"02", "ANDHRA PRADESH"},
      {"03", "ARUNACHAL PRADESH"},
      {"04", "ASSAM"},
      {"05", "BIHAR"},
      {"06", "CHANDIGARH"},
      {"33", "CHHATTISGARH"},
      {"07", "DADRA AND NAGAR HAVELI"},
      {"08", "DAMAN AND DIU"},
      {"09", "DELHI"},
      {"10", "GOA"},
      {"11", "GUJARAT"},
      {"12", "HARYANA"},
      {"13", "HIMACHAL PRADESH"},
      {"14", "JAMMU AND KASHMIR"},
      {"35", "JHARKHAND"},
      {"15", "KARNATAKA"},
      {"16", "KERALA"},
      {"37", "LADAKH"},
      {"17", "LAKSHADWEEP"},
      {"18", "MADHYA PRADESH"},
      {"19", "MAHARASHTRA"},
      {"20", "MANIPUR"},
      {"21", "MEGHALAYA"},
      {"22", "MIZORAM"},
      {"23", "NAGALAND"},
      {"24", "ODISHA"},
      {"25", "PUDUCHERRY"},
      {"26", "PUNJAB"},
      {"27", "RAJASTHAN"},
      {"28", "SIKKIM"},
      {"29", "TAMIL NADU"},
      {"36", "TELANGANA"},
      {"30", "TRIPURA"},
      {"31", "UTTAR PRADESH"},
      {"34", "UTTARAKHAND"},
      {"32", "WEST BENGAL"},
      {"99", stateOutsideIndia},
  };
  return list;
}

std::string stateCode(const std::string& name) {
  const std::string n = trimmedUpper(name);
  for (const auto& s : states())
    if (s.name == n) return s.code;
  return "";
}

bool isStateOutsideIndia(const std::string& name) { return trimmedUpper(name) == stateOutsideIndia; }

}  // namespace meridian::host

#pragma once
// The states and union territories of India as the address boxes offer them,
// with the department's state codes, and the entry for an address abroad.
#include <string>
#include <vector>

namespace meridian::host {

struct State {
  std::string code;  // two digits; "99" outside India
  std::string name;  // upper case
};

inline constexpr const char* stateOutsideIndia = "STATE OUTSIDE INDIA";
// An address abroad carries this PIN.
inline constexpr const char* pinOutsideIndia = "999999";

// In alphabetical order, "STATE OUTSIDE INDIA" last.
const std::vector<State>& states();
// The state code of a name (compared without regard to case or outer blanks); "" when unknown.
std::string stateCode(const std::string& name);
bool isStateOutsideIndia(const std::string& name);

}  // namespace meridian::host

#pragma once
// The country table of the PAN screens: 106 countries with their country code
// and international dialling (ISD) code, and the combo-box routine over it.
#include <string>
#include <vector>

namespace meridian::ui { struct Control; }

namespace meridian::host {

struct Country {
  std::string code;  // country code (the ISD code, or "A61", "B1" ... for nine countries)
  std::string name;  // upper case
  std::string isd;
};

// The one constant text: "54|ARGENTINA|54|A61|AUSTRALIA|61|...|263|ZIMBABWE|263".
const std::string& countryTableText();
const std::vector<Country>& countries();
// NAME (ISD), e.g. "INDIA (91)".
std::string countryDisplayText(const Country& c);

// Modes "FILL_CNT", "FILL_ISD", "GETCODE_CNT", "GETCODE_ISD", "GETISD_ISD",
// "GETDESC_ISD"; anything else, or no match, gives an empty text.
std::string countryList(ui::Control& combo, const std::string& mode);

}  // namespace meridian::host

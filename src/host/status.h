#pragma once
// The client's status text mapped to its numeric code (stored in Income.Status)
// and to its class (1 non-corporate, 2 firm, 3 private company, 4 public company).
// Blanks inside the texts count: "FOREIGN  COMPANY" (two) is not "FOREIGN COMPANY".
#include <string>

namespace meridian::host {

int statusCode(const std::string& statusText);   // vStatus_Read, 0 to 10
int statusClass(const std::string& statusText);  // TSTATUS, 1 to 4

// A person (kept in owner1): an individual, also when linked to a firm as its
// partner or to a business as its proprietor. Blanks around the text are ignored.
bool isPersonStatus(const std::string& statusText);

}  // namespace meridian::host

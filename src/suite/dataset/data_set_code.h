#pragma once
// The code under which one register entry's year data is stored: the client
// code itself for the original return, else client code, "^", the entry's
// type letter (R revised, Z rectification, A order), "-" and its number.
#include <optional>
#include <string>

namespace meridian::suite::dataset {

// "C1^R-2" for client C1, letter 'R', number 2; the client code for the original.
std::string dataSetCode(const std::string& client, char letter, int srNo);

// True when the code is the client's own or one of its entries' codes.
bool belongsToClient(const std::string& code, const std::string& client);

}  // namespace meridian::suite::dataset

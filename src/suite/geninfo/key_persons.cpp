#include "suite/geninfo/key_persons.h"

#include <algorithm>
#include <cctype>

namespace meridian::suite::geninfo {
namespace {

constexpr size_t kIdentificationDigits = 8;

const std::vector<heads::Choice>& designations() {
  static const std::vector<heads::Choice> list = {
      {"DIR", "Director"},         {"MD", "Managing Director"}, {"WTD", "Whole-time Director"},
      {"MGR", "Manager"},          {"CS", "Company Secretary"}, {"PO", "Principal Officer"},
      {"OTH", "Other"},
  };
  return list;
}

}  // namespace

const std::vector<heads::GridColumn>& keyPersonColumns() {
  using heads::CellType;
  static const std::vector<heads::GridColumn> columns = {
      {"Name", "name", CellType::text(125), true},
      {"Designation", "desig", CellType::choice(designations()), true},
      {"PAN", "pan", CellType::pan()},
      {"DIN", "din", CellType::digits(kIdentificationDigits, "The Director Identification Number (DIN) is of 8 digits.")},
  };
  return columns;
}

bool isDirector(const std::string& designation) {
  return designation == "DIR" || designation == "MD" || designation == "WTD";
}

host::Verdict checkIdentificationNo(const std::string& number, const std::string& what) {
  if (number.empty()) return std::nullopt;
  const bool digits = std::all_of(number.begin(), number.end(), [](unsigned char ch) { return std::isdigit(ch); });
  if (number.size() == kIdentificationDigits && digits) return std::nullopt;
  return host::Refusal{"The " + what + " is of 8 digits.", ui::Icon::information, true};
}

}  // namespace meridian::suite::geninfo

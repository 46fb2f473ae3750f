#include "itr/efile/itr1_layout.h"

#include <stdexcept>
#include <string>

namespace meridian::itr::efile {
namespace {

// Chapter VI-A in the order the forms list it. The A.Y. 2014-15 forms added
// s.80EE (interest on a first home loan, Finance Act 2013); the A.Y. 2016-17
// forms s.80CCD(1B) (Finance Act 2015) and no longer s.80EE, whose
// deduction s.80EE(2) allowed only in A.Y. 2014-15 and 2015-16.
const std::vector<std::string_view> kSections2013 = {
    "80C",  "80CCC", "80CCD(1)", "80CCD(2)", "80D",   "80DD",  "80DDB", "80E",  "80G",  "80GG",  "80GGA",
    "80GGC", "80U",  "80RRB",   "80QQB",    "80IA",  "80IAB", "80IB",  "80IC", "80ID", "80JJA", "80CCG", "80TTA"};
const std::vector<std::string_view> kSections2014 = {
    "80C",  "80CCC", "80CCD(1)", "80CCD(2)", "80D",  "80DD",  "80DDB", "80E",   "80EE",  "80G",  "80GG",  "80GGA",
    "80GGC", "80U",  "80RRB",   "80QQB",    "80IA", "80IAB", "80IB",  "80IC",  "80ID", "80JJA", "80CCG", "80TTA"};
const std::vector<std::string_view> kSections2016 = {
    "80C",  "80CCC", "80CCD(1)", "80CCD(1B)", "80CCD(2)", "80D",  "80DD",  "80DDB", "80E",  "80G",  "80GG",
    "80GGA", "80GGC", "80U",     "80RRB",     "80QQB",    "80IA", "80IAB", "80IB",  "80IC", "80ID", "80JJA", "80CCG",
    "80TTA"};

const std::vector<Itr1Layout>& layouts() {
  static const std::vector<Itr1Layout> all = {
      {.fromYear = 2013,
       .employerCategoryInItr4s = true,
       .ecsRequired = true,
       .deductionSections = kSections2013},
      {.fromYear = 2014,
       .residenceNameApart = true,
       .employerCategoryInItr4s = true,
       .rebate87a = true,
       .originalDateFor139_9 = true,
       .noticeDateUnderSec = true,
       .panOfSpouse = true,
       .deductionSections = kSections2014},
      {.fromYear = 2015,
       .residenceNameApart = true,
       .softwareIdAndDigest = true,
       .aadhaar = true,
       .rebate87a = true,
       .originalDateFor139_9 = true,
       .noticeDateUnderSec = true,
       .panOfSpouse = true,
       .bankGrid = true,
       .scheduleTotals = true,
       .vehicleRows = true,
       .noBooksOptional = true,
       .deductionSections = kSections2014},
      {.fromYear = 2016,
       .residenceNameApart = true,
       .softwareIdAndDigest = true,
       .aadhaar = true,
       .rebate87a = true,
       .originalDateFor139_9 = true,
       .noticeDateUnderSec = true,
       .panOfSpouse = true,
       .bankGrid = true,
       .tcsAlways = true,
       .tcsScheduleInItr1 = true,
       .scheduleTotals = true,
       .natureOfBusinessFlat = true,
       .vehicleRows = true,
       .salaryInterestByFirm = true,
       .scheduleAL = true,
       .noBooksOptional = true,
       .deductionSections = kSections2016},
  };
  return all;
}

}  // namespace

const Itr1Layout& itr1LayoutOf(int year) {
  const Itr1Layout* found = nullptr;
  for (const Itr1Layout& l : layouts())
    if (l.fromYear <= year) found = &l;
  if (!found) throw std::invalid_argument("no ITR-1 or ITR-4S layout for the year " + std::to_string(year));
  return *found;
}

std::string deductionElement(std::string_view section) {
  if (section == "80CCD(1)") return "Section80CCDEmployeeOrSE";
  if (section == "80CCD(1B)") return "Section80CCD1B";
  if (section == "80CCD(2)") return "Section80CCDEmployer";
  return "Section" + std::string(section);
}

}  // namespace meridian::itr::efile

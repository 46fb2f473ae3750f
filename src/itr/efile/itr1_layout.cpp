#include "itr/efile/itr1_layout.h"

#include <stdexcept>
#include <string>

namespace meridian::itr::efile {
namespace {

const std::vector<Itr1Layout>& layouts() {
  static const std::vector<Itr1Layout> all = {
      {.fromYear = 2013,
       .employerCategoryInItr4s = true,
       .ecsRequired = true},
      {.fromYear = 2014,
       .residenceNameApart = true,
       .employerCategoryInItr4s = true,
       .rebate87a = true,
       .originalDateFor139_9 = true,
       .noticeDateUnderSec = true,
       .panOfSpouse = true},
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
       .noBooksOptional = true},
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
       .noBooksOptional = true},
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

#pragma once
// How the ITR-1 and ITR-4S documents differ from year to year, as data: each
// row holds from its first assessment year until the next row. The writer
// asks the row of its year and never compares years itself. The Chapter VI-A
// sections are not here: the writer takes them, in the form's order, from the
// list the checks before a return read (itr/form_columns.h), so a claim the
// form cannot show is stopped by the check, never left out of the file.
#include <string_view>
#include <vector>

namespace meridian::itr::efile {

struct Itr1Layout {
  int fromYear = 0;
  bool residenceNameApart = false;      // ResidenceName beside ResidenceNo (else one text joined by ", ")
  bool softwareIdAndDigest = false;     // SWCreatedBy/XMLCreatedBy hold the "SI"; Digest placeholder
  bool aadhaar = false;                 // AadhaarCardFlg, AadhaarCardNo
  bool employerCategoryInItr4s = false; // ITR-4S carries EmployerCategory
  bool rebate87a = false;               // Rebate87A, TaxPayableOnRebate, SurchargeOnAboveCrore
  bool originalDateFor139_9 = false;    // DefRetOrigRetFiledDate (else NoticeDate) for section 139(9)
  bool noticeDateUnderSec = false;      // NoticeDateUnderSec for returns answering a notice
  bool panOfSpouse = false;             // PANOfSpouse after PortugeseCC5A
  bool ecsRequired = false;             // EcsRequired in the Refund block
  bool bankGrid = false;                // BankAccountDtls of every account (else one account)
  bool tcsAlways = false;               // TCS written even when nil
  bool tcsScheduleInItr1 = false;       // ScheduleTCS in ITR-1
  bool scheduleTotals = false;          // TotalTDSonSalaries, TotalTDSonOthThanSals, TotalTaxPayments
  bool natureOfBusinessFlat = false;    // NatureOfBusiness with TradeName1-3 (else Business with Trade)
  bool vehicleRows = false;             // Us44aeHeavy per vehicle with VehicleType; TotalPersumptiveInc
  bool salaryInterestByFirm = false;    // SalInterestByFirm in PersumptiveInc44AE
  bool scheduleAL = false;              // ScheduleAL when the assets and liabilities are given
  bool noBooksOptional = false;         // NoBooksOfAccBS left out where books are kept (else always written)
};

// The layout of the year (2016 for A.Y. 2016-17); throws std::invalid_argument
// for a year before the first layout.
const Itr1Layout& itr1LayoutOf(int year);

// The element a Chapter VI-A section is written as: "Section80C",
// "Section80CCDEmployeeOrSE" for "80CCD(1)" ...
std::string deductionElement(std::string_view section);

}  // namespace meridian::itr::efile

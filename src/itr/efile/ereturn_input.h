#pragma once
// Everything an ITR-1 or ITR-4S e-return is written from, gathered before the
// first byte is written: the client, the filing particulars the return screen
// keeps, the register entry the return belongs to, the computation of the
// year, and the rows of the schedules. The writer reads it and nothing else,
// so the same return comes out of the screen, the command line and the tests.
#include <optional>
#include <string>
#include <vector>

#include "common/money.h"
#include "host/client_particulars.h"
#include "itr/filing_particulars.h"
#include "suite/engine/result_context.h"
#include "suite/engine/year_result.h"

namespace meridian::itr::efile {

// Who made the file (CreationInfo).
struct CreationFacts {
  std::string version;           // this program's version (MyDllVersion)
  std::string softwareId;        // "SI" of the year, A.Y. 2015-16 on
  std::string makerName;         // the maker's name the department registered, years before
  std::string productLabel;      // the product label written as XMLCreatedBy, years before
  std::string intermediaryCity;  // a setting of the installation
  std::string creationDate;      // dd/mm/yyyy: today
};

// The register entry the return is filed for (vrev_Return, vrev_srno, vRev_Dt).
struct RegisterEntry {
  bool revised = false;
  std::string originalAckNo;
  std::string originalDate;  // dd/mm/yyyy
};

// Client facts the return carries that the particulars do not hold.
struct ClientFacts {
  int employerCategory = 0;     // 1 Government, 2 PSU, 3 others, 0 none
  // Section 5A (spouses governed by the Portuguese Civil Code of Goa): "Y" or
  // "N"; "" leaves the element out.
  std::string section5A = "N";
  std::string spousePan;        // when section 5A applies
  std::string wardOrCircle;
  bool booksKept = false;       // ITR-4S: accounts kept, so no NoBooksOfAccBS
  bool assetsAndLiabilitiesGiven = false;
};

// Schedule AL: the assets at cost at the end of the year and the liability
// against them, as the General Information keeps them.
struct ImmovableAssetRow {
  std::string description;
  // The asset's own address; the state as the department's two-digit code.
  std::string flatDoor, premises, road, area, city, stateCode, pin;
  Money amount;
};
struct AssetsStatement {
  std::vector<ImmovableAssetRow> immovables;
  Money immovableTotal;  // land and building as entered, to be matched by the rows
  Money bankDeposits, shares, insurance, loansGiven, cashInHand;
  Money jewellery, artWork, vehicles;
  Money liability;
};

// One entry of the TDS or TCS schedules (table tds).
struct TaxCreditRow {
  std::string tan, name;
  std::string certificateNo;  // UniqueTDSCerNo
  int deductedYear = 0;       // financial year's first year; 0 when not kept
  Money income;      // income chargeable (salary) or paid (others)
  Money deducted;    // total deducted or collected
  Money claimed;     // claimed this year
  Money spouse;      // claimed in the hands of the spouse
};

// A donation u/s 80G, with its donee as the donee master keeps it.
enum class DonationShare { full, half, fullLimited, halfLimited };  // 100 or 50 per cent; limited by s.80G(4)
struct DonationRow {
  DonationShare share = DonationShare::halfLimited;
  std::string doneeName, doneePan;
  std::string address, city, state, pin;  // state as its name ("DELHI")
  Money amount;
};

struct TaxPaymentRow {
  std::string bsrCode, date, challanNo;  // date dd/mm/yyyy
  Money amount;
};

// One goods carriage of s.44AE on which income is declared per month.
struct VehicleRow {
  int months = 0;
  Money profitPerMonth;
  bool heavy = false;
};

struct BusinessNature {
  std::string code;
  std::vector<std::string> tradeNames;  // up to three
};

// The statement of a business that keeps no books (ITR-4S).
struct NoBooksStatement {
  Money sundryDebtors, sundryCreditors, stockInTrade, cashBalance;
};

struct Presumptive44AD {
  Money turnover;
};

struct EReturnInput {
  std::string formCode;  // "ITR-1" or "ITR-4S"
  int year = 0;          // 2016 for A.Y. 2016-17
  CreationFacts creation;
  host::ClientParticulars client;
  ClientFacts facts;
  FilingParticulars filing;  // what the return screen fixed; a verification date is set
  RegisterEntry entry;
  engine::YearResult result;
  engine::ResultContext figures;
  std::vector<TaxCreditRow> tdsOnSalary, tdsOther, tcs;
  std::vector<TaxPaymentRow> advanceTax, selfAssessmentTax;
  std::vector<DonationRow> donations;  // in the order they were entered
  AssetsStatement assets;              // written when facts.assetsAndLiabilitiesGiven
  Money exemptInterest;
  // ITR-4S
  std::vector<BusinessNature> natures;
  Presumptive44AD presumptive44ad;
  std::vector<VehicleRow> vehicles;
  NoBooksStatement noBooks;
};

}  // namespace meridian::itr::efile

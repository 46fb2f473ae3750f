#pragma once
// The pieces of the printed computation that come from the year's general
// information: the list of enclosures and the other details by category
// (under CompAnnex), the profit and loss account (CompOth6) and balance
// sheet (CompOth7) of a business, and the assets and liabilities at the end
// of the year as Schedule AL gives them (CompOth11).
#include "host/report_writer.h"
#include "suite/geninfo/general_info.h"

namespace meridian::suite::computation {

struct GeneralInfoSwitches {
  bool borders = false;
  bool annexures = false;          // CompAnnex: enclosures and other details
  bool profitAndLoss = false;      // CompOth6
  bool balanceSheet = false;       // CompOth7
  bool assetsAndLiabilities = false;  // CompOth11
  bool separateAnnexure = false;      // CompOth8: the accounts and Schedule AL on a page of their own
};

// "List of Enclosures:", numbered in srno order.
void printEnclosures(host::ReportWriter& rep, const geninfo::GeneralInformation& g, const GeneralInfoSwitches& on);
// The profit and loss account and the balance sheet (the no-account figures
// and the further lines of a business with books) and Schedule AL, as
// switched; under CompOth8 on a page of their own headed "ANNEXURE".
void printAccounts(host::ReportWriter& rep, const geninfo::GeneralInformation& g, const GeneralInfoSwitches& on);
// The other details, one table per category in the categories' order.
void printOtherDetails(host::ReportWriter& rep, const geninfo::GeneralInformation& g, int year,
                       const GeneralInfoSwitches& on);

}  // namespace meridian::suite::computation

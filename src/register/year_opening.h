#pragma once
// What opening a year, or an entry of its register, does to the data set in
// use before the user works on it: the year row of the income table and the
// status code, the year's particulars (new_tab) from the client master, and
// what is carried from the year before (NSC and KVP certificates, MAT or AMT
// credit, the general-information schedules, bank accounts and cards).
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "host/component.h"
#include "register/workspace_buttons.h"
#include "ui/dialogs.h"

namespace meridian::reg {

// The status code of the data set's year: its income row's; when the year
// has none, another year's row of the client's, else the code of the status
// text; a missing year row is then inserted with the year's defaults.
int statusOfYear(db::Connection& conn, const std::string& code, const std::string& client, int year,
                 const std::string& statusText);

// Writes vStatus_Read, vMRR and vPDT for the data set and year in use.
void deriveYearStatus(host::Component& host);

// The year's particulars of the data set, built from the client master when
// the year has none (residential status "RESIDENT" unless the master says
// otherwise), with last year's bank accounts and cards. True when it was built.
bool ensureYearParticulars(host::Component& host);

// Asks about carrying last year's NSC/KVP certificates, the closing values of
// its depreciation chart and the MAT or AMT credit into the year, where the
// year has none and last year has some.
void offerYearCarryForwards(host::Component& host, ui::Dialogs& dialogs, AlternateTax credit);

// Carries last year's general-information schedules (the trust schedules for
// a trust) into each schedule the year has no row of. Returns what failed.
std::vector<std::string> carryGeneralInformation(host::Component& host);

// "Due to Late Filing Some Losses Can not be Carried Forward : ..." when the
// return was filed after its due date and the year has losses other than of
// house property and unabsorbed depreciation (s.80 with s.139(3)).
std::optional<std::string> lateFilingWarning(const std::string& filedOn, const host::Date& dueDate,
                                             bool lossesOtherThanHousePropertyCarried);

// What opening a year could not carry because its tables are not kept in this
// database (no screen of the program writes them yet), named with the tables,
// for the workspace to show; "" when every table is there. Only what applies
// to the client is named: the trust schedules for a trust, the other
// schedules for the rest, the second credit table where MAT or AMT applies.
std::string yearOpeningNotKept(db::Connection& conn, bool trust, AlternateTax credit);

}  // namespace meridian::reg

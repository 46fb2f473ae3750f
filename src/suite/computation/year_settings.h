#pragma once
// The computation settings of one data set's year, as the settings screen
// edits them and the computation and its printout read them: interest
// options in the year row (income), interest typed by hand (incint234), the
// signer (new_tab, miscsigndet) and the set-off order of the year's losses
// (cylatbl).
#include <array>
#include <stdexcept>
#include <string>

#include "common/money.h"
#include "db/connection.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::computation {

// The stored codes of the interest boxes. a234, b234, selfy1: the box
// state. c234: 0 not computed; 4, 5 computed without or with instalments due
// before incorporation; 3 the box left in its third state. selfy: 2 the third
// state (the default from A.Y. 2015-16), 0 clear, else 4, 5 or 3 as c234.
struct InterestCodes {
  int a234 = 1, b234 = 1, c234 = 3, selfy = 2, selfy1 = 1;
  bool uptoInputDate = false;  // todate: "Upto Input date" rather than "Upto date"
  std::string computationDate;  // dt_tax_det, dd/mm/yyyy
  Money byHand234a, byHand234b, byHand234c;  // incint234
  bool operator==(const InterestCodes&) const = default;
};

struct Signer {
  std::string options;  // new_tab.opts: one 0/1 per box of the year's options
  bool showTelephone = false;
  std::string name, fatherName, capacity;  // psr, fpsr, caps
  std::string relation;                     // "Son/Daughter of", "Son of", "Daughter of"
  bool showPan = false;
  std::string pan;
  std::string place;  // "##COMMON##", "##CITY##" or the typed place
  bool operator==(const Signer&) const = default;
};

// The signer as the settings screen shows one never saved: the first
// relation, the common place, every year box spelt out at its default. A
// save compares with this, so that merely showing the defaults writes no row.
Signer asShown(Signer stored);

struct YearSettings {
  InterestCodes interest;
  Signer signer;
  std::string priorities;  // cylatbl.priorities; "" for the law's order
  bool operator==(const YearSettings&) const = default;
};

struct YearKey {
  std::string dataSet;  // the return code
  int year = 0;
};

struct YearNotOpened : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The year row (income) must exist: the workspace writes it when the year
// is opened. Nothing there gives the defaults of a new year.
YearSettings loadYearSettings(db::Connection& conn, const YearKey& key);
// Writes in one transaction the parts that differ from what is stored (the
// year row, incint234, new_tab, miscsigndet, cylatbl), nothing when none
// does; a failure writes nothing. Throws YearNotOpened when something is to
// be written and the data set has no year row.
void saveYearSettings(db::Connection& conn, const YearKey& key, const YearSettings& s);

// What the interest codes mean for the computation of ss.234A, 234B and
// 234C: computed, or the amount typed in.
std::array<engine::InterestOption, 3> interestOptions(const InterestCodes& codes);

// Which self-assessment tax the interest counts. selfy: 0 (box clear) none;
// 4 (ticked, "Don't Consider Taxes Paid after Due Date" clear) every payment
// made before the return; 5 (that box ticked) only those by the due date; 2
// and 3 (a box in its third state) the settled reading of s.234A, which is
// the payments by the due date. selfy1: the box for s.234B.
engine::SelfAssessmentForInterest selfAssessmentForInterest(const InterestCodes& codes);

}  // namespace meridian::suite::computation

#pragma once
// The carry-forward a head button offers before its screen opens: when the
// year has no entries of the head and the year before has some, the user may
// carry them with their figures, without them, or not at all. The tables come
// from data/carry_forward.csv.
#include <string>

#include "host/component.h"
#include "suite/dataset/carry_forward_list.h"
#include "ui/dialogs.h"

namespace meridian::reg {

// The data set of a client's year whose figures count as that year's: the
// one its last register entry works on, else the client's own code.
std::string settledDataSet(db::Connection& conn, const std::string& client, int year);

// Offers the carry-forward of the head (its key in carry_forward.csv) into
// the data set in use. Nothing is asked for a rectification, for a head no
// module has installed, when the year has entries or the year before has none.
// A copy that fails is told to the user and writes nothing.
void offerHeadCarryForward(host::Component& host, ui::Dialogs& dialogs, const std::string& headKey);
// The same for a head given with its caption (the shipped list's, or a test's).
void offerHeadCarryForward(host::Component& host, ui::Dialogs& dialogs, const suite::dataset::CarriedHead& head,
                           const std::string& caption);

}  // namespace meridian::reg

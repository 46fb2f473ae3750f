#pragma once
// The filing particulars of a stored year as the writer takes them, for a
// return made without the return screen (the command line, the batch of a
// whole practice).
#include <string>

#include "host/client_particulars.h"
#include "itr/efile/ereturn_input.h"

namespace meridian::itr::efile {

// Until particulars are kept for the year: filed before the due date u/s
// 139(1), refund to the bank, verified by the client (name, father's name,
// PAN, the city as place, `today` as date), no accounts and no preparer.
FilingFacts defaultFilingFacts(const host::ClientParticulars& client, const std::string& today);

}  // namespace meridian::itr::efile

#pragma once
// Schedule 80G of the ITR-1 and ITR-4S e-returns: the donations of the year
// grouped by the share allowed (100 or 50 per cent) and whether the
// qualifying limit of s.80G(4) applies, each donee with PAN and address,
// the amount given and the amount eligible, then the totals. The limit
// itself is applied in Chapter VI-A, not here.
#include <vector>

#include "itr/efile/ereturn_input.h"
#include "itr/efile/return_xml_writer.h"

namespace meridian::itr::efile {

// The amount of a donation eligible for deduction before the qualifying
// limit: all of it, or half, rounded to the rupee.
Money eligibleDonation(const DonationRow& d);

// Writes nothing when there are no donations.
void writeSchedule80G(ReturnXmlWriter& w, const std::vector<DonationRow>& donations);

}  // namespace meridian::itr::efile

#pragma once
// Schedule AL of the ITR-1 and ITR-4S e-returns from A.Y. 2016-17: the
// assets at cost at the end of the year, each immovable asset with its
// description and address, the movable assets, and the liability against
// them. The form asks for it where total income exceeds Rs. 50 lakh; the
// return writes it whenever the details are marked as given.
#include <string>

#include "itr/efile/ereturn_input.h"
#include "itr/efile/return_xml_writer.h"

namespace meridian::itr::efile {

void writeScheduleAL(ReturnXmlWriter& w, const AssetsStatement& assets);

// Why the statement cannot be filed as it stands, in words; "" when it can.
// The rows of the immovable assets must add up to the land and building
// entered, or the return would state a different total than the practitioner
// entered; each row needs the parts of its address the form requires, in
// India.
std::string assetsStatementFault(const AssetsStatement& assets);

}  // namespace meridian::itr::efile

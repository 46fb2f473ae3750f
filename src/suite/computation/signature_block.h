#pragma once
// The signature block under the computation: the place of signing, then,
// at the right, the signer's name (CompOth10 "Name"), designation (CompOth9
// "Designation", the capacity kept in new_tab.caps) and PAN (MiscSignDet's
// PANOpt), each only when its switch is on.
#include <string>
#include <vector>

#include "suite/computation/computation_printout.h"

namespace meridian::suite::computation {

// The lines of the block, already laid out within 78 columns; none when
// nothing of it is switched on and no place is known.
std::vector<std::string> signatureLines(const PrintoutData& d, const PrintoutOptions& o);

}  // namespace meridian::suite::computation

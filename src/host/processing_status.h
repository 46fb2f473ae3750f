#pragma once
#include <string>

namespace meridian::host {

// The department's processing status ("ITR Processed Refund Determined" ...)
// as the registers show it ("Refund", "Nil Refund/Demand" ...).
std::string normaliseProcessingStatus(const std::string& text);

}  // namespace meridian::host

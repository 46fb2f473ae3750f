#pragma once
// The ITR-1 and ITR-4S e-return documents, element by element in the
// department's order, for A.Y. 2013-14 to 2016-17. The file gets the
// declaration line, the root of the year and form, and the digest placeholder
// from A.Y. 2015-16; checking and digesting it are the caller's.
#include <filesystem>
#include <string>
#include <vector>

#include "itr/efile/ereturn_input.h"

namespace meridian::itr::efile {

inline constexpr std::string_view kVehicleDetailsMismatch =
    "Please fill 'Per Vehicle Wise' details properly under the head \"Business u/s 44AE\".";

// Writes the return; returns what the user should be told while the file is
// still finished (the s.44AE rows against the heavy and other vehicle
// figures). Throws std::invalid_argument for a form other than ITR-1 and
// ITR-4S or a year without a layout, std::runtime_error when the file cannot
// be written (the file is then left as far as written).
std::vector<std::string> writeItr1OrItr4s(const EReturnInput& in, const std::filesystem::path& file);
// The same into memory: `bytes` receives the file's exact bytes.
std::vector<std::string> writeItr1OrItr4s(const EReturnInput& in, std::string& bytes);

// "ITR-1" and "ITR-4S": the forms this writer knows.
bool isItr1OrItr4s(std::string_view formCode);

// Whether the return carries Schedule AL: from A.Y. 2016-17, once the details
// are marked as given, except in a firm's ITR-4S.
bool writesScheduleAL(const EReturnInput& in);

}  // namespace meridian::itr::efile

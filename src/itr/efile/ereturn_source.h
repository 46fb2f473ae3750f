#pragma once
// Gathers an ITR-1 or ITR-4S return of a stored client year: the client, the
// year's computation from the heads' tables, the rows of the tax schedules
// and of s.44AE, the credentials and settings of the installation. The
// filing particulars come from the return screen, or are read as it keeps
// them; the register entry from the caller.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/base.h"
#include "itr/efile/ereturn_input.h"

namespace meridian::itr::efile {

struct EReturnRequest {
  std::string client;   // the master code
  std::string dataSet;  // the client code, or a register entry's C^R-2 ...
  int year = 0;
  std::string formCode;  // "ITR-1" or "ITR-4S"
  std::string today;     // dd/mm/yyyy: the creation date
};

// Why a return cannot be gathered, in words for the user.
struct CannotGatherReturn : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct GatheredReturn {
  EReturnInput input;
  std::vector<std::string> notes;  // what the stored year holds that the computation leaves out
};

// Without filing particulars, those kept for the data set and year. A
// verification without its date is dated `today`. Throws CannotGatherReturn
// when the client is unknown, no section is chosen, or the year cannot be
// computed.
GatheredReturn gatherEReturn(host::Base& base, const EReturnRequest& request,
                             const std::optional<FilingParticulars>& filing, const RegisterEntry& entry);

// The register entry a data set belongs to: the client's own data set is the
// original return. Throws std::runtime_error when the register has no entry
// with that data set.
RegisterEntry registerEntryOf(db::Connection& conn, const std::string& client, int year, const std::string& dataSet);
// The same by the entry's number (SrNo), as the workspace names the entry in use.
RegisterEntry registerEntryNumbered(db::Connection& conn, const std::string& client, int year, int srNo);

inline constexpr std::string_view kNoSectionChosen = "Please specify section under which this return is being filed.";

// The settings keys (section "Settings") of the installation's CreationInfo.
namespace settings {
inline constexpr const char* kIntermediaryCity = "EfileIntermediaryCity";
inline constexpr const char* kMakerName = "EfileMakerName";
inline constexpr const char* kProductLabel = "EfileProductLabel";
}  // namespace settings

}  // namespace meridian::itr::efile

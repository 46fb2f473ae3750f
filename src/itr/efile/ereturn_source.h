#pragma once
// Gathers an ITR-1 or ITR-4S return of a stored client year: the client, the
// year's computation from the heads' tables, the rows of the tax schedules
// and of s.44AE, the credentials and settings of the installation. The
// filing particulars and the register entry come from the caller, who holds
// them (the return screen, or the command line from the stored particulars).
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

// Without filing facts, those of defaultFilingFacts. Throws
// CannotGatherReturn when the client is unknown or the year cannot be
// computed.
GatheredReturn gatherEReturn(host::Base& base, const EReturnRequest& request, const std::optional<FilingFacts>& filing,
                             const RegisterEntry& entry);

// The settings keys (section "Settings") of the installation's CreationInfo.
namespace settings {
inline constexpr const char* kIntermediaryCity = "EfileIntermediaryCity";
inline constexpr const char* kMakerName = "EfileMakerName";
inline constexpr const char* kProductLabel = "EfileProductLabel";
}  // namespace settings

}  // namespace meridian::itr::efile

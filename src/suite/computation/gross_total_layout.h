#pragma once
// Where the printed computation shows gross total income (the "GTOPT"
// setting). The law's gross total income comes after the set-off of the
// year's losses between heads (s.71) and of losses brought forward (s.72
// onwards); some practices show the figure earlier. The amounts stay the
// engine's: only the captions and the order of the steps change.
#include <vector>

#include "suite/computation/computation_sheet.h"

namespace meridian::suite::computation {

enum class GrossTotalLayout {
  asComputed = 0,            // "(Default)"
  afterSetOff = 1,           // "After Inter-head adj. & Losses B/f": the law's figure, as computed
  beforeSetOff = 2,          // "Before Inter-head adj. & Losses B/f"
  afterBroughtForward = 3,   // "Before Inter-head adj. & After Losses B/f"
};

// The computation lines with the steps from the total of the heads to
// gross total income arranged as `layout` asks.
std::vector<SheetRow> arrangedGrossTotal(const std::vector<SheetRow>& rows, GrossTotalLayout layout);

}  // namespace meridian::suite::computation

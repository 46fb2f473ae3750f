#pragma once
// The short-term capital gains on depreciable assets (s.50) entered block by
// block on ObjCapDepr (capital_depr), as the computation takes them.
//
// A block may be on both that screen and the fixed-asset chart (dep_itr_it),
// which works its own s.50 gain from the same block. The chart wins: its
// block is the one whose depreciation the business income takes, so its gain
// and that depreciation rest on one written-down value; taking the screen's
// gain as well would tax the same transfer twice, and taking it instead
// would tax a block the chart still depreciates. Where the two differ the
// notes say so, for the practitioner to mend one of them.
#include <string>
#include <vector>

#include "suite/assets/depreciation.h"
#include "suite/heads/depreciable_gain.h"

namespace meridian::suite::heads {

struct DepreciableGainRow {
  std::string block;
  int ratePercent = 0;
  BlockTransfer transfer;
};

// The gains (a ceased block's loss negative) of the rows whose block and
// rate the chart does not hold; a row the chart holds adds nothing and, when
// its gain differs from the chart's, a note.
Money depreciableGainsTaken(const std::vector<DepreciableGainRow>& rows,
                            const std::vector<assets::BlockDepreciation>& chartBlocks, std::vector<std::string>& notes);

}  // namespace meridian::suite::heads

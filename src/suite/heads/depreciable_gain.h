#pragma once
// The short-term capital gain on the transfer of assets of a block (s.50):
// what the assets fetched, less the expenses of the transfer, beyond the
// written-down value of the block at the start of the year with the cost of
// the assets added to it during the year. While the block goes on, only an
// excess is a gain (s.50(1)); when the block ceases to exist, the whole
// difference is the gain or the loss (s.50(2)).
#include "common/money.h"

namespace meridian::suite::heads {

struct BlockTransfer {
  Money consideration;
  Money expenses;
  Money writtenDownWithAdditions;
  bool blockCeased = false;
};

inline Money depreciableAssetGain(const BlockTransfer& t) {
  const Money difference = t.consideration - t.expenses - t.writtenDownWithAdditions;
  if (t.blockCeased) return difference;
  return difference > Money() ? difference : Money();
}

}  // namespace meridian::suite::heads

#include "suite/tax/surcharge.h"

#include <algorithm>

#include "suite/tax/rupee_rate.h"

namespace meridian::tax {

Money surchargeWithRelief(Money income, Money tax, const params::SurchargeBands& bands,
                          const std::function<Money(Money)>& taxAt) {
  int band = -1;
  for (size_t i = 0; i < bands.size(); ++i)
    if (income > rupees(bands[i].above)) band = static_cast<int>(i);
  if (band < 0 || tax <= Money()) return Money();
  const auto& b = bands[static_cast<size_t>(band)];
  const Money atRate = rupeesAtRate(tax, b.rate);
  if (b.above == 0) return atRate;
  // At the threshold itself the band below (if any) is the one charged.
  const Money threshold = rupees(b.above);
  const Money taxAtThreshold = taxAt(threshold);
  const Money dueAtThreshold = taxAtThreshold + surchargeWithRelief(threshold, taxAtThreshold, bands, taxAt);
  const Money relief = income - threshold + dueAtThreshold - tax;
  return std::max(Money(), std::min(atRate, relief.roundedToRupee()));
}

}  // namespace meridian::tax

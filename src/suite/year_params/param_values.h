#pragma once
// The shapes a yearly parameter of the tax law takes. Amounts are whole rupees
// and rates are basis points (1850 is 18.5 %), as the shipped data writes them.
#include <cstdint>
#include <variant>
#include <vector>

namespace meridian::params {

using Amount = std::int64_t;  // whole rupees
using BasisPoints = int;      // 10000 is 100 %

// One step of a progressive scale: `rate` on the slice of income up to `upTo`.
// The last step is open (`upTo` is ignored). A scale with no steps means the
// law has no such scale that year and the general one applies.
struct ScaleStep {
  Amount upTo = 0;
  BasisPoints rate = 0;
  bool open = false;
  bool operator==(const ScaleStep&) const = default;
};
using Scale = std::vector<ScaleStep>;

// The income below which the scale charges nothing (the exemption limit).
inline Amount exemptionLimit(const Scale& s) { return !s.empty() && s.front().rate == 0 ? s.front().upTo : 0; }

// A surcharge band: `rate` of the tax when total income exceeds `above`. Bands
// rise; the highest band exceeded is charged, with marginal relief at its
// threshold. A band above 0 charges every income and needs no relief.
struct SurchargeBand {
  Amount above = 0;
  BasisPoints rate = 0;
  bool operator==(const SurchargeBand&) const = default;
};
using SurchargeBands = std::vector<SurchargeBand>;

// One due date of an advance-tax schedule: by the date `cumulative` of the tax
// should have been paid; a shortfall bears interest u/s 234C for `months`
// months unless the payment reaches `chargeBelow` (0: always charged). A step
// with cumulative 0 is a date on which nothing falls due.
struct InstalmentStep {
  BasisPoints cumulative = 0;
  BasisPoints chargeBelow = 0;
  int months = 0;
  bool operator==(const InstalmentStep&) const = default;
};
using InstalmentSchedule = std::vector<InstalmentStep>;

// A whole number (amount, rate, age, count) or a flag, or one of the shapes.
using Value = std::variant<std::int64_t, bool, Scale, SurchargeBands, InstalmentSchedule>;

}  // namespace meridian::params

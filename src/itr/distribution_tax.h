#pragma once
// The tax a domestic company pays on what it distributes: on dividends
// declared, distributed or paid (s.115-O) and on income distributed to
// shareholders on a buy-back of unlisted shares (s.115QA), at the rates of
// the date of the distribution (data/distribution_tax.csv).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/money.h"

namespace meridian::itr {

enum class DistributionKind { dividend, buyBack };  // geninfo_schj.flagbbs "N", "Y"

struct DistributionTaxRate {
  DistributionKind kind = DistributionKind::dividend;
  CivilDate from, to;
  int rateBp = 0, surchargeBp = 0, cessBp = 0;
  bool grossUp = false;  // the dividend grossed up by the tax (s.115-O(1B))
};

std::vector<DistributionTaxRate> parseDistributionTaxRates(std::string_view csv);

// The tax, surcharge and cesses on a distribution of the date, rounded to
// ten rupees (s.288B); nothing when the table has no rate for the date.
// `amount` is the dividend, or for a buy-back the consideration paid less
// the amount received on issue.
std::optional<Money> distributionTaxDue(DistributionKind kind, CivilDate on, Money amount);

// The words of the form's schedule for each kind.
const char* distributionWords(DistributionKind kind);

}  // namespace meridian::itr

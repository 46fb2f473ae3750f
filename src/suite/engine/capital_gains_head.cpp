#include <algorithm>
#include <initializer_list>

#include "suite/engine/heads.h"
#include "suite/engine/set_off_step.h"

namespace meridian::engine {

CapitalGainFigures capitalGainsOf(const CapitalGainsInput& in) {
  CapitalGainFigures f;
  f.stcg111a = std::max(Money(), in.stcg111a);
  f.stcgOther = std::max(Money(), in.stcgOther);
  f.ltcgIndexed = std::max(Money(), in.ltcgIndexed);
  f.ltcgWithoutIndexation = std::max(Money(), in.ltcgWithoutIndexation);
  const auto lossOf = [](Money m) { return m < Money() ? -m : Money(); };
  // s.70(3): a long-term loss only against long-term gains, the one taxed at
  // the higher rate first.
  f.ltclLeft = setOffAgainst(lossOf(in.ltcgIndexed) + lossOf(in.ltcgWithoutIndexation),
                             {&f.ltcgIndexed, &f.ltcgWithoutIndexation});
  // s.70(2): a short-term loss against any gain, the higher-taxed first: the
  // gain at normal rates, then 20 %, 15 % and 10 %.
  f.stclLeft = setOffAgainst(lossOf(in.stcg111a) + lossOf(in.stcgOther),
                             {&f.stcgOther, &f.ltcgIndexed, &f.stcg111a, &f.ltcgWithoutIndexation});
  return f;
}

}  // namespace meridian::engine

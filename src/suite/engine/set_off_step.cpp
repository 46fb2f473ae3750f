#include "suite/engine/set_off_step.h"

#include <algorithm>

namespace meridian::engine {

Money setOffAgainst(Money loss, std::initializer_list<Money*> incomes) {
  for (Money* income : incomes) {
    if (loss <= Money()) break;
    if (*income <= Money()) continue;
    const Money used = std::min(*income, loss);
    *income -= used;
    loss -= used;
  }
  return std::max(Money(), loss);
}

}  // namespace meridian::engine

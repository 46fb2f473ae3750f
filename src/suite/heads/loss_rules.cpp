#include "suite/heads/loss_rules.h"

namespace meridian::suite::heads {

// Race horses: four years (s.74A(3)); specified business and unabsorbed
// depreciation: no limit (ss.73A(2), 32(2)). A house-property loss and
// unabsorbed depreciation are carried even from a late return: s.80 bars only
// the carrying under ss.72(1), 73(2), 73A(2), 74(1), 74(3) and 74A(3).
std::optional<CarryRule> carryRuleOf(int part, const engine::YearLaw& law) {
  switch (part) {
    case 0: return CarryRule{law.carryHouseProperty, "s.71B", false};
    case 1: return CarryRule{law.carryBusiness, "s.72(3)", true};
    case 2: return CarryRule{0, "s.32(2)", false};
    case 3: return CarryRule{law.carrySpeculation, "s.73(4)", true};
    case 5:
    case 6: return CarryRule{law.carryCapital, "s.74(1)", true};
    case 7: return CarryRule{law.carryRaceHorses, "s.74A(3)", true};
    case 8: return CarryRule{0, "s.73A(2)", true};
    default: return std::nullopt;
  }
}

}  // namespace meridian::suite::heads

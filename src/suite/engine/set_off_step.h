#pragma once
// One step of setting a loss off: against the incomes in the order given, as
// far as each goes.
#include <initializer_list>

#include "common/money.h"

namespace meridian::engine {

// Lowers the positive incomes in turn by the loss; returns what is left of it.
Money setOffAgainst(Money loss, std::initializer_list<Money*> incomes);

}  // namespace meridian::engine

#include "suite/contexts_impl.h"

#include <stdexcept>

namespace meridian::suite {

void MissingComputationEngine::ITCalcProc() {
  throw std::runtime_error("The tax computation module is not installed; the year was not recomputed.");
}

void ClientContextImpl::UpdateTbl() {
  throw std::runtime_error("The tax computation module is not installed; the result tables were not rewritten.");
}

void ReturnContextImpl::GetDueDt(std::optional<int> year) {
  const int y = year.value_or(client_.vT_Year.get());
  auto [due, extended] =
      lookup_ ? lookup_(base_.DbObj(), base_, client_.vT_Code_No.get(), y) : std::pair<host::Date, host::Date>{};
  VDue_Dt = due;
  VODue_Dt = extended;
}

}  // namespace meridian::suite

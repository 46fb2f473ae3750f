#include "suite/contexts_impl.h"

#include <stdexcept>

#include "suite/dataset/head_copy.h"

namespace meridian::suite {

void ClientContextImpl::UpdateTbl() {
  if (!results_) throw std::logic_error("the client context has no result context");
  results_->NModule1().writeResultTables();
}

void ClientContextImpl::SetSHBCnos(const std::string& which) {
  struct Count {
    const char* which;
    const char* head;
    host::Property<int> ClientContextImpl::*total;
  };
  static const Count counts[] = {{"S", "salary", &ClientContextImpl::vTotEmpNos},
                                 {"H", "house", &ClientContextImpl::vTotHouNos},
                                 {"B", "business", &ClientContextImpl::vTotBusNos}};
  for (const auto& c : counts) {
    if (which != c.which) continue;
    const dataset::CarriedHead* head = dataset::carriedHead(c.head);
    const std::string code = vt_RTCode_No.get().empty() ? vT_Code_No.get() : vt_RTCode_No.get();
    const long long n = head ? dataset::HeadCopy(base_.DbObj(), *head).entries(code, vT_Year.get()) : 0;
    this->*c.total = static_cast<int>(n);
  }
}

void ReturnContextImpl::GetDueDt(std::optional<int> year) {
  const int y = year.value_or(client_.vT_Year.get());
  auto [due, extended] =
      lookup_ ? lookup_(base_.DbObj(), base_, client_.vT_Code_No.get(), y) : std::pair<host::Date, host::Date>{};
  VDue_Dt = due;
  VODue_Dt = extended;
}

}  // namespace meridian::suite

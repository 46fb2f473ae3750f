#include "host/return_state_guard.h"

#include "ui/form.h"

namespace meridian::host {

bool mayChangeOpenReturn(Base& base) {
  auto* guard = dynamic_cast<ReturnStateGuard*>(base.ObjSubForm.get());
  return guard ? guard->CheckReturn() : true;
}

}  // namespace meridian::host

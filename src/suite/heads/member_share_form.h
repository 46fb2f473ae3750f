#pragma once
// Objaop: the associations of persons and bodies of individuals of which the
// client is a member, one row each in memsharedet: the AOP's or BOI's name
// and PAN, the member's share (per cent and amount, computed u/s 67A) and how
// the AOP or BOI is charged on its own income, which decides whether the
// share is outside total income, inside it with its tax rebated, or taxed
// (s.86). Laid out like the firms of a partner (Objfirm).
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class MemberShareForm : public HeadScreen {
 public:
  explicit MemberShareForm(host::Component& component);

  static constexpr const char* shares = "vsfAOPs";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  RowGrid* shares_;
};

}  // namespace meridian::suite::heads

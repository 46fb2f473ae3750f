#pragma once
// ObjRebate: the reliefs of the year claimed against the tax (income_relief):
// u/s 89 for salary received in arrears or in advance (typed here until Form
// 10E works it out), u/ss 90 and 90A under an agreement with another country,
// and u/s 91 where there is none.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class ReliefForm : public HeadScreen {
 public:
  explicit ReliefForm(host::Component& component);

 protected:
  void readYear(db::Connection& conn) override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  FieldSet* relief_;
};

}  // namespace meridian::suite::heads

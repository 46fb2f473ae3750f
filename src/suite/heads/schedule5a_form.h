#pragma once
// ObjSch5A: Schedule 5A of the year (incsec5a). Where husband and wife are
// governed by the Portuguese Civil Code, income other than salary is
// apportioned between them (s.5A): for each head, the income received and
// the part apportioned in the hands of the spouse, and the TDS on it and the
// part of it the spouse claims. The return's checks judge the figures
// against the form (which heads it may show, no share above the income).
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class Schedule5AForm : public HeadScreen {
 public:
  explicit Schedule5AForm(host::Component& component);

 protected:
  void readYear(db::Connection& conn) override;
  void writeYear(db::Connection& conn) override;

 private:
  FieldSet* schedule_;
};

}  // namespace meridian::suite::heads

#pragma once
// GetGenInfo (GetGenInfooth, GetGenInfoTrust by the client's status): the
// general information of a client's year that the workspace's "General
// Information (B/S, P&L)" opens: the profit and loss account and balance
// sheet of a business that keeps no regular books, the assets and
// liabilities at the end of the year (Schedule AL), the list of enclosures
// and the other details by category. Saved in one transaction.
#include "suite/heads/head_screen.h"

namespace meridian::suite::geninfo {

class GeneralInfoForm : public heads::HeadScreen {
 public:
  GeneralInfoForm(host::Component& component, const std::string& member);

  static constexpr const char* enclosures = "vsfEnclosures";
  static constexpr const char* otherDetails = "vsfOthDet";
  static constexpr const char* keyPersons = "vsfKeyPersons";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  heads::FieldSet* noAccount_;
  heads::FieldSet* assets_;
  heads::RowGrid* enclosures_;
  heads::RowGrid* otherDetails_;
  heads::RowGrid* keyPersons_;
};

}  // namespace meridian::suite::geninfo

#pragma once
// Objtaxdetail: the taxes paid for the year. Tax deducted or collected at
// source (tds: deductor, TAN, item of the section, income, tax deducted and
// the part claimed this year, by the client and by the spouse), advance tax
// (adv_tax) and self-assessment tax (self_tax) by challan: BSR code of the
// bank branch, date of payment, challan serial number, amount.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class TaxDetailsForm : public HeadScreen {
 public:
  explicit TaxDetailsForm(host::Component& component);

  static constexpr const char* tds = "vsfTds";
  static constexpr const char* advanceTax = "vsfAdvTax";
  static constexpr const char* selfAssessmentTax = "vsfSelfTax";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  RowGrid* tds_;
  RowGrid* advance_;
  RowGrid* self_;
};

// The items of TDS and TCS the program lists (secdesc_items), in their order:
// code the item, caption the code and the nature of the payment.
std::vector<Choice> tdsItems(db::Connection& conn);

}  // namespace meridian::suite::heads

#include "itr/efile/tax_schedules.h"

namespace meridian::itr::efile {
namespace {

Money rounded(Money m) { return m.roundedToRupee(); }

void deductor(ReturnXmlWriter& w, const TaxCreditRow& r) {
  w.open("EmployerOrDeductorOrCollectDetl");
  w.code("TAN", r.tan);
  w.text("EmployerOrDeductorOrCollecterName", r.name);
  w.close();
}

}  // namespace

void writeTdsOnSalaries(ReturnXmlWriter& w, const std::vector<TaxCreditRow>& rows, const ScheduleOptions& o) {
  if (rows.empty()) return;
  Money total;
  w.open("TDSonSalaries");
  for (const TaxCreditRow& r : rows) {
    w.open("TDSonSalary");
    deductor(w, r);
    w.amount("IncChrgSal", r.income);
    w.amount("TotalTDSSal", r.claimed);
    w.close();
    total += rounded(r.claimed);
  }
  if (o.totals) w.amount("TotalTDSonSalaries", total);
  w.close();
}

void writeTdsOnOtherThanSalaries(ReturnXmlWriter& w, const std::vector<TaxCreditRow>& rows, const ScheduleOptions& o) {
  if (rows.empty()) return;
  Money total;
  w.open("TDSonOthThanSals");
  for (const TaxCreditRow& r : rows) {
    w.open("TDSonOthThanSal");
    deductor(w, r);
    w.codeIfAny("UniqueTDSCerNo", r.certificateNo);
    w.amount("TotTDSOnAmtPaid", r.deducted);
    w.amount("ClaimOutOfTotTDSOnAmtPaid", r.claimed);
    if (o.spouseColumn) w.amountIfNotZero("AmtClaimedBySpouse", r.spouse);
    w.close();
    total += rounded(r.claimed);
  }
  if (o.totals) w.amount("TotalTDSonOthThanSals", total);
  w.close();
}

void writeTcsSchedule(ReturnXmlWriter& w, const std::vector<TaxCreditRow>& rows, const ScheduleOptions& o) {
  if (rows.empty()) return;
  Money total;
  w.open("ScheduleTCS");
  for (const TaxCreditRow& r : rows) {
    w.open("TCS");
    deductor(w, r);
    w.amount("TotalTCS", r.deducted);
    w.amount("AmtTCSClaimedThisYear", r.claimed);
    if (o.spouseColumn) w.amountIfNotZero("AmtClaimedBySpouse", r.spouse);
    w.close();
    total += rounded(r.claimed);
  }
  if (o.totals) w.amount("TotalSchTCS", total);
  w.close();
}

void writeTaxPayments(ReturnXmlWriter& w, std::string_view container, const std::vector<TaxPaymentRow>& advance,
                      const std::vector<TaxPaymentRow>& selfAssessment, const ScheduleOptions& o) {
  if (advance.empty() && selfAssessment.empty()) return;
  Money total;
  w.open(container);
  for (const auto* rows : {&advance, &selfAssessment})
    for (const TaxPaymentRow& r : *rows) {
      w.open("TaxPayment");
      w.code("BSRCode", r.bsrCode);
      w.date("DateDep", r.date);
      w.code("SrlNoOfChaln", r.challanNo);
      w.amount("Amt", r.amount);
      w.close();
      total += rounded(r.amount);
    }
  if (o.totals) w.amount("TotalTaxPayments", total);
  w.close();
}

}  // namespace meridian::itr::efile

#pragma once
// The schedules of taxes an e-return lists row by row: tax deducted from
// salary and from other payments, tax collected at source, and the challans
// of advance and self-assessment tax. ITR-1 and ITR-4S name the containers
// as below; the other forms write the same rows under their own names.
#include <string_view>
#include <vector>

#include "itr/efile/ereturn_input.h"
#include "itr/efile/return_xml_writer.h"

namespace meridian::itr::efile {

struct ScheduleOptions {
  bool totals = false;        // the total after the rows (A.Y. 2015-16 on)
  bool spouseColumn = false;  // AmtClaimedBySpouse (A.Y. 2014-15 on)
};

// Each writes nothing when there are no rows.
void writeTdsOnSalaries(ReturnXmlWriter& w, const std::vector<TaxCreditRow>& rows, const ScheduleOptions& o);
void writeTdsOnOtherThanSalaries(ReturnXmlWriter& w, const std::vector<TaxCreditRow>& rows, const ScheduleOptions& o);
void writeTcsSchedule(ReturnXmlWriter& w, const std::vector<TaxCreditRow>& rows, const ScheduleOptions& o);
// Advance tax first, then self-assessment tax, each in date order as given.
void writeTaxPayments(ReturnXmlWriter& w, std::string_view container, const std::vector<TaxPaymentRow>& advance,
                      const std::vector<TaxPaymentRow>& selfAssessment, const ScheduleOptions& o);

}  // namespace meridian::itr::efile

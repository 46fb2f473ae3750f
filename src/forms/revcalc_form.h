#pragma once
// The tax estimator form "frmrevcalc": incomes, losses, deductions and taxes
// paid typed by head; the tax of the chosen A.Y. and status, the advance-tax
// instalments with interest u/s 234C, and the income that yields a desired
// tax. The figures are worked again whenever an entry changes, by the same
// engine and the same input building as `meridian estimate --json`.
#include <optional>
#include <string>

#include "forms/estimator/estimate_types.h"
#include "host/component.h"
#include "host/screen.h"

namespace meridian::forms {

class RevCalcForm : public host::Screen {
 public:
  explicit RevCalcForm(host::Component& host);
  void load() override;
  // Escape closes the instalment grid first, then the screen.
  void escape() override;

  // Places in the control array txtfields (names "txtfields0" ...).
  static constexpr int fieldTax = 24, fieldSurcharge = 25, fieldEducationCess = 26, fieldSheCess = 27,
                       fieldTotalTax = 28, fieldInterest234C = 29, fieldPayable = 30, fieldAdvancePaid = 31,
                       fieldDesiredTax = 36, fieldDob = 37, fieldCount = 38;
  static std::string field(int index) { return "txtfields" + std::to_string(index); }
  static std::string incomeTypeBox(int type) { return "Check1" + std::to_string(type); }
  // Columns of the instalment grid vsf3.
  enum Col { colPeriod, colDueDate, colDue, colPaid, colInterest };

  // The case as the controls hold it now; nothing when no year is chosen.
  std::optional<estimator::EstimateInput> currentInput();
  // The figures of the last computation.
  const std::optional<estimator::EstimateResult>& result() const { return result_; }

 private:
  void build();
  void buildIncomeFrames();
  void buildOtherFrames();
  void buildResultFrame();
  void fillChoices();
  // Captions and visibility that follow the year, status and income types.
  void arrangeForChoices();
  estimator::InstalmentDates dueDates(int year);
  void recompute();
  // Refuses a negative amount in the box (message, focus back); false when none.
  bool refusedNegative(int index);
  // The same for every entry box, the first one holding a negative amount.
  bool refusedAnyNegative();
  std::optional<int> firstNegative();
  void showRequiredIncomeMessage();
  void incomeTypeClicked(int type);
  void showInstalments();
  void checkLiability();
  void setFigure(int index, estimator::Rupees amount);

  host::Component& host_;
  std::optional<estimator::EstimateResult> result_;
};

}  // namespace meridian::forms

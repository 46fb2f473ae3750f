#include "forms/revcalc_form.h"

#include <algorithm>

#include "common/years.h"
#include "forms/estimator/estimate.h"
#include "forms/estimator/estimate_input.h"
#include "forms/estimator/instalments.h"
#include "host/due_date_store.h"
#include "host/screen_registry.h"

namespace meridian::forms {
namespace {

namespace est = estimator;

constexpr const char* kNoIncomeType = "Atleast a Type of Income should be Selected.";
constexpr const char* kNegativeAmount = "Amount can not be negative. Please enter the amount without a minus sign.";

// A box holding an amount below zero: the estimator takes no negative figure
// (losses are entered as positive amounts in their own boxes).
bool holdsNegative(const std::string& text) {
  const size_t b = text.find_first_not_of(' ');
  return b != std::string::npos && text[b] == '-' && text.find_first_of("123456789", b) != std::string::npos;
}

// The frames of the income types, in the order of the check boxes Check1.
struct IncomeFrame {
  const char* name;
  const char* caption;
};
constexpr IncomeFrame kIncomeFrames[est::kIncomeTypes] = {{"fraSalary", "Salary"},
                                                         {"fraHouseProperty", "House Property"},
                                                         {"fraBusiness", "Business"},
                                                         {"fraCapitalGain", "Capital Gain"},
                                                         {"fraOtherIncome", "Other Income"}};

// The frame of each amount field that no income type carries.
const char* frameOfOtherField(int index) {
  if (index <= 14) return "fraClubbing";
  if (index <= 20) return "fraBroughtForward";
  return "fraOthers";
}

// The controls of the screen as the entries of a case. An amount that is not a
// number counts as 0, and a box whose income type is switched off counts as
// empty, as the screen shows nothing of that type.
class ScreenEntries : public est::EstimateEntries {
 public:
  explicit ScreenEntries(RevCalcForm& f) : f_(f) {}
  std::string assessmentYear() const override { return f_["Combo1"].text; }
  std::string status() const override { return f_["Combo2"].text; }
  std::string sex() const override { return f_["Combo3"].text; }
  std::optional<std::chrono::year_month_day> dateOfBirth() const override {
    return est::parseDate(f_[RevCalcForm::field(RevCalcForm::fieldDob)].text);
  }
  est::Rupees amount(const est::AmountField& field) const override {
    if (field.type != est::IncomeType::none && f_[RevCalcForm::incomeTypeBox(static_cast<int>(field.type))].value == 0)
      return 0;
    return amountAt(field.index);
  }
  int children() const override { return static_cast<int>(std::min<est::Rupees>(amountAt(est::kChildrenField), 99)); }
  est::Rupees advancePaid(int period) const override { return amountAt(RevCalcForm::fieldAdvancePaid + period); }
  bool compTaxRate() const override { return shownAndTicked("chkCompTaxRate"); }
  bool resAssInState() const override { return shownAndTicked("chkResAssInState"); }
  std::optional<est::Rupees> desiredTax() const override {
    return est::amountFromText(f_[RevCalcForm::field(RevCalcForm::fieldDesiredTax)].text);
  }

 private:
  est::Rupees amountAt(int index) const { return est::amountFromText(f_[RevCalcForm::field(index)].text).value_or(0); }
  // A box the year or status hides does not count, whatever it held before.
  bool shownAndTicked(const char* name) const { return f_[name].visible && f_[name].value == 1; }
  RevCalcForm& f_;
};

est::Status statusOf(const std::string& text) {
  const auto& all = est::statusTexts();
  const auto it = std::find(all.begin(), all.end(), text);
  return it == all.end() ? est::Status::Individual : static_cast<est::Status>(it - all.begin());
}

}  // namespace

RevCalcForm::RevCalcForm(host::Component& host) : host::Screen(host.base(), "frmrevcalc", "Tax Estimator"), host_(host) {
  windowState = 2;
  build();
  fillChoices();
  focus = "Combo1";
}

void RevCalcForm::load() {
  // The due dates may have been changed since the screen was last open.
  arrangeForChoices();
  recompute();
}

void RevCalcForm::build() {
  add(ui::ControlKind::frame, "fraChoices");
  add(ui::ControlKind::comboBox, "Combo1", "Assessment Year", "fraChoices");
  add(ui::ControlKind::comboBox, "Combo2", "Status", "fraChoices");
  add(ui::ControlKind::comboBox, "Combo3", "Sex", "fraChoices");
  addDateBox(field(fieldDob), "DOB", "fraChoices");
  add(ui::ControlKind::checkBox, "chkCompTaxRate", "", "fraChoices");
  add(ui::ControlKind::checkBox, "chkResAssInState", "", "fraChoices");

  add(ui::ControlKind::frame, "fraIncomeTypes", "Type of Income");
  for (int t = 0; t < est::kIncomeTypes; ++t) {
    add(ui::ControlKind::checkBox, incomeTypeBox(t), kIncomeFrames[t].caption, "fraIncomeTypes").value = 1;
    on(incomeTypeBox(t), ui::EventType::click, [this, t](ui::Event&) { incomeTypeClicked(t); });
  }
  buildIncomeFrames();
  buildOtherFrames();
  buildResultFrame();

  for (const char* combo : {"Combo1", "Combo2", "Combo3"})
    on(combo, ui::EventType::click, [this](ui::Event&) {
      arrangeForChoices();
      recompute();
    });
  for (const char* box : {"chkCompTaxRate", "chkResAssInState"})
    on(box, ui::EventType::click, [this](ui::Event&) { recompute(); });
  // Every entry works the figures again when the user leaves it, so what the
  // screen shows always belongs to what it holds.
  for (int i = 0; i < fieldCount; ++i) {
    if (i >= fieldTax && i <= fieldPayable) continue;
    on(field(i), ui::EventType::lostFocus, [this, i](ui::Event&) {
      recompute();  // shows no figures while a box holds a negative amount
      if (i != fieldDob && refusedNegative(i)) return;
      if (i == fieldDesiredTax) showRequiredIncomeMessage();
    });
  }

  add(ui::ControlKind::button, "cmdCalculate", "&Calculate");
  add(ui::ControlKind::button, "cmdAdvTax", "&Advance Tax Installment");
  add(ui::ControlKind::button, "Command1", "&No Liability Check");
  add(ui::ControlKind::button, "cmdBack", "&Back");
  on("cmdCalculate", ui::EventType::click, [this](ui::Event&) {
    if (refusedAnyNegative()) return;
    recompute();
    showRequiredIncomeMessage();
  });
  on("cmdAdvTax", ui::EventType::click, [this](ui::Event&) {
    if (!refusedAnyNegative()) showInstalments();
  });
  on("Command1", ui::EventType::click, [this](ui::Event&) {
    if (!refusedAnyNegative()) checkLiability();
  });
  on("cmdBack", ui::EventType::click, [this](ui::Event&) { close(); });

  add(ui::ControlKind::frame, "fraInstalments", "Advance Tax Installment").visible = false;
  addGrid("vsf3", "fraInstalments");
  grid("vsf3").setColumns({"Period", "Due Date", "Installment Due", "Advance Tax Paid", "Int. u/s 234C"});
  grid("vsf3").rightAligned = {false, false, true, true, true};
}

void RevCalcForm::buildIncomeFrames() {
  for (const auto& f : kIncomeFrames) add(ui::ControlKind::frame, f.name, f.caption);
  add(ui::ControlKind::frame, "fraClubbing", "Clubbing of Income");
  add(ui::ControlKind::frame, "fraBroughtForward", "Brought Forward Losses");
  add(ui::ControlKind::frame, "fraOthers", "Deductions and Taxes");
  for (const auto& f : est::amountFields()) {
    const char* frame =
        f.type == est::IncomeType::none ? frameOfOtherField(f.index) : kIncomeFrames[static_cast<int>(f.type)].name;
    if (f.index == est::kChildrenField + 1) {
      // The number of children comes before the minor's income it reduces.
      ui::Control& children = add(ui::ControlKind::textBox, field(est::kChildrenField), "Nos. of Child", frame);
      children.validateData = 4;
      children.maxLength = 2;
    }
    ui::Control& box = add(ui::ControlKind::textBox, field(f.index), f.caption, frame);
    box.validateData = 4;
    box.maxLength = 12;
  }
}

void RevCalcForm::buildOtherFrames() {
  ui::Control& desired = add(ui::ControlKind::textBox, field(fieldDesiredTax), "Desired Total Tax Amount", "fraOthers");
  desired.validateData = 4;
  desired.maxLength = 12;
  ui::Control& required = add(ui::ControlKind::textBox, "txtReqIncome", "Required Income", "fraOthers");
  required.locked = true;
  required.validateData = 4;

  add(ui::ControlKind::frame, "fraAdvancePaid", "Advance Tax Paid");
  for (int p = 0; p < est::kPaymentPeriods; ++p) {
    ui::Control& box = add(ui::ControlKind::textBox, field(fieldAdvancePaid + p), "", "fraAdvancePaid");
    box.validateData = 4;
    box.maxLength = 12;
  }
}

void RevCalcForm::buildResultFrame() {
  add(ui::ControlKind::frame, "fraResult", "Tax");
  struct Out {
    int index;
    const char* caption;
  };
  // "&&" shows one ampersand: a single one would mark an access key.
  const Out outs[] = {{fieldTax, "Tax"},
                      {fieldSurcharge, "Surcharge"},
                      {fieldEducationCess, "Education Cess"},
                      {fieldSheCess, "Sec. && Higher Education Cess"},
                      {fieldTotalTax, "Total Tax"},
                      {fieldInterest234C, "Int. u/s 234C"},
                      {fieldPayable, "Tax Payable /Refundable"}};
  for (const auto& o : outs) {
    ui::Control& figure = add(ui::ControlKind::textBox, field(o.index), o.caption, "fraResult");
    figure.locked = true;
    figure.validateData = 4;  // an amount: shown grouped and right-aligned
    if (o.index == fieldTax) add(ui::ControlKind::label, "lblreb87A", "", "fraResult").visible = false;
  }
}

void RevCalcForm::fillChoices() {
  ui::Control& years = (*this)["Combo1"];
  years.clear();
  for (const auto& y : est::estimatorYearList()) years.addItem(y);
  years.selectIndex(static_cast<int>(years.items.size()) - 1);  // the latest year
  for (auto [name, items] : {std::pair{"Combo2", &est::statusTexts()}, std::pair{"Combo3", &est::sexTexts()}}) {
    ui::Control& c = (*this)[name];
    c.clear();
    for (const auto& i : *items) c.addItem(i);
    c.selectIndex(0);
  }
}

void RevCalcForm::arrangeForChoices() {
  const int year = yearOfEntry((*this)["Combo1"].text);
  const est::Status status = statusOf((*this)["Combo2"].text);
  const est::CheckBoxView comp = est::compTaxRateCheckBox(year, status);
  const est::CheckBoxView state = est::resAssInStateCheckBox(year);
  for (auto [name, view] : {std::pair{"chkCompTaxRate", &comp}, std::pair{"chkResAssInState", &state}}) {
    ui::Control& box = (*this)[name];
    box.visible = view->visible;
    box.caption = view->caption;
  }
  (*this)[field(22)].caption = est::bookProfitCaption(status);
  for (int t = 0; t < est::kIncomeTypes; ++t) (*this)[kIncomeFrames[t].name].visible = (*this)[incomeTypeBox(t)].value == 1;
}

est::InstalmentDates RevCalcForm::dueDates(int year) {
  // A year whose dates were never changed has no row and keeps the statutory ones.
  if (auto stored = host::readInstalments(host_.base().DbObj(), year))
    if (auto dates = est::instalmentDatesFromTexts(*stored)) return *dates;
  return est::defaultInstalmentDates(year);
}

std::optional<est::EstimateInput> RevCalcForm::currentInput() {
  try {
    return est::buildEstimateInput(ScreenEntries(*this));
  } catch (const est::EntryRefused&) {
    return std::nullopt;  // no year chosen yet
  }
}

void RevCalcForm::setFigure(int index, est::Rupees amount) { (*this)[field(index)].text = std::to_string(amount); }

void RevCalcForm::recompute() {
  // While a box holds a negative amount the screen shows no figures rather
  // than figures that counted it as nothing.
  const auto in = firstNegative() ? std::nullopt : currentInput();
  if (!in) {
    result_.reset();
    for (int i = fieldTax; i <= fieldPayable; ++i) (*this)[field(i)].text.clear();
    (*this)["lblreb87A"].visible = false;
    grid("vsf3").clearRows();
    return;
  }
  result_ = est::estimate(*in, dueDates(in->year));
  const est::EstimateResult& r = *result_;
  setFigure(fieldTax, r.tax);
  setFigure(fieldSurcharge, r.surcharge);
  setFigure(fieldEducationCess, r.educationCess);
  setFigure(fieldSheCess, r.sheCess);
  setFigure(fieldTotalTax, r.totalTax);
  setFigure(fieldInterest234C, r.interest234C);
  setFigure(fieldPayable, r.payable);
  ui::Control& rebate = (*this)["lblreb87A"];
  rebate.visible = r.rebate > 0;
  rebate.caption = r.rebate > 0 ? est::rebateCaption(r.rebateSections, r.rebate) : "";

  ui::Grid& g = grid("vsf3");
  g.clearRows();
  for (size_t i = 0; i < r.instalments.size(); ++i) {
    const est::InstalmentRow& row = r.instalments[i];
    g.rows.push_back({row.period, est::formatDate(row.dueDate), std::to_string(row.due), std::to_string(row.paid),
                      std::to_string(row.interest)});
    // The advance-tax boxes carry the periods of the year's own due dates.
    if (i < static_cast<size_t>(est::kPaymentPeriods)) (*this)[field(fieldAdvancePaid + static_cast<int>(i))].caption = row.period;
  }

  ui::Control& required = (*this)["txtReqIncome"];
  required.text = r.requiredIncome && r.requiredIncome->income ? std::to_string(*r.requiredIncome->income) : "";
}

bool RevCalcForm::refusedNegative(int index) {
  if (!holdsNegative((*this)[field(index)].text)) return false;
  dialogs().info(kNegativeAmount);
  focus = field(index);
  return true;
}

std::optional<int> RevCalcForm::firstNegative() {
  for (int i = 0; i < fieldCount; ++i)
    if (i != fieldDob && !(*this)[field(i)].locked && holdsNegative((*this)[field(i)].text)) return i;
  return std::nullopt;
}

bool RevCalcForm::refusedAnyNegative() {
  const auto i = firstNegative();
  return i && refusedNegative(*i);
}

void RevCalcForm::showRequiredIncomeMessage() {
  if (result_ && result_->requiredIncome && !result_->requiredIncome->income)
    dialogs().info(result_->requiredIncome->message);
}

void RevCalcForm::incomeTypeClicked(int type) {
  bool any = false;
  for (int t = 0; t < est::kIncomeTypes; ++t) any = any || (*this)[incomeTypeBox(t)].value == 1;
  if (!any) {
    dialogs().info(kNoIncomeType);
    (*this)[incomeTypeBox(type)].value = 1;
    focus = incomeTypeBox(type);
  }
  arrangeForChoices();
  recompute();
}

void RevCalcForm::showInstalments() {
  recompute();
  (*this)["fraInstalments"].visible = true;
  focus = "vsf3";
}

void RevCalcForm::checkLiability() {
  recompute();
  if (!result_) return;
  if (result_->noLiabilityMessage) {
    dialogs().info(*result_->noLiabilityMessage);
    return;
  }
  // Liable: the instalments are what the user needs next.
  showInstalments();
}

void RevCalcForm::escape() {
  if ((*this)["fraInstalments"].visible) {
    (*this)["fraInstalments"].visible = false;
    focus = "cmdAdvTax";
    return;
  }
  close();
}

namespace {

const host::ScreenRegistration registered{{
    .name = "frmrevcalc",
    .make = [](host::Component& c) { return std::make_shared<RevCalcForm>(c); },
    .kept = true,
    .tiles = {{.place = 80, .id = "openEstimator", .caption = "Tax Estimator", .note = "advance tax and required income"}},
}};

}  // namespace

}  // namespace meridian::forms

// The tax estimator screen on a real component: the check boxes that follow the
// year and status, the due dates it reads, the income-type rule, the liability
// check, and that it gives the figures `meridian estimate --json` gives.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "forms/estimator/estimate_json.h"
#include "forms/revcalc_form.h"
#include "host/due_date_store.h"
#include "host/forms.h"
#include "support/session_fixture.h"

namespace meridian::forms {
namespace {

using F = RevCalcForm;
using nlohmann::json;
using Strings = std::vector<std::string>;

class RevCalcScreen : public testsupport::SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    signed_ = signIn(makeUser("clerk"));
    form_ = std::dynamic_pointer_cast<RevCalcForm>(signed_.session->forms().ObjRevCalc());
    ASSERT_TRUE(form_);
    signed_.session->component().showMaximised(form_);
  }
  ui::Control& at(const std::string& name) { return (*form_)[name]; }
  Strings shown() { return signed_.dialogs->texts(); }
  void dispatch(const std::string& control, ui::EventType type, int key = 0) {
    ui::Event e{control, type, key};
    ASSERT_TRUE(form_->dispatch(e)) << control;
  }
  void choose(const std::string& combo, const std::string& text) {
    at(combo).selectText(text);
    ASSERT_EQ(at(combo).text, text) << combo << " offers " << text;
    dispatch(combo, ui::EventType::click);
  }
  void type(int field, const std::string& text) {
    at(F::field(field)).text = text;
    dispatch(F::field(field), ui::EventType::lostFocus);
  }
  void tick(const std::string& box, bool on) {
    at(box).value = on ? 1 : 0;
    dispatch(box, ui::EventType::click);
  }
  void click(const std::string& button) { dispatch(button, ui::EventType::click); }
  // Empties every entry and closes the grid before the next case of a table.
  void blank() {
    signed_.dialogs->clear();
    for (int i = 0; i < F::fieldCount; ++i)
      if (!at(F::field(i)).locked) at(F::field(i)).text.clear();
    at("chkCompTaxRate").value = at("chkResAssInState").value = 0;
    at("fraInstalments").visible = false;
  }
  Strings column(int col) {
    Strings out;
    const ui::Grid& g = form_->grid("vsf3");
    for (int r = 0; r < g.rowCount(); ++r) out.push_back(g.textMatrix(r, col));
    return out;
  }
  bool open() {
    const auto& forms = signed_.session->desktop().forms();
    return std::find(forms.begin(), forms.end(), form_) != forms.end();
  }

  Signed signed_;
  std::shared_ptr<F> form_;
};

TEST_P(RevCalcScreen, CheckBoxesAndBookProfitCaptionFollowYearAndStatus) {
  const std::string turnover = "Total Turnover / Gross Receipt in the previous year 2014-15 does not exceed Rs. 5 Crore";
  const std::string jk = "Assessee in the State of Jammu && Kashmir";
  const std::string tn = "Assessee in the State of Tamil Nadu or Union territory of Puducherry";
  const std::string mat = "Book Profit for MAT Calculation", amt = "Adjusted Total Income for AMT Calculation";
  // One after another, so each row also checks that the last one's boxes go away.
  struct Case {
    std::string ay, status, comp, state, bookProfit;  // "" = box hidden
  } cases[] = {{"2017-18", "Company", turnover, "", mat},   {"2017-18", "Firm", "", "", amt},
               {"2016-17", "Company", "", tn, mat},         {"2015-16", "Individual", "", jk, amt},
               {"2014-15", "HUF", "", "", amt},             {"2017-18", "Co-operative Society", "", "", amt},
               {"2005-06", "Company", "", "", mat}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ay + " " + c.status);
    choose("Combo1", c.ay);
    choose("Combo2", c.status);
    EXPECT_EQ(at("chkCompTaxRate").visible, !c.comp.empty());
    if (!c.comp.empty()) EXPECT_EQ(at("chkCompTaxRate").caption, c.comp);
    EXPECT_EQ(at("chkResAssInState").visible, !c.state.empty());
    if (!c.state.empty()) EXPECT_EQ(at("chkResAssInState").caption, c.state);
    EXPECT_EQ(at(F::field(22)).caption, c.bookProfit);
  }
  EXPECT_EQ(at("Combo1").items.size(), 13u);
  EXPECT_EQ(at("Combo1").items.front(), "2005-06");
  EXPECT_EQ(at("Combo1").items.back(), "2017-18");
}

TEST_P(RevCalcScreen, StoredInstalmentDatesMoveTheGridAndThePaymentPeriods) {
  host::writeInstalments(conn(), 2016, {"20/06/2015", "25/09/2015", "18/12/2015", "20/03/2016"});
  struct Case {
    std::string ay;
    Strings dates, periods;
  } cases[] = {
      {"2016-17",
       {"20/06/2015", "25/09/2015", "18/12/2015", "20/03/2016", "31/03/2016"},
       {"Upto 20/06", "21/06 to 25/09", "26/09 to 18/12", "19/12 to 20/03", "21/03 to 31/03"}},
      {"2015-16",
       {"15/06/2014", "15/09/2014", "15/12/2014", "15/03/2015", "31/03/2015"},
       {"Upto 15/06", "16/06 to 15/09", "16/09 to 15/12", "16/12 to 15/03", "16/03 to 31/03"}},
  };
  choose("Combo2", "Firm");
  type(4, "1000000");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ay);
    choose("Combo1", c.ay);
    EXPECT_FALSE(at("fraInstalments").visible);
    click("cmdAdvTax");
    EXPECT_TRUE(at("fraInstalments").visible);
    EXPECT_EQ(column(F::colDueDate), c.dates);
    EXPECT_EQ(column(F::colPeriod), c.periods);
    for (int p = 0; p < 5; ++p) EXPECT_EQ(at(F::field(F::fieldAdvancePaid + p)).caption, c.periods[size_t(p)]);
    dispatch("", ui::EventType::keyDown, ui::keys::escape);
    EXPECT_FALSE(at("fraInstalments").visible) << "Escape closes the grid first";
    EXPECT_TRUE(open());
  }
  dispatch("", ui::EventType::keyDown, ui::keys::escape);
  EXPECT_FALSE(open()) << "then the screen";
}

TEST_P(RevCalcScreen, AtLeastOneIncomeTypeStaysTickedAndAnUntickedTypeCountsNothing) {
  type(0, "1000000");  // salary
  const std::string withSalary = at(F::field(F::fieldTotalTax)).text;
  ASSERT_NE(withSalary, "0");
  for (int t = 0; t < 4; ++t) {
    tick(F::incomeTypeBox(t), false);
    EXPECT_EQ(at(F::incomeTypeBox(t)).value, 0) << t;
  }
  EXPECT_TRUE(shown().empty());
  EXPECT_FALSE(at("fraSalary").visible);
  EXPECT_EQ(at(F::field(F::fieldTotalTax)).text, "0") << "an unticked type's amounts count as nothing";
  tick(F::incomeTypeBox(4), false);
  EXPECT_EQ(shown(), Strings{"Atleast a Type of Income should be Selected."});
  EXPECT_EQ(at(F::incomeTypeBox(4)).value, 1) << "the last box stays ticked";
  EXPECT_TRUE(at("fraOtherIncome").visible);
  tick(F::incomeTypeBox(0), true);
  EXPECT_TRUE(at("fraSalary").visible);
  EXPECT_EQ(at(F::field(F::fieldTotalTax)).text, withSalary) << "the salary typed before counts again";
}

TEST_P(RevCalcScreen, NoLiabilityCheckShowsTheMessageOrTheInstalments) {
  const std::string senior =
      "No Liability for Payment of Advance Tax to an Individual Resident in India, who -\n"
      "    (a) does not have any income chargeable under the head \"Profits & gains of business or profession\"; and\n"
      "    (b) is of the age of sixty years or more at any time during the previous year.";
  const std::string below = "There is no Advance Tax Liability. Tax amount is below Rs. ";
  struct Case {
    std::string ay, status, dob;
    std::map<int, std::string> amounts;
    std::string message;  // "" = liable: the grid opens instead
  } cases[] = {
      {"2016-17", "Individual", "01/04/1956", {{0, "2000000"}}, senior},
      {"2016-17", "Individual", "02/04/1956", {{0, "2000000"}}, ""},
      {"2016-17", "Individual", "01/04/1950", {{0, "2000000"}, {4, "1000"}}, ""},
      {"2016-17", "Firm", "", {{4, "20000"}}, below + "10000."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ay + " " + c.status + " " + c.dob);
    blank();
    choose("Combo1", c.ay);
    choose("Combo2", c.status);
    type(F::fieldDob, c.dob);
    for (const auto& [field, text] : c.amounts) type(field, text);
    click("Command1");
    EXPECT_EQ(shown(), c.message.empty() ? Strings{} : Strings{c.message});
    EXPECT_EQ(at("fraInstalments").visible, c.message.empty());
  }
}

// One case typed on the screen and given to `meridian estimate --json`. The
// field of each amount is written out here, not taken from the code, so a box
// that fills the wrong amount shows.
struct SameCase {
  std::string name;
  json choices;                                                    // ay, status, sex, dob and flags
  std::vector<std::tuple<int, std::string, std::string>> amounts;  // field, JSON key, typed text
  Strings advancePaid;
  std::string desiredTax;
};

json jsonOf(const SameCase& c) {
  json o = c.choices;
  for (const auto& [field, key, text] : c.amounts) o[key] = key == "children" ? json(std::stoi(text)) : json(std::stod(text));
  for (const auto& a : c.advancePaid) o["advance_paid"].push_back(std::stod(a));
  if (!c.desiredTax.empty()) o["desired_tax"] = std::stod(c.desiredTax);
  return o;
}

TEST_P(RevCalcScreen, GivesTheFiguresOfTheJsonCommand) {
  const SameCase cases[] = {
      {"rebate", {{"ay", "2017-18"}, {"status", "Individual"}}, {{0, "salary", "450000"}}, {}, ""},
      {"firm with instalments", {{"ay", "2016-17"}, {"status", "Firm"}},
       {{4, "business_ordinary", "1000000"}, {23, "tds", "9000"}}, {"0", "50000", "100000", "100000", "20000"}, ""},
      {"senior woman, every head",
       {{"ay", "2015-16"}, {"status", "Individual"}, {"sex", "Female"}, {"dob", "10/05/1950"}},
       {{0, "salary", "900000"},           {1, "hp_let_out", "240000"},     {2, "hp_deductions", "10000"},
        {3, "hp_self_occupied", "30000"},  {5, "business_speculation", "40000"}, {6, "ltcg_20", "200000"},
        {7, "stcg_111a", "50000"},         {8, "stcg_others", "25000"},     {10, "casual", "15000"},
        {11, "family_pension", "90000"},   {12, "agricultural", "100000"},  {13, "children", "2"},
        {14, "minor_income", "5000"},      {19, "bf_stcg", "10000"},        {17, "bf_business_speculation", "12000"},
        {21, "deductions_via", "150000"}},
       {"10000", "20000"}, ""},
      {"company at the reduced rate paying MAT", {{"ay", "2017-18"}, {"status", "Company"}, {"comp_tax_rate", true}},
       {{4, "business_ordinary", "12000000"}, {22, "book_profit", "80000000"}, {16, "bf_business_ordinary", "500000"}},
       {"1000000", "2000000", "3000000", "2000000", "500000"}, ""},
      {"relaxed December date", {{"ay", "2016-17"}, {"status", "Individual"}, {"res_ass_in_state", true}},
       {{0, "salary", "2500000"}, {18, "bf_ltcg", "1000"}, {6, "ltcg_20", "30000"}}, {"0", "50000", "0", "150000"}, ""},
      {"paise and a desired tax", {{"ay", "2014-15"}, {"status", "HUF"}},
       {{9, "other", "301234.5"}, {15, "bf_hp", "2000"}, {20, "bf_unabsorbed_depreciation", "3000.51"}}, {}, "50000"},
      {"desired tax below what the other incomes give", {{"ay", "2017-18"}, {"status", "Individual"}},
       {{6, "ltcg_20", "5000000"}}, {}, "100"},
      {"co-operative society, casual income", {{"ay", "2010-11"}, {"status", "Co-operative Society"}},
       {{9, "other", "300000"}, {10, "casual", "100000"}}, {}, ""},
  };
  const std::pair<const char*, int> figures[] = {
      {"tax", F::fieldTax},           {"surcharge", F::fieldSurcharge},         {"education_cess", F::fieldEducationCess},
      {"she_cess", F::fieldSheCess},  {"total_tax", F::fieldTotalTax},          {"interest_234c", F::fieldInterest234C},
      {"payable", F::fieldPayable}};
  auto text = [](const json& v) { return std::to_string(v.get<long long>()); };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream in(jsonOf(c).dump());
    std::ostringstream out, err;
    ASSERT_EQ(estimator::runEstimateJson(in, out, err), 0) << err.str();
    const json cli = json::parse(out.str());

    blank();
    choose("Combo1", c.choices["ay"]);
    choose("Combo2", c.choices["status"]);
    choose("Combo3", c.choices.value("sex", "Male"));
    type(F::fieldDob, c.choices.value("dob", ""));
    if (c.choices.contains("comp_tax_rate")) tick("chkCompTaxRate", true);
    if (c.choices.contains("res_ass_in_state")) tick("chkResAssInState", true);
    for (const auto& [field, key, typed] : c.amounts) type(field, typed);
    for (size_t p = 0; p < c.advancePaid.size(); ++p) type(F::fieldAdvancePaid + int(p), c.advancePaid[p]);
    type(F::fieldDesiredTax, c.desiredTax);
    click("cmdAdvTax");

    for (const auto& [key, field] : figures) EXPECT_EQ(at(F::field(field)).text, text(cli[key])) << key;
    const long long rebate = cli["rebate"];
    EXPECT_EQ(at("lblreb87A").visible, rebate > 0);
    if (rebate > 0)
      EXPECT_EQ(at("lblreb87A").caption,
                "After Rebate u/s " + cli["rebate_sections"].get<std::string>() + " of Rs. " + std::to_string(rebate));
    Strings dates, due, paid, interest;
    for (const json& row : cli["instalments"]) {
      dates.push_back(row["due_date"]);
      due.push_back(text(row["due"]));
      paid.push_back(text(row["paid"]));
      interest.push_back(text(row["interest"]));
    }
    EXPECT_EQ(column(F::colDueDate), dates);
    EXPECT_EQ(column(F::colDue), due);
    EXPECT_EQ(column(F::colPaid), paid);
    EXPECT_EQ(column(F::colInterest), interest);
    const json& required = cli["required_income"];
    EXPECT_EQ(at("txtReqIncome").text, required.is_number() ? text(required) : "");
    // A message is said once, when the desired tax is left.
    EXPECT_EQ(shown(), required.is_string() ? Strings{required.get<std::string>()} : Strings{});
  }
}

TEST_P(RevCalcScreen, NegativeAmountIsRefusedNotCountedAsNothing) {
  const std::string refusal = "Amount can not be negative. Please enter the amount without a minus sign.";
  choose("Combo1", "2016-17");
  type(0, "600000.00");
  ASSERT_EQ(at(F::field(F::fieldTax)).text, "45000");  // 25000 + 20 % of 100000
  type(9, "-500.00");
  EXPECT_EQ(shown(), Strings{refusal});
  EXPECT_EQ(form_->focus, F::field(9)) << "the focus goes back to the box";
  EXPECT_EQ(at(F::field(F::fieldTax)).text, "") << "no figures while a box holds a negative amount";
  for (const char* button : {"cmdCalculate", "cmdAdvTax", "Command1"}) {
    SCOPED_TRACE(button);
    signed_.dialogs->clear();
    form_->focus = F::field(0);
    click(button);
    EXPECT_EQ(shown(), Strings{refusal});
    EXPECT_EQ(form_->focus, F::field(9));
  }
  EXPECT_FALSE(at("fraInstalments").visible);
  signed_.dialogs->clear();
  type(9, "500.00");
  EXPECT_TRUE(shown().empty());
  EXPECT_EQ(at(F::field(F::fieldTax)).text, "45100");  // 20 % of 500 more
}

TEST_P(RevCalcScreen, BackClosesTheScreen) {
  click("cmdBack");
  EXPECT_FALSE(open());
}

MERIDIAN_ON_BOTH_ENGINES(RevCalcScreen);

}  // namespace
}  // namespace meridian::forms

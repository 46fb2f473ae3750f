// Each check before a return: the case that stops (or asks) with its exact
// words and focus, and the case beside it that passes.
#include <gtest/gtest.h>

#include <functional>

#include "itr/filing_checks.h"
#include "itr/plain_return_year.h"

namespace meridian::itr {
namespace {

ReturnYear year2016() { return testing::plainYear(2016); }
FilingParticulars ready() { return testing::readyParticulars(); }

struct Case {
  std::string why;
  std::function<void(ReturnYear&, FilingParticulars&)> change;
  CheckOutcome outcome;
  std::string message, focus;
};

// The first result that did not pass, copied (the results go with the call).
std::optional<CheckResult> firstNotPassed(const std::vector<CheckResult>& rs) {
  for (const auto& r : rs)
    if (r.outcome != CheckOutcome::passed) return r;
  return std::nullopt;
}

// The landline is the client master's: the message says where to mend it.
const std::string kMendPhone =
    "\r\n\r\nPlease correct the 'Telephone' in General Information of the client, then open this screen again.";

const std::string kAccountsMandatory =
    "'Bank Account Details' are mandatory.\r\n\r\nFrom A.Y. 2015-16, Please provide the details of all the savings "
    "and current accounts held by you at any time during the previous year.";

TEST(FilingChecks, EachCheckStopsOrAsksWithItsWordsAndFocus) {
  const CivilDate today = *makeDate(1, 8, 2016);
  const std::vector<Case> cases{
      {"no section", [](ReturnYear&, FilingParticulars& f) { f.sectionCode.clear(); }, CheckOutcome::stopped,
       "Please specify section under which this return is being filed.", "cbosection"},
      {"119(2)(b) too early", [](ReturnYear&, FilingParticulars& f) { f.sectionCode = "20"; }, CheckOutcome::asked,
       "Return u/s 119(2)(b) can be filed only after 31st March, 2018.\r\n\r\nContinue ?", "cbosection"},
      {"92CD in ITR-1", [](ReturnYear&, FilingParticulars& f) { f.sectionCode = "19"; }, CheckOutcome::stopped,
       "Section '92CD' is not allowed in ITR-1.", "cbosection"},
      {"139(1) after the due date", [](ReturnYear& y, FilingParticulars&) { y.input->filingDate = makeDate(1, 8, 2016); },
       CheckOutcome::asked,
       "Return Date is after the Due Date.\r\n\r\n- Section under which Return is being Filed should be 'After Due Date - "
       "139(4)'\r\n\r\nDo you want to Change the Section ?",
       "cbosection"},
      {"tax payable", [](ReturnYear& y, FilingParticulars&) { y.result->balance = Money::rupees(4520); }, CheckOutcome::asked,
       "Balance Income-Tax Payable is Rs. 4520\r\n\r\nReturn will be considered as defective return as per section "
       "139(9).\r\n\r\nDo you really want to generate the return without paying self-assessment tax u/s 140A ?",
       "cmdproceed"},
      {"landline without its STD code", [](ReturnYear& y, FilingParticulars&) { y.phone = "-25531234"; },
       CheckOutcome::stopped, "Missing STD Code in [-25531234]" + kMendPhone, "cmdclose"},
      {"STD code without a number", [](ReturnYear& y, FilingParticulars&) { y.phone = "020-"; }, CheckOutcome::stopped,
       "Missing Landline No. in [020-]" + kMendPhone, "cmdclose"},
      {"STD code too long", [](ReturnYear& y, FilingParticulars&) { y.phone = "002012 5531234"; },
       CheckOutcome::stopped, "Invalid STD Code [002012] (Length should be <= 5)." + kMendPhone, "cmdclose"},
      {"landline a digit short", [](ReturnYear& y, FilingParticulars&) { y.phone = "020-2553123"; },
       CheckOutcome::stopped,
       "Invalid STD Code + Landline No. in [020-2553123] (Length should be exactly 10)." + kMendPhone, "cmdclose"},
      {"mobile of nine digits", [](ReturnYear& y, FilingParticulars&) { y.mobile = "987654321"; },
       CheckOutcome::stopped,
       "Invalid Mobile No. [987654321] (Length should be exactly 10).\r\n\r\nPlease correct the 'Mobile No.' in "
       "General Information of the client, then open this screen again.",
       "cmdclose"},
      {"second mobile", [](ReturnYear&, FilingParticulars& f) { f.mobile2 = "98765"; }, CheckOutcome::stopped,
       "Invalid Mobile No. 2 [98765] (Length should be exactly 10).", "txtmobno2"},
      {"refund without accounts", [](ReturnYear& y, FilingParticulars& f) { y.result->balance = -Money::rupees(10); f.bankAccounts.clear(); },
       CheckOutcome::stopped, kAccountsMandatory, "vsBA"},
      // No refund: the year's form still lists the accounts, the default first.
      {"no accounts, nothing to refund", [](ReturnYear&, FilingParticulars& f) { f.bankAccounts.clear(); },
       CheckOutcome::stopped, kAccountsMandatory, "vsBA"},
      {"no default account", [](ReturnYear&, FilingParticulars& f) { f.bankAccounts[0].isDefault = false; },
       CheckOutcome::stopped, "Please check 'Default' Account Details in 'Bank Details'.", "vsBA"},
      {"no IFSC", [](ReturnYear&, FilingParticulars& f) { f.bankAccounts[0].ifsc.clear(); }, CheckOutcome::stopped,
       "'IFS Code' is mandatory in 'Bank Details'.", "vsBA"},
      {"short account", [](ReturnYear&, FilingParticulars& f) { f.bankAccounts[0].accountNo = "12345678"; },
       CheckOutcome::stopped, "'Account No.' shoule be 9 Digits or more in 'Bank Details'.", "vsBA"},
      {"TDS claimed beyond deducted", [](ReturnYear& y, FilingParticulars&) { y.otherTds.beyondDeducted = 1; },
       CheckOutcome::stopped,
       "Some TDS/TCS entries are not valid having Total TDS Amount lesser than TDS Amount (Credit Allowed).\r\nPlease "
       "Validate TDS/TCS Details in Tax Details Section.",
       "cmdproceed"},
      {"firm PAN", [](ReturnYear& y, FilingParticulars&) { y.firms.push_back({1, "F", "AAAF1234A", "N", "N"}); },
       CheckOutcome::stopped, "Please specify valid 'PAN' in 'Income from Firms in which Partner' Details.", "cmdproceed"},
      {"Schedule AL", [](ReturnYear& y, FilingParticulars&) { y.result->totalIncome = Money::rupees(5000010); },
       CheckOutcome::stopped,
       "Total Income exceeds Rs. 50,00,000.\r\n\r\nSchedule AL [Details of Asset and Liability at the end of the year] is "
       "mandatory.",
       "cmdproceed"},
      {"co-owners", [](ReturnYear& y, FilingParticulars&) { y.houseShares.push_back({1, 50, 40, true}); },
       CheckOutcome::stopped,
       "Share of the assessee and the co-owners of House Property 1 should total 100% in House Property -> Co-owners.",
       "cmdproceed"},
      {"father's name", [](ReturnYear&, FilingParticulars& f) { f.verification.fatherName.clear(); }, CheckOutcome::asked,
       "Father's Name [Verification] is Blank.\r\n\r\nDo you want to continue?", "txtfnm"},
      {"same e-mail", [](ReturnYear& y, FilingParticulars& f) { y.email = "a@b.in"; f.email2 = "A@B.IN"; },
       CheckOutcome::stopped, "E-mail Id and Secondary E-mail Id is same.", "txtemail2"},
      {"no computation", [](ReturnYear& y, FilingParticulars&) { y.result.reset(); y.computationNote = "no client"; },
       CheckOutcome::notExamined, "The tax payable is not known: no client", ""},
  };
  ReturnYear plain = year2016();
  plain.phone = "020-25531234";  // the STD code's zero is not one of the ten digits
  plain.mobile = "9876543210";
  const auto passing = runFilingChecks(plain, ready(), {"ITR-1", true, today});
  ASSERT_FALSE(firstNotPassed(passing).has_value()) << firstNotPassed(passing)->message;
  for (const auto& c : cases) {
    ReturnYear y = year2016();
    FilingParticulars f = ready();
    c.change(y, f);
    const auto r = firstNotPassed(runFilingChecks(y, f, {"ITR-1", true, today}));
    ASSERT_TRUE(r.has_value()) << c.why;
    EXPECT_EQ(r->outcome, c.outcome) << c.why;
    EXPECT_EQ(r->message, c.message) << c.why;
    EXPECT_EQ(r->focus, c.focus) << c.why;
  }
}

TEST(FilingChecks, SectionAdviceChangesTheSectionOnYes) {
  ReturnYear y = year2016();
  FilingParticulars f = ready();
  f.sectionCode = "12";  // filed on time, yet marked late
  const auto r = firstNotPassed(runFilingChecks(y, f, {"ITR-1", true, *makeDate(1, 8, 2016)}));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->sectionOnYes, "11");
  EXPECT_EQ(r->message.substr(0, 41), "Return Date is on or before the Due Date.");
}

// Before A.Y. 2015-16 the form asked for an account only to pay a refund into.
TEST(FilingChecks, BeforeTheBankGridAnAccountIsNeededOnlyForARefund) {
  ReturnYear y = testing::plainYear(2014);
  FilingParticulars f = ready();
  f.bankAccounts.clear();
  f.refundMode = RefundMode::bankDeposit;
  EXPECT_FALSE(firstNotPassed(runFilingChecks(y, f, {"ITR-1", true, *makeDate(1, 8, 2014)})).has_value());
  y.result->balance = -Money::rupees(10);
  const auto r = firstNotPassed(runFilingChecks(y, f, {"ITR-1", true, *makeDate(1, 8, 2014)}));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->message, "'Bank Account No.' is mandatory.");
  EXPECT_EQ(r->focus, "vsBA");
}

TEST(FilingChecks, AFirmsAuditAnswerIsNeededForITR3) {
  ReturnYear y = year2016();
  y.firms.push_back({1, "F", "AAAFA1234A", "", "N"});
  const auto r = firstNotPassed(runFilingChecks(y, ready(), {"ITR-3", true, *makeDate(1, 8, 2016)}));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->message, "Please specify 'Whether the Firm is liable for Audit' in 'Income from Firms in which Partner' Details.");
  y.firms[0].auditApplies = "N";
  EXPECT_FALSE(firstNotPassed(runFilingChecks(y, ready(), {"ITR-3", true, *makeDate(1, 8, 2016)})).has_value());
}

}  // namespace
}  // namespace meridian::itr

#include "itr/filing_checks.h"

#include <regex>

#include "common/text.h"
#include "common/years.h"
#include "itr/check_list.h"

namespace meridian::itr {

namespace {

// The account types the form takes, and the words that ask for one.
struct AccountTypes {
  std::vector<std::string_view> allowed;
  std::string message;
};
AccountTypes accountTypesOf(const std::string& form, int year) {
  if (isOneOf(form, {"ITR-4S", "ITR-4", "ITR-5"}) || (form == "ITR-7" && year >= 2014))
    return {{kCurrent, kSaving}, "Please select appropriate 'Bank Account Type' (Savings or Current)."};
  if (form == "ITR-6") return {{kCurrent, kCashCredit}, "Please select appropriate 'Bank Account Type' (Current or Cash Credit)."};
  return {{kSaving, kCurrent, kCashCredit},
          "Please select appropriate 'Bank Account Type' (Savings or Current or Cash Credit)."};
}
bool typeAllowed(const AccountTypes& t, const std::string& type) {
  for (auto a : t.allowed)
    if (type == a) return true;
  return false;
}

bool digitsOnly(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

constexpr int kFirstYearOfBankGrid = 2015;
constexpr size_t kAccountMin = 9, kAccountMax = 20;

void sectionChecks(Checks& c, const ReturnYear& y, const FilingParticulars& f, const CheckRequest& r,
                   std::string& section) {
  const std::string what = "Section of the return";
  if (section.empty()) return c.stop(what, "Please specify section under which this return is being filed.", "cbosection");
  c.pass(what);
  if (section == "20") {
    const CivilDate after = *makeDate(31, 3, y.year + 2);
    if (!(r.today > after))
      c.ask("Return u/s 119(2)(b)",
            "Return u/s 119(2)(b) can be filed only after 31st March, " + std::to_string(y.year + 2) + "." + kTwoLines +
                "Continue ?",
            "cbosection", true);
    else c.pass("Return u/s 119(2)(b)");
  }
  if (section == "19") {
    // The ITR-2, ITR-2A and ITR-3 of A.Y. 2013-14 to 2016-17 carry the
    // section; the simple forms never do.
    if (isOneOf(r.form, {"ITR-1", "ITR-4S"}))
      return c.stop("Section 92CD", "Section '92CD' is not allowed in " + r.form + ".", "cbosection");
    c.pass("Section 92CD");
  }
  if (r.form == "ITR-7") {
    if (f.furnishedUnder.empty())
      return c.stop("Section of furnishing", "Please specify section under which this return is being furnished.",
                    "cbosection1");
    c.pass("Section of furnishing");
  }
}

void dueDateCheck(Checks& c, const ReturnYear& y, const CheckRequest& r, const std::string& section) {
  const std::string what = "Section against the due date";
  if (!y.input) return c.notExamined(what, "The due date and the date of filing are not known: " + y.computationNote);
  const CivilDate due = y.input->dueDate.value_or(engine::defaultDueDate(*y.input));
  const CivilDate filed = y.input->filingDate.value_or(due);
  const std::string change = std::string(kCrLf) + kCrLf + "Do you want to Change the Section ?";
  auto advice = [&](const char* s) { return kTwoLines + "- Section under which Return is being Filed should be '" + s + "'" + change; };
  if (r.revised) {
    if (section == "11" || section == "12")
      return c.ask(what, "Return is Revised Return." + advice("Revised Return - 139(5)"), "cbosection", false, "17");
  } else if (filed > due) {
    if (section == "17")
      return c.ask(what, "Return is Original Return and Date is after the Due Date." + advice("After Due Date - 139(4)"),
                   "cbosection", false, "12");
    if (section == "11")
      return c.ask(what, "Return Date is after the Due Date." + advice("After Due Date - 139(4)"), "cbosection", false, "12");
  } else {
    if (section == "17")
      return c.ask(what, "Return is Original Return and Date is on or before the Due Date." + advice("Before Due Date - 139(1)"),
                   "cbosection", false, "11");
    if (section == "12")
      return c.ask(what, "Return Date is on or before the Due Date." + advice("Before Due Date - 139(1)"), "cbosection",
                   false, "11");
  }
  c.pass(what);
}

void balanceCheck(Checks& c, const ReturnYear& y) {
  const std::string what = "Tax payable";
  if (!y.result) return c.notExamined(what, "The tax payable is not known: " + y.computationNote);
  if (y.balance() > Money())
    return c.ask(what,
                 "Balance Income-Tax Payable is Rs. " + y.balance().rupeesText() + kTwoLines +
                     "Return will be considered as defective return as per section 139(9)." + kTwoLines +
                     "Do you really want to generate the return without paying self-assessment tax u/s 140A ?",
                 "cmdproceed");
  c.pass(what);
}

// The landline as the client master keeps it: "STD-number" or "STD number".
// The return takes the STD code (five digits at most) and the number apart,
// and the two together, the STD code without its leading zero, make the
// ten digits of an Indian number.
std::optional<std::string> landlineFault(const std::string& phone) {
  const std::string p = trimmed(phone);
  if (p.empty()) return std::nullopt;
  const size_t cut = p.find_first_of(" -");
  if (cut == std::string::npos) {
    if (p.size() != 10 || !digitsOnly(p)) return "Invalid STD Code + Landline No. in [" + p + "] (Length should be exactly 10).";
    return std::nullopt;
  }
  const std::string stdCode = trimmed(p.substr(0, cut));
  const size_t from = p.find_first_not_of(" -", cut);
  const std::string number = from == std::string::npos ? "" : trimmed(p.substr(from));
  if (stdCode.empty()) return "Missing STD Code in [" + p + "]";
  if (number.empty()) return "Missing Landline No. in [" + p + "]";
  if (stdCode.size() > 5) return "Invalid STD Code [" + stdCode + "] (Length should be <= 5).";
  const size_t nonZero = stdCode.find_first_not_of('0');
  const std::string significant = nonZero == std::string::npos ? "" : stdCode.substr(nonZero);
  if (!digitsOnly(stdCode) || !digitsOnly(number) || significant.size() + number.size() != 10)
    return "Invalid STD Code + Landline No. in [" + p + "] (Length should be exactly 10).";
  return std::nullopt;
}

// The landline and the mobile are the client master's: this screen only
// shows what General Information keeps, so the message says where to mend
// them and the focus goes to Close, the way there.
std::string mendInGeneralInformation(const char* box) {
  return kTwoLines + "Please correct the '" + box + "' in General Information of the client, then open this screen again.";
}

void contactChecks(Checks& c, const ReturnYear& y, const FilingParticulars& f) {
  const std::string what = "Contact numbers";
  // The client master keeps no fax number, so there is none to check.
  if (auto fault = landlineFault(y.phone)) return c.stop(what, *fault + mendInGeneralInformation("Telephone"), "cmdclose");
  if (!y.mobile.empty() && (y.mobile.size() != 10 || !digitsOnly(y.mobile)))
    return c.stop(what,
                  "Invalid Mobile No. [" + y.mobile + "] (Length should be exactly 10)." +
                      mendInGeneralInformation("Mobile No."),
                  "cmdclose");
  if (!f.mobile2.empty() && (f.mobile2.size() != 10 || !digitsOnly(f.mobile2)))
    return c.stop(what, "Invalid Mobile No. 2 [" + f.mobile2 + "] (Length should be exactly 10).", "txtmobno2");
  c.pass(what);
}

void refundChecks(Checks& c, const ReturnYear& y, const FilingParticulars& f, const CheckRequest& r) {
  const std::string what = "Refund and bank account";
  if (!y.result) return c.notExamined(what, "Whether a refund is due is not known: " + y.computationNote);
  if (!y.balance().isNegative()) return c.pass(what);
  if (r.form == "ITR-6" && y.year >= 2014) c.warn(what, "Refund, if any, will be directly credited into the bank account !");
  if (y.year >= kFirstYearOfBankGrid) return c.pass(what);  // the bank grid's checks follow
  if (f.refundMode == RefundMode::none) return c.stop(what, "Please select 'Refund By'.", "cborefm");
  const BankAccount* a = f.defaultAccount();
  const bool deposit = f.refundMode == RefundMode::bankDeposit;
  if (!a || a->accountNo.empty()) {
    if (deposit) return c.stop(what, "'Bank Account No.' is mandatory.", "vsBA");
    return c.ask(what, "'Bank Account No.' is not available." + kTwoLines + "Do you want to Continue without Bank Details ?",
                 "vsBA");
  }
  if (a->accountNo.size() < kAccountMin)
    return c.stop(what, "For Direct Deposit/ECS into the Bank, the Account No. shoule be " + std::to_string(kAccountMin) +
                            " Digits or more.", "vsBA");
  if (a->accountNo.size() > kAccountMax)
    return c.stop(what, "Bank Account No. [" + a->accountNo + "] is not allowed as length exceeding " +
                            std::to_string(kAccountMax) + "-Digits.", "vsBA");
  if (deposit && a->ifsc.empty())
    return c.stop(what, "In case of Refund by Deposited directly into bank account, 'IFSC Code' is mandatory.", "vsBA");
  if (deposit && a->accountType.empty())
    return c.stop(what, "In case of Refund by Deposited directly into bank account, 'Bank Account Type' is mandatory.",
                  "vsBA");
  const AccountTypes types = accountTypesOf(r.form, y.year);
  if (!a->accountType.empty() && !typeAllowed(types, a->accountType)) return c.stop(what, types.message, "vsBA");
  c.pass(what);
}

void bankGridChecks(Checks& c, const ReturnYear& y, const FilingParticulars& f, const CheckRequest& r) {
  const std::string what = "Bank accounts";
  if (y.year < kFirstYearOfBankGrid) return;
  // From A.Y. 2015-16 every form lists the accounts with the default one
  // first, and the year's schema will not take a return without it, refund
  // or none: going on without bank details could only end in a file the
  // e-file step refuses, so the screen stops here instead of asking.
  if (f.bankAccounts.empty())
    return c.stop(what,
                  "'Bank Account Details' are mandatory." + kTwoLines +
                      "From A.Y. 2015-16, Please provide the details of all the savings and current accounts held by you "
                      "at any time during the previous year.",
                  "vsBA");
  bool anyDefault = false;
  for (const auto& a : f.bankAccounts) anyDefault = anyDefault || a.isDefault;
  if (!anyDefault) return c.stop(what, "Please check 'Default' Account Details in 'Bank Details'.", "vsBA");
  const AccountTypes types = accountTypesOf(r.form, y.year);
  const std::string in = " in 'Bank Details'.";
  for (const auto& a : f.bankAccounts) {
    if (a.ifsc.empty()) return c.stop(what, "'IFS Code' is mandatory" + in, "vsBA");
    if (!isIfscWellFormed(a.ifsc))
      return c.stop(what, "'IFS Code' [" + a.ifsc + "] is not valid (four letters, 0, six letters or digits)" + in, "vsBA");
    if (a.bankName.empty()) return c.stop(what, "'Bank Name' is mandatory" + in, "vsBA");
    if (a.accountNo.empty()) return c.stop(what, "'Account No.' is mandatory" + in, "vsBA");
    if (a.accountNo.size() < kAccountMin) return c.stop(what, "'Account No.' shoule be 9 Digits or more" + in, "vsBA");
    if (a.accountType.empty()) return c.stop(what, "'Account Type' is mandatory" + in, "vsBA");
    if (!typeAllowed(types, a.accountType))
      return c.stop(what, types.message.substr(0, types.message.size() - 1) + in, "vsBA");
    if (a.accountNo.size() > kAccountMax)
      return c.stop(what, "'Account No.' [" + a.accountNo + "] is not allowed as length exceeding 20-Digits" + in, "vsBA");
  }
  c.pass(what);
}

void houseChecks(Checks& c, const ReturnYear& y) {
  const std::string what = "Co-owners' shares";
  if (y.missingTables.count("income_house")) return;
  for (const auto& h : y.houseShares)
    if (h.clientShare < 100 && h.clientShare + h.coOwnersShare != 100)
      return c.stop(what,
                    "Share of the assessee and the co-owners of House Property " + std::to_string(h.house) +
                        " should total 100% in House Property -> Co-owners.",
                    "cmdproceed");
  c.pass(what);
}

void presumptiveCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (r.form != "ITR-4S") return;
  const std::string what = "Presumptive income";
  if (!y.result) return c.notExamined(what, "The presumptive income is not known: " + y.computationNote);
  const auto& b = y.result->business;
  if (b.presumptive44ad.isZero() && b.presumptive44ae.isZero())
    return c.stop(what, "Form [ITR-4S] can not be filed where Presumptive Income u/s 44AD/44AE is 'NIL'.", "cmdproceed");
  // From A.Y. 2015-16 the form shows heavy goods carriages and the others apart.
  if (y.year >= 2015 && !b.presumptive44ae.isZero() && y.unclassifiedCarriages > 0)
    return c.stop(what, "Separate Figures of Presumptive Income from Heavy Vehicles & Other Vehicles are not available.",
                  "cmdproceed");
  c.pass(what);
}

const std::regex kPanPattern("[A-Z][A-Z][A-Z][A-Z][A-Z][0-9][0-9][0-9][0-9][A-Z]");

void firmChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (y.firms.empty()) return;
  const std::string what = "Firms in which partner";
  for (const auto& firm : y.firms)
    if (!std::regex_match(firm.pan, kPanPattern))
      return c.stop(what, "Please specify valid 'PAN' in 'Income from Firms in which Partner' Details.", "cmdproceed");
  if (isOneOf(r.form, {"ITR-3", "ITR-4"})) {
    for (const auto& firm : y.firms) {
      if (firm.auditApplies != "Y" && firm.auditApplies != "N")
        return c.stop(what, "Please specify 'Whether the Firm is liable for Audit' in 'Income from Firms in which Partner' Details.",
                      "cmdproceed");
      if (y.year >= 2016 && firm.section92EApplies != "Y" && firm.section92EApplies != "N")
        return c.stop(what,
                      "Please specify 'Whether section 92E is applicable to Firm' in 'Income from Firms in which Partner' "
                      "Details.",
                      "cmdproceed");
    }
  }
  c.pass(what);
}

void scheduleALCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (!isOneOf(r.form, {"ITR-1", "ITR-2A", "ITR-2", "ITR-3", "ITR-4", "ITR-4S"}) || y.statusCode == "FIRM") return;
  const std::string what = "Schedule AL";
  if (!y.result) return c.notExamined(what, "The total income is not known: " + y.computationNote);
  const bool fifty = y.year >= 2016;
  const Money limit = Money::rupees(fifty ? 5000000 : 2500000);
  if (y.totalIncome() <= limit || y.assetsAndLiabilitiesGiven) return c.pass(what);
  std::string detail = "Schedule AL [Details of Asset and Liability at the end of the year";
  if (r.form == "ITR-4") detail += " (Other than those included in PartA-BS)";
  if (r.form == "ITR-3") detail += " (Other than those included in PartA-BS of the return of the Firm in which partner)";
  c.stop(what,
         "Total Income exceeds Rs. " + std::string(fifty ? "50,00,000" : "25,00,000") + "." + kTwoLines + detail +
             "] is mandatory.",
         "cmdproceed");
}

void nameChecks(Checks& c, const ReturnYear& y, const FilingParticulars& f, const CheckRequest& r) {
  const bool fourForms = isOneOf(r.form, {"ITR-1", "ITR-2", "ITR-2A", "ITR-3", "ITR-4", "ITR-4S"});
  const std::string what = "Verification";
  std::string blank;
  if (fourForms && trimmed(f.verification.fatherName).empty()) blank += "Father's Name [Verification] is Blank.";
  if (trimmed(f.verification.pan).empty()) blank += std::string(blank.empty() ? "" : kCrLf) + "PAN [Verification] is Blank.";
  if (trimmed(f.verification.name).empty())
    return c.stop(what, "Please specify the name of the person verifying the return.", "txtnm");
  if (!blank.empty())
    return c.ask(what, blank + kTwoLines + "Do you want to continue?",
                 trimmed(f.verification.fatherName).empty() && fourForms ? "txtfnm" : "txtPAN");
  c.pass(what);
  if (!f.email2.empty() && !y.email.empty() && upperCase(trimmed(f.email2)) == upperCase(trimmed(y.email)))
    return c.stop("Second e-mail", "E-mail Id and Secondary E-mail Id is same.", "txtemail2");
}

}  // namespace

const char* outcomeName(CheckOutcome o) {
  switch (o) {
    case CheckOutcome::passed: return "passed";
    case CheckOutcome::warned: return "warned";
    case CheckOutcome::asked: return "asked";
    case CheckOutcome::stopped: return "stopped";
    case CheckOutcome::notExamined: return "not examined";
  }
  return "";
}

std::vector<CheckResult> runFilingChecks(const ReturnYear& y, const FilingParticulars& f, const CheckRequest& r) {
  std::vector<CheckResult> out;
  Checks c(out);
  if (r.electronic) {
    std::string section = f.sectionCode;
    sectionChecks(c, y, f, r, section);
    if (!section.empty()) dueDateCheck(c, y, r, section);
    balanceCheck(c, y);
    contactChecks(c, y, f);
    refundChecks(c, y, f, r);
    bankGridChecks(c, y, f, r);
    scheduleChecks(c, y, r);
    presumptiveCheck(c, y, r);
    schedulesAfterPresumptiveChecks(c, y, r);
    firmChecks(c, y, r);
    scheduleALCheck(c, y, r);
    distributionChecks(c, y, r);
    businessScheduleChecks(c, y, r);
    houseChecks(c, y);
  }
  nameChecks(c, y, f, r);
  return out;
}

const CheckResult* firstStop(const std::vector<CheckResult>& results) {
  for (const auto& r : results)
    if (r.outcome == CheckOutcome::stopped) return &r;
  return nullptr;
}

}  // namespace meridian::itr

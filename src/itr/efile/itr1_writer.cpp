#include "itr/efile/itr1_writer.h"

#include <algorithm>
#include <stdexcept>

#include "itr/efile/assets_schedule.h"
#include "itr/efile/donations_schedule.h"
#include "itr/efile/efile_digest.h"
#include "itr/efile/itr1_layout.h"
#include "itr/efile/return_xml_writer.h"
#include "itr/efile/root_layout.h"
#include "itr/efile/tax_schedules.h"
#include "itr/form_columns.h"
#include "host/status.h"

namespace meridian::itr::efile {
namespace {

Money r(Money m) { return m.roundedToRupee(); }

struct FormNames {
  std::string_view formBlock, description, incomeBlock, taxBlock;
};
constexpr FormNames kItr1{"Form_ITR1", "For Indls having Income from Salary, Pension, family pension and Interest",
                          "ITR1_IncomeDeductions", "ITR1_TaxComputation"};
constexpr FormNames kItr4s{"Form_ITR4S", "For Indl having Income From Presemptive Business", "ITR4S_IncomeDeductions",
                           "ITR4S_TaxComputation"};

class Document {
 public:
  Document(const EReturnInput& in, ReturnXmlWriter& w)
      : in_(in),
        w_(w),
        layout_(itr1LayoutOf(in.year)),
        itr1_(in.formCode == "ITR-1"),
        names_(itr1_ ? kItr1 : kItr4s),
        deductionSections_(deductionSectionOrderOf(in.formCode, in.year).value()) {}

  std::vector<std::string> write() {
    w_.openRoot(in_.year, in_.formCode);
    creationInfo();
    formBlock();
    personalInfo();
    filingStatus();
    incomeAndDeductions();
    taxComputation();
    taxPaid();
    refund();
    writeSchedule80G(w_, in_.donations);
    const ScheduleOptions schedules{.totals = layout_.scheduleTotals, .spouseColumn = layout_.panOfSpouse};
    if (itr1_) {
      writeTdsOnSalaries(w_, in_.tdsOnSalary, schedules);
      writeTdsOnOtherThanSalaries(w_, in_.tdsOther, schedules);
      if (layout_.tcsScheduleInItr1) writeTcsSchedule(w_, in_.tcs, schedules);
      writeTaxPayments(w_, "TaxPayments", in_.advanceTax, in_.selfAssessmentTax, schedules);
    }
    w_.amount(formPrefix(in_.formCode) + ":TaxExmpIntInc", in_.exemptInterest);
    verification();
    preparer();
    if (!itr1_) {
      natureOfBusiness();
      presumptiveSchedule();
      writeTaxPayments(w_, "ScheduleIT", in_.advanceTax, in_.selfAssessmentTax, schedules);
      writeTcsSchedule(w_, in_.tcs, schedules);
      writeTdsOnSalaries(w_, in_.tdsOnSalary, schedules);
      writeTdsOnOtherThanSalaries(w_, in_.tdsOther, schedules);
      vehicles();
    }
    if (writesScheduleAL(in_)) writeScheduleAL(w_, in_.assets);
    w_.finish();
    return warnings_;
  }

 private:
  bool individual() const { return in_.client.status.empty() || host::isPersonStatus(in_.client.status); }

  void creationInfo() {
    const CreationFacts& c = in_.creation;
    w_.open("CreationInfo");
    w_.code("SWVersionNo", c.version);
    w_.text("SWCreatedBy", layout_.softwareIdAndDigest ? c.softwareId : c.makerName);
    w_.text("XMLCreatedBy", layout_.softwareIdAndDigest ? c.softwareId : c.productLabel);
    w_.date("XMLCreationDate", c.creationDate);
    w_.text("IntermediaryCity", c.intermediaryCity);
    if (layout_.softwareIdAndDigest) w_.code("Digest", kDigestPlaceholder);
    w_.close();
  }

  void formBlock() {
    w_.open(names_.formBlock);
    w_.code("FormName", in_.formCode);
    w_.code("Description", names_.description);
    w_.number("AssessmentYear", in_.year);
    w_.code("SchemaVer", "Ver1.0");
    w_.code("FormVer", "Ver1.0");
    w_.close();
  }

  void address() {
    const host::Address& a = in_.client.address;
    const bool india = a.country.empty() || a.country == "91" || a.country == "INDIA";
    w_.open("Address");
    if (layout_.residenceNameApart) {
      w_.text("ResidenceNo", a.flatDoor);
      w_.textIfAny("ResidenceName", a.premises);
    } else {
      std::string joined = a.flatDoor;
      if (!a.premises.empty()) joined += (joined.empty() ? "" : ", ") + a.premises;
      w_.text("ResidenceNo", joined);
    }
    w_.textIfAny("RoadOrStreet", a.road);
    w_.text("LocalityOrArea", a.area);
    w_.text("CityOrTownOrDistrict", a.city);
    w_.code("StateCode", india ? a.stateCode() : "99");
    w_.code("CountryCode", india ? "91" : a.country);
    w_.code("PinCode", a.pin);
    phone();
    w_.code("MobileNo", in_.client.mobile);
    w_.codeIfAny("MobileNoSec", in_.filing.mobile2);
    w_.text("EmailAddress", in_.client.email);
    w_.close();
  }

  // The phone as kept, "STD-number" (or with a blank between): both parts
  // go in their own elements.
  void phone() {
    const std::string& p = in_.client.phone;
    if (p.find_first_not_of(" -") == std::string::npos) return;
    const size_t cut = p.find_first_of(" -");
    w_.open("Phone");
    w_.code("STDcode", cut == std::string::npos ? "" : p.substr(0, cut));
    w_.code("PhoneNo", cut == std::string::npos ? p : p.substr(p.find_first_not_of(" -", cut)));
    w_.close();
  }

  void personalInfo() {
    const host::DepartmentName name = in_.client.departmentName();
    w_.open("PersonalInfo");
    w_.open("AssesseeName");
    if (individual() || !name.first.empty()) w_.text("FirstName", name.first);
    if (individual() || !name.middle.empty()) w_.text("MiddleName", name.middle);
    w_.text("SurNameOrOrgName", name.surnameOrOrgName);
    w_.close();
    w_.code("PAN", in_.client.pan);
    address();
    w_.date("DOB", in_.client.birthOrIncorporation ? formatDmy(*in_.client.birthOrIncorporation) : "");
    if (itr1_ || layout_.employerCategoryInItr4s) w_.code("EmployerCategory", employerCategory());
    w_.code("Gender", !individual() ? "X" : in_.client.sex == "MALE" ? "M" : in_.client.sex == "FEMALE" ? "F" : " ");
    w_.code("Status", individual() ? "I" : "H");
    if (layout_.aadhaar) {
      const bool held = individual() && !in_.client.aadhaar.empty();
      w_.code("AadhaarCardFlg", !individual() ? "X" : held ? "Y" : "N");
      if (held) w_.code("AadhaarCardNo", in_.client.aadhaar);
    }
    w_.close();
  }

  std::string employerCategory() const {
    switch (in_.facts.employerCategory) {
      case 1: return "GOV";
      case 2: return "PSU";
      case 3: return "OTH";
      default: return "NA";
    }
  }

  static bool answersNotice(std::string_view section) {
    return section == "13" || section == "14" || section == "15" || section == "16" || section == "18";
  }

  void filingStatus() {
    const FilingParticulars& f = in_.filing;
    const bool defective = f.sectionCode == "18";  // in answer to a notice u/s 139(9)
    w_.open("FilingStatus");
    w_.textIfAny("DesigOfficerWardorCircle", in_.facts.wardOrCircle);
    w_.code("ReturnFileSec", f.sectionCode);
    if (defective) {
      w_.code("AckNoOriginalReturn", in_.entry.originalAckNo);
      w_.code("NoticeNo", f.noticeNo);
      if (layout_.originalDateFor139_9)
        w_.date("DefRetOrigRetFiledDate", in_.entry.originalDate);
      else
        w_.date("NoticeDate", noticeDate());
    }
    w_.code("ReturnType", in_.entry.revised ? "R" : "O");
    if (in_.entry.revised) {
      w_.code("ReceiptNo", in_.entry.originalAckNo);
      w_.date("OrigRetFiledDate", in_.entry.originalDate);
    }
    w_.code("ResidentialStatus", residentialStatus());
    const Money balance = r(in_.figures.vi_tax_tot);
    w_.code("TaxStatus", balance > Money() ? "TP" : balance < Money() ? "TR" : "NT");
    if (!in_.facts.section5A.empty()) {
      w_.code("PortugeseCC5A", in_.facts.section5A);
      if (layout_.panOfSpouse && in_.facts.section5A == "Y") w_.code("PANOfSpouse", in_.facts.spousePan);
    }
    if (layout_.noticeDateUnderSec && answersNotice(f.sectionCode)) w_.date("NoticeDateUnderSec", noticeDate());
    w_.close();
  }

  std::string noticeDate() const { return in_.filing.noticeDate ? formatDmy(*in_.filing.noticeDate) : ""; }

  std::string residentialStatus() const {
    const std::string& s = in_.client.residentialStatus;
    if (s.starts_with("NON")) return "NRI";
    if (s.starts_with("NOT")) return "NOR";
    return "RES";
  }

  void typeOfHouseProperty() {
    const engine::ResultContext& f = in_.figures;
    if (f.vTotHouNos == 1 && !f.VHouseVars.empty()) {
      w_.code("TypeOfHP", f.VHouseVars.front().use == engine::HouseUse::selfOccupied ? "S" : "L");
    } else if (!r(in_.result.heads.houseProperty).isZero()) {
      w_.code("TypeOfHP", "L");
    }
  }

  void deductions(std::string_view block, bool allowed) {
    Money total;
    w_.open(block);
    for (const std::string& section : deductionSections_)
      for (const engine::DeductionVar& d : in_.figures.vDedVars)
        if (d.section == section) {
          const Money amount = allowed ? d.allowed : d.claimed;
          w_.amount(deductionElement(section), amount);
          total += r(amount);
        }
    w_.amount("TotalChapVIADeductions", total);
    w_.close();
  }

  void incomeAndDeductions() {
    const engine::IncomePots& heads = in_.result.heads;
    const Money gross = in_.result.grossTotalIncome;
    w_.open(names_.incomeBlock);
    if (!itr1_) w_.amount("IncomeFromBusinessProf", heads.business);
    w_.amount("IncomeFromSal", heads.salary);
    typeOfHouseProperty();
    w_.amount("TotalIncomeOfHP", heads.houseProperty);
    w_.amount("IncomeOthSrc", heads.otherSources);
    w_.amount("GrossTotIncome", gross);
    deductions("UsrDeductUndChapVIA", false);
    deductions("DeductUndChapVIA", true);
    Money total = gross;
    if (r(gross) > Money())
      total = std::max(Money(), r(gross - in_.figures.vDedUs10A_AA - in_.figures.VChVIADedTot)).roundedOffToTens();
    w_.amount("TotalIncome", total);
    w_.close();
  }

  void taxComputation() {
    const engine::ResultContext& f = in_.figures;
    const Money tax = r(f.vTot_ITTAX);
    const Money afterRebate = layout_.rebate87a ? tax - r(f.vRebtUs87A) : tax;
    const Money surchargeOnly = f.vSurcharge - f.VEducess;
    w_.open(names_.taxBlock);
    w_.amount("TotalTaxPayable", tax);
    if (layout_.rebate87a) {
      w_.amount("Rebate87A", f.vRebtUs87A);
      w_.amount("TaxPayableOnRebate", afterRebate);
      w_.amount("SurchargeOnAboveCrore", surchargeOnly);
    } else if (itr1_) {
      w_.amount("SurchargeOnTaxPayable", surchargeOnly);
    }
    w_.amount("EducationCess", f.VEducess);
    const Money grossLiability = afterRebate + r(f.vSurcharge);
    w_.amount("GrossTaxLiability", grossLiability);
    w_.amount("Section89", f.vGrossRelAmts[0]);
    const Money net = grossLiability - r(f.vTotRelief);
    w_.amount("NetTaxLiability", net);
    w_.amount("TotalIntrstPay", f.vINT_Payable);
    w_.open("IntrstPay");
    w_.amount("IntrstPayUs234A", f.vAD_Tax1);
    w_.amount("IntrstPayUs234B", f.vAD_Tax2);
    w_.amount("IntrstPayUs234C", f.vAD_Tax3);
    w_.close();
    w_.amount("TotTaxPlusIntrstPay", net + r(f.vINT_Payable));
    w_.close();
  }

  void taxPaid() {
    const engine::ResultContext& f = in_.figures;
    w_.open("TaxPaid");
    w_.open("TaxesPaid");
    w_.amount("AdvanceTax", f.Vtot_adv_tax);
    w_.amount("TDS", f.Vall_tds_tot - f.vall_tcs_tot);  // the host's TDS total holds TCS
    if (layout_.tcsAlways || !r(f.vall_tcs_tot).isZero()) w_.amount("TCS", f.vall_tcs_tot);
    w_.amount("SelfAssessmentTax", f.vtot_self_tax);
    w_.amount("TotalTaxesPaid", r(f.Vtot_adv_tax) + r(f.Vall_tds_tot) + r(f.vtot_self_tax));
    w_.close();
    w_.amount("BalTaxPayable", std::max(Money(), r(f.vi_tax_tot)));
    w_.close();
  }

  static std::string accountType(std::string_view type) {
    if (type == "CASH CREDIT") return "CCT";
    if (type == "CURRENT") return "CUR";
    return "SAV";
  }

  void bankDetails(std::string_view element, const BankAccount& b) {
    w_.open(element);
    w_.code("IFSCCode", b.ifsc);
    w_.text("BankName", b.bankName);
    w_.code("BankAccountNo", b.accountNo);
    w_.code("BankAccountType", accountType(b.accountType));
    w_.close();
  }

  void refund() {
    const Money balance = r(in_.figures.vi_tax_tot);
    const std::vector<BankAccount>& banks = in_.filing.bankAccounts;
    const auto primary = std::find_if(banks.begin(), banks.end(), [](const BankAccount& b) { return b.isDefault; });
    w_.open("Refund");
    w_.amount("RefundDue", balance < Money() ? -balance : Money());
    if (layout_.bankGrid) {
      // The schema puts the default account first, whatever its row in the grid.
      w_.open("BankAccountDtls");
      if (primary != banks.end()) bankDetails("PriBankDetails", *primary);
      for (auto b = banks.begin(); b != banks.end(); ++b)
        if (b != primary) bankDetails("AddtnlBankDetails", *b);
      w_.close();
    } else {
      const BankAccount account = primary != banks.end() ? *primary : banks.empty() ? BankAccount{} : banks.front();
      w_.code("BankAccountNumber", account.accountNo);
      if (layout_.ecsRequired) w_.flag("EcsRequired", in_.filing.refundMode == RefundMode::bankDeposit);
      w_.open("DepositToBankAccount");
      w_.code("IFSCCode", account.ifsc);
      w_.code("BankAccountType", accountType(account.accountType));
      w_.close();
    }
    w_.close();
  }

  void verification() {
    const Verification& v = in_.filing.verification;
    w_.open("Verification");
    w_.open("Declaration");
    w_.text("AssesseeVerName", v.name);
    w_.text("FatherName", v.fatherName);
    w_.code("AssesseeVerPAN", v.pan);
    w_.close();
    w_.text("Place", v.place);
    w_.date("Date", v.date ? formatDmy(*v.date) : "");
    w_.close();
  }

  void preparer() {
    if (!in_.filing.preparer || in_.filing.preparer->id.empty()) return;
    const ReturnPreparer& p = *in_.filing.preparer;
    w_.open("TaxReturnPreparer");
    w_.code("IdentificationNoOfTRP", p.id);
    w_.text("NameOfTRP", p.name);
    w_.amount("ReImbFrmGov", p.amount);
    w_.close();
  }

  void natureOfBusiness() {
    constexpr size_t kCodes = 10;
    bool opened = false;
    size_t written = 0;
    for (const BusinessNature& n : in_.natures) {
      if (n.code.empty() || written == kCodes) continue;
      if (!opened) w_.open("NatOfBus"), opened = true;
      ++written;
      const size_t names = std::min<size_t>(3, n.tradeNames.size());
      if (layout_.natureOfBusinessFlat) {
        w_.open("NatureOfBusiness");
        w_.code("Code", n.code);
        for (size_t i = 0; i < names; ++i) w_.textIfAny("TradeName" + std::to_string(i + 1), n.tradeNames[i]);
      } else {
        w_.open("Business");
        w_.code("Code", n.code);
        if (names > 0) {
          w_.open("Trade");
          for (size_t i = 0; i < names; ++i) w_.textIfAny("TradeName", n.tradeNames[i]);
          w_.close();
        }
      }
      w_.close();
    }
    if (opened) w_.close();
  }

  Money deemedPerMonth(const VehicleRow& v) const {
    const Money rate = v.heavy ? in_.figures.vGetRate44AE.heavyPerMonth : in_.figures.vGetRate44AE.otherPerMonth;
    return std::max(v.profitPerMonth, rate);
  }

  // The department's A.Y. 2013-14 and 2014-15 schemas require the heavy and
  // other vehicle figures too, so they are written in every year.
  void presumptiveSchedule() {
    const engine::BusinessFigures& b = in_.result.business;
    Money heavy, other;
    for (const VehicleRow& v : in_.vehicles) (v.heavy ? heavy : other) += r(deemedPerMonth(v) * v.months);
    w_.open("ScheduleBPForITR4S");
    w_.open("PersumptiveInc44AD");
    w_.amount("GrsTrnOverOrReceipt", in_.presumptive44ad.turnover);
    w_.amount("TotPersumptiveInc44AD", b.presumptive44ad);
    w_.close();
    w_.open("PersumptiveInc44AE");
    w_.amount("PersumptiveIncHeavyVehicle", heavy);
    w_.amount("PersumptiveIncOtherVehicle", other);
    w_.amount("TotPersumInc44AE", b.presumptive44ae);
    if (layout_.salaryInterestByFirm) w_.amount("SalInterestByFirm", b.firmRemuneration);
    if (layout_.vehicleRows)
      w_.amount("TotalPersumptiveInc", r(b.presumptive44ad) + r(b.presumptive44ae) +
                                           (layout_.salaryInterestByFirm ? r(b.firmRemuneration) : Money()));
    w_.close();
    w_.amount("IncChargeableUnderBus", in_.result.heads.business);
    // The A.Y. 2013-14 and 2014-15 schemas require the statement whether or
    // not books are kept.
    if (!in_.facts.booksKept || !layout_.noBooksOptional) {
      w_.open("NoBooksOfAccBS");
      w_.amount("TotSundryDbtAmt", in_.noBooks.sundryDebtors);
      w_.amount("TotSundryCrdAmt", in_.noBooks.sundryCreditors);
      w_.amount("TotStkInTradAmt", in_.noBooks.stockInTrade);
      w_.amount("CashBalAmt", in_.noBooks.cashBalance);
      w_.close();
    }
    w_.close();
    if (heavy + other != r(b.presumptive44ae)) warnings_.emplace_back(kVehicleDetailsMismatch);
  }

  // One row per vehicle from A.Y. 2015-16; the earlier schemas have none.
  void vehicles() {
    if (!layout_.vehicleRows || in_.vehicles.empty()) return;
    Money total;
    for (const VehicleRow& v : in_.vehicles) {
      const Money perMonth = deemedPerMonth(v);
      w_.open("Us44aeHeavy");
      w_.number("HoldingPeriod", v.months);
      w_.amount("IncomePerVehicle", perMonth);
      w_.amount("DeemedInc", perMonth * v.months);
      w_.code("VehicleType", v.heavy ? "H" : "L");
      w_.close();
      total += r(perMonth * v.months);
    }
    w_.amount("TotalHeavyVehcl", total);
  }

  const EReturnInput& in_;
  ReturnXmlWriter& w_;
  const Itr1Layout& layout_;
  const bool itr1_;
  const FormNames& names_;
  const std::vector<std::string> deductionSections_;  // in the form's order
  std::vector<std::string> warnings_;
};

}  // namespace

bool isItr1OrItr4s(std::string_view formCode) { return formCode == "ITR-1" || formCode == "ITR-4S"; }

// A firm's ITR-4S has no Schedule AL; a person's return carries it from the
// year the form asks for it, once the details are marked as given.
bool writesScheduleAL(const EReturnInput& in) {
  return itr1LayoutOf(in.year).scheduleAL && in.facts.assetsAndLiabilitiesGiven &&
         !(in.formCode == "ITR-4S" && in.client.status == "FIRM");
}

namespace {

// Refuses a form or year without a layout, or without its list of Chapter
// VI-A sections, before the file is touched.
void refuseUnknownLayout(const EReturnInput& in) {
  if (!isItr1OrItr4s(in.formCode))
    throw std::invalid_argument("the ITR-1 and ITR-4S writer cannot write " + in.formCode);
  itr1LayoutOf(in.year);
  if (!deductionSectionOrderOf(in.formCode, in.year))
    throw std::invalid_argument("the Chapter VI-A sections of " + in.formCode + " for the year " +
                                std::to_string(in.year) + " are not in data/return_deduction_sections.csv");
}

}  // namespace

std::vector<std::string> writeItr1OrItr4s(const EReturnInput& in, const std::filesystem::path& file) {
  refuseUnknownLayout(in);
  ReturnXmlWriter w(file);
  return Document(in, w).write();
}

std::vector<std::string> writeItr1OrItr4s(const EReturnInput& in, std::string& bytes) {
  refuseUnknownLayout(in);
  ReturnXmlWriter w(bytes);
  return Document(in, w).write();
}

}  // namespace meridian::itr::efile

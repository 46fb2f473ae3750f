#include "support/sample_returns.h"

#include "itr/efile/efile_digest.h"
#include "itr/efile/return_xml_writer.h"
#include "itr/efile/root_layout.h"
#include "suite/atomic_file.h"

namespace meridian::testsupport {
namespace {

using itr::efile::ReturnXmlWriter;

Money rupees(long long r) { return Money::rupees(r); }

void creationInfo(ReturnXmlWriter& w, const SampleReturn& s) {
  const bool digested = s.year >= itr::efile::kFirstYearWithDigest;
  w.open("CreationInfo");
  w.code("SWVersionNo", "2.17.2.1");
  w.code("SWCreatedBy", digested ? kSampleSoftwareId : "MERIDIAN");
  w.code("XMLCreatedBy", digested ? kSampleSoftwareId : "MERIDIAN");
  w.date("XMLCreationDate", "01/06/" + std::to_string(s.year));
  w.text("IntermediaryCity", "PUNE");
  if (digested) w.code("Digest", itr::efile::kDigestPlaceholder);
  w.close();
}

void formBlock(ReturnXmlWriter& w, const SampleReturn& s) {
  const bool itr1 = s.form == "ITR-1";
  w.open(itr1 ? "Form_ITR1" : "Form_ITR4S");
  w.code("FormName", s.form);
  w.code("Description", itr1 ? "For Indls having Income from Salary, Pension, family pension and Interest"
                             : "For Indl having Income From Presemptive Business");
  w.number("AssessmentYear", s.year);
  w.code("SchemaVer", "Ver1.0");
  w.code("FormVer", "Ver1.0");
  w.close();
}

void personalInfo(ReturnXmlWriter& w, const SampleReturn& s) {
  w.open("PersonalInfo");
  w.open("AssesseeName");
  w.text("FirstName", "ASHA");
  w.text("SurNameOrOrgName", s.surname);
  w.close();
  w.code("PAN", s.pan);
  w.open("Address");
  if (s.year >= 2014) {
    w.text("ResidenceNo", "12");
    w.text("ResidenceName", "SUNRISE APARTMENTS");
  } else {
    w.text("ResidenceNo", "12, SUNRISE APARTMENTS");
  }
  w.text("RoadOrStreet", "M G ROAD");
  w.text("LocalityOrArea", "SHIVAJI NAGAR");
  w.text("CityOrTownOrDistrict", "PUNE");
  w.code("StateCode", "19");
  w.code("CountryCode", "91");
  w.code("PinCode", "411005");
  w.code("MobileNo", "9876543210");
  if (s.withEmail) w.code("EmailAddress", "asha.verma@example.com");
  w.close();
  w.date("DOB", "15/08/1975");
  if (s.form == "ITR-1" || s.year < 2015) w.code("EmployerCategory", "OTH");
  w.code("Gender", "F");
  w.code("Status", "I");
  if (s.year >= 2015) {
    w.flag("AadhaarCardFlg", true);
    w.code("AadhaarCardNo", "123456789012");
  }
  w.close();
}

void filingStatus(ReturnXmlWriter& w, const SampleReturn& s) {
  w.open("FilingStatus");
  w.text("DesigOfficerWardorCircle", "WARD 1(2), PUNE");
  w.code("ReturnFileSec", "11");
  w.code("ReturnType", "O");
  w.code("ResidentialStatus", "RES");
  w.code("TaxStatus", "TR");
  w.flag("PortugeseCC5A", false);
  w.close();
}

void deductions(ReturnXmlWriter& w, const char* block) {
  w.open(block);
  w.amount("Section80C", rupees(150000));
  w.amount("TotalChapVIADeductions", rupees(150000));
  w.close();
}

void income(ReturnXmlWriter& w, const SampleReturn& s) {
  const bool itr1 = s.form == "ITR-1";
  const long long business = itr1 ? 0 : 200000;
  const long long gross = business + s.salaryRupees + 12000;
  w.open(itr1 ? "ITR1_IncomeDeductions" : "ITR4S_IncomeDeductions");
  if (!itr1) w.amount("IncomeFromBusinessProf", rupees(business));
  w.amount("IncomeFromSal", rupees(s.salaryRupees));
  w.amount("TotalIncomeOfHP", Money());
  w.amount("IncomeOthSrc", rupees(12000));
  w.amount("GrossTotIncome", rupees(gross));
  deductions(w, "UsrDeductUndChapVIA");
  deductions(w, "DeductUndChapVIA");
  w.amount("TotalIncome", rupees(gross - 150000));
  w.close();
}

void taxComputation(ReturnXmlWriter& w, const SampleReturn& s) {
  w.open(s.form == "ITR-1" ? "ITR1_TaxComputation" : "ITR4S_TaxComputation");
  w.amount("TotalTaxPayable", rupees(21200));
  if (s.year >= 2014) {
    w.amount("Rebate87A", Money());
    w.amount("TaxPayableOnRebate", rupees(21200));
    w.amount("SurchargeOnAboveCrore", Money());
  } else if (s.form == "ITR-1") {
    w.amount("SurchargeOnTaxPayable", Money());
  }
  w.amount("EducationCess", rupees(636));
  w.amount("GrossTaxLiability", rupees(21836));
  w.amount("Section89", Money());
  w.amount("NetTaxLiability", rupees(21836));
  w.amount("TotalIntrstPay", Money());
  w.open("IntrstPay");
  w.amount("IntrstPayUs234A", Money());
  w.amount("IntrstPayUs234B", Money());
  w.amount("IntrstPayUs234C", Money());
  w.close();
  w.amount("TotTaxPlusIntrstPay", rupees(21836));
  w.close();
}

void taxPaidAndRefund(ReturnXmlWriter& w, const SampleReturn& s) {
  w.open("TaxPaid");
  w.open("TaxesPaid");
  w.amount("AdvanceTax", Money());
  w.amount("TDS", rupees(25000));
  if (s.year >= 2016) w.amount("TCS", Money());
  w.amount("SelfAssessmentTax", Money());
  w.amount("TotalTaxesPaid", rupees(25000));
  w.close();
  w.amount("BalTaxPayable", Money());
  w.close();
  w.open("Refund");
  w.amount("RefundDue", rupees(3164));
  if (s.year >= 2015) {
    w.open("BankAccountDtls");
    w.open("PriBankDetails");
    w.code("IFSCCode", "SBIN0001234");
    w.text("BankName", "STATE BANK OF INDIA");
    w.code("BankAccountNo", "12345678901");
    w.code("BankAccountType", "SAV");
    w.close();
    w.close();
  } else {
    w.code("BankAccountNumber", "12345678901");
    if (s.year < 2014) w.flag("EcsRequired", true);
    w.open("DepositToBankAccount");
    w.code("IFSCCode", "SBIN0001234");
    w.code("BankAccountType", "SAV");
    w.close();
  }
  w.close();
}

void tdsOnSalary(ReturnXmlWriter& w, const SampleReturn& s) {
  w.open("TDSonSalaries");
  w.open("TDSonSalary");
  w.open("EmployerOrDeductorOrCollectDetl");
  w.code("TAN", "PNEA12345B");
  w.text("EmployerOrDeductorOrCollecterName", s.employer);
  w.close();
  w.amount("IncChrgSal", rupees(s.salaryRupees));
  w.amount("TotalTDSSal", rupees(25000));
  w.close();
  if (s.year >= 2015) w.amount("TotalTDSonSalaries", rupees(25000));
  w.close();
}

void verification(ReturnXmlWriter& w, const SampleReturn& s) {
  w.open("Verification");
  w.open("Declaration");
  w.text("AssesseeVerName", "ASHA " + s.surname);
  w.text("FatherName", "RAMESH " + s.surname);
  w.code("AssesseeVerPAN", s.pan);
  w.close();
  w.text("Place", "PUNE");
  w.date("Date", "31/07/" + std::to_string(s.year));
  w.close();
}

void presumptiveBusiness(ReturnXmlWriter& w, const SampleReturn& s) {
  w.open("NatOfBus");
  w.open(s.year >= 2016 ? "NatureOfBusiness" : "Business");
  w.code("Code", "0101");
  if (s.year >= 2016) {
    w.text("TradeName1", "ASHA TRADERS");
  } else {
    w.open("Trade");
    w.text("TradeName", "ASHA TRADERS");
    w.close();
  }
  w.close();
  w.close();
  w.open("ScheduleBPForITR4S");
  w.open("PersumptiveInc44AD");
  w.amount("GrsTrnOverOrReceipt", rupees(2500000));
  w.amount("TotPersumptiveInc44AD", rupees(110000));
  w.close();
  w.open("PersumptiveInc44AE");
  w.amount("PersumptiveIncHeavyVehicle", rupees(90000));
  w.amount("PersumptiveIncOtherVehicle", Money());
  w.amount("TotPersumInc44AE", rupees(90000));
  if (s.year >= 2016) w.amount("SalInterestByFirm", Money());
  if (s.year >= 2015) w.amount("TotalPersumptiveInc", rupees(200000));
  w.close();
  w.amount("IncChargeableUnderBus", rupees(200000));
  w.open("NoBooksOfAccBS");
  for (const char* item : {"TotSundryDbtAmt", "TotSundryCrdAmt", "TotStkInTradAmt", "CashBalAmt"}) w.amount(item, Money());
  w.close();
  w.close();
}

void vehicles(ReturnXmlWriter& w) {
  w.open("Us44aeHeavy");
  w.number("HoldingPeriod", 12);
  w.amount("IncomePerVehicle", rupees(7500));
  w.amount("DeemedInc", rupees(90000));
  w.code("VehicleType", "H");
  w.close();
  w.amount("TotalHeavyVehcl", rupees(90000));
}

}  // namespace

std::string writeSampleReturn(const std::filesystem::path& file, const SampleReturn& s) {
  const bool itr1 = s.form == "ITR-1";
  {
    ReturnXmlWriter w(file);
    w.openRoot(s.year, s.form);
    creationInfo(w, s);
    formBlock(w, s);
    personalInfo(w, s);
    filingStatus(w, s);
    income(w, s);
    taxComputation(w, s);
    taxPaidAndRefund(w, s);
    if (itr1) tdsOnSalary(w, s);
    w.amount(itr::efile::formPrefix(s.form) + ":TaxExmpIntInc", Money());
    verification(w, s);
    if (!itr1) {
      presumptiveBusiness(w, s);
      tdsOnSalary(w, s);
      if (s.year >= 2015) vehicles(w);
    }
    w.finish();
  }
  return suite::readWholeFile(file);
}

}  // namespace meridian::testsupport

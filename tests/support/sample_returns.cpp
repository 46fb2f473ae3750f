#include "support/sample_returns.h"

#include "itr/efile/itr1_writer.h"
#include "suite/atomic_file.h"
#include "suite/engine/compute_year.h"
#include "suite/engine/year_law.h"

namespace meridian::testsupport {
namespace {

Money rupees(long long r) { return Money::rupees(r); }

host::ClientParticulars client(const SampleReturn& s) {
  host::ClientParticulars c;
  c.code = "S001";
  c.person = true;
  c.firstName = "ASHA";
  c.lastName = s.surname;
  c.fatherFirst = "RAMESH";
  c.fatherLast = s.surname;
  c.status = "INDIVIDUAL";
  c.sex = "FEMALE";
  c.residentialStatus = "RESIDENT";
  c.birthOrIncorporation = makeDate(15, 8, 1975);
  c.pan = s.pan;
  c.aadhaar = "123456789012";
  c.mobile = "9876543210";
  if (s.withEmail) c.email = "asha.verma@example.com";
  c.address = {.flatDoor = "12",
               .premises = "SUNRISE APARTMENTS",
               .road = "M G ROAD",
               .area = "SHIVAJI NAGAR",
               .city = "PUNE",
               .state = "MAHARASHTRA",
               .pin = "411005"};
  c.ward = "WARD 1(2), PUNE";
  return c;
}

engine::YearInput year(const SampleReturn& s) {
  engine::YearInput y;
  y.year = s.year;
  y.sex = engine::Sex::female;
  y.dob = makeDate(15, 8, 1975);
  y.salaries.push_back({.gross = rupees(s.salaryRupees)});
  y.otherSources.savingsInterest = rupees(12000);
  y.deductions.claimed["80C"] = rupees(150000);
  y.deductions.claimed["80TTA"] = rupees(12000);
  if (s.form == "ITR-4S") {
    y.business.presumptive44ad = {.turnover = rupees(2500000), .declared = rupees(210000)};
    y.business.presumptive44ae.push_back({.heavy = true, .months = 12});
  }
  y.taxesPaid.tds = rupees(25000);
  if (s.everySchedule) {
    y.taxesPaid.tds += rupees(1200);
    y.taxesPaid.tcs = rupees(10000);
    y.taxesPaid.advance = {{*makeDate(15, 12, s.year - 1), rupees(5000)}};
    y.taxesPaid.selfAssessment = {{*makeDate(20, 7, s.year), rupees(1000)}};
  }
  return y;
}

void everySchedule(itr::efile::EReturnInput& in, const SampleReturn& s) {
  const std::string y = std::to_string(s.year);
  in.client.phone = "020-25531234";
  in.filing.mobile2 = "9822012345";
  in.filing.bankAccounts.insert(in.filing.bankAccounts.begin(),
                                {.bankName = "GATEWAY HARBOUR BANK", .ifsc = "GHBK0000123", .accountNo = "50100012345678",
                                 .accountType = "CURRENT"});
  in.filing.preparer = itr::ReturnPreparer{.serial = 1, .name = "K S RAO & ASSOCIATES", .id = "TRP0012345",
                                           .amount = rupees(250)};
  in.tdsOther = {{.tan = "PNEB23456C", .name = "CITY CO-OP BANK", .income = rupees(12000), .deducted = rupees(1200),
                  .claimed = rupees(1200)}};
  in.tcs = {{.tan = "PNEC34567D", .name = "WHEELS & MOTORS", .income = rupees(1000000), .deducted = rupees(10000),
             .claimed = rupees(10000)}};
  in.advanceTax = {{"0510308", "15/12/" + std::to_string(s.year - 1), "00012", rupees(5000)}};
  // One donee of each share but the 50 per cent without limit; half of
  // Rs. 5,001 is Rs. 2,500.50, eligible as Rs. 2,500 (half to even).
  in.donations = {
      {itr::efile::DonationShare::halfLimited, "SEVA TRUST FOR THE AGED", "AAATS1234K", "12, MODEL COLONY", "PUNE",
       "MAHARASHTRA", "411016", rupees(5001)},
      {itr::efile::DonationShare::full, "CHIEF MINISTER'S RELIEF FUND", "AAAGC1234D", "MANTRALAYA", "MUMBAI",
       "MAHARASHTRA", "400032", rupees(2000) + Money::paise(50)},
      {itr::efile::DonationShare::fullLimited, "CITY LIBRARY & READING ROOM", "AAATC5678L", "4, FERGUSSON ROAD", "PUNE",
       "MAHARASHTRA", "411004", rupees(1500)},
  };
  in.selfAssessmentTax = {{"0510308", "20/07/" + y, "00345", rupees(1000)}};
  // Schedule AL (written from A.Y. 2016-17): a flat with every part of its
  // address, a plot with only those the form requires, a text to escape.
  in.facts.assetsAndLiabilitiesGiven = true;
  in.assets = {.immovables = {{"RESIDENTIAL FLAT", "B-402", "SAI & SONS TOWERS", "BANER ROAD", "BANER", "PUNE", "27",
                               "411045", rupees(4200000) + Money::paise(50)},
                              {"AGRICULTURAL LAND", "GAT 17", "", "", "MULSHI", "PUNE", "27", "", rupees(900000)}},
               .immovableTotal = rupees(5100000) + Money::paise(50),
               .bankDeposits = rupees(350000), .shares = rupees(125000), .insurance = rupees(80000),
               .loansGiven = rupees(50000), .cashInHand = rupees(15000) + Money::paise(50), .jewellery = rupees(400000),
               .artWork = rupees(0), .vehicles = rupees(650000), .liability = rupees(2500000)};
  if (s.form == "ITR-4S") {
    in.filing.sectionCode = "17";
    in.entry = {.revised = true, .originalAckNo = "123456789012345", .originalDate = "30/07/" + y};
  }
}

}  // namespace

itr::efile::EReturnInput sampleEReturnInput(const SampleReturn& s) {
  using namespace itr::efile;
  EReturnInput in;
  in.formCode = s.form;
  in.year = s.year;
  in.creation = {.version = "2.17.2.1",
                 .softwareId = kSampleSoftwareId,
                 .makerName = "MERIDIAN",
                 .productLabel = "MERIDIAN",
                 .intermediaryCity = "PUNE",
                 .creationDate = "01/06/" + std::to_string(s.year)};
  in.client = client(s);
  in.facts.employerCategory = 3;
  in.facts.wardOrCircle = in.client.ward;
  in.filing.sectionCode = "11";
  in.filing.refundMode = itr::RefundMode::bankDeposit;
  in.filing.bankAccounts = {{.bankName = "DAKSHIN SETU BANK", .ifsc = "DSEB0001234", .accountNo = "12345678901",
                             .accountType = "SAVING", .isDefault = true}};
  in.filing.verification = {"ASHA " + s.surname, "RAMESH " + s.surname, s.pan, "PUNE", makeDate(31, 7, s.year)};
  const engine::YearInput y = year(s);
  in.result = engine::computeYear(y);
  in.figures = engine::resultContextOf(in.result, *engine::lawOf(s.year));
  // The salary as given, even one the computation would refuse: tests of
  // the schema check write figures out of range on purpose.
  in.result.heads.salary = rupees(s.salaryRupees);
  in.tdsOnSalary = {{.tan = "PNEA12345B", .name = s.employer, .income = rupees(s.salaryRupees),
                     .deducted = rupees(25000), .claimed = rupees(25000)}};
  if (s.form == "ITR-4S") {
    in.natures = {{"0101", {"ASHA TRADERS"}}};
    in.presumptive44ad.turnover = rupees(2500000);
    in.vehicles = {{.months = 12, .profitPerMonth = Money(), .heavy = true}};
  }
  if (s.everySchedule) everySchedule(in, s);
  return in;
}

std::string writeEReturn(const std::filesystem::path& file, const itr::efile::EReturnInput& input) {
  itr::efile::writeItr1OrItr4s(input, file);
  return suite::readWholeFile(file);
}

std::string writeSampleReturn(const std::filesystem::path& file, const SampleReturn& s) {
  return writeEReturn(file, sampleEReturnInput(s));
}

}  // namespace meridian::testsupport

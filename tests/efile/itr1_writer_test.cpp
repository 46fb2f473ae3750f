// The ITR-1 and ITR-4S documents: the elements each condition of the layout
// writes or leaves out, year by year, and every such return still passing
// the schema of its year.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "itr/efile/itr1_writer.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/efile/schema_validator.h"
#include "support/db_fixture.h"
#include "support/sample_returns.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;
using testsupport::SampleReturn;

Money rupees(long long r) { return Money::rupees(r); }

class Itr1WriterTest : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove_all(dir_); }
  std::string write(const EReturnInput& in) { return testsupport::writeEReturn(fs::path(dir_) / "r.xml", in); }
  std::string dir_ = testsupport::scratchDir("itr1_writer");
};

std::string element(const std::string& name, const std::string& value) {
  return "<ITRForm:" + name + ">" + value + "</ITRForm:" + name + ">";
}

TEST_F(Itr1WriterTest, EachConditionWritesItsElementsAndTheReturnStillPassesItsSchema) {
  struct Case {
    const char* what;
    SampleReturn sample;
    std::function<void(EReturnInput&)> change;
    std::vector<std::string> present, absent;
    // The element the department's own file of the year refuses, as its
    // later revision no longer does (data/schemas/README.md).
    std::string refusedByTheYearsSchema = "";
  };
  const auto refund = [](EReturnInput& in) { in.figures.vi_tax_tot = -rupees(3164) - Money::paise(50); };
  const std::vector<Case> cases = {
      {"a refund of Rs. 3,164.50 rounds half to even and is due",
       {.year = 2016},
       refund,
       {element("TaxStatus", "TR"), element("BalTaxPayable", "0"), element("RefundDue", "3164")},
       {}},
      {"a balance payable",
       {.year = 2015},
       [](EReturnInput& in) { in.figures.vi_tax_tot = rupees(2500) + Money::paise(50); },
       {element("TaxStatus", "TP"), element("BalTaxPayable", "2500"), element("RefundDue", "0")},
       {}},
      {"nothing payable nor due",
       {.year = 2014},
       [](EReturnInput& in) { in.figures.vi_tax_tot = Money(); },
       {element("TaxStatus", "NT")},
       {}},
      {"no digest placeholder nor software identifier before A.Y. 2015-16",
       {.year = 2014},
       {},
       {element("SWCreatedBy", "MERIDIAN")},
       {"Digest", "SW12345678"}},
      {"the placeholder and the identifier from A.Y. 2015-16",
       {.year = 2015},
       {},
       {element("Digest", "-"), element("SWCreatedBy", "SW12345678"), element("XMLCreatedBy", "SW12345678")},
       {}},
      {"no phone: no Phone block, the mobile still written",
       {.year = 2016},
       [](EReturnInput& in) { in.client.phone.clear(); },
       {element("MobileNo", "9876543210")},
       {"Phone>"}},
      {"a phone with its STD code",
       {.year = 2013},
       [](EReturnInput& in) { in.client.phone = "020 25531234"; },
       {element("STDcode", "020"), element("PhoneNo", "25531234")},
       {}},
      {"one residence text joined by a comma in A.Y. 2013-14",
       {.year = 2013},
       {},
       {element("ResidenceNo", "12, SUNRISE APARTMENTS")},
       {"ResidenceName"}},
      {"a state outside India",
       {.year = 2016},
       [](EReturnInput& in) { in.client.address.country = "2"; },
       {element("StateCode", "99"), element("CountryCode", "2")},
       {}},
      {"a revised return names the original",
       {.year = 2016},
       [](EReturnInput& in) {
         in.filing.sectionCode = "17";
         in.entry = {true, "987654321098765", "28/07/2016"};
       },
       {element("ReturnType", "R"), element("ReceiptNo", "987654321098765"),
        element("OrigRetFiledDate", "2016-07-28")},
       {"AckNoOriginalReturn"}},
      {"a return in answer to a notice u/s 139(9) from A.Y. 2014-15",
       {.year = 2014},
       [](EReturnInput& in) {
         in.filing.sectionCode = "18";
         in.filing.noticeNo = "CPC/1415/G5/1234";
         in.filing.noticeDate = makeDate(10, 1, 2015);
         in.entry = {false, "111122223333444", "31/07/2014"};
       },
       {element("AckNoOriginalReturn", "111122223333444"), element("NoticeNo", "CPC/1415/G5/1234"),
        element("DefRetOrigRetFiledDate", "2014-07-31"), element("NoticeDateUnderSec", "2015-01-10"),
        element("ReturnType", "O")},
       {"<ITRForm:NoticeDate>"},
       "ITRForm:DefRetOrigRetFiledDate"},
      {"a return in answer to a notice u/s 139(9) in A.Y. 2013-14 dates the notice",
       {.year = 2013},
       [](EReturnInput& in) {
         in.filing.sectionCode = "18";
         in.filing.noticeNo = "CPC/1314/G5/77";
         in.filing.noticeDate = makeDate(5, 2, 2014);
         in.entry = {false, "111122223333444", "31/07/2013"};
       },
       {element("NoticeDate", "2014-02-05")},
       {"DefRetOrigRetFiledDate", "NoticeDateUnderSec"}},
      {"a return after a notice u/s 142(1)",
       {.year = 2016},
       [](EReturnInput& in) {
         in.filing.sectionCode = "13";
         in.filing.noticeDate = makeDate(1, 9, 2017);
       },
       {element("ReturnFileSec", "13"), element("NoticeDateUnderSec", "2017-09-01")},
       {"AckNoOriginalReturn"}},
      {"section 5A with the spouse's PAN",
       {.year = 2016},
       [](EReturnInput& in) {
         in.facts.section5A = "Y";
         in.facts.spousePan = "ABCPD1234E";
       },
       {element("PortugeseCC5A", "Y"), element("PANOfSpouse", "ABCPD1234E")},
       {}},
      {"no Aadhaar number",
       {.year = 2016},
       [](EReturnInput& in) { in.client.aadhaar.clear(); },
       {element("AadhaarCardFlg", "N")},
       {"AadhaarCardNo"}},
      {"ITR-4S leaves out the employer category from A.Y. 2015-16",
       {.year = 2015, .form = "ITR-4S"},
       {},
       {},
       {"EmployerCategory"}},
      {"ITR-4S had it before",
       {.year = 2014, .form = "ITR-4S"},
       {},
       {element("EmployerCategory", "OTH")},
       {}},
      {"a Government employee",
       {.year = 2016},
       [](EReturnInput& in) { in.facts.employerCategory = 1; },
       {element("EmployerCategory", "GOV")},
       {}},
      {"the default bank account comes first whatever its row",
       {.year = 2016, .everySchedule = true},
       {},
       {"<ITRForm:PriBankDetails>\n          <ITRForm:IFSCCode>DSEB0001234"},
       {}},
      {"one account and ECS in A.Y. 2013-14",
       {.year = 2013},
       {},
       {element("BankAccountNumber", "12345678901"), element("EcsRequired", "Y"), element("IFSCCode", "DSEB0001234")},
       {"BankAccountDtls"}},
      {"TCS nil is written from A.Y. 2016-17 only",
       {.year = 2015},
       {},
       {},
       {"<ITRForm:TCS>"}},
      {"a self-occupied house alone",
       {.year = 2016},
       [](EReturnInput& in) {
         in.figures.vTotHouNos = 1;
         in.figures.VHouseVars = {{.use = engine::HouseUse::selfOccupied, .income = -rupees(150000)}};
         in.result.heads.houseProperty = -rupees(150000);
       },
       {element("TypeOfHP", "S"), element("TotalIncomeOfHP", "-150000")},
       {}},
      {"two houses with income",
       {.year = 2016},
       [](EReturnInput& in) {
         in.figures.vTotHouNos = 2;
         in.result.heads.houseProperty = rupees(84000);
       },
       {element("TypeOfHP", "L")},
       {}},
      {"Chapter VI-A in the form's order with the s.80CCD names",
       {.year = 2016},
       [](EReturnInput& in) {
         in.figures.vDedVars = {{"80TTA", rupees(10000), rupees(10000)},
                                {"80CCD(1B)", rupees(50000), rupees(50000)},
                                {"80C", rupees(160000), rupees(150000)},
                                {"80CCD(1)", rupees(20000), rupees(20000)}};
         in.figures.VChVIADedTot = rupees(230000);
       },
       {element("Section80C", "160000") + "\n        " + element("Section80CCDEmployeeOrSE", "20000") +
            "\n        " + element("Section80CCD1B", "50000"),
        element("Section80C", "150000"), element("TotalChapVIADeductions", "240000"),
        element("TotalChapVIADeductions", "230000")},
       {}},
      {"a return preparer",
       {.year = 2014, .everySchedule = true},
       {},
       {element("IdentificationNoOfTRP", "TRP0012345"), element("ReImbFrmGov", "250")},
       {}},
      {"the nature of business before A.Y. 2016-17",
       {.year = 2015, .form = "ITR-4S"},
       {},
       {"<ITRForm:Business>\n        <ITRForm:Code>0101</ITRForm:Code>\n        <ITRForm:Trade>\n          " +
        element("TradeName", "ASHA TRADERS")},
       {"NatureOfBusiness"}},
      {"books kept: no statement of a business without books",
       {.year = 2016, .form = "ITR-4S"},
       [](EReturnInput& in) { in.facts.booksKept = true; },
       {},
       {"NoBooksOfAccBS"}},
      {"no vehicle rows before A.Y. 2015-16",
       {.year = 2014, .form = "ITR-4S"},
       {},
       {element("PersumptiveIncHeavyVehicle", "60000")},  // 12 months x 5,000 (s.44AE, A.Y. 2014-15)
       {"Us44aeHeavy", "TotalHeavyVehcl", "TotalPersumptiveInc"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EReturnInput in = testsupport::sampleEReturnInput(c.sample);
    if (c.change) c.change(in);
    const std::string bytes = write(in);
    for (const std::string& text : c.present) EXPECT_NE(bytes.find(text), std::string::npos) << text;
    for (const std::string& text : c.absent) EXPECT_EQ(bytes.find(text), std::string::npos) << text;
    const auto check = suite::efile::validateAgainst(*suite::efile::rootSchemaFor(in.year, in.formCode), bytes);
    if (!c.refusedByTheYearsSchema.empty()) {
      ASSERT_EQ(check.issueCount, 1);
      EXPECT_EQ(check.issues.front().element, c.refusedByTheYearsSchema);
      continue;
    }
    EXPECT_EQ(check.verdict, suite::efile::Verdict::valid)
        << (check.issues.empty() ? check.reason : suite::efile::describe(check.issues.front()));
  }
}

TEST(ScheduleAL, WrittenFromAY2016_17WhenGivenExceptInAFirmsITR4S) {
  struct Case {
    int year;
    std::string form, status;
    bool given, written;
  };
  const std::vector<Case> cases = {
      {2016, "ITR-1", "INDIVIDUAL", true, true},   {2016, "ITR-4S", "INDIVIDUAL", true, true},
      {2016, "ITR-4S", "HUF", true, true},         {2016, "ITR-4S", "FIRM", true, false},
      {2016, "ITR-1", "INDIVIDUAL", false, false}, {2015, "ITR-1", "INDIVIDUAL", true, false},
      {2017, "ITR-4S", "INDIVIDUAL", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form + " " + c.status + " " + std::to_string(c.year) + (c.given ? " given" : ""));
    EReturnInput in;
    in.year = c.year;
    in.formCode = c.form;
    in.client.status = c.status;
    in.facts.assetsAndLiabilitiesGiven = c.given;
    EXPECT_EQ(writesScheduleAL(in), c.written);
  }
}

TEST_F(Itr1WriterTest, AHinduUndividedFamilyIsNoPerson) {
  EReturnInput in = testsupport::sampleEReturnInput({.year = 2016, .form = "ITR-4S"});
  in.client.person = false;
  in.client.status = "HUF";
  in.client.organisationName = "KIRAN RAO (HUF)";
  const std::string bytes = write(in);
  EXPECT_NE(bytes.find(element("Gender", "X")), std::string::npos);
  EXPECT_NE(bytes.find(element("Status", "H")), std::string::npos);
  EXPECT_NE(bytes.find(element("AadhaarCardFlg", "X")), std::string::npos);
  EXPECT_NE(bytes.find(element("SurNameOrOrgName", "KIRAN RAO (HUF)")), std::string::npos);
  EXPECT_EQ(bytes.find("FirstName"), std::string::npos);
}

// The client register keeps a person linked to a firm or a business as its
// PARTNER or PROPRIETOR: still an individual filing in his own name.
TEST_F(Itr1WriterTest, APartnerOrProprietorFilesAsTheIndividualHeIs) {
  for (const char* status : {"PARTNER", "PROPRIETOR", " partner "}) {
    SCOPED_TRACE(status);
    EReturnInput in = testsupport::sampleEReturnInput({.year = 2016, .form = "ITR-1"});
    in.client.status = status;
    const std::string bytes = write(in);
    EXPECT_NE(bytes.find(element("Status", "I")), std::string::npos);
    EXPECT_NE(bytes.find("FirstName"), std::string::npos);
  }
}

TEST_F(Itr1WriterTest, VehicleRowsThatDoNotAddUpAreToldAndTheFileIsStillFinished) {
  EReturnInput in = testsupport::sampleEReturnInput({.year = 2016, .form = "ITR-4S"});
  const fs::path file = fs::path(dir_) / "r.xml";
  EXPECT_TRUE(writeItr1OrItr4s(in, file).empty());
  in.vehicles.push_back({.months = 3, .profitPerMonth = rupees(9000), .heavy = false});
  EXPECT_EQ(writeItr1OrItr4s(in, file), std::vector<std::string>{std::string(kVehicleDetailsMismatch)});
  const std::string bytes = testsupport::writeEReturn(file, in);
  EXPECT_NE(bytes.find(element("DeemedInc", "27000")), std::string::npos);
  EXPECT_NE(bytes.find("</ITRETURN:ITR>"), std::string::npos);
}

// s.44AE(2) deems each goods carriage to earn a sum for every month it is
// held, or what it is claimed to have earned if more. Until A.Y. 2014-15
// Rs. 5,000 for a heavy goods vehicle and Rs. 4,500 for any other (Finance
// (No. 2) Act, 2009); from A.Y. 2015-16 Rs. 7,500 for every goods carriage
// alike (s.16 of the Finance (No. 2) Act, 2014). IncomePerVehicle is that
// monthly sum, DeemedInc the months times it; the figures below are the
// Acts', not read from the program's tables.
TEST_F(Itr1WriterTest, GoodsCarriagesAreDeemedTheActsSumPerMonthOfTheirYear) {
  struct Case {
    int year;
    std::vector<std::string> present;
  };
  const std::vector<Case> cases = {
      // A.Y. 2014-15 has no row per vehicle, only the sums by class.
      {2014, {element("PersumptiveIncHeavyVehicle", "87000"), element("PersumptiveIncOtherVehicle", "22500")}},
      {2015,
       {"<ITRForm:HoldingPeriod>12</ITRForm:HoldingPeriod>\n      <ITRForm:IncomePerVehicle>7500</ITRForm:IncomePerVehicle>"
        "\n      <ITRForm:DeemedInc>90000</ITRForm:DeemedInc>",
        "<ITRForm:HoldingPeriod>5</ITRForm:HoldingPeriod>\n      <ITRForm:IncomePerVehicle>7500</ITRForm:IncomePerVehicle>"
        "\n      <ITRForm:DeemedInc>37500</ITRForm:DeemedInc>",
        "<ITRForm:HoldingPeriod>3</ITRForm:HoldingPeriod>\n      <ITRForm:IncomePerVehicle>9000</ITRForm:IncomePerVehicle>"
        "\n      <ITRForm:DeemedInc>27000</ITRForm:DeemedInc>",
        element("PersumptiveIncHeavyVehicle", "117000"), element("PersumptiveIncOtherVehicle", "37500"),
        element("TotalHeavyVehcl", "154500")}},
      {2016,
       {"<ITRForm:IncomePerVehicle>7500</ITRForm:IncomePerVehicle>\n      <ITRForm:DeemedInc>37500</ITRForm:DeemedInc>"
        "\n      <ITRForm:VehicleType>L</ITRForm:VehicleType>",
        element("PersumptiveIncHeavyVehicle", "117000"), element("TotalHeavyVehcl", "154500")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    EReturnInput in = testsupport::sampleEReturnInput({.year = c.year, .form = "ITR-4S"});
    in.vehicles = {{.months = 12, .profitPerMonth = Money(), .heavy = true},
                   {.months = 5, .profitPerMonth = rupees(100), .heavy = false},
                   {.months = 3, .profitPerMonth = rupees(9000), .heavy = true}};
    const std::string bytes = write(in);
    for (const std::string& p : c.present) EXPECT_NE(bytes.find(p), std::string::npos) << p;
  }
}

TEST_F(Itr1WriterTest, OtherFormsAndYearsAreRefusedBeforeTheFileIsTouched) {
  const fs::path file = fs::path(dir_) / "untouched.xml";
  EReturnInput in = testsupport::sampleEReturnInput();
  in.formCode = "ITR-2";
  EXPECT_THROW(writeItr1OrItr4s(in, file), std::invalid_argument);
  in = testsupport::sampleEReturnInput();
  in.year = 2012;
  EXPECT_THROW(writeItr1OrItr4s(in, file), std::invalid_argument);
  EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace meridian::itr::efile

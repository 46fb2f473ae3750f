// The layout of an e-return as the writer puts it on disk: the digest covers
// these bytes, so every blank and line end matters.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/xml_values.h"
#include "itr/efile/return_xml_writer.h"
#include "itr/efile/root_layout.h"
#include "suite/atomic_file.h"
#include "support/db_fixture.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

class ReturnXmlWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testsupport::scratchDir("xml-writer"); }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path file() const { return fs::path(dir_) / "return.xml"; }
  std::string dir_;
};

TEST_F(ReturnXmlWriterTest, OneElementPerLineIndentedTwoBlanksPerLevel) {
  {
    ReturnXmlWriter w(file());
    w.openRoot(2016, "ITR-1");
    w.open("CreationInfo");
    w.text("IntermediaryCity", "  NAVI   MUMBAI ");
    w.code("Digest", "-");
    w.close();
    w.open("PersonalInfo");
    w.open("AssesseeName");
    w.text("SurNameOrOrgName", "SHAH & SONS <HUF> \"A\"");
    w.close();
    w.date("DOB", "05/04/1970");
    w.flag("AadhaarCardFlg", false);
    w.close();
    w.amount("ITR1FORM:TaxExmpIntInc", Money::paise(123450));
    w.finish();
  }
  EXPECT_EQ(suite::readWholeFile(file()),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
            "<ITRETURN:ITR xmlns:ITRETURN=\"http://incometaxindiaefiling.gov.in/main\" "
            "xmlns:ITR1FORM=\"http://incometaxindiaefiling.gov.in/ITR1\" "
            "xmlns:ITRForm=\"http://incometaxindiaefiling.gov.in/master\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
            "  <ITR1FORM:ITR1>\n"
            "    <ITRForm:CreationInfo>\n"
            "      <ITRForm:IntermediaryCity>NAVI MUMBAI</ITRForm:IntermediaryCity>\n"
            "      <ITRForm:Digest>-</ITRForm:Digest>\n"
            "    </ITRForm:CreationInfo>\n"
            "    <ITRForm:PersonalInfo>\n"
            "      <ITRForm:AssesseeName>\n"
            "        <ITRForm:SurNameOrOrgName>SHAH &amp; SONS &lt;HUF&gt; &quot;A&quot;</ITRForm:SurNameOrOrgName>\n"
            "      </ITRForm:AssesseeName>\n"
            "      <ITRForm:DOB>1970-04-05</ITRForm:DOB>\n"
            "      <ITRForm:AadhaarCardFlg>N</ITRForm:AadhaarCardFlg>\n"
            "    </ITRForm:PersonalInfo>\n"
            "    <ITR1FORM:TaxExmpIntInc>1234</ITR1FORM:TaxExmpIntInc>\n"
            "  </ITR1FORM:ITR1>\n"
            "</ITRETURN:ITR>\n");
}

TEST_F(ReturnXmlWriterTest, ConditionalElementsAreLeftOutWhenThereIsNothingToSay) {
  {
    ReturnXmlWriter w(file());
    w.open("Address");
    w.textIfAny("ResidenceName", " \t ");
    w.codeIfAny("MobileNoSec", "");
    w.amountIfNotZero("TCS", Money::paise(50));   // half a rupee rounds to even: nothing
    w.amountIfNotZero("TDS", Money::paise(-51));  // a rupee owed back keeps its sign
    w.textIfAny("RoadOrStreet", " M G ROAD");
    w.codeIfAny("MobileNo", "9876543210");
    w.finish();
  }
  EXPECT_EQ(suite::readWholeFile(file()),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
            "<ITRForm:Address>\n"
            "  <ITRForm:TDS>-1</ITRForm:TDS>\n"
            "  <ITRForm:RoadOrStreet>M G ROAD</ITRForm:RoadOrStreet>\n"
            "  <ITRForm:MobileNo>9876543210</ITRForm:MobileNo>\n"
            "</ITRForm:Address>\n");
}

TEST(RootLayout, NamespacesFollowTheYearAndForm) {
  auto joined = [](int year, const char* form) {
    std::string s;
    for (const auto& a : rootAttributes(year, form)) s += a.name + "=" + a.value + " ";
    return s;
  };
  const std::string base = "http://incometaxindiaefiling.gov.in/";
  const std::string xsi = "xmlns:xsi=http://www.w3.org/2001/XMLSchema-instance ";
  EXPECT_EQ(joined(2013, "ITR-4S"),
            "xsi:schemaLocation=" + base + "main ITRMain13.xsd xmlns:ITR1FORM=" + base + "ITR1 xmlns:ITR2FORM=" + base +
                "ITR2 xmlns:ITR3FORM=" + base + "ITR3 xmlns:ITR4FORM=" + base + "ITR4 xmlns:ITR4SFORM=" + base +
                "ITR4S xmlns:ITRETURN=" + base + "main xmlns:ITRForm=" + base + "master " + xsi);
  EXPECT_EQ(joined(2014, "ITR-4S"), "xmlns:ITRETURN=" + base + "main xmlns:ITR4SFORM=" + base + "ITR4S xmlns:ITRForm=" +
                                        base + "master " + xsi);
  EXPECT_EQ(joined(2016, "ITR-5"), "xmlns:ITRETURN=" + base + "main xmlns:ITR5FORM=" + base + "ITR5 xmlns:ITRForm=" +
                                       base + "Corpmaster " + xsi);
  EXPECT_EQ(formElementName("ITR-2A"), "ITR2AFORM:ITR2A");
  EXPECT_THROW(rootAttributes(2012, "ITR-1"), std::invalid_argument);
  EXPECT_THROW(formElementName("Form 16"), std::invalid_argument);
}

TEST(ReturnValues, TextIsCleanedAndDatesTakeTheSchemaForm) {
  struct TextCase {
    std::string in, out;
  };
  for (const TextCase& c : std::vector<TextCase>{{"  RAM   LAL  ", "RAM LAL"},
                                                 {"FLAT 4\r\nB WING\tPUNE", "FLAT 4 B WING PUNE"},
                                                 {"A\x01\x1F" "B", "AB"},
                                                 {"M\xC3\xBCLLER", "M\xC3\xBCLLER"},
                                                 {"BAD \xFF BYTE", "BAD ? BYTE"},
                                                 {"HALF \xC3", "HALF ?"},
                                                 {"\xED\xA0\x80", "???"},
                                                 {"A \xEF\xBF\xBF B", "A B"},
                                                 {"", ""}}) {
    EXPECT_EQ(host::XmlTextOut(c.in), c.out) << c.in;
  }
  struct DateCase {
    std::string in, out;
  };
  for (const DateCase& c : std::vector<DateCase>{{"05/04/2016", "2016-04-05"},
                                                 {"29/02/2016", "2016-02-29"},
                                                 {"29/02/2015", ""},
                                                 {"5/4/2016", ""},
                                                 {"2016-04-05", ""},
                                                 {"__/__/____", ""},
                                                 {"", ""}}) {
    EXPECT_EQ(host::XmlDateOut(c.in), c.out) << c.in;
  }
}

TEST_F(ReturnXmlWriterTest, FailuresAreToldWithTheFileAndReason) {
  EXPECT_THROW(
      {
        try {
          ReturnXmlWriter w(fs::path(dir_) / "no-such-folder" / "r.xml");
        } catch (const std::runtime_error& e) {
          EXPECT_NE(std::string(e.what()).find("no-such-folder/r.xml"), std::string::npos);
          throw;
        }
      },
      std::runtime_error);

  ReturnXmlWriter w(file());
  EXPECT_THROW(w.close(), std::logic_error);

  // A full disk shows when the buffered text reaches it.
  ReturnXmlWriter full("/dev/full");
  full.open("Refund");
  full.amount("RefundDue", Money::rupees(1));
  try {
    full.finish();
    FAIL() << "a full disk went unnoticed";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos) << e.what();
  }
}

TEST_F(ReturnXmlWriterTest, AnUnfinishedFileKeepsWhatWasWritten) {
  {
    ReturnXmlWriter w(file());
    w.openRoot(2015, "ITR-1");
    w.open("CreationInfo");
    w.code("SWVersionNo", "2.17.2.1");
  }  // dropped, as when a writer's error ends the document
  const std::string bytes = suite::readWholeFile(file());
  EXPECT_NE(bytes.find("<ITRForm:SWVersionNo>2.17.2.1</ITRForm:SWVersionNo>"), std::string::npos);
  EXPECT_EQ(bytes.find("</ITRETURN:ITR>"), std::string::npos);
}

}  // namespace
}  // namespace meridian::itr::efile

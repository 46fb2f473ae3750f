#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "filing/intimation_reader.h"
#include "support/sample_intimation.h"
#include "support/session_fixture.h"
#include "support/client_seed.h"

namespace meridian::filing {
namespace {

namespace fs = std::filesystem;
using testsupport::intimationLines;
using testsupport::writeSamplePdf;

TEST(IntimationFileName, HoldsTheMaskedPan) {
  struct Case {
    const char* name;
    const char* masked;
  } cases[] = {
      {"AAAXXXXX4K_2016-17.pdf", "AAA_____4K"},  {"intimation_aaaxxxxx4k.PDF", "AAA_____4K"},
      {"AAXXXXX4K.pdf", ""},                     {"AAAXXXXXAK.pdf", ""},
      {"A1AXXXXX4K.pdf", ""},                    {"intimation.pdf", ""},
      {"AAAXXXXX4", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(maskedPanInFileName(c.name), c.masked) << c.name;
}

TEST(IntimationHtml, TextOfTheConvertersPage) {
  const std::string html =
      "<html><head><style>.x{}</style></head><body bgcolor=\"#A0A0A0\"><a name=1></a>PAN:&#160;AAAFS1234K<br/>"
      "Name: SHAH &amp; SONS<br/>\n<hr/></body></html>";
  EXPECT_EQ(textOfHtml(html), "PAN: AAAFS1234K\nName: SHAH & SONS\n\n\n");
}

class IntimationReader : public testsupport::SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
    s_ = signIn(makeUser("clerk", true));
    host().clientCtx().vT_Code_No = "F1";
    host().clientCtx().vT_Year = 2016;
    host().returnCtx().Vt_ASS_YEAR = "2016-17";
    dir_ = testsupport::scratchDir("intimation");
  }
  void TearDown() override {
    s_ = {};
    fs::remove_all(dir_);
    SessionTest::TearDown();
  }
  host::Component& host() { return s_.session->component(); }
  std::pair<bool, std::vector<std::string>> read(const fs::path& pdf, RectificationDetails& out) {
    ui::ScriptedDialogs d;
    const bool ok = fillFromIntimation(host(), d, pdf, out);
    return {ok, d.texts()};
  }
  Signed s_;
  std::string dir_;
};

TEST_P(IntimationReader, FillsTheRectificationFromAPlainOrLockedIntimation) {
  // F1's PAN is AAAFS1234K, formed on 01/04/2001: the portal locks its file with aaafs1234k01042001.
  for (const std::string password : {"", "aaafs1234k01042001"}) {
    SCOPED_TRACE(password.empty() ? "plain" : "locked");
    const fs::path pdf = fs::path(dir_) / "AAAXXXXX4K_2016-17.pdf";
    writeSamplePdf(pdf, intimationLines("AAAFS1234K", "2016-17"), password);
    RectificationDetails out;
    auto [ok, texts] = read(pdf, out);
    ASSERT_TRUE(ok) << (texts.empty() ? "" : texts.front());
    EXPECT_EQ(out.cpcOrderDate, "14/11/2016");
    EXPECT_EQ(out.referenceNo, "CPC/1617/G3/1617012345");
    EXPECT_TRUE(fs::is_empty(host().base().vTmpPath.get())) << "the converter's folder is removed";
  }
}

TEST_P(IntimationReader, RefusalsSayWhatIsWrong) {
  auto lines = [](std::initializer_list<std::pair<const char*, const char*>> replace) {
    auto l = intimationLines("AAAFS1234K", "2016-17");
    for (auto [from, to] : replace)
      for (auto& line : l)
        if (line.rfind(from, 0) == 0) line = to;
    return l;
  };
  struct Case {
    const char* name;
    std::string file;
    std::vector<std::string> content;  // empty: garbage bytes
    std::string password;
    std::string refusal;
  };
  const Case cases[] = {
      {"no masked PAN in the name", "intimation.pdf", lines({}), "", "Invalid File [intimation.pdf]."},
      {"another client's file", "BBBXXXXX4K.pdf", lines({}), "",
       "PAN in Selected PDF File is : BBBXXXXX4K, which is not matching with Client's PAN : AAAXXXXX4K"},
      {"not an intimation", "AAAXXXXX4K.pdf", lines({{"INTIMATION", "NOTICE U/S 142(1)"}}), "", "Not a Valid File !"},
      {"no PAN", "AAAXXXXX4K.pdf", lines({{"PAN:", "Name only"}}), "", "PAN is missing."},
      {"another PAN", "AAAXXXXX4K.pdf", lines({{"PAN:", "PAN: AAAFS9994K"}}), "", "PAN [AAAFS9994K] mismatch."},
      {"no year", "AAAXXXXX4K.pdf", lines({{"A.Y.", "Year unknown"}}), "", "Assessment Year is missing."},
      {"another year", "AAAXXXXX4K.pdf", lines({{"A.Y.", "A.Y. 2015-16"}}), "", "Assessment Year [2015-16] mismatch."},
      {"no reference", "AAAXXXXX4K.pdf", lines({{"Communication", "Reference unknown"}}), "",
       "Communication Reference No. is missing."},
      {"no date of order", "AAAXXXXX4K.pdf", lines({{"Date of Order", "Order undated"}}), "", "Date of Order is missing."},
      {"not a PDF", "AAAXXXXX4K.pdf", {}, "", "Could not read from the PDF File."},
      {"locked with another password", "AAAXXXXX4K.pdf", lines({}), "aaafs1234k31122000",
       "Could not read from the PDF File."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path pdf = fs::path(dir_) / c.file;
    if (c.content.empty())
      std::ofstream(pdf) << "%PDF-1.4 this is not a PDF";
    else
      writeSamplePdf(pdf, c.content, c.password);
    RectificationDetails out;
    auto [ok, texts] = read(pdf, out);
    EXPECT_FALSE(ok);
    EXPECT_EQ(texts, std::vector<std::string>{c.refusal});
    EXPECT_TRUE(out.cpcOrderDate.empty());
    fs::remove(pdf);
  }
  RectificationDetails out;
  EXPECT_EQ(read(fs::path(dir_) / "AAAXXXXX4K.pdf", out).second,
            std::vector<std::string>{"File [" + dir_ + "/AAAXXXXX4K.pdf] not found."});
  // A locked file of a client whose date is not known cannot be opened.
  conn().execute("UPDATE main_info1 SET doi = '' WHERE code_no = 'F1'");
  const fs::path locked = fs::path(dir_) / "AAAXXXXX4K.pdf";
  writeSamplePdf(locked, intimationLines("AAAFS1234K", "2016-17"), "aaafs1234k01042001");
  EXPECT_EQ(read(locked, out).second, std::vector<std::string>{"Correct Password could not be retrieved."});
}

TEST_P(IntimationReader, ReadsEveryFieldOfTheFirstPage) {
  std::string error;
  const std::string text =
      "RECTIFICATION ORDER UNDER SEC.154 OF INCOME TAX ACT, 1961\nCommunication Reference No : CPC/1617/R4/1700000009\n"
      "PAN : AAAFS1234K\nA.Y. 2016-17\nITR Type: ITR-4S\nE-Filing Acknowledgement No: 987654321098765\n"
      "Date of Filing Rectification Request : 02-03-2017\nDate of Order : 20-03-2017\nDate of Filing : 25-07-2016\n";
  auto n = parseIntimation(text, "AAAFS1234K", "2016-17", host().base(), error);
  ASSERT_TRUE(n) << error;
  EXPECT_EQ(n->kind, 'R');
  EXPECT_EQ(n->communicationRef, "CPC/1617/R4/1700000009");
  EXPECT_EQ(n->itrType, "ITR-4S");
  EXPECT_EQ(n->ackNo, "987654321098765");
  EXPECT_EQ(n->rectificationRequestDate, "02/03/2017");
  EXPECT_EQ(n->dateOfOrder, "20/03/2017");
  EXPECT_EQ(n->filingDate, "25/07/2016") << "not the date of the rectification request";
  EXPECT_EQ(n->cpcRef, "CPC/1617/R4/1700000009");
}

MERIDIAN_ON_BOTH_ENGINES(IntimationReader);

}  // namespace
}  // namespace meridian::filing

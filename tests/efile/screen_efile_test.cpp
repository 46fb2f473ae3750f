// The return screen's e-file path past its checks, and the online filing
// screen it leads to: the same return as `meridian efile`, filed under the
// client's folder; every stop told and nothing filed; the filing made on
// the portal recorded in the register, or refused with nothing written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/client_particulars.h"
#include "itr/efile/screen_efile.h"
#include "itr/efile/upload_screen.h"
#include "itr/filing_particulars.h"
#include "suite/efile/efile_credentials.h"
#include "suite/heads/demo_heads.h"
#include "suite/returns/register_entry.h"
#include "support/session_fixture.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;
constexpr int kYear = 2016;
constexpr const char* kClient = "C0801";

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

size_t filesUnder(const fs::path& dir) {
  if (!fs::exists(dir)) return 0;
  return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

class ScreenEfileTest : public testsupport::SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped()) return;
    suite::heads::seedDemoHeads(conn());
    suite::User clerk = makeUser("clerk");
    signed_ = signIn(clerk);
    auto& ctx = comp().clientCtx();
    ctx.vT_Code_No = kClient;
    ctx.vt_RTCode_No = kClient;
    ctx.vT_Year = kYear;
    ctx.vT_RTType = "O-1";
    returns::insertEntry(conn(), {.codeNo = kClient, .asYear = kYear, .srNo = 1});
  }
  host::Component& comp() { return signed_.session->component(); }
  ui::ScriptedDialogs& dialogs() { return *signed_.dialogs; }
  fs::path filed() { return fs::path(comp().base().DocPath.get()) / "ITeRetXMLs" / kClient / std::to_string(kYear); }

  ScreenReturn screenReturn() {
    FilingParticulars f = loadFilingParticulars(conn(), kClient, std::to_string(kYear));
    f.dataSet = kClient;
    f.year = kYear;
    f.sectionCode = "11";
    f.refundMode = RefundMode::bankDeposit;
    f.bankAccounts = {{.serial = 1, .bankName = "KAVERI CO-OPERATIVE BANK", .ifsc = "KCBL0000523", .accountNo = "50100023456712",
                       .accountType = "SAVING", .isDefault = true}};
    f.verification = {"RAMESH KUMAR IYER", "KRISHNAN IYER", "AGHPI4521K", "BENGALURU", makeDate(31, 7, kYear)};
    const auto client = host::ClientParticulars::load(comp().base(), kClient, kYear);
    return {kClient, client->pan, kClient, kYear, "ITR-1", 1, f};
  }
  void giveCredentials() {
    suite::efile::EfileCredentials(conn()).save(kYear, {"SW12345678", "A1b2C3d4E5f6G7h", "0003"});
  }

  testsupport::SessionTest::Signed signed_;
};

TEST_P(ScreenEfileTest, TheReturnIsWrittenDigestedAndFiledUnderTheClientsFolder) {
  giveCredentials();
  const auto copy = eFileFromReturnScreen(comp(), dialogs(), screenReturn());
  ASSERT_TRUE(copy) << ::testing::PrintToString(dialogs().texts());
  EXPECT_EQ(copy->parent_path(), filed());
  const std::string xml = contents(*copy);
  EXPECT_NE(xml.find("<ITRForm:SWCreatedBy>SW12345678</ITRForm:SWCreatedBy>"), std::string::npos);
  EXPECT_EQ(xml.find("<ITRForm:Digest>-</ITRForm:Digest>"), std::string::npos) << "the placeholder is left";
  EXPECT_NE(xml.find("<ITRForm:ReturnFileSec>11</ITRForm:ReturnFileSec>"), std::string::npos);
  // The same return written again under the same name asks first; No files nothing.
  dialogs().clear();
  dialogs().answer(ui::Answer::no);
  EXPECT_FALSE(eFileFromReturnScreen(comp(), dialogs(), screenReturn()));
  ASSERT_FALSE(dialogs().shown().empty());
  EXPECT_TRUE(dialogs().texts().front().starts_with("File [")) << dialogs().texts().front();
  EXPECT_NE(dialogs().texts().front().find("- Click 'No', To Cancel E-Filing."), std::string::npos);
  EXPECT_EQ(filesUnder(filed()), 1u);
}

TEST_P(ScreenEfileTest, EveryStopIsToldAndFilesNothing) {
  struct Case {
    const char* what;
    bool credentials;
    std::function<void(ScreenReturn&)> change;
    const char* told;  // the start of what the user is told
  };
  const Case cases[] = {
      {"no credentials for the year", false, [](ScreenReturn&) {}, "The e-return could not be written, nothing was filed: the digest"},
      {"a client code that names no client", true, [](ScreenReturn& r) { r.dataSet = r.client = "NOSUCH"; },
       "The e-return could not be prepared: "},
      {"a PAN that can not be a file name", true, [](ScreenReturn& r) { r.pan = "AB CD"; },
       "Not a Valid File Name. File name should not contain any special Characters"},
      {"no section chosen", true, [](ScreenReturn& r) { r.particulars.sectionCode.clear(); },
       "The e-return could not be prepared: Please specify section"},
      {"a register entry that does not exist", true, [](ScreenReturn& r) { r.srNo = 7; },
       "The e-return could not be prepared: the register of C0801"},
      // What a Yes to "Do you want to Continue without Bank Details ?" leaves.
      {"no bank account", true, [](ScreenReturn& r) { r.particulars.bankAccounts.clear(); },
       "The e-return of A.Y. 2016-17 cannot be written without bank details"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.credentials) giveCredentials();
    ScreenReturn r = screenReturn();
    c.change(r);
    dialogs().clear();
    EXPECT_FALSE(eFileFromReturnScreen(comp(), dialogs(), r));
    ASSERT_FALSE(dialogs().texts().empty());
    EXPECT_TRUE(dialogs().texts().back().starts_with(c.told)) << dialogs().texts().back();
    EXPECT_EQ(filesUnder(filed()), 0u);
  }
}

TEST(UploadScreenRules, AFilingMadeOnThePortalIsRecordedOnlyWhenWhole) {
  const CivilDate today = *makeDate(6, 12, 2016);
  struct Case {
    PortalFiling filing;
    int year;
    const char* refusal;  // "" when recorded
    const char* control;
  };
  const Case cases[] = {
      {{"123456789012345", "28/07/2016", false, "30/07/2016"}, 2016, "", ""},
      {{"123456789012345", "28/07/2016", true, ""}, 2016, "", ""},
      {{"123456789012345", "01/04/2016", false, ""}, 2016, "", ""},
      {{"", "28/07/2016", false, ""}, 2016, "Specify Acknowledgement No.", "txtackno"},
      {{"12345678901234", "28/07/2016", false, ""}, 2016, "The Acknowledgement No. given by the portal is of 15 digits.", "txtackno"},
      {{"12345678901234X", "28/07/2016", false, ""}, 2016, "The Acknowledgement No. given by the portal is of 15 digits.", "txtackno"},
      {{"123456789012345", "", false, ""}, 2016, "Specify Date of Return Filing.", "txtfiledon"},
      {{"123456789012345", "31/03/2016", false, ""}, 2016, "Return Filing Date should be on or after 01/04/2016", "txtfiledon"},
      {{"123456789012345", "07/12/2016", false, ""}, 2016, "Date of Return Filing can not be after today.", "txtfiledon"},
      {{"123456789012345", "28/07/2016", false, "27/07/2016"}, 2016,
       "'e-Verified On' should be greater than or equal to Date of Return Filing.", "txteverified"},
      {{"123456789012345", "28/07/2016", false, "07/12/2016"}, 2016, "'e-Verified On' can not be after today.", "txteverified"},
      // Before A.Y. 2015-16 a return was not e-verified: the date is not read.
      {{"123456789012345", "28/07/2014", false, "27/07/2014"}, 2014, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filing.ackNo + " " + c.filing.filedOn + " " + c.filing.everifiedOn);
    const auto refusal = portalFilingRefusal(c.filing, c.year, today);
    EXPECT_EQ(refusal ? refusal->message : "", c.refusal);
    EXPECT_EQ(refusal ? refusal->control : "", c.control);
  }
}

TEST(UploadScreenRules, TheRegisterEntryInUseIsReadFromTheContext) {
  for (auto [rtType, srNo] : std::initializer_list<std::pair<const char*, int>>{
           {"O-1", 1}, {"R-2", 2}, {"Z-12", 12}, {"", 1}, {"R-", 1}, {"R-x", 1}})
    EXPECT_EQ(entryNumberOf(rtType), srNo) << rtType;
}

class UploadScreenTest : public ScreenEfileTest {
 protected:
  void record(UploadScreen& s, const std::string& ack, const std::string& filedOn, const std::string& verified,
              bool dsc = false) {
    s["txtackno"].text = ack;
    s["txtfiledon"].text = filedOn;
    s["chkdsc"].value = dsc ? 1 : 0;
    s["txteverified"].text = verified;
    ui::Event click{"cmdrecord", ui::EventType::click};
    s.dispatch(click);
  }
  std::vector<std::string> registerRows() {
    std::vector<std::string> rows;
    for (const char* t : {"nrevordr", "pending", "itrvdet"})
      for (auto& r : database().dump(t)) rows.push_back(r);
    return rows;
  }
  std::string column(const char* name) {
    return conn().scalar(std::string("SELECT ") + name + " FROM nrevordr WHERE code_no = ? AND asyear = ? AND srno = 1",
                         {kClient, kYear}, "(no row)");
  }
};

TEST_P(UploadScreenTest, TheScreenSaysThereIsNoPortalAndRecordsTheFilingMadeThere) {
  auto shown = std::make_shared<UploadScreen>(comp());
  comp().showMaximised(shown);
  UploadScreen& screen = *shown;
  screen.offer("/tmp/AGHPI4521K_ITR1_2016.xml", 1);
  EXPECT_EQ(screen["lblnoconnection"].caption, kNoPortalConnection);
  EXPECT_EQ(screen["lblfile"].caption, "e-Return file: /tmp/AGHPI4521K_ITR1_2016.xml");

  const auto before = registerRows();
  record(screen, "12345", "28/07/2016", "30/07/2016");
  EXPECT_EQ(dialogs().texts().back(), "The Acknowledgement No. given by the portal is of 15 digits.");
  EXPECT_EQ(registerRows(), before) << "a refused filing wrote something";
  record(screen, "123456789012345", "28/07/2016", "2/13/2016");
  EXPECT_EQ(registerRows(), before) << "a filing with a date that is none wrote something";

  dialogs().clear();
  record(screen, "123456789012345", "28/07/2016", "30/07/2016");
  EXPECT_EQ(dialogs().texts().back(),
            "The filing of 28/07/2016 (Acknowledgement No. 123456789012345) is recorded in the register.");
  EXPECT_EQ(column("ackdt"), "28/07/2016");
  EXPECT_EQ(column("ackno"), "123456789012345");
  EXPECT_EQ(column("uptyp"), "6");  // without a signature, e-verified
  EXPECT_EQ(column("postdt"), "30/07/2016");
  EXPECT_TRUE(conn().exists("SELECT 1 FROM pending WHERE code_no = ? AND retdate = '28/07/2016'", {kClient}));
  EXPECT_TRUE(conn().exists("SELECT 1 FROM itrvdet WHERE code_no = ? AND ass_year = ? AND typ = '6'", {kClient, kYear}));

  // Filed again with a signature: the e-verification date typed is not taken.
  record(screen, "223456789012345", "29/07/2016", "30/07/2016", true);
  EXPECT_EQ(column("uptyp"), "4");
  EXPECT_EQ(column("postdt"), "");
  EXPECT_EQ(column("ackno"), "223456789012345");
}

TEST_P(UploadScreenTest, AYesWithoutTheUploadRightOpensNothing) {
  dialogs().answer(ui::Answer::yes);
  offerUpload(comp(), dialogs(), "/tmp/AGHPI4521K_ITR1_2016.xml", 1);
  const auto texts = dialogs().texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], uploadQuestion("/tmp/AGHPI4521K_ITR1_2016.xml"));
  EXPECT_EQ(texts[0], "e-File Saved to File \"/tmp/AGHPI4521K_ITR1_2016.xml\".\r\n\r\nDo you want to upload the file now?");
  EXPECT_NE(texts[1].find("right 199"), std::string::npos) << texts[1];
}

}  // namespace

MERIDIAN_ON_BOTH_ENGINES(ScreenEfileTest);
MERIDIAN_ON_BOTH_ENGINES(UploadScreenTest);

}  // namespace meridian::itr::efile

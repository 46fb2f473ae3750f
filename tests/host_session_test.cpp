#include <gtest/gtest.h>

#include "common/rights.h"
#include "host/component.h"
#include "suite/suite_factory.h"
#include "support/recording_report_writer.h"
#include "support/session_fixture.h"

namespace meridian {
namespace {

using testsupport::SessionTest;

// Passes every creation on to the suite's factory, noting the order, and
// fails on request at one ProgID.
class RecordingFactory : public host::HostFactory {
 public:
  RecordingFactory(host::HostFactory& inner, std::string failAt) : inner_(inner), failAt_(std::move(failAt)) {}
  std::vector<std::string> created;

  std::unique_ptr<host::Base> createBase(host::ContextJournal& j) override {
    note("KesBase.ClsMain");
    return inner_.createBase(j);
  }
  std::unique_ptr<host::ClientContext> createClientContext(host::ContextJournal& j) override {
    note("PrjClientCtx.Forms");
    return inner_.createClientContext(j);
  }
  std::unique_ptr<host::ResultContext> createResultContext() override {
    note("PrjResultCtx.Forms");
    return inner_.createResultContext();
  }
  std::unique_ptr<host::ReturnContext> createReturnContext(host::ContextJournal& j) override {
    note("PrjReturnCtx.Forms");
    return inner_.createReturnContext(j);
  }
  std::unique_ptr<host::UtilitiesComponent> createUtilities() override {
    note("PrjUtilities.Forms");
    return inner_.createUtilities();
  }
  std::unique_ptr<host::SiblingComponent> createSibling(const std::string& id) override {
    note(id);
    return inner_.createSibling(id);
  }
  std::unique_ptr<host::ReportWriter> createReportWriter() override {
    note("PrjVeltoReporter.ClsMain");
    return inner_.createReportWriter();
  }

 private:
  void note(const std::string& id) {
    if (id == failAt_) throw std::runtime_error("cannot create " + id);
    created.push_back(id);
  }
  host::HostFactory& inner_;
  std::string failAt_;
};

class HostStartup : public SessionTest {};

TEST_P(HostStartup, CreatesHostObjectsOnceInTheFixedOrder) {
  const std::vector<std::string> expected = {
      "KesBase.ClsMain",     "PrjAccounts.Forms",   "PrjOtherHeads.Forms",    "PrjClientCtx.Forms",
      "PrjResultCtx.Forms",  "PrjReturnCtx.Forms",  "PrjBusiness.Forms",      "PrjSalary.Forms",
      "PrjDeductions.Forms", "PrjUtilities.Forms",  "PrjAssetSchedule.Forms", "PrjReturnsOld.Forms",
      "PrjReturnsNew.Forms", "PrjVeltoReporter.ClsMain"};
  auto admin = makeUser("boss", true);
  ui::ScriptedDialogs dialogs;
  ui::Desktop desktop(dialogs);
  suite::SuiteFactory suiteFactory(conn(), app().data(), admin, desktop, [] { return std::make_unique<testsupport::RecordingReportWriter>([](suite::FinishedReport) {}); }, nullptr);

  RecordingFactory ok(suiteFactory, "");
  host::Component component(ok, desktop);
  EXPECT_EQ(ok.created, expected);

  for (const std::string& failing : {std::string("PrjSalary.Forms"), std::string("KesBase.ClsMain"),
                                     std::string("PrjVeltoReporter.ClsMain")}) {
    RecordingFactory broken(suiteFactory, failing);
    try {
      host::Component c(broken, desktop);
      ADD_FAILURE() << "start-up went on past " << failing;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "cannot create " + failing);
    }
    auto stop = std::find(expected.begin(), expected.end(), failing);
    EXPECT_EQ(broken.created, std::vector<std::string>(expected.begin(), stop)) << failing;
  }
}

TEST_P(HostStartup, FormsHandsOutOneDashboardAndOneEstimator) {
  auto s = signIn(makeUser("clerk"));
  host::Forms& forms = s.session->forms();
  auto income = forms.ObjIncome();
  ASSERT_NE(income, nullptr);
  EXPECT_EQ(forms.ObjIncome(), income);
  EXPECT_EQ(forms.ObjRevCalc(), forms.ObjRevCalc());
  EXPECT_NE(forms.ObjRevCalc(), nullptr);
}

TEST_P(HostStartup, BulkMessagesWriteTheYearContext) {
  auto s = signIn(makeUser("clerk"));
  auto& comp = s.session->component();
  for (auto [year, text] : {std::pair{2009, "2009-10"}, {1999, "1999-00"}, {2016, "2016-17"}}) {
    s.session->forms().BulkSMS_EML("SMS", year);
    EXPECT_EQ(comp.clientCtx().vT_Year.get(), year);
    EXPECT_EQ(comp.returnCtx().Vt_ASS_YEAR.get(), text);
  }
}

class HostServices : public SessionTest {};

TEST_P(HostServices, CheckPassAnswersFromTheUsersRights) {
  auto clerk = makeUser("clerk");
  auto s = signIn(clerk);
  auto& base = s.session->component().base();
  EXPECT_TRUE(base.CheckPass(rights::useIncomeTax, true));
  EXPECT_FALSE(base.CheckPass(rights::unlockReturn, true));
  EXPECT_TRUE(s.dialogs->shown().empty()) << "a quiet check says nothing";
  EXPECT_FALSE(base.CheckPass(rights::administer, false));
  EXPECT_EQ(s.dialogs->shown().size(), 1u);

  app().users().grant("clerk", rights::unlockReturn);
  auto again = signIn(*app().users().find("clerk"));
  EXPECT_TRUE(again.session->component().base().CheckPass(rights::unlockReturn, true));
  app().users().revoke("clerk", rights::unlockReturn);
  auto third = signIn(*app().users().find("clerk"));
  EXPECT_FALSE(third.session->component().base().CheckPass(rights::unlockReturn, true));

  auto boss = signIn(makeUser("boss", true));
  for (int right : rights::all) EXPECT_TRUE(boss.session->component().base().CheckPass(right, true)) << right;
}

TEST_P(HostServices, CheckClpassAsksForTheClientPasswordOnce) {
  app().users().setClientPassword("C001", "secret-1");
  auto s = signIn(makeUser("clerk"));
  auto& base = s.session->component().base();

  EXPECT_TRUE(base.CheckClpass("C002")) << "a client without a password opens freely";
  EXPECT_TRUE(s.dialogs->prompts().empty());

  s.dialogs->type(std::string("wrong"));
  EXPECT_FALSE(base.CheckClpass("C001"));
  ASSERT_EQ(s.dialogs->shown().size(), 1u);
  s.dialogs->type(std::nullopt);  // Cancel
  EXPECT_FALSE(base.CheckClpass("C001"));
  s.dialogs->type(std::string("secret-1"));
  EXPECT_TRUE(base.CheckClpass("C001"));
  const size_t asked = s.dialogs->prompts().size();
  EXPECT_TRUE(base.CheckClpass("C001"));
  EXPECT_EQ(s.dialogs->prompts().size(), asked) << "the password is asked once per session";

  auto other = signIn(makeUser("other"));
  EXPECT_FALSE(other.session->component().base().CheckClpass("C001")) << "another user's session must ask again";
}

TEST_P(HostServices, SettingsAndClientValuesAreKeptPerUserAndClient) {
  auto a = signIn(makeUser("anita"));
  auto b = signIn(makeUser("bharat"));
  auto& baseA = a.session->component().base();
  auto& baseB = b.session->component().base();
  baseA.SaveSettingINI("Settings", "ClList", "4|0|5|1");
  baseA.SaveSettingINI("Settings", "ClList", "4|1|5|0");
  EXPECT_EQ(baseA.GetSettingINI("Settings", "ClList", "default"), "4|1|5|0");
  EXPECT_EQ(baseB.GetSettingINI("Settings", "ClList", "default"), "default");

  baseA.SetMiscOthInf("C1", 2016, "PVTDESCTRUST", "1");
  EXPECT_EQ(baseB.GetMiscOthInf("C1", 2016, "PVTDESCTRUST"), "1") << "client values belong to the practice";
  EXPECT_EQ(baseB.GetMiscOthInf("C1", 2015, "PVTDESCTRUST"), "");
  baseA.SetClOthVars("C1", "AADHAAR", "123412341234");
  baseA.SetClOthVars("C1", "AADHAAR", "999912341234");
  EXPECT_EQ(baseB.GetClOthVars("C1", "AADHAAR"), "999912341234");
  const std::string quoted = "O'Brien \\ \"x\"";
  baseA.SetClOthVars("C1", "PASSPORT", quoted);
  EXPECT_EQ(baseA.GetClOthVars("C1", "PASSPORT"), quoted);
}

TEST_P(HostServices, TwoUsersNeverShareAWorkingContext) {
  auto a = signIn(makeUser("anita"));
  auto b = signIn(makeUser("bharat"));
  auto& ca = a.session->component();
  auto& cb = b.session->component();
  ca.clientCtx().vT_Code_No = "C001";
  ca.clientCtx().vT_Year = 2016;
  ca.base().STATUSR = "FIRM";
  cb.clientCtx().vT_Code_No = "C999";
  EXPECT_EQ(ca.clientCtx().vT_Code_No.get(), "C001");
  EXPECT_EQ(cb.clientCtx().vT_Code_No.get(), "C999");
  EXPECT_EQ(cb.clientCtx().vT_Year.get(), 0);
  EXPECT_EQ(cb.base().STATUSR.get(), "");
}

TEST_P(HostServices, TruncVarSQLKeepsQuotedTextInsideItsQuotes) {
  auto s = signIn(makeUser("clerk"));
  auto& base = s.session->component().base();
  const std::string nasty = "A'B\\'; DROP TABLE users; --";
  std::string sql = "SELECT '" + base.TruncVarSQL(nasty) + "'";
  EXPECT_EQ(conn().scalar(sql), nasty);
  EXPECT_TRUE(conn().hasTable("users"));
  EXPECT_EQ(base.TruncVarSQL(std::string(300, 'x')).size(), 255u);
}

MERIDIAN_ON_BOTH_ENGINES(HostStartup);
MERIDIAN_ON_BOTH_ENGINES(HostServices);

}  // namespace
}  // namespace meridian

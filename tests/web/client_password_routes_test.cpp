// A password-protected client's figures, over HTTP: the year's summary and
// "Show All Year Details" ask for the password (once per session), and a
// report's preview and PDF open only while the session holds the client's
// present password.
#include <gtest/gtest.h>

#include "common/rights.h"
#include "support/http_fixture.h"

namespace meridian {
namespace {

using nlohmann::json;
using testsupport::Browser;

class ClientPasswordRoutes : public testsupport::HttpTest {
 protected:
  void SetUp() override {
    HttpTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    for (const auto& [code, name] : {std::pair{"C1", "GUARDED TRADERS"}, std::pair{"C2", "OPEN TRADERS"}}) {
      conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES (?, ?, 'FIRM')", {code, name});
      conn().execute("INSERT INTO adv_n (code_no, assyear, a1) VALUES (?, '2016', 500000)", {code});
      conn().execute("INSERT INTO adv_n (code_no, assyear, a1) VALUES (?, '2015', 400000)", {code});
    }
    app().users().setClientPassword("C1", "guarded-secret");
    userWith("clerk", {rights::useIncomeTax});
    clerk_ = signIn("clerk", "password-of-clerk");
    ASSERT_EQ(postJson("/open", {{"what", "income"}, {"mode", 4}}, clerk_)->status, 200);
  }

  json click(const std::string& control, json values = json::object()) {
    return body(postJson("/ev", {{"form", "income"}, {"type", "click"}, {"control", control}, {"values", values}}, clerk_));
  }
  json answer(const json& dialog, const std::string& answer, const std::string& typed = "") {
    json b = {{"id", dialog["id"]}, {"answer", answer}};
    if (!typed.empty()) b["text"] = typed;
    return body(postJson("/dialog", b, clerk_));
  }
  // Answers every information box with OK until the handler ends.
  json settle(json reply) {
    while (reply["state"] == "dialog" && !reply["dialog"]["prompt"].get<bool>()) reply = answer(reply["dialog"], "ok");
    return reply;
  }
  std::string summaryRows() { return body(get("/grid?grid=vsfsummary&first=0&count=100", clerk_))["html"]; }

  Browser clerk_;
};

TEST_P(ClientPasswordRoutes, TheYearsSummaryShowsAProtectedClientOnlyOnceItsPasswordIsGiven) {
  const json year = {{"cbosummrepAY", "2016-17"}};
  json reply = click("cmdshow", year);
  ASSERT_EQ(reply["state"], "dialog");
  EXPECT_TRUE(reply["dialog"]["prompt"].get<bool>());
  EXPECT_EQ(reply["dialog"]["text"], "Password of client C1");
  reply = settle(answer(reply["dialog"], "cancel"));
  ASSERT_EQ(reply["state"], "done");
  EXPECT_EQ(summaryRows().find(">C1<"), std::string::npos);
  EXPECT_NE(summaryRows().find(">C2<"), std::string::npos);

  reply = click("cmdshow", year);
  ASSERT_EQ(reply["state"], "dialog");
  reply = settle(answer(reply["dialog"], "ok", "guarded-secret"));
  ASSERT_EQ(reply["state"], "done");
  EXPECT_NE(summaryRows().find(">C1<"), std::string::npos);
  // Once per session: the next summary does not ask again.
  EXPECT_EQ(settle(click("cmdshow", year))["state"], "done");
}

TEST_P(ClientPasswordRoutes, AllYearDetailsOfAProtectedClientAskForItsPassword) {
  // The client is on the list because its password was given once ...
  json reply = click("cmdshow", {{"cbosummrepAY", "2016-17"}});
  reply = settle(answer(reply["dialog"], "ok", "guarded-secret"));
  ASSERT_EQ(reply["state"], "done");
  // ... then changed by an administrator: the session must give it again.
  app().users().setClientPassword("C1", "a-new-secret");
  ASSERT_EQ(body(postJson("/ev", {{"form", "income"}, {"type", "rowcolchange"}, {"control", "vsfsummary"}, {"row", 0}},
                          clerk_))["state"],
            "done");
  reply = click("Command1");
  ASSERT_EQ(reply["state"], "dialog");
  EXPECT_EQ(reply["dialog"]["text"], "Password of client C1");
  reply = settle(answer(reply["dialog"], "ok", "guarded-secret"));  // the old one
  ASSERT_EQ(reply["state"], "done");
  // Refused: the grid still shows the year's list, not C1's years.
  EXPECT_EQ(summaryRows().find("2015-16"), std::string::npos);
  reply = click("Command1");
  reply = settle(answer(reply["dialog"], "ok", "a-new-secret"));
  EXPECT_NE(summaryRows().find("2015-16"), std::string::npos);
}

TEST_P(ClientPasswordRoutes, APreviewAndItsPdfCloseWhenTheClientsPasswordChanges) {
  json reply = click("cmdshow", {{"cbosummrepAY", "2016-17"}});
  settle(answer(reply["dialog"], "ok", "guarded-secret"));
  reply = settle(click("cmdprev"));
  ASSERT_EQ(reply["state"], "done");
  ASSERT_EQ(reply["previews"].size(), 1u);
  const std::string id = reply["previews"][0];
  EXPECT_EQ(get("/report/" + id, clerk_)->status, 200);
  EXPECT_EQ(get("/report/" + id + ".pdf", clerk_)->status, 200);

  app().users().setClientPassword("C1", "a-new-secret");
  for (const std::string path : {"/report/" + id, "/report/" + id + ".pdf"}) {
    auto r = get(path, clerk_);
    EXPECT_EQ(r->status, 403) << path;
    EXPECT_NE(body(r)["message"].get<std::string>().find("client C1"), std::string::npos) << r->body;
  }
  // A report of unprotected clients only stays open.
  app().users().clearClientPassword("C1");
  EXPECT_EQ(get("/report/" + id, clerk_)->status, 200);
}

MERIDIAN_ON_BOTH_ENGINES(ClientPasswordRoutes);

}  // namespace
}  // namespace meridian

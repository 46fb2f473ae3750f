// The web application's doors, spoken to over HTTP: who may pass which
// route, and what a refusal looks like.
#include <gtest/gtest.h>

#include "common/rights.h"
#include "support/http_fixture.h"

namespace meridian {
namespace {

using nlohmann::json;
using testsupport::Browser;
using testsupport::HttpTest;

class HttpGuards : public HttpTest {};

struct Route {
  const char* method;
  const char* path;
  json body;
};

// Every route that changes something, with a body it would accept.
const std::vector<Route>& changingRoutes() {
  static const std::vector<Route> routes = {
      {"POST", "/open", {{"what", "income"}, {"mode", 1}}},
      {"POST", "/ev", {{"form", "income"}, {"type", "click"}, {"control", "cmdBack"}}},
      {"POST", "/dialog", {{"id", 1}, {"answer", "ok"}}},
      {"POST", "/signout", json::object()},
      {"POST", "/admin/add", {{"username", "intruder"}}},
      {"POST", "/admin/client-password", {{"code", "C1"}, {"password", "x"}}},
  };
  return routes;
}

TEST_P(HttpGuards, SignInSetsACookieTheScriptCannotReadAndOtherSitesDoNotSend) {
  userWith("clerk", {rights::useIncomeTax});
  auto r = client().Post("/signin", httplib::Params{{"username", "clerk"}, {"password", "password-of-clerk"}});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 303);
  const std::string cookie = r->get_header_value("Set-Cookie");
  EXPECT_NE(cookie.find("HttpOnly"), std::string::npos) << cookie;
  EXPECT_NE(cookie.find("SameSite=Strict"), std::string::npos) << cookie;
  EXPECT_NE(cookie.find("Path=/"), std::string::npos) << cookie;
  // 32 random bytes as hex: not guessable, not a counter.
  EXPECT_EQ(cookie.find(';'), std::string("meridian_session=").size() + 64) << cookie;
}

TEST_P(HttpGuards, WithoutASessionEveryRouteAsksToSignIn) {
  for (const auto& route : changingRoutes()) {
    auto r = postJson(route.path, route.body, Browser{});
    ASSERT_TRUE(r) << route.path;
    EXPECT_EQ(r->status, 401) << route.path;
    EXPECT_EQ(body(r)["state"], "signedout") << route.path;
  }
  for (const char* path : {"/grid?grid=ClGrd", "/admin/users", "/report/1.pdf"}) {
    auto r = get(path, Browser{});
    EXPECT_EQ(r->status, 401) << path;
    EXPECT_FALSE(body(r)["message"].get<std::string>().empty()) << path;
  }
  // Pages send the browser to the sign-in page instead.
  for (const char* path : {"/", "/report/1", "/admin", "/password"}) {
    auto r = get(path, Browser{});
    EXPECT_EQ(r->status, 303) << path;
    EXPECT_EQ(r->get_header_value("Location"), "/signin") << path;
  }
}

TEST_P(HttpGuards, AChangeWithoutTheSessionsTokenIsRefusedAndDoesNothing) {
  userWith("boss", {rights::useIncomeTax, rights::administer});
  const Browser boss = signIn("boss", "password-of-boss");
  for (const auto& route : changingRoutes()) {
    for (const std::string token : {"", "0123456789abcdef"}) {
      Browser forged = boss;
      forged.csrf = token;
      auto r = postJson(route.path, route.body, forged, !token.empty());
      ASSERT_TRUE(r) << route.path;
      EXPECT_EQ(r->status, 403) << route.path << " token '" << token << "'";
      EXPECT_EQ(body(r)["state"], "forbidden") << route.path;
    }
  }
  EXPECT_FALSE(app().users().find("intruder"));
  EXPECT_FALSE(app().users().clientHasPassword("C1"));
  // The session survived the forged sign-out.
  EXPECT_EQ(get("/admin/users", boss)->status, 200);
}

TEST_P(HttpGuards, RightsAreCheckedOnEveryRoute) {
  userWith("visitor", {});
  userWith("clerk", {rights::useIncomeTax});
  userWith("keeper", {rights::administer});
  const Browser visitor = signIn("visitor", "password-of-visitor");
  const Browser clerk = signIn("clerk", "password-of-clerk");
  const Browser keeper = signIn("keeper", "password-of-keeper");
  struct Case {
    const char* who;
    const Browser& browser;
    Route route;
    int status;
    const char* messagePart;  // "" when allowed
  } cases[] = {
      {"visitor", visitor, {"POST", "/open", {{"what", "income"}, {"mode", 1}}}, 403, "right 100"},
      {"visitor", visitor, {"POST", "/ev", {{"form", "income"}, {"type", "click"}, {"control", "cmdBack"}}}, 403, "right 100"},
      {"visitor", visitor, {"POST", "/dialog", {{"id", 1}, {"answer", "ok"}}}, 403, "right 100"},
      {"visitor", visitor, {"GET", "/grid?grid=ClGrd", nullptr}, 403, "right 100"},
      {"visitor", visitor, {"GET", "/report/1", nullptr}, 403, "right 100"},
      {"visitor", visitor, {"GET", "/admin/users", nullptr}, 403, "right 199"},
      {"clerk", clerk, {"POST", "/open", {{"what", "income"}, {"mode", 1}}}, 200, ""},
      {"clerk", clerk, {"GET", "/admin", nullptr}, 403, "right 199"},
      {"clerk", clerk, {"GET", "/admin/users", nullptr}, 403, "right 199"},
      {"clerk", clerk, {"POST", "/admin/add", {{"username", "ghost"}}}, 403, "right 199"},
      {"clerk", clerk, {"POST", "/admin/grant", {{"username", "clerk"}, {"right", rights::administer}}}, 403, "right 199"},
      {"keeper", keeper, {"POST", "/open", {{"what", "income"}, {"mode", 1}}}, 403, "right 100"},
      {"keeper", keeper, {"GET", "/admin/users", nullptr}, 200, ""},
      {"keeper", keeper, {"POST", "/admin/add", {{"username", "newcomer"}}}, 200, ""},
  };
  for (const auto& c : cases) {
    auto r = std::string(c.route.method) == "GET" ? get(c.route.path, c.browser) : postJson(c.route.path, c.route.body, c.browser);
    ASSERT_TRUE(r) << c.who << " " << c.route.path;
    EXPECT_EQ(r->status, c.status) << c.who << " " << c.route.path << ": " << r->body;
    if (*c.messagePart) EXPECT_NE(body(r)["message"].get<std::string>().find(c.messagePart), std::string::npos) << r->body;
  }
  EXPECT_FALSE(app().users().find("ghost"));
  EXPECT_FALSE(app().users().find("clerk")->holds(rights::administer));
  EXPECT_TRUE(app().users().find("newcomer"));
  // The module's page itself says why it shows no screens.
  auto page = get("/", visitor);
  EXPECT_EQ(page->status, 200);
  EXPECT_NE(page->body.find("right 100"), std::string::npos);
}

TEST_P(HttpGuards, AOneTimePasswordMustBeReplacedBeforeAnyScreenOpens) {
  auto users = app().users();
  users.add("novice", "password-of-novice");
  const std::string oneTime = users.resetPassword("novice");
  const Browser novice = signIn("novice", oneTime);
  EXPECT_EQ(get("/", novice)->get_header_value("Location"), "/password");
  auto r = postJson("/open", {{"what", "income"}, {"mode", 1}}, novice);
  EXPECT_EQ(r->status, 403);
  EXPECT_EQ(body(r)["message"], "Choose your own password first.");
}

TEST_P(HttpGuards, ChangingOnesPasswordNeedsThePresentOneAndEndsTheOtherSessions) {
  userWith("clerk", {rights::useIncomeTax});
  const Browser here = signIn("clerk", "password-of-clerk");
  const Browser elsewhere = signIn("clerk", "password-of-clerk");
  auto change = [&](const std::string& present, const std::string& fresh) {
    return client().Post("/password", here.headers(false),
                         "csrf=" + here.csrf + "&current=" + present + "&password=" + fresh + "&again=" + fresh,
                         "application/x-www-form-urlencoded");
  };
  auto wrong = change("not-the-password", "brand-new-secret");
  EXPECT_EQ(wrong->get_header_value("Location"), "/password?wrong=1");
  EXPECT_TRUE(app().users().authenticate("clerk", "password-of-clerk"));
  EXPECT_EQ(get("/grid?grid=none", elsewhere)->status, 404);  // still signed in

  auto right = change("password-of-clerk", "brand-new-secret");
  EXPECT_EQ(right->get_header_value("Location"), "/");
  EXPECT_TRUE(app().users().authenticate("clerk", "brand-new-secret"));
  EXPECT_EQ(get("/grid?grid=none", here)->status, 404);
  EXPECT_EQ(get("/grid?grid=none", elsewhere)->status, 401);
}

TEST_P(HttpGuards, DisablingAUserOrChangingTheirRightsEndsTheirSessions) {
  userWith("boss", {rights::useIncomeTax, rights::administer});
  userWith("clerk", {rights::useIncomeTax});
  const Browser boss = signIn("boss", "password-of-boss");
  struct Case {
    const char* step;
    json body;
  } cases[] = {
      {"revoke", {{"username", "clerk"}, {"right", rights::unlockReturn}}},
      {"grant", {{"username", "clerk"}, {"right", rights::unlockReturn}}},
      {"reset", {{"username", "clerk"}}},
      {"disable", {{"username", "clerk"}}},
  };
  for (const auto& c : cases) {
    app().users().setDisabled("clerk", false);
    app().users().setPassword("clerk", "password-of-clerk");
    const Browser clerk = signIn("clerk", "password-of-clerk");
    ASSERT_EQ(get("/grid?grid=none", clerk)->status, 404) << c.step;
    auto r = postJson(std::string("/admin/") + c.step, c.body, boss);
    ASSERT_EQ(r->status, 200) << c.step << ": " << r->body;
    EXPECT_EQ(get("/grid?grid=none", clerk)->status, 401) << c.step;
  }
  // A change made outside this server (the command line) ends them as well.
  app().users().setDisabled("clerk", false);
  app().users().setPassword("clerk", "password-of-clerk");
  const Browser clerk = signIn("clerk", "password-of-clerk");
  app().users().grant("clerk", rights::unlockReturn);
  EXPECT_EQ(get("/grid?grid=none", clerk)->status, 401);
  // A disabled user cannot sign in again, and is told no more than a stranger.
  app().users().setDisabled("clerk", true);
  auto again = client().Post("/signin", httplib::Params{{"username", "clerk"}, {"password", "password-of-clerk"}});
  EXPECT_EQ(again->get_header_value("Location"), "/signin?failed=1");
}

TEST_P(HttpGuards, TheLastUserWhoManagesUsersCannotBeDisabledOrLoseTheRight) {
  userWith("boss", {rights::useIncomeTax, rights::administer});
  const Browser boss = signIn("boss", "password-of-boss");
  for (const auto& [step, extra] : std::vector<std::pair<std::string, json>>{{"disable", {}}, {"revoke", {{"right", 199}}}}) {
    json b = extra.is_object() ? extra : json::object();
    b["username"] = "boss";
    auto r = postJson("/admin/" + step, b, boss);
    EXPECT_EQ(r->status, 400) << step;
    EXPECT_EQ(body(r)["message"], "At least one active user must keep right 199 to manage users.") << step;
  }
  EXPECT_TRUE(app().users().find("boss")->holds(rights::administer));
  EXPECT_FALSE(app().users().find("boss")->disabled);
}

MERIDIAN_ON_BOTH_ENGINES(HttpGuards);

}  // namespace
}  // namespace meridian

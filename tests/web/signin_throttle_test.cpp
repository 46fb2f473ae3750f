// Failed sign-ins: the growing wait, the lock, and that unknown names are
// treated exactly like known ones.
#include <gtest/gtest.h>

#include "common/rights.h"
#include "suite/signin_throttle.h"
#include "support/db_fixture.h"
#include "support/http_fixture.h"
#include "support/log_capture.h"
#include "web/log_text.h"

namespace meridian {
namespace {

using Kind = suite::SignInVerdict::Kind;
using Clock = suite::SignInThrottle::Clock;
using std::chrono::seconds;

class SignInThrottle : public testsupport::DbTest {};

TEST_P(SignInThrottle, EachFailureBeyondTheFreeOnesDoublesTheWaitThenLocks) {
  suite::SignInThrottle throttle(conn());
  const Clock::time_point t0 = Clock::now();
  // failures so far -> the verdict right after the last one (policy: 3 free,
  // waits of 1, 2, 4 ... seconds, a lock of 15 minutes at the tenth).
  struct Step {
    int failures;
    Kind kind;
    long long wait;
  } steps[] = {{1, Kind::allowed, 0}, {2, Kind::allowed, 0}, {3, Kind::wait, 1},  {4, Kind::wait, 2},
               {5, Kind::wait, 4},    {6, Kind::wait, 8},     {7, Kind::wait, 16}, {8, Kind::wait, 32},
               {9, Kind::wait, 60},   {10, Kind::locked, 900}};
  Clock::time_point now = t0;
  int failed = 0;
  for (const auto& step : steps) {
    while (failed < step.failures) {
      // Each attempt comes when the last wait is over.
      now += seconds(100);
      ASSERT_EQ(throttle.check("clerk", "10.0.0.5", now).kind, Kind::allowed) << "attempt " << failed + 1;
      throttle.failed("clerk", "10.0.0.5", now);
      ++failed;
    }
    const auto v = throttle.check("clerk", "10.0.0.5", now);
    EXPECT_EQ(v.kind, step.kind) << step.failures << " failures";
    EXPECT_EQ(v.retryAfter.count(), step.wait) << step.failures << " failures";
  }
  // The name stays locked from any address until the lock runs out or is lifted.
  EXPECT_EQ(throttle.check("CLERK", "10.9.9.9", now + seconds(899)).kind, Kind::locked);
  EXPECT_EQ(throttle.lockedNames(now), std::vector<std::string>{"clerk"});
  EXPECT_EQ(throttle.check("clerk", "10.9.9.9", now + seconds(901)).kind, Kind::allowed);
  throttle.lift("clerk");
  EXPECT_EQ(throttle.check("clerk", "10.0.0.8", now).kind, Kind::allowed);
  // The address that failed ten times still waits: lifting a name is not lifting it.
  EXPECT_EQ(throttle.check("clerk", "10.0.0.5", now).kind, Kind::wait);
  EXPECT_TRUE(throttle.lockedNames(now).empty());
}

TEST_P(SignInThrottle, OneAddressTryingManyNamesIsLockedAsWell) {
  suite::SignInThrottle throttle(conn());
  Clock::time_point now = Clock::now();
  for (int i = 0; i < 50; ++i) {
    now += seconds(100);
    throttle.failed("name" + std::to_string(i), "10.0.0.66", now);
  }
  EXPECT_EQ(throttle.check("someone-new", "10.0.0.66", now).kind, Kind::locked);
  EXPECT_EQ(throttle.check("someone-new", "10.0.0.67", now).kind, Kind::allowed);
}

TEST_P(SignInThrottle, ARightPasswordClearsTheNamesCount) {
  suite::SignInThrottle throttle(conn());
  Clock::time_point now = Clock::now();
  for (int i = 0; i < 3; ++i) throttle.failed("clerk", "10.0.0.5", now);
  EXPECT_EQ(throttle.check("clerk", "10.0.0.5", now).kind, Kind::wait);
  throttle.succeeded("clerk");
  EXPECT_EQ(throttle.check("clerk", "10.0.0.99", now).kind, Kind::allowed);
}

MERIDIAN_ON_BOTH_ENGINES(SignInThrottle);

class SignInOverHttp : public testsupport::HttpTest {
 protected:
  std::string attempt(const std::string& name, const std::string& password) {
    auto r = client().Post("/signin", httplib::Params{{"username", name}, {"password", password}});
    return r ? r->get_header_value("Location") : "no answer";
  }
};

TEST_P(SignInOverHttp, AnUnknownNameIsAnsweredExactlyLikeAWrongPassword) {
  userWith("clerk", {rights::useIncomeTax});
  // The first failures are never throttled, whatever the machine's speed.
  std::vector<std::string> known, unknown;
  for (int i = 0; i < 3; ++i) {
    known.push_back(attempt("clerk", "wrong-password"));
    unknown.push_back(attempt("nobody-here", "wrong-password"));
  }
  EXPECT_EQ(known, unknown);
  EXPECT_EQ(known.front(), "/signin?failed=1");
  // Once throttled, both names are held back alike, even with the right password
  // (failures recorded directly: a timed wait over HTTP would depend on the machine's speed).
  suite::SignInThrottle throttle(conn());
  Clock::time_point now = Clock::now();
  for (int i = 0; i < 10; ++i)
    for (const char* name : {"clerk", "nobody-here"}) throttle.failed(name, "10.1.1.1", now);
  for (const auto& [name, password] : {std::pair{"clerk", "password-of-clerk"}, {"nobody-here", "wrong-password"}})
    EXPECT_EQ(attempt(name, password).rfind("/signin?locked=", 0), 0u) << name;
  // The page says why in plain words.
  auto page = client().Get("/signin?wait=1");
  EXPECT_NE(page->body.find("Too many failed sign-ins: wait 1 seconds and try again."), std::string::npos);
}

TEST_P(SignInOverHttp, ALockedNameSignsInOnceAnAdministratorLiftsTheLock) {
  userWith("clerk", {rights::useIncomeTax});
  userWith("boss", {rights::useIncomeTax, rights::administer});
  const auto boss = signIn("boss", "password-of-boss");
  suite::SignInThrottle throttle(conn());
  Clock::time_point past = Clock::now() - seconds(1000);
  for (int i = 0; i < 10; ++i) throttle.failed("clerk", "10.1.1.1", past += seconds(100));
  // Locked until some minutes from now, from this address as from any other.
  ASSERT_EQ(attempt("clerk", "password-of-clerk").rfind("/signin?locked=", 0), 0u);
  auto users = body(get("/admin/users", boss));
  bool shownLocked = false;
  for (const auto& u : users["users"])
    if (u["username"] == "clerk") shownLocked = u["locked"];
  EXPECT_TRUE(shownLocked);
  ASSERT_EQ(postJson("/admin/unlock", {{"username", "clerk"}}, boss)->status, 200);
  EXPECT_EQ(attempt("clerk", "password-of-clerk"), "/");
}

TEST_P(SignInOverHttp, TheLogNamesEverySignInWithTypedNamesEscaped) {
  testsupport::LogCapture log;
  userWith("clerk", {rights::useIncomeTax});
  attempt("clerk", "password-of-clerk");
  attempt("mallory\n[info] admin signed in", "guess");
  const std::string text = log.text();
  EXPECT_NE(text.find("\"clerk\" signed in from 127.0.0.1"), std::string::npos) << text;
  EXPECT_NE(text.find("failed sign-in for \"mallory\\n[info] admin signed in\" from 127.0.0.1"), std::string::npos) << text;
  // No line of the log begins with what the stranger typed.
  EXPECT_EQ(text.find("\n[info] admin signed in"), std::string::npos) << text;
}

MERIDIAN_ON_BOTH_ENGINES(SignInOverHttp);

TEST(LogText, OutsideTextStaysOnOneQuotedLine) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"clerk", "\"clerk\""},
      {"a\nb\rc\td", "\"a\\nb\\rc\\td\""},
      {"say \"hi\" \\ bye", "\"say \\\"hi\\\" \\\\ bye\""},
      {std::string("nul\0bell\x07", 9), "\"nul\\x00bell\\x07\""},
      {"रमेश", "\"रमेश\""},
      {std::string(70, 'x'), "\"" + std::string(64, 'x') + "...\""},
  };
  for (const auto& c : cases) EXPECT_EQ(web::loggable(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace meridian

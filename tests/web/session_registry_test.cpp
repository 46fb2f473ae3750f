// How long a browser session lives: it ends when idle too long, and when
// signed in too long ago however busy it is.
#include <gtest/gtest.h>

#include "support/session_fixture.h"
#include "web/session_registry.h"

namespace meridian {
namespace {

using std::chrono::hours;
using std::chrono::minutes;

class SessionLifetime : public testsupport::SessionTest {};

TEST_P(SessionLifetime, IdleAndAbsoluteLimitsBothEndASession) {
  web::SessionRegistry registry(app(), {.idle = minutes(30), .lifetime = hours(10), .accessCheck = hours(1)});
  auto user = makeUser("clerk");
  const auto start = std::chrono::steady_clock::now();
  struct Case {
    const char* what;
    std::chrono::minutes lastUse;  // after sign-in
    std::chrono::minutes now;      // after sign-in
    bool lives;
  } cases[] = {
      {"used a moment ago", minutes(0), minutes(1), true},
      {"idle just under the limit", minutes(0), minutes(29), true},
      {"idle beyond the limit", minutes(0), minutes(31), false},
      {"busy but signed in beyond the lifetime", minutes(9 * 60 + 59), minutes(10 * 60 + 1), false},
      {"busy within the lifetime", minutes(9 * 60 + 50), minutes(9 * 60 + 59), true},
  };
  for (const auto& c : cases) {
    auto s = registry.create(user);
    s->signedInAt = start;
    s->lastSeen = start + c.lastUse;
    registry.expire(start + c.now);
    EXPECT_EQ(registry.find(s->id) != nullptr, c.lives) << c.what;
    registry.end(s->id);
  }
}

MERIDIAN_ON_BOTH_ENGINES(SessionLifetime);

}  // namespace
}  // namespace meridian

#pragma once
// Failed sign-ins, counted per user name and per address. After a few free
// failures each further attempt must wait a growing delay; after more the
// name (or address) is locked for some minutes. An administrator can lift a
// lock. Unknown names are counted exactly like known ones, so the answers
// never tell which names exist. Kept in the database, so that every server
// of the office and the command line see the same counts.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"

namespace meridian::suite {

struct ThrottleRule {
  int freeFailures;
  int lockAfter;
};

struct ThrottlePolicy {
  ThrottleRule perUser{3, 10};
  ThrottleRule perAddress{10, 50};
  std::chrono::seconds firstDelay{1};
  std::chrono::seconds longestDelay{60};
  std::chrono::minutes lockFor{15};
};

struct SignInVerdict {
  enum class Kind { allowed, wait, locked } kind = Kind::allowed;
  std::chrono::seconds retryAfter{0};
  std::string message() const;  // the plain sentence for the sign-in page
};

class SignInThrottle {
 public:
  using Clock = std::chrono::system_clock;
  explicit SignInThrottle(db::Connection& conn, ThrottlePolicy policy = {}) : conn_(conn), policy_(policy) {}

  // May this name try from this address now?
  SignInVerdict check(const std::string& username, const std::string& address, Clock::time_point now = Clock::now());
  // Counts a failure; returns what it locked ("user", "address"), if anything.
  std::vector<std::string> failed(const std::string& username, const std::string& address,
                                  Clock::time_point now = Clock::now());
  // A right password clears the name's count (not the address's).
  void succeeded(const std::string& username);
  // Lifts the lock and the count of a user name.
  void lift(const std::string& username);
  // User names locked now.
  std::vector<std::string> lockedNames(Clock::time_point now = Clock::now());

 private:
  SignInVerdict verdictFor(const std::string& subject, const ThrottleRule& rule, long long now);
  bool countFailure(const std::string& subject, const ThrottleRule& rule, long long now);

  db::Connection& conn_;
  ThrottlePolicy policy_;
};

}  // namespace meridian::suite

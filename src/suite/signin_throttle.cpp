#include "suite/signin_throttle.h"

#include <algorithm>
#include <cctype>

namespace meridian::suite {
namespace {

long long seconds(SignInThrottle::Clock::time_point t) {
  return std::chrono::duration_cast<std::chrono::seconds>(t.time_since_epoch()).count();
}

// Names differ only in case for a person trying them.
std::string userSubject(const std::string& name) {
  std::string lower = name.substr(0, 150);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return "user:" + lower;
}

std::string addressSubject(const std::string& address) { return "addr:" + address.substr(0, 150); }

}  // namespace

std::string SignInVerdict::message() const {
  switch (kind) {
    case Kind::allowed: return "";
    case Kind::wait:
      return "Too many failed sign-ins: wait " + std::to_string(retryAfter.count()) + " seconds and try again.";
    case Kind::locked:
      return "Sign-in is locked for " + std::to_string((retryAfter.count() + 59) / 60) +
             " minutes after too many failed attempts. An administrator can lift the lock.";
  }
  return "";
}

SignInVerdict SignInThrottle::verdictFor(const std::string& subject, const ThrottleRule& rule, long long now) {
  auto rs = conn_.query("SELECT failures, last_failure, locked_until FROM signin_failures WHERE subject = ?", {subject});
  if (rs.empty()) return {};
  const auto& r = rs.front();
  const long long lockedUntil = r.integer("locked_until");
  if (lockedUntil > now) return {SignInVerdict::Kind::locked, std::chrono::seconds(lockedUntil - now)};
  const long long failures = r.integer("failures");
  if (failures < rule.freeFailures) return {};
  // 1, 2, 4 ... seconds after each failure beyond the free ones, at most the longest delay.
  const int doublings = static_cast<int>(std::min<long long>(failures - rule.freeFailures, 20));
  const long long delay = std::min<long long>(policy_.firstDelay.count() << doublings, policy_.longestDelay.count());
  const long long allowedAt = r.integer("last_failure") + delay;
  if (allowedAt > now) return {SignInVerdict::Kind::wait, std::chrono::seconds(allowedAt - now)};
  return {};
}

SignInVerdict SignInThrottle::check(const std::string& username, const std::string& address, Clock::time_point now) {
  const long long t = seconds(now);
  SignInVerdict byUser = verdictFor(userSubject(username), policy_.perUser, t);
  SignInVerdict byAddress = verdictFor(addressSubject(address), policy_.perAddress, t);
  // The stricter of the two answers.
  if (byUser.kind == SignInVerdict::Kind::locked) return byUser;
  if (byAddress.kind == SignInVerdict::Kind::locked) return byAddress;
  return byUser.retryAfter >= byAddress.retryAfter ? byUser : byAddress;
}

bool SignInThrottle::countFailure(const std::string& subject, const ThrottleRule& rule, long long now) {
  auto tx = conn_.begin();
  auto rs = conn_.query("SELECT failures, locked_until FROM signin_failures WHERE subject = ?", {subject});
  long long failures = rs.empty() ? 0 : rs.front().integer("failures");
  if (!rs.empty() && rs.front().integer("locked_until") > now) {
    tx.commit();
    return false;
  }
  ++failures;
  const bool lock = failures >= rule.lockAfter;
  const long long lockedUntil = lock ? now + std::chrono::duration_cast<std::chrono::seconds>(policy_.lockFor).count() : 0;
  // After a lock the count starts again, with its free failures.
  if (lock) failures = 0;
  if (rs.empty())
    conn_.execute("INSERT INTO signin_failures (subject, failures, last_failure, locked_until) VALUES (?, ?, ?, ?)",
                  {subject, failures, now, lockedUntil});
  else
    conn_.execute("UPDATE signin_failures SET failures = ?, last_failure = ?, locked_until = ? WHERE subject = ?",
                  {failures, now, lockedUntil, subject});
  tx.commit();
  return lock;
}

std::vector<std::string> SignInThrottle::failed(const std::string& username, const std::string& address,
                                                Clock::time_point now) {
  const long long t = seconds(now);
  std::vector<std::string> locked;
  // Two failures of one name at the same moment both find no row: the
  // second insert is refused and counted again over the first one's row.
  auto count = [&](const std::string& subject, const ThrottleRule& rule) {
    try {
      return countFailure(subject, rule, t);
    } catch (const db::DbError& e) {
      if (e.kind() != db::DbFailure::conflict) throw;
      return countFailure(subject, rule, t);
    }
  };
  if (count(userSubject(username), policy_.perUser)) locked.push_back("user");
  if (count(addressSubject(address), policy_.perAddress)) locked.push_back("address");
  return locked;
}

void SignInThrottle::succeeded(const std::string& username) {
  conn_.execute("DELETE FROM signin_failures WHERE subject = ?", {userSubject(username)});
}

void SignInThrottle::lift(const std::string& username) {
  conn_.execute("DELETE FROM signin_failures WHERE subject = ?", {userSubject(username)});
}

std::vector<std::string> SignInThrottle::lockedNames(Clock::time_point now) {
  std::vector<std::string> out;
  for (const auto& r : conn_.query("SELECT subject FROM signin_failures WHERE locked_until > ? AND subject LIKE 'user:%'",
                                   {seconds(now)}))
    out.push_back(r.text(0).substr(5));
  return out;
}

}  // namespace meridian::suite

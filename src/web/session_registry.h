#pragma once
// Signed-in browser sessions: each has its own component (working context,
// open screens), its dialogs and a CSRF token. A session ends when it has
// been idle too long, when it has lived its whole lifetime, and when its
// user's access changes (disabled, new password, rights granted or revoked,
// from any server or the command line); its waiting questions are then
// answered No/Cancel.
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "suite/application.h"
#include "web/web_dialogs.h"

namespace meridian::web {

struct WebSession {
  // A handler still running uses the screens: stop it before they go.
  ~WebSession() { dialogs.shutdown(); }
  std::string id;
  std::string csrf;
  suite::User user;
  WebDialogs dialogs;
  std::unique_ptr<suite::UserSession> work;
  std::chrono::steady_clock::time_point signedInAt = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point lastSeen = signedInAt;
  std::chrono::steady_clock::time_point accessCheckedAt = signedInAt;
  std::mutex renderMutex;  // one request renders the screens at a time
};

struct SessionLimits {
  std::chrono::minutes idle = std::chrono::hours(2);
  std::chrono::minutes lifetime = std::chrono::hours(12);
  // How often a session's user is looked up again (a change made elsewhere
  // ends the session within this time).
  std::chrono::milliseconds accessCheck{1000};
};

class SessionRegistry {
 public:
  explicit SessionRegistry(suite::Application& app, SessionLimits limits = {}) : app_(app), limits_(limits) {}

  std::shared_ptr<WebSession> create(const suite::User& user);
  std::shared_ptr<WebSession> find(const std::string& id);
  void end(const std::string& id);
  // Ends every session of the user but `keep` (the one that made the change).
  void endUser(long long userId, const std::string& keep = "");
  void endAll();
  // Ends the sessions idle too long or signed in too long ago, as of `now`.
  void expire(std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now());
  size_t size();

 private:
  void close(std::vector<std::shared_ptr<WebSession>>& ended);

  suite::Application& app_;
  SessionLimits limits_;
  std::mutex mutex_;
  std::map<std::string, std::shared_ptr<WebSession>> sessions_;
};

}  // namespace meridian::web

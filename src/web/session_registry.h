#pragma once
// Signed-in browser sessions: each has its own component (working context,
// open screens), its dialogs and a CSRF token. An idle session ends; its
// waiting questions are answered No/Cancel.
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
  std::chrono::steady_clock::time_point lastSeen = std::chrono::steady_clock::now();
  std::mutex renderMutex;  // one request renders the screens at a time
};

class SessionRegistry {
 public:
  explicit SessionRegistry(suite::Application& app, std::chrono::minutes idleLimit = std::chrono::hours(8))
      : app_(app), idleLimit_(idleLimit) {}

  std::shared_ptr<WebSession> create(const suite::User& user);
  std::shared_ptr<WebSession> find(const std::string& id);
  void end(const std::string& id);
  void expireIdle();
  size_t size();

 private:
  suite::Application& app_;
  std::chrono::minutes idleLimit_;
  std::mutex mutex_;
  std::map<std::string, std::shared_ptr<WebSession>> sessions_;
};

}  // namespace meridian::web

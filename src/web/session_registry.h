#pragma once
// Signed-in browser sessions: each has a CSRF token and one or more tabs.
// Every browser tab of a session has its own screens, working context and
// dialogs, as two windows of the desktop program would: what one tab opens
// never replaces the screen another tab shows. A session ends when it has
// been idle too long, when it has lived its whole lifetime, and when its
// user's access changes (disabled, new password, rights granted or revoked,
// from any server or the command line); its waiting questions are then
// answered No/Cancel.
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "suite/application.h"
#include "web/screen_update.h"
#include "web/web_dialogs.h"

namespace meridian::web {

struct PageTab {
  // A handler still running uses the screens: stop it before they go.
  ~PageTab() { dialogs.shutdown(); }
  std::string id;
  WebDialogs dialogs;
  std::unique_ptr<suite::UserSession> work;
  std::mutex renderMutex;  // one request renders this tab's screens at a time
  PageView view;           // what the tab's page shows; guarded by renderMutex
  std::chrono::steady_clock::time_point lastSeen = std::chrono::steady_clock::now();
};

struct WebSession {
  std::string id;
  std::string csrf;
  suite::User user;
  std::chrono::steady_clock::time_point signedInAt = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point lastSeen = signedInAt;
  std::chrono::steady_clock::time_point accessCheckedAt = signedInAt;

  // The tab of that id, or nullptr when it was closed.
  std::shared_ptr<PageTab> tab(const std::string& tabId);
  // Every waiting question of every tab is answered No/Cancel.
  void close();

 private:
  friend class SessionRegistry;
  std::mutex tabsMutex_;
  std::map<std::string, std::shared_ptr<PageTab>> tabs_;
  int nextTab_ = 1;
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
  // A session keeps at most this many tabs; opening one more closes the one
  // used longest ago.
  static constexpr size_t kTabsPerSession = 8;

  explicit SessionRegistry(suite::Application& app, SessionLimits limits = {}) : app_(app), limits_(limits) {}

  std::shared_ptr<WebSession> create(const suite::User& user);
  std::shared_ptr<WebSession> find(const std::string& id);
  // The tab a page asks to go on with (a reloaded page), or a new one.
  std::shared_ptr<PageTab> openTab(WebSession& session, const std::string& resume);
  void end(const std::string& id);
  // Ends every session of the user but `keep` (the one that made the change).
  void endUser(long long userId, const std::string& keep = "");
  void endAll();
  // Ends the sessions idle too long or signed in too long ago, as of `now`.
  void expire(std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now());
  size_t size();

 private:
  // Ends the sessions taken out of the registry: their questions are answered No/Cancel.
  static void close(std::vector<std::shared_ptr<WebSession>>& ended);

  suite::Application& app_;
  SessionLimits limits_;
  std::mutex mutex_;
  std::map<std::string, std::shared_ptr<WebSession>> sessions_;
};

}  // namespace meridian::web

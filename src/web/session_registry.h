#pragma once
// Signed-in browser sessions: each has a CSRF token and one or more tabs.
// Every browser tab of a session has its own screens, working context and
// dialogs, as two windows of the desktop program would: what one tab opens
// never replaces the screen another tab shows. An idle session ends; its
// waiting questions are answered No/Cancel.
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>

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
  std::chrono::steady_clock::time_point lastSeen = std::chrono::steady_clock::now();

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

class SessionRegistry {
 public:
  // A session keeps at most this many tabs; opening one more closes the one
  // used longest ago.
  static constexpr size_t kTabsPerSession = 8;

  explicit SessionRegistry(suite::Application& app, std::chrono::minutes idleLimit = std::chrono::hours(8))
      : app_(app), idleLimit_(idleLimit) {}

  std::shared_ptr<WebSession> create(const suite::User& user);
  std::shared_ptr<WebSession> find(const std::string& id);
  // The tab a page asks to go on with (a reloaded page), or a new one.
  std::shared_ptr<PageTab> openTab(WebSession& session, const std::string& resume);
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

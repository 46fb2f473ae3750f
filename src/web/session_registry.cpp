#include "web/session_registry.h"

#include <spdlog/spdlog.h>

#include <algorithm>
#include <vector>

#include "suite/password_hash.h"
#include "web/log_text.h"

namespace meridian::web {

std::shared_ptr<PageTab> WebSession::tab(const std::string& tabId) {
  std::lock_guard lock(tabsMutex_);
  auto it = tabs_.find(tabId);
  if (it == tabs_.end()) return nullptr;
  it->second->lastSeen = std::chrono::steady_clock::now();
  return it->second;
}

void WebSession::close() {
  std::lock_guard lock(tabsMutex_);
  for (auto& [id, t] : tabs_) t->dialogs.close();
}

std::shared_ptr<WebSession> SessionRegistry::create(const suite::User& user) {
  auto s = std::make_shared<WebSession>();
  s->id = suite::randomToken();
  s->csrf = suite::randomToken();
  s->user = user;
  std::lock_guard lock(mutex_);
  sessions_[s->id] = s;
  return s;
}

std::shared_ptr<PageTab> SessionRegistry::openTab(WebSession& session, const std::string& resume) {
  if (!resume.empty())
    if (auto t = session.tab(resume)) return t;
  auto t = std::make_shared<PageTab>();
  t->work = app_.openSession(session.user, t->dialogs);
  std::shared_ptr<PageTab> closed;
  {
    std::lock_guard lock(session.tabsMutex_);
    t->id = "t" + std::to_string(session.nextTab_++);
    if (session.tabs_.size() >= kTabsPerSession) {
      auto oldest = std::min_element(session.tabs_.begin(), session.tabs_.end(),
                                     [](const auto& a, const auto& b) { return a.second->lastSeen < b.second->lastSeen; });
      closed = oldest->second;
      session.tabs_.erase(oldest);
    }
    session.tabs_[t->id] = t;
  }
  // Outside the lock: a closed tab's handler may take a moment to give up.
  if (closed) closed->dialogs.close();
  return t;
}

std::shared_ptr<WebSession> SessionRegistry::find(const std::string& id) {
  expire();
  std::shared_ptr<WebSession> s;
  const auto now = std::chrono::steady_clock::now();
  bool recheck = false;
  {
    std::lock_guard lock(mutex_);
    auto it = sessions_.find(id);
    if (it == sessions_.end()) return nullptr;
    s = it->second;
    s->lastSeen = now;
    if (now - s->accessCheckedAt >= limits_.accessCheck) {
      s->accessCheckedAt = now;
      recheck = true;
    }
  }
  if (recheck) {
    bool valid = true;
    try {
      valid = app_.users().stillValid(s->user.id, s->user.accessVersion);
    } catch (const std::exception& e) {
      // The database is out of reach: the request itself will say so.
      spdlog::warn("could not look up user {}: {}", loggable(s->user.username), e.what());
    }
    if (!valid) {
      spdlog::info("session of {} ended: the user's access changed", loggable(s->user.username));
      end(id);
      return nullptr;
    }
  }
  return s;
}

void SessionRegistry::close(std::vector<std::shared_ptr<WebSession>>& ended) {
  for (auto& s : ended) s->close();
}

void SessionRegistry::end(const std::string& id) {
  std::shared_ptr<WebSession> s;
  {
    std::lock_guard lock(mutex_);
    auto it = sessions_.find(id);
    if (it == sessions_.end()) return;
    s = it->second;
    sessions_.erase(it);
  }
  s->close();
}

void SessionRegistry::endUser(long long userId, const std::string& keep) {
  std::vector<std::shared_ptr<WebSession>> ended;
  {
    std::lock_guard lock(mutex_);
    for (auto it = sessions_.begin(); it != sessions_.end();) {
      if (it->second->user.id == userId && it->first != keep) {
        ended.push_back(it->second);
        it = sessions_.erase(it);
      } else {
        ++it;
      }
    }
  }
  close(ended);
}

void SessionRegistry::endAll() {
  std::vector<std::shared_ptr<WebSession>> ended;
  {
    std::lock_guard lock(mutex_);
    for (auto& [id, s] : sessions_) ended.push_back(s);
    sessions_.clear();
  }
  close(ended);
}

void SessionRegistry::expire(std::chrono::steady_clock::time_point now) {
  std::vector<std::shared_ptr<WebSession>> ended;
  {
    std::lock_guard lock(mutex_);
    for (auto it = sessions_.begin(); it != sessions_.end();) {
      if (now - it->second->lastSeen > limits_.idle || now - it->second->signedInAt > limits_.lifetime) {
        ended.push_back(it->second);
        it = sessions_.erase(it);
      } else {
        ++it;
      }
    }
  }
  close(ended);
}

size_t SessionRegistry::size() {
  std::lock_guard lock(mutex_);
  return sessions_.size();
}

}  // namespace meridian::web

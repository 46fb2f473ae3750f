#include "web/session_registry.h"

#include <spdlog/spdlog.h>

#include "suite/password_hash.h"
#include "web/log_text.h"

namespace meridian::web {

std::shared_ptr<WebSession> SessionRegistry::create(const suite::User& user) {
  auto s = std::make_shared<WebSession>();
  s->id = suite::randomToken();
  s->csrf = suite::randomToken();
  s->user = user;
  s->work = app_.openSession(user, s->dialogs);
  std::lock_guard lock(mutex_);
  sessions_[s->id] = s;
  return s;
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
  for (auto& s : ended) s->dialogs.close();
}

void SessionRegistry::end(const std::string& id) {
  std::vector<std::shared_ptr<WebSession>> ended;
  {
    std::lock_guard lock(mutex_);
    auto it = sessions_.find(id);
    if (it == sessions_.end()) return;
    ended.push_back(it->second);
    sessions_.erase(it);
  }
  close(ended);
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

#include "web/session_registry.h"

#include "suite/password_hash.h"

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
  expireIdle();
  std::lock_guard lock(mutex_);
  auto it = sessions_.find(id);
  if (it == sessions_.end()) return nullptr;
  it->second->lastSeen = std::chrono::steady_clock::now();
  return it->second;
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
  s->dialogs.close();
}

void SessionRegistry::expireIdle() {
  std::vector<std::shared_ptr<WebSession>> ended;
  {
    std::lock_guard lock(mutex_);
    const auto now = std::chrono::steady_clock::now();
    for (auto it = sessions_.begin(); it != sessions_.end();) {
      if (now - it->second->lastSeen > idleLimit_) {
        ended.push_back(it->second);
        it = sessions_.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (auto& s : ended) s->dialogs.close();
}

size_t SessionRegistry::size() {
  std::lock_guard lock(mutex_);
  return sessions_.size();
}

}  // namespace meridian::web

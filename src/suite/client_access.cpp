#include "suite/client_access.h"

namespace meridian::suite {
namespace {
constexpr auto kFreshFor = std::chrono::seconds(2);
}

void ClientAccess::refresh(bool force) {
  const auto now = std::chrono::steady_clock::now();
  const long long changes = suite::UserStore::clientPasswordChanges();
  if (!force && changes == changesSeen_ && now - readAt_ < kFreshFor) return;
  protected_ = users_.clientPasswordStamps();
  readAt_ = now;
  changesSeen_ = changes;
}

bool ClientAccess::mayOpen(const std::string& code, bool fresh) {
  std::lock_guard lock(mutex_);
  refresh(fresh);
  auto it = protected_.find(code);
  if (it == protected_.end()) return true;
  auto given = given_.find(code);
  return given != given_.end() && given->second == it->second;
}

bool ClientAccess::isProtected(const std::string& code) {
  std::lock_guard lock(mutex_);
  refresh(false);
  return protected_.count(code) > 0;
}

void ClientAccess::opened(const std::string& code) {
  std::lock_guard lock(mutex_);
  refresh(true);
  auto it = protected_.find(code);
  if (it != protected_.end()) given_[code] = it->second;
}

}  // namespace meridian::suite

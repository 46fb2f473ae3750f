#pragma once
// The password-protected clients one session may open: those whose present
// password the user gave in this session. Setting a new password on a client
// closes it again for every session that had opened it.
#include <chrono>
#include <map>
#include <mutex>
#include <string>

#include "suite/user_store.h"

namespace meridian::suite {

class ClientAccess {
 public:
  explicit ClientAccess(db::Connection& conn) : users_(conn) {}

  // True when the client has no password, or the session gave its present one.
  // fresh: read the passwords now rather than trust a list a moment old.
  bool mayOpen(const std::string& code, bool fresh = false);
  bool isProtected(const std::string& code);
  // The user gave the client's password: remember it for this session.
  void opened(const std::string& code);

 private:
  // The protected clients and their password stamps, read again when this
  // program changed a client password, else when older than a moment (a
  // change by the command line or another server): a list of 50,000 clients
  // asks once, not once per row.
  void refresh(bool force);

  UserStore users_;
  std::mutex mutex_;
  std::map<std::string, std::string> protected_;  // code -> stamp of its password
  std::chrono::steady_clock::time_point readAt_{};
  long long changesSeen_ = -1;
  std::map<std::string, std::string> given_;      // code -> stamp the user gave
};

}  // namespace meridian::suite

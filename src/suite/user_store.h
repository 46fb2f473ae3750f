#pragma once
// Accounts of the practice's users, their numbered rights, and the passwords
// that protect single clients.
#include <optional>
#include <set>
#include <string>

#include "db/connection.h"

namespace meridian::suite {

struct User {
  long long id = 0;
  std::string username;
  std::string fullName;
  bool admin = false;
  bool mustChangePassword = false;  // signed in with a one-time password
  std::set<int> rights;
  bool holds(int right) const { return admin || rights.count(right) > 0; }
};

class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class UserStore {
 public:
  explicit UserStore(db::Connection& conn) : conn_(conn) {}

  // Creates the administrator when there is no user yet; returns the one-time
  // password it was given, or nullopt when users already exist.
  std::optional<std::string> ensureAdministrator();

  User add(const std::string& username, const std::string& password, bool admin = false);
  void setPassword(const std::string& username, const std::string& password);
  void grant(const std::string& username, int right);
  void revoke(const std::string& username, int right);
  std::optional<User> find(const std::string& username);
  std::optional<User> byId(long long id);
  // The user when the password is right, else nullopt.
  std::optional<User> authenticate(const std::string& username, const std::string& password);

  void setClientPassword(const std::string& code, const std::string& password);
  void clearClientPassword(const std::string& code);
  bool clientHasPassword(const std::string& code);
  bool checkClientPassword(const std::string& code, const std::string& password);

 private:
  User load(const db::Row& row);
  long long idOf(const std::string& username);
  db::Connection& conn_;
};

// Users may be named with letters, digits, ".", "-" and "_" (1 to 64).
bool validUsername(const std::string& name);

}  // namespace meridian::suite

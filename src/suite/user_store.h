#pragma once
// Accounts of the practice's users, their numbered rights, and the passwords
// that protect single clients. Every change to a user's password, rights or
// standing raises their access version, which ends their open sessions.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "db/connection.h"

namespace meridian::suite {

struct User {
  long long id = 0;
  std::string username;
  std::string fullName;
  bool admin = false;               // created as an administrator (with every right)
  bool mustChangePassword = false;  // signed in with a one-time password
  bool disabled = false;
  long long accessVersion = 1;
  std::set<int> rights;
  bool holds(int right) const { return rights.count(right) > 0; }
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

  // admin: the user holds every right.
  User add(const std::string& username, const std::string& password, bool admin = false);
  void setPassword(const std::string& username, const std::string& password);
  // Gives the user a one-time password (returned) to replace at the next sign-in.
  std::string resetPassword(const std::string& username);
  void setDisabled(const std::string& username, bool disabled);
  void grant(const std::string& username, int right);
  void revoke(const std::string& username, int right);
  std::optional<User> find(const std::string& username);
  std::optional<User> byId(long long id);
  std::vector<User> all();
  // The user when the password is right and the user not disabled, else
  // nullopt; costs the same whether or not the name exists.
  std::optional<User> authenticate(const std::string& username, const std::string& password);
  // Whether a signed-in user may go on: still there, not disabled, and the
  // access version they signed in with.
  bool stillValid(long long id, long long accessVersion);

  void setClientPassword(const std::string& code, const std::string& password);
  void clearClientPassword(const std::string& code);
  bool clientHasPassword(const std::string& code);
  bool checkClientPassword(const std::string& code, const std::string& password);
  // Changes whenever the client's password is set, changed or cleared ("" = none).
  std::string clientPasswordStamp(const std::string& code);
  // Every protected client with its stamp.
  std::map<std::string, std::string> clientPasswordStamps();
  // Counts the client-password changes this program made: a reader of the
  // stamps knows at once that its copy is out of date.
  static long long clientPasswordChanges();

 private:
  User load(const db::Row& row);
  long long idOf(const std::string& username);
  void raiseAccessVersion(long long id);
  // Refuses a change that would leave no active user able to administer users.
  void keepAnAdministrator(long long changing);
  db::Connection& conn_;
};

// Users may be named with letters, digits, ".", "-" and "_" (1 to 64).
bool validUsername(const std::string& name);

}  // namespace meridian::suite

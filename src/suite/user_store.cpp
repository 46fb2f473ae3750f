#include "suite/user_store.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <ctime>

#include "common/rights.h"
#include "suite/password_hash.h"

namespace meridian::suite {
namespace {

void checkPassword(const std::string& password) {
  if (password.size() < 8) throw UserError("a password needs at least 8 characters");
}

void checkRight(int right) {
  if (std::find(std::begin(rights::all), std::end(rights::all), right) == std::end(rights::all))
    throw UserError("there is no right " + std::to_string(right) + " (rights are 100, 121 and 199)");
}

std::atomic<long long> clientPasswordChangeCount{0};

// A hash to check a password against when the user name does not exist, so
// that a wrong name costs the same time as a wrong password.
const std::string& decoyHash() {
  static const std::string hash = hashPassword(randomPassword());
  return hash;
}

}  // namespace

bool validUsername(const std::string& name) {
  if (name.empty() || name.size() > 64) return false;
  for (unsigned char c : name)
    if (!std::isalnum(c) && c != '.' && c != '-' && c != '_') return false;
  return true;
}

std::optional<std::string> UserStore::ensureAdministrator() {
  if (conn_.scalar("SELECT COUNT(*) FROM users") != "0") return std::nullopt;
  std::string password = randomPassword();
  User admin = add("admin", password, true);
  conn_.execute("UPDATE users SET must_change = 1, full_name = ? WHERE id = ?", {"Administrator", admin.id});
  return password;
}

User UserStore::add(const std::string& username, const std::string& password, bool admin) {
  if (!validUsername(username)) throw UserError("user names may hold letters, digits, '.', '-' and '_' only");
  checkPassword(password);
  auto tx = conn_.begin();
  if (find(username)) throw UserError("user " + username + " already exists");
  conn_.execute("INSERT INTO users (username, pass_hash, is_admin, created_at) VALUES (?, ?, ?, ?)",
                {username, hashPassword(password), admin, std::to_string(std::time(nullptr))});
  long long id = idOf(username);
  // Every user may use the module; the administrator holds every right.
  conn_.execute("INSERT INTO user_rights (user_id, right_no) VALUES (?, ?)", {id, rights::useIncomeTax});
  if (admin)
    for (int r : rights::all)
      if (r != rights::useIncomeTax) conn_.execute("INSERT INTO user_rights (user_id, right_no) VALUES (?, ?)", {id, r});
  tx.commit();
  return *byId(id);
}

long long UserStore::idOf(const std::string& username) {
  std::string id = conn_.scalar("SELECT id FROM users WHERE username = ?", {username});
  if (id.empty()) throw UserError("no user named " + username);
  return std::stoll(id);
}

void UserStore::raiseAccessVersion(long long id) {
  conn_.execute("UPDATE users SET access_version = access_version + 1 WHERE id = ?", {id});
}

void UserStore::keepAnAdministrator(long long changing) {
  const bool administers = conn_.exists(
      "SELECT 1 FROM users u WHERE u.id = ? AND u.disabled = 0 AND EXISTS "
      "(SELECT 1 FROM user_rights r WHERE r.user_id = u.id AND r.right_no = ?)",
      {changing, rights::administer});
  if (!administers) return;
  const std::string others = conn_.scalar(
      "SELECT COUNT(*) FROM users u WHERE u.disabled = 0 AND u.id <> ? AND EXISTS "
      "(SELECT 1 FROM user_rights r WHERE r.user_id = u.id AND r.right_no = ?)",
      {changing, rights::administer});
  if (others == "0") throw UserError("at least one active user must keep right 199 to manage users");
}

void UserStore::setPassword(const std::string& username, const std::string& password) {
  checkPassword(password);
  long long id = idOf(username);
  auto tx = conn_.begin();
  conn_.execute("UPDATE users SET pass_hash = ?, must_change = 0 WHERE id = ?", {hashPassword(password), id});
  raiseAccessVersion(id);
  tx.commit();
}

std::string UserStore::resetPassword(const std::string& username) {
  long long id = idOf(username);
  std::string password = randomPassword();
  auto tx = conn_.begin();
  conn_.execute("UPDATE users SET pass_hash = ?, must_change = 1 WHERE id = ?", {hashPassword(password), id});
  raiseAccessVersion(id);
  tx.commit();
  return password;
}

void UserStore::setDisabled(const std::string& username, bool disabled) {
  long long id = idOf(username);
  auto tx = conn_.begin();
  if (disabled) keepAnAdministrator(id);
  conn_.execute("UPDATE users SET disabled = ? WHERE id = ?", {disabled, id});
  raiseAccessVersion(id);
  tx.commit();
}

void UserStore::grant(const std::string& username, int right) {
  checkRight(right);
  long long id = idOf(username);
  auto tx = conn_.begin();
  conn_.execute("DELETE FROM user_rights WHERE user_id = ? AND right_no = ?", {id, right});
  conn_.execute("INSERT INTO user_rights (user_id, right_no) VALUES (?, ?)", {id, right});
  raiseAccessVersion(id);
  tx.commit();
}

void UserStore::revoke(const std::string& username, int right) {
  checkRight(right);
  long long id = idOf(username);
  auto tx = conn_.begin();
  if (right == rights::administer) keepAnAdministrator(id);
  conn_.execute("DELETE FROM user_rights WHERE user_id = ? AND right_no = ?", {id, right});
  raiseAccessVersion(id);
  tx.commit();
}

User UserStore::load(const db::Row& row) {
  User u;
  u.id = row.integer("id");
  u.username = row.text("username");
  u.fullName = row.text("full_name");
  u.admin = row.integer("is_admin") != 0;
  u.mustChangePassword = row.integer("must_change") != 0;
  u.disabled = row.integer("disabled") != 0;
  u.accessVersion = row.integer("access_version", 1);
  for (const auto& r : conn_.query("SELECT right_no FROM user_rights WHERE user_id = ?", {u.id}))
    u.rights.insert(static_cast<int>(r.integer("right_no")));
  return u;
}

std::optional<User> UserStore::find(const std::string& username) {
  auto rs = conn_.query("SELECT * FROM users WHERE username = ?", {username});
  if (rs.empty()) return std::nullopt;
  return load(rs.front());
}

std::optional<User> UserStore::byId(long long id) {
  auto rs = conn_.query("SELECT * FROM users WHERE id = ?", {id});
  if (rs.empty()) return std::nullopt;
  return load(rs.front());
}

std::vector<User> UserStore::all() {
  std::vector<User> out;
  for (const auto& r : conn_.query("SELECT * FROM users ORDER BY username")) out.push_back(load(r));
  return out;
}

std::optional<User> UserStore::authenticate(const std::string& username, const std::string& password) {
  auto rs = conn_.query("SELECT * FROM users WHERE username = ?", {username});
  const bool known = !rs.empty();
  const bool right = verifyPassword(known ? rs.front().text("pass_hash") : decoyHash(), password);
  if (!known || !right || rs.front().integer("disabled") != 0) return std::nullopt;
  return load(rs.front());
}

bool UserStore::stillValid(long long id, long long accessVersion) {
  auto rs = conn_.query("SELECT disabled, access_version FROM users WHERE id = ?", {id});
  return !rs.empty() && rs.front().integer("disabled") == 0 && rs.front().integer("access_version", 1) == accessVersion;
}

void UserStore::setClientPassword(const std::string& code, const std::string& password) {
  if (password.empty()) throw UserError("a client password may not be empty");
  auto tx = conn_.begin();
  conn_.execute("DELETE FROM client_passwords WHERE code_no = ?", {code});
  conn_.execute("INSERT INTO client_passwords (code_no, pass_hash) VALUES (?, ?)", {code, hashPassword(password)});
  tx.commit();
  ++clientPasswordChangeCount;
}

void UserStore::clearClientPassword(const std::string& code) {
  conn_.execute("DELETE FROM client_passwords WHERE code_no = ?", {code});
  ++clientPasswordChangeCount;
}

long long UserStore::clientPasswordChanges() { return clientPasswordChangeCount; }

bool UserStore::clientHasPassword(const std::string& code) {
  return conn_.exists("SELECT 1 FROM client_passwords WHERE code_no = ?", {code});
}

bool UserStore::checkClientPassword(const std::string& code, const std::string& password) {
  std::string hash = conn_.scalar("SELECT pass_hash FROM client_passwords WHERE code_no = ?", {code});
  return !hash.empty() && verifyPassword(hash, password);
}

std::string UserStore::clientPasswordStamp(const std::string& code) {
  // Each hash carries its own random salt, so a new password gives a new stamp.
  return conn_.scalar("SELECT pass_hash FROM client_passwords WHERE code_no = ?", {code});
}

std::map<std::string, std::string> UserStore::clientPasswordStamps() {
  std::map<std::string, std::string> out;
  for (const auto& r : conn_.query("SELECT code_no, pass_hash FROM client_passwords")) out[r.text(0)] = r.text(1);
  return out;
}

}  // namespace meridian::suite

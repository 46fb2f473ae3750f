#include "suite/user_store.h"

#include <cctype>
#include <ctime>

#include "common/rights.h"
#include "suite/password_hash.h"

namespace meridian::suite {

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
  if (password.size() < 8) throw UserError("a password needs at least 8 characters");
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

void UserStore::setPassword(const std::string& username, const std::string& password) {
  if (password.size() < 8) throw UserError("a password needs at least 8 characters");
  long long id = idOf(username);
  conn_.execute("UPDATE users SET pass_hash = ?, must_change = 0 WHERE id = ?", {hashPassword(password), id});
}

void UserStore::grant(const std::string& username, int right) {
  long long id = idOf(username);
  auto tx = conn_.begin();
  conn_.execute("DELETE FROM user_rights WHERE user_id = ? AND right_no = ?", {id, right});
  conn_.execute("INSERT INTO user_rights (user_id, right_no) VALUES (?, ?)", {id, right});
  tx.commit();
}

void UserStore::revoke(const std::string& username, int right) {
  long long id = idOf(username);
  conn_.execute("DELETE FROM user_rights WHERE user_id = ? AND right_no = ?", {id, right});
}

User UserStore::load(const db::Row& row) {
  User u;
  u.id = row.integer("id");
  u.username = row.text("username");
  u.fullName = row.text("full_name");
  u.admin = row.integer("is_admin") != 0;
  u.mustChangePassword = row.integer("must_change") != 0;
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

std::optional<User> UserStore::authenticate(const std::string& username, const std::string& password) {
  auto rs = conn_.query("SELECT * FROM users WHERE username = ?", {username});
  if (rs.empty()) {
    // Spend the same effort as a real check so that timing does not tell which names exist.
    verifyPassword(hashPassword("x"), password);
    return std::nullopt;
  }
  if (!verifyPassword(rs.front().text("pass_hash"), password)) return std::nullopt;
  return load(rs.front());
}

void UserStore::setClientPassword(const std::string& code, const std::string& password) {
  if (password.empty()) throw UserError("a client password may not be empty");
  auto tx = conn_.begin();
  conn_.execute("DELETE FROM client_passwords WHERE code_no = ?", {code});
  conn_.execute("INSERT INTO client_passwords (code_no, pass_hash) VALUES (?, ?)", {code, hashPassword(password)});
  tx.commit();
}

void UserStore::clearClientPassword(const std::string& code) {
  conn_.execute("DELETE FROM client_passwords WHERE code_no = ?", {code});
}

bool UserStore::clientHasPassword(const std::string& code) {
  return conn_.exists("SELECT 1 FROM client_passwords WHERE code_no = ?", {code});
}

bool UserStore::checkClientPassword(const std::string& code, const std::string& password) {
  std::string hash = conn_.scalar("SELECT pass_hash FROM client_passwords WHERE code_no = ?", {code});
  return !hash.empty() && verifyPassword(hash, password);
}

}  // namespace meridian::suite

#include "suite/settings_store.h"

namespace meridian::suite {

std::string SettingsStore::get(const std::string& section, const std::string& key, const std::string& fallback) {
  auto rs = conn_.query("SELECT svalue FROM user_settings WHERE user_id = ? AND section = ? AND skey = ?",
                        {userId_, section, key});
  return rs.empty() ? fallback : rs.front().text(0);
}

void SettingsStore::save(const std::string& section, const std::string& key, const std::string& value) {
  auto tx = conn_.begin();
  conn_.execute("DELETE FROM user_settings WHERE user_id = ? AND section = ? AND skey = ?", {userId_, section, key});
  conn_.execute("INSERT INTO user_settings (user_id, section, skey, svalue) VALUES (?, ?, ?, ?)",
                {userId_, section, key, value});
  tx.commit();
}

std::string ClientValues::yearValue(const std::string& code, int year, const std::string& key) {
  return conn_.scalar("SELECT svalue FROM misc_oth_inf WHERE code_no = ? AND ass_year = ? AND skey = ?", {code, year, key});
}

void ClientValues::setYearValue(const std::string& code, int year, const std::string& key, const std::string& value) {
  auto tx = conn_.begin();
  conn_.execute("DELETE FROM misc_oth_inf WHERE code_no = ? AND ass_year = ? AND skey = ?", {code, year, key});
  conn_.execute("INSERT INTO misc_oth_inf (code_no, ass_year, skey, svalue) VALUES (?, ?, ?, ?)", {code, year, key, value});
  tx.commit();
}

std::string ClientValues::clientValue(const std::string& code, const std::string& key) {
  return conn_.scalar("SELECT svalue FROM cl_oth_vars WHERE code_no = ? AND skey = ?", {code, key});
}

void ClientValues::setClientValue(const std::string& code, const std::string& key, const std::string& value) {
  auto tx = conn_.begin();
  conn_.execute("DELETE FROM cl_oth_vars WHERE code_no = ? AND skey = ?", {code, key});
  conn_.execute("INSERT INTO cl_oth_vars (code_no, skey, svalue) VALUES (?, ?, ?)", {code, key, value});
  tx.commit();
}

std::string ClientValues::mobile(const std::string& code) {
  std::string m = conn_.scalar("SELECT mobile FROM owner1 WHERE code = ?", {code});
  if (m.empty()) m = conn_.scalar("SELECT phone4 FROM main_info1 WHERE code_no = ?", {code});
  return m;
}

}  // namespace meridian::suite

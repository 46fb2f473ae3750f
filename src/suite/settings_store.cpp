#include "suite/settings_store.h"

#include "db/rows.h"

namespace meridian::suite {

std::string SettingsStore::get(const std::string& section, const std::string& key, const std::string& fallback) {
  auto rs = conn_.query("SELECT svalue FROM user_settings WHERE user_id = ? AND section = ? AND skey = ?",
                        {userId_, section, key});
  return rs.empty() ? fallback : rs.front().text(0);
}

void SettingsStore::save(const std::string& section, const std::string& key, const std::string& value) {
  db::upsertRow(conn_, "user_settings", {{"user_id", userId_}, {"section", section}, {"skey", key}}, {{"svalue", value}});
}

std::string ClientValues::yearValue(const std::string& code, int year, const std::string& key) {
  return conn_.scalar("SELECT svalue FROM misc_oth_inf WHERE code_no = ? AND ass_year = ? AND skey = ?", {code, year, key});
}

void ClientValues::setYearValue(const std::string& code, int year, const std::string& key, const std::string& value) {
  db::upsertRow(conn_, "misc_oth_inf", {{"code_no", code}, {"ass_year", year}, {"skey", key}}, {{"svalue", value}});
}

std::string ClientValues::clientValue(const std::string& code, const std::string& key) {
  return conn_.scalar("SELECT svalue FROM cl_oth_vars WHERE code_no = ? AND skey = ?", {code, key});
}

void ClientValues::setClientValue(const std::string& code, const std::string& key, const std::string& value) {
  db::upsertRow(conn_, "cl_oth_vars", {{"code_no", code}, {"skey", key}}, {{"svalue", value}});
}

std::string ClientValues::mobile(const std::string& code) {
  std::string m = conn_.scalar("SELECT mobile FROM owner1 WHERE code = ?", {code});
  if (m.empty()) m = conn_.scalar("SELECT phone4 FROM main_info1 WHERE code_no = ?", {code});
  return m;
}

}  // namespace meridian::suite

#pragma once
// Per-user settings by section and key, and the miscellaneous values the host
// keeps for each client (per year, or for the client as a whole).
#include <string>

#include "db/connection.h"

namespace meridian::suite {

class SettingsStore {
 public:
  SettingsStore(db::Connection& conn, long long userId) : conn_(conn), userId_(userId) {}
  std::string get(const std::string& section, const std::string& key, const std::string& fallback);
  void save(const std::string& section, const std::string& key, const std::string& value);

 private:
  db::Connection& conn_;
  long long userId_;
};

class ClientValues {
 public:
  explicit ClientValues(db::Connection& conn) : conn_(conn) {}
  std::string yearValue(const std::string& code, int year, const std::string& key);
  void setYearValue(const std::string& code, int year, const std::string& key, const std::string& value);
  std::string clientValue(const std::string& code, const std::string& key);
  void setClientValue(const std::string& code, const std::string& key, const std::string& value);
  // The mobile number of a client, from its master row.
  std::string mobile(const std::string& code);

 private:
  db::Connection& conn_;
};

}  // namespace meridian::suite

#include "host/client_selection.h"

#include <nlohmann/json.hpp>
#include <spdlog/spdlog.h>

#include "host/client_list.h"

namespace meridian::host {
namespace {

constexpr const char* kSection = "ClListSelection";

bool keepsSelection(const std::string& moduleCode) { return !exclusionFileOf(moduleCode).empty(); }

}  // namespace

std::string ClientSelection::describe() const {
  std::string out;
  if (!status.empty()) out = "Status " + status;
  if (!group.empty()) out += (out.empty() ? "" : ", ") + std::string("Group ") + group;
  return out;
}

ClientSelection selectionOf(Base& base, const std::string& moduleCode) {
  return selectionOf([&base](const std::string& section, const std::string& key) {
    return base.GetSettingINI(section, key, "");
  }, moduleCode);
}

ClientSelection selectionOf(const SettingReader& read, const std::string& moduleCode) {
  if (!keepsSelection(moduleCode)) return {};
  const std::string stored = read(kSection, moduleCode);
  if (stored.empty()) return {};
  // A damaged setting lists every client rather than hiding some without a word.
  const auto j = nlohmann::json::parse(stored, nullptr, false);
  if (!j.is_object()) {
    spdlog::warn("client list: selection setting of module {} is not readable; listing all clients", moduleCode);
    return {};
  }
  return {j.value("status", ""), j.value("group", "")};
}

void saveSelection(Base& base, const std::string& moduleCode, const ClientSelection& selection) {
  saveSelection([&base](const std::string& section, const std::string& key,
                        const std::string& value) { base.SaveSettingINI(section, key, value); },
                moduleCode, selection);
}

void saveSelection(const SettingWriter& write, const std::string& moduleCode, const ClientSelection& selection) {
  if (!keepsSelection(moduleCode)) throw std::invalid_argument("module " + moduleCode + " keeps no client selection");
  write(kSection, moduleCode,
        selection.active() ? nlohmann::json{{"status", selection.status}, {"group", selection.group}}.dump() : "");
}

std::optional<std::vector<std::string>> selectedCodes(db::Connection& conn, const ClientSelection& selection) {
  if (!selection.active()) return std::nullopt;
  std::string sql = "SELECT codeno FROM tempcltbl WHERE 1 = 1";
  db::Params params;
  if (!selection.status.empty()) {
    sql += " AND stat = ?";
    params.emplace_back(selection.status);
  }
  if (!selection.group.empty()) {
    sql += " AND codeno IN (SELECT grp_trans.c_code FROM grp_trans, grp_m WHERE grp_trans.code_no = grp_m.code AND grp_m.nm = ?)";
    params.emplace_back(selection.group);
  }
  std::vector<std::string> codes;
  for (const auto& r : conn.query(sql, params)) codes.push_back(r.text(0));
  return codes;
}

}  // namespace meridian::host

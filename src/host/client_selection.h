#pragma once
// A user's own selection of the clients a module lists (by status and by
// group), kept in that user's settings. It narrows what this user sees and
// nothing else: the practice's exclusion files are the administrator's, and
// another user's list never changes with it.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "host/base.h"

namespace meridian::host {

struct ClientSelection {
  std::string status;  // "" = every status
  std::string group;   // group name; "" = every client, grouped or not
  bool active() const { return !status.empty() || !group.empty(); }
  // "Status HUF, Group Family" for the line above the list.
  std::string describe() const;
  bool operator==(const ClientSelection&) const = default;
};

// The user's selection for the module; an empty one when the module keeps no
// selection ("?", "" or a code without an exclusion file) or none was made.
ClientSelection selectionOf(Base& base, const std::string& moduleCode);
// The same from a user's settings read by section and key, for a job that
// runs for a named user without a session (`meridian clients --user`).
using SettingReader = std::function<std::string(const std::string& section, const std::string& key)>;
ClientSelection selectionOf(const SettingReader& read, const std::string& moduleCode);
// Keeps it as the user's setting; an empty selection lists all clients again.
void saveSelection(Base& base, const std::string& moduleCode, const ClientSelection& selection);
using SettingWriter = std::function<void(const std::string& section, const std::string& key, const std::string& value)>;
void saveSelection(const SettingWriter& write, const std::string& moduleCode, const ClientSelection& selection);

// The codes of TempClTbl the selection lets through; nothing when it is not active.
std::optional<std::vector<std::string>> selectedCodes(db::Connection& conn, const ClientSelection& selection);

}  // namespace meridian::host

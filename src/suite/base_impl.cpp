#include "suite/base_impl.h"

#include <spdlog/spdlog.h>

#include "host/civil_date.h"
#include "ui/form.h"

namespace meridian::suite {

BaseImpl::BaseImpl(host::ContextJournal& journal, db::Connection& conn, const DataFolder& data, User user,
                   ui::Desktop& desktop)
    : host::Base(journal),
      conn_(conn),
      user_(std::move(user)),
      desktop_(desktop),
      settings_(conn, user_.id),
      clientValues_(conn),
      users_(conn),
      popupMenu_(desktop) {
  DocPath = data.documents().string();
  ExePath = data.root.string();
  vTmpPath = data.temporary().string();
}

std::string BaseImpl::TruncVarSQL(const std::string& value) {
  // Longer texts do not fit the text columns; cut at a character boundary.
  std::string v = value;
  size_t chars = 0, i = 0;
  for (; i < v.size(); ++i) {
    if ((static_cast<unsigned char>(v[i]) & 0xC0) != 0x80 && ++chars > 255) break;
  }
  v.resize(i);
  std::string out;
  for (char c : v) {
    if (c == '\'') out += "''";
    else if (c == '\\' && conn_.engine() == db::Engine::mysql) out += "\\\\";
    else out.push_back(c);
  }
  return out;
}

std::string BaseImpl::GetSettingINI(const std::string& section, const std::string& key, const std::string& fallback) {
  return settings_.get(section, key, fallback);
}

void BaseImpl::SaveSettingINI(const std::string& section, const std::string& key, const std::string& value) {
  settings_.save(section, key, value);
}

std::string BaseImpl::ConvertDate(const std::string& typed) { return host::completeTypedDate(typed); }

bool BaseImpl::CheckPass(int right, bool quiet) {
  if (user_.holds(right)) return true;
  if (!quiet) desktop_.dialogs().exclamation("You do not have the right for this work (right " + std::to_string(right) + ").");
  return false;
}

bool BaseImpl::CheckClpass(const std::string& code) {
  if (!user_.holds(100)) return false;
  if (openedClients_.count(code) || !users_.clientHasPassword(code)) return true;
  auto typed = desktop_.dialogs().prompt("Password of client " + code, "Client Password", true);
  if (!typed) return false;
  if (!users_.checkClientPassword(code, *typed)) {
    desktop_.dialogs().exclamation("Wrong password for client " + code + ".");
    return false;
  }
  openedClients_.insert(code);
  return true;
}

void BaseImpl::Resize_For_Resolution(ui::Form& form) {
  // The page lays itself out for the browser window; the ratios stay at 1.
  (void)form;
}

std::string BaseImpl::GetMiscOthInf(const std::string& code, int year, const std::string& key) {
  return clientValues_.yearValue(code, year, key);
}
void BaseImpl::SetMiscOthInf(const std::string& code, int year, const std::string& key, const std::string& value) {
  clientValues_.setYearValue(code, year, key, value);
}
std::string BaseImpl::GetClOthVars(const std::string& code, const std::string& key) {
  return clientValues_.clientValue(code, key);
}
void BaseImpl::SetClOthVars(const std::string& code, const std::string& key, const std::string& value) {
  clientValues_.setClientValue(code, key, value);
}
std::string BaseImpl::GetPhone4MobNo(const std::string& code) { return clientValues_.mobile(code); }

bool BaseImpl::ShowClListSetup() { return false; }
bool BaseImpl::ShowClListSelection(const std::string&) { return false; }

void BaseImpl::HostMainPage::hotkey(int keyCode, ui::Form& from) {
  spdlog::debug("key {} on {} left to the host", keyCode, from.name());
}

void BaseImpl::HostPopupMenu::popup(ui::Form&) { desktop_.menuRequested = true; }

}  // namespace meridian::suite

#include "suite/base_impl.h"

#include <spdlog/spdlog.h>

#include "common/dates.h"
#include "common/rights.h"
#include "common/text.h"
#include "host/client_particulars.h"
#include "host/identifier_rules.h"
#include "host/states.h"
#include "suite/bank_card_form.h"
#include "suite/client_list_screens.h"
#include "ui/form.h"

namespace meridian::suite {

BaseImpl::BaseImpl(host::ContextJournal& journal, db::Connection& conn, const DataFolder& data, User user,
                   ui::Desktop& desktop, std::shared_ptr<ClientAccess> access)
    : host::Base(journal),
      conn_(conn),
      user_(std::move(user)),
      desktop_(desktop),
      settings_(conn, user_.id),
      clientValues_(conn),
      users_(conn),
      access_(access ? std::move(access) : std::make_shared<ClientAccess>(conn)),
      popupMenu_(desktop) {
  DocPath = data.documents().string();
  ExePath = data.root.string();
  vTmpPath = data.temporary().string();
}

std::string BaseImpl::TruncVarSQL(const std::string& value) {
  // Longer texts do not fit the text columns.
  const std::string v = cutToChars(value, 255);
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

std::string BaseImpl::ConvertDate(const std::string& typed) { return completeTypedDate(typed); }

bool BaseImpl::CheckPass(int right, bool quiet) {
  if (user_.holds(right)) return true;
  if (!quiet) desktop_.dialogs().exclamation("You do not have the right for this work (right " + std::to_string(right) + ").");
  return false;
}

bool BaseImpl::CheckClpass(const std::string& code) {
  if (!CheckPass(rights::useIncomeTax)) return false;
  if (access_->mayOpen(code)) return true;
  auto typed = desktop_.dialogs().prompt("Password of client " + code, "Client Password", true);
  if (!typed) return false;
  if (!users_.checkClientPassword(code, *typed)) {
    desktop_.dialogs().exclamation("Wrong password for client " + code + ".");
    return false;
  }
  access_->opened(code);
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

std::string BaseImpl::CheckForDupClWithPAN(const std::string& code, const std::string& pan) {
  // A PAN belongs to one person, but the same person may rightly be kept
  // twice (a partner who is also a client), so the user decides.
  auto others = conn_.query(
      "SELECT code_no AS code FROM main_info1 WHERE UPPER(pan) = UPPER(?) AND code_no <> ? "
      "UNION ALL SELECT code FROM owner1 WHERE UPPER(pan) = UPPER(?) AND code <> ? ORDER BY 1",
      {pan, code, pan, code});
  if (others.empty()) return "";
  const std::string other = others.front().text("code");
  const auto holder = host::ClientParticulars::load(*this, other, 0);
  const std::string text = "PAN " + pan + " is already given to client " + other + " (" + (holder ? holder->name() : "") +
                           ").\n\nDo you want to continue?";
  return desktop_.dialogs().yesNo(text, "Duplicate PAN", ui::Answer::no, ui::Icon::exclamation) ? "Y" : "N";
}

bool BaseImpl::ValidPan(const std::string& pan) { return host::validPan(pan); }

void BaseImpl::loadstatelist(ui::Control& combo) {
  combo.clear();
  for (const auto& st : host::states()) combo.addItem(st.name);
}

namespace {
const char* const noPortal =
    "This installation has no connection to the Income Tax Department's portal: nothing was verified or changed.";
const char* const noRegistry =
    "This installation has no connection to the company registry: nothing was verified or changed.";
}  // namespace

void BaseImpl::VerifyAadhaar(const std::string&, const std::string&) { desktop_.dialogs().info(noPortal); }
std::string BaseImpl::VerifyNameAsPerMCA(const std::string&, const std::string&) {
  desktop_.dialogs().info(noRegistry);
  return "";
}
std::string BaseImpl::VerifyNameAsPerLoginITD(const std::string&, const std::string&, const std::string&) {
  desktop_.dialogs().info(noPortal);
  return "";
}
std::vector<std::pair<std::string, std::string>> BaseImpl::PrefillAsPerLoginITD(const std::string&, const std::string&,
                                                                                const std::string&) {
  desktop_.dialogs().info(noPortal);
  return {};
}
bool BaseImpl::VerifyAndUpdatePANTAN(const std::string&, const std::string&, const std::string&, const std::string&) {
  desktop_.dialogs().info(noPortal);
  return false;
}
std::vector<std::string> BaseImpl::KnowYourAO(const std::string&, const std::string&) {
  desktop_.dialogs().info(noPortal);
  return {};
}
std::vector<std::string> BaseImpl::GetGWCR(int) {
  desktop_.dialogs().info(noPortal);
  return {};
}
std::string BaseImpl::CheckResStatus(const std::string&, int) {
  desktop_.dialogs().info(noPortal);
  return "";
}

// The screens open over the list; the list reloads when it is on top again,
// so there is nothing to reload at once.
void BaseImpl::BankCCDet(const std::string& kind, const std::string& code, int year, std::function<void()> closed) {
  auto form = std::make_shared<BankCardForm>(*this, kind, code, year, std::move(closed));
  form->windowState = 2;
  desktop_.show(form);
}

bool BaseImpl::ShowClListSetup() {
  desktop_.show(std::make_shared<ClientListSetupForm>(*this));
  return false;
}

bool BaseImpl::ShowClListSelection(const std::string& moduleCode) {
  desktop_.show(std::make_shared<ClientListSelectionForm>(*this, moduleCode));
  return false;
}

void BaseImpl::HostMainPage::hotkey(int keyCode, ui::Form& from) {
  spdlog::debug("key {} on {} left to the host", keyCode, from.name());
}

void BaseImpl::HostPopupMenu::popup(ui::Form&) { desktop_.menuRequested = true; }

}  // namespace meridian::suite

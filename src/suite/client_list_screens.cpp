#include "suite/client_list_screens.h"

#include "db/connection.h"
#include "host/client_list.h"
#include "host/client_selection.h"

namespace meridian::suite {

std::string layoutSetting(const std::vector<bool>& hidden) {
  std::string out;
  for (size_t c = 0; c < hidden.size(); ++c) out += (out.empty() ? "" : "|") + std::to_string(c) + "|" + (hidden[c] ? "0" : "1");
  return out;
}

ClientListSetupForm::ClientListSetupForm(host::Base& base) : host::Screen(base, "frmClListSetup", "Client List Setup") {
  add(ui::ControlKind::frame, "famcols", "Columns shown");
  const auto& titles = host::defaultColumnTitles();
  for (size_t c = 0; c < titles.size(); ++c) add(ui::ControlKind::checkBox, "chkcol" + std::to_string(c), titles[c], "famcols");
  auto& frozen = add(ui::ControlKind::comboBox, "cbofrozen", "Frozen columns");
  for (size_t c = 0; c <= 3; ++c) frozen.addItem(std::to_string(c));
  add(ui::ControlKind::button, "cmdok", "&OK");
  add(ui::ControlKind::button, "cmdcancel", "&Cancel");
  on("cmdok", ui::EventType::click, [this](ui::Event&) { save(); });
  on("cmdcancel", ui::EventType::click, [this](ui::Event&) { close(); });
}

void ClientListSetupForm::load() {
  const auto& titles = host::defaultColumnTitles();
  const auto hidden = host::hiddenColumns(base_.GetSettingINI("Settings", "ClList", host::kDefaultLayout), titles.size());
  for (size_t c = 0; c < titles.size(); ++c) (*this)["chkcol" + std::to_string(c)].value = hidden[c] ? 0 : 1;
  (*this)["cbofrozen"].selectText(base_.GetSettingINI("Settings", "ClFrozen", "0"));
  if ((*this)["cbofrozen"].listIndex < 0) (*this)["cbofrozen"].selectIndex(0);
}

void ClientListSetupForm::save() {
  const size_t n = host::defaultColumnTitles().size();
  std::vector<bool> hidden(n);
  for (size_t c = 0; c < n; ++c) hidden[c] = (*this)["chkcol" + std::to_string(c)].value == 0;
  // Code, name and status identify the client: they always show.
  for (size_t c = 0; c < 3; ++c) hidden[c] = false;
  base_.SaveSettingINI("Settings", "ClList", layoutSetting(hidden));
  base_.SaveSettingINI("Settings", "ClFrozen", (*this)["cbofrozen"].text.empty() ? "0" : (*this)["cbofrozen"].text);
  close();
}

ClientListSelectionForm::ClientListSelectionForm(host::Base& base, std::string moduleCode)
    : host::Screen(base, "frmClListSelection", "Client List Selection"), module_(std::move(moduleCode)) {
  add(ui::ControlKind::label, "lblmodule");
  add(ui::ControlKind::comboBox, "cbogroup", "Group");
  add(ui::ControlKind::comboBox, "cbostatus", "Status");
  add(ui::ControlKind::button, "cmdapply", "&List only these clients");
  add(ui::ControlKind::button, "cmdall", "List &all clients");
  add(ui::ControlKind::button, "cmdcancel", "&Cancel");
  on("cmdapply", ui::EventType::click, [this](ui::Event&) { apply(false); });
  on("cmdall", ui::EventType::click, [this](ui::Event&) { apply(true); });
  on("cmdcancel", ui::EventType::click, [this](ui::Event&) { close(); });
}

void ClientListSelectionForm::load() {
  auto& conn = base_.DbObj();
  (*this)["lblmodule"].caption = "Your own selection of the clients listed for module " + module_ +
                                 " (other users' lists do not change)";
  // Opens on the selection the user made last.
  const host::ClientSelection current = host::selectionOf(base_, module_);
  auto fill = [](ui::Control& combo, const std::vector<std::string>& items, const std::string& chosen) {
    combo.clear();
    combo.addItem("[ALL]");
    for (const auto& i : items) combo.addItem(i);
    combo.selectIndex(0);
    if (!chosen.empty()) combo.selectText(chosen);
    if (combo.listIndex < 0) combo.selectIndex(0);
  };
  std::vector<std::string> groups, statuses;
  for (const auto& r : conn.query("SELECT nm FROM grp_m ORDER BY nm")) groups.push_back(r.text("nm"));
  for (const auto& r : conn.query("SELECT DISTINCT stat FROM tempcltbl ORDER BY stat")) statuses.push_back(r.text("stat"));
  fill((*this)["cbogroup"], groups, current.group);
  fill((*this)["cbostatus"], statuses, current.status);
}

void ClientListSelectionForm::apply(bool showAll) {
  if (host::exclusionFileOf(module_).empty()) {
    dialogs().info("Module " + module_ + " keeps no client selection.");
    return;
  }
  host::ClientSelection chosen;
  if (!showAll) {
    chosen.group = (*this)["cbogroup"].listIndex > 0 ? (*this)["cbogroup"].text : "";
    chosen.status = (*this)["cbostatus"].listIndex > 0 ? (*this)["cbostatus"].text : "";
  }
  // The user's own setting: the practice's exclusion file stays as the
  // administrator left it, and so does every other user's list.
  host::saveSelection(base_, module_, chosen);
  close();
}

}  // namespace meridian::suite

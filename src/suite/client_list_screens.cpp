#include "suite/client_list_screens.h"

#include <filesystem>
#include <fstream>

#include "db/connection.h"
#include "host/client_list.h"

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
  (*this)["lblmodule"].caption = "Clients listed for module " + module_;
  auto& group = (*this)["cbogroup"];
  group.clear();
  group.addItem("[ALL]");
  for (const auto& r : conn.query("SELECT nm FROM grp_m ORDER BY nm")) group.addItem(r.text("nm"));
  group.selectIndex(0);
  auto& status = (*this)["cbostatus"];
  status.clear();
  status.addItem("[ALL]");
  for (const auto& r : conn.query("SELECT DISTINCT stat FROM tempcltbl ORDER BY stat")) status.addItem(r.text("stat"));
  status.selectIndex(0);
}

void ClientListSelectionForm::apply(bool showAll) {
  const std::string file = host::exclusionFileOf(module_);
  if (file.empty()) {
    dialogs().info("Module " + module_ + " keeps no client selection.");
    return;
  }
  // Every client outside the chosen group and status goes into the module's exclusion file.
  std::vector<std::string> excluded;
  if (!showAll) {
    auto& conn = base_.DbObj();
    const std::string group = (*this)["cbogroup"].listIndex > 0 ? (*this)["cbogroup"].text : "";
    const std::string status = (*this)["cbostatus"].listIndex > 0 ? (*this)["cbostatus"].text : "";
    for (const auto& r : conn.query(
             "SELECT codeno FROM tempcltbl WHERE NOT ((? = '' OR stat = ?) AND (? = '' OR codeno IN (SELECT grp_trans.c_code "
             "FROM grp_trans, grp_m WHERE grp_trans.code_no = grp_m.code AND grp_m.nm = ?)))",
             {status, status, group, group}))
      excluded.push_back(r.text("codeno"));
  }
  const std::filesystem::path path = std::filesystem::path(base_.DocPath.get()) / file;
  std::filesystem::create_directories(path.parent_path());
  const std::filesystem::path partial = path.string() + ".new";
  {
    std::ofstream out(partial, std::ios::trunc);
    for (const auto& c : excluded) out << c << "\n";
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
  }
  // Replaced whole, so a failure never leaves half a list.
  std::filesystem::rename(partial, path);
  close();
}

}  // namespace meridian::suite

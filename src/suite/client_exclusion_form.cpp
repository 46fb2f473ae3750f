#include "suite/client_exclusion_form.h"

#include <filesystem>
#include <set>

#include "common/paths.h"
#include "common/rights.h"
#include "common/text.h"
#include "db/connection.h"
#include "host/client_list.h"
#include "host/screen_registry.h"
#include "suite/atomic_file.h"

namespace meridian::suite {
namespace {

std::string joinedLines(const std::vector<std::string>& codes) {
  std::string out;
  for (const auto& c : codes) out += c + "\n";
  return out;
}

// The lines of the box, trimmed, blank ones dropped; the page may send CR LF.
std::vector<std::string> typedCodes(const std::string& text) {
  std::vector<std::string> codes;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string code = trimmed(text.substr(start, end - start), kWhitespace);
    if (!code.empty()) codes.push_back(std::move(code));
    start = end + 1;
  }
  return codes;
}

}  // namespace

ClientExclusionForm::ClientExclusionForm(host::Base& base)
    : host::Screen(base, "frmClExclusions", "Practice Client Exclusions") {
  auto& module = add(ui::ControlKind::comboBox, "cbomodule", "Module");
  for (const auto& code : host::exclusionModules()) module.addItem(code);
  add(ui::ControlKind::label, "lblnote",
      "Clients listed here are left out of the module's client list for every user of the practice. One client code a line.");
  auto& codes = add(ui::ControlKind::textBox, "txtcodes", "Excluded clients");
  codes.multiline = true;
  add(ui::ControlKind::label, "lblcount");
  add(ui::ControlKind::button, "cmdsave", "&Save");
  add(ui::ControlKind::button, "cmdclose", "&Close");
  on("cbomodule", ui::EventType::change, [this](ui::Event&) {
    const std::string wanted = (*this)["cbomodule"].text;
    if (wanted == shownModule_) return;
    if (!leaveShownModule()) return (*this)["cbomodule"].selectText(shownModule_);
    showModule();
  });
  on("cmdsave", ui::EventType::click, [this](ui::Event&) { save(); });
  on("cmdclose", ui::EventType::click, [this](ui::Event&) { escape(); });
}

void ClientExclusionForm::load() {
  (*this)["cbomodule"].selectIndex(0);
  showModule();
  focus = "txtcodes";
}

void ClientExclusionForm::showModule() {
  shownModule_ = (*this)["cbomodule"].text;
  const auto codes = host::readExclusions(base_.DocPath.get(), shownModule_);
  savedText_ = joinedLines(codes);
  (*this)["txtcodes"].text = savedText_;
  (*this)["lblcount"].caption = std::to_string(codes.size()) + " clients excluded";
}

bool ClientExclusionForm::changed() { return joinedLines(typedCodes((*this)["txtcodes"].text)) != savedText_; }

bool ClientExclusionForm::save() {
  // Rights are checked at the step, not only when the screen opened.
  if (!base_.CheckPass(rights::administer)) return false;
  const auto codes = typedCodes((*this)["txtcodes"].text);
  std::set<std::string> seen;
  std::vector<std::string> unique;
  for (const auto& code : codes) {
    if (!safePathComponent(code))
      return refuse("\"" + code + "\" is not a client code. Nothing was saved.", "txtcodes", ui::Icon::exclamation);
    if (!base_.DbObj().exists("SELECT 1 FROM tempcltbl WHERE codeno = ?", {code}))
      return refuse("There is no client " + code + ". Nothing was saved.", "txtcodes", ui::Icon::exclamation);
    if (seen.insert(code).second) unique.push_back(code);
  }
  const std::filesystem::path file = std::filesystem::path(base_.DocPath.get()) / host::exclusionFileOf(shownModule_);
  try {
    std::filesystem::create_directories(file.parent_path());
    writeFileAtomically(file, joinedLines(unique));
  } catch (const std::exception& e) {
    dialogs().critical("The exclusions of module " + shownModule_ + " could not be saved: " + e.what() +
                       ". The file is as it was.");
    return false;
  }
  savedText_ = joinedLines(unique);
  (*this)["txtcodes"].text = savedText_;
  (*this)["lblcount"].caption = std::to_string(unique.size()) + " clients excluded";
  if (auto* d = desktop()) d->statusLine = "Exclusions of module " + shownModule_ + " saved.";
  return true;
}

bool ClientExclusionForm::leaveShownModule() {
  if (!changed()) return true;
  const ui::Answer a = dialogs().yesNoCancel("Save the changes to the exclusions of module " + shownModule_ + "?");
  return a == ui::Answer::no || (a == ui::Answer::yes && save());
}

void ClientExclusionForm::escape() {
  if (leaveShownModule()) close();
}

namespace {
const host::ScreenRegistration registered{{
    .name = "frmClExclusions",
    .make = [](host::Component& c) { return std::make_shared<ClientExclusionForm>(c.base()); },
    .right = rights::administer,
    .tiles = {{.place = 95, .id = "openClExclusions", .caption = "Client Exclusions", .note = "clients a module's list leaves out"}},
}};
}  // namespace

}  // namespace meridian::suite

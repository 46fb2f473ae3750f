#include "register/income_form.h"

#include <filesystem>

#include "common/paths.h"
#include "common/text.h"
#include "common/years.h"
#include "host/client_list.h"
#include "host/screen_registry.h"
#include "host/status.h"
#include "register/credit_transfer.h"
#include "suite/client_register.h"

namespace meridian::reg {
namespace {

void fillYears(ui::Control& combo, YearRange range, int selected) {
  combo.clear();
  for (auto& text : assessmentYearTexts(range)) combo.addItem(std::move(text));
  combo.selectText(assessmentYearText(selected));
}

}  // namespace

IncomeForm::IncomeForm(host::Component& host) : host::Screen(host.base(), "income", "Income Tax"), host_(host) {
  add(ui::ControlKind::label, "lblinstruction",
      "Info : You can also search the client by entering PAN in format used in ITR-V Ack/Recp Attachment File "
      "(xxxXX0000x)/Intimation (XXXxxxxx0X)");
  buildMainFrame();
  add(ui::ControlKind::frame, "famclients");
  clients_ = std::make_unique<ClientGrid>(*this, host_.base(), "famclients");
  clients_->onChosen = [this] { clientChosen(); };
  buildRegisterButtons();

  add(ui::ControlKind::frame, "famreps", "Reports").visible = false;
  add(ui::ControlKind::button, "cmdrepclients", "&Client List", "famreps");
  on("cmdrepclients", ui::EventType::click, [this](ui::Event&) { printClientList(); });

  add(ui::ControlKind::frame, "famsummary", "Summaries").visible = false;
  summary_ = std::make_unique<SummaryPanel>(*this, host_, "famsummary");
  dueDates_ = std::make_unique<DueDatePanel>(*this, host_.base());
}

void IncomeForm::buildMainFrame() {
  add(ui::ControlKind::frame, "fammain");
  add(ui::ControlKind::comboBox, "cbocompAY", "Assessment Year", "fammain");
  add(ui::ControlKind::button, "cmdret", "&Returns", "fammain");
  add(ui::ControlKind::button, "cmdao", "&Assessment Order", "fammain").menu = {{"mnuordpend", "Pending", {}},
                                                                              {"mnuordrecd", "Received", {}}};
  add(ui::ControlKind::button, "cmdpan", "&PAN", "fammain").menu = {
      {"PanAll", "All", {}}, {"PanPend", "Pending", {}}, {"Panfiled", "Alloted", {}}};
  add(ui::ControlKind::button, "cmdtan", "&TAN", "fammain").menu = {
      {"TanAll", "All", {}}, {"TanPend", "Pending", {}}, {"TanFiled", "Alloted", {}}};
  add(ui::ControlKind::button, "cmdref", "Re&Funds", "fammain").menu = {
      {"mnuRefAll", "For All Years", {{"RefPend", "Pending", {}}, {"RefRec", "Received", {}}}},
      {"mnuRefYear", "For Selected Year", {{"SPen", "Pending", {}}, {"Srec", "Received", {}}}}};
  add(ui::ControlKind::button, "cmdmiscrep", "&Miscellaneous Reports", "fammain").menu = {
      {"mnumiscreps0", "&Clients covered under Audit", {}}, {"mnumiscreps1", "Non-Resident Clients", {}}};
  add(ui::ControlKind::button, "cmdWard", "&Ward No.", "fammain");
  add(ui::ControlKind::button, "cmdBack", "&Back", "fammain");
  buildListMenus();
  on("cmdret", ui::EventType::click, [this](ui::Event&) {
    // The filing details register opens here once it exists; the year it
    // will show is set already.
    host_.clientCtx().vT_Year = yearOfEntry((*this)["cbocompAY"].text);
    host_.returnCtx().Vt_ASS_YEAR = (*this)["cbocompAY"].text.substr(0, 7);
    dialogs().info("The filing details register is not part of this installation yet.");
  });
  on("cmdBack", ui::EventType::click, [this](ui::Event&) { goBack(); });
}

void IncomeForm::buildListMenus() {
  using Fill = std::function<void(host::PendingLists&)>;
  const std::vector<std::pair<std::string, Fill>> entries = {
      {"mnuordpend", [](host::PendingLists& p) { p.FillAsOrder(0); }},
      {"mnuordrecd", [](host::PendingLists& p) { p.FillAsOrder(1); }},
      {"PanAll", [](host::PendingLists& p) { p.FillPAN(0); }},
      {"PanPend", [](host::PendingLists& p) { p.FillPAN(1); }},
      {"Panfiled", [](host::PendingLists& p) { p.FillPAN(2); }},
      {"TanAll", [](host::PendingLists& p) { p.FillTAN(0); }},
      {"TanPend", [](host::PendingLists& p) { p.FillTAN(1); }},
      {"TanFiled", [](host::PendingLists& p) { p.FillTAN(2); }},
      {"RefPend", [](host::PendingLists& p) { p.FillRefund(0); }},
      {"RefRec", [](host::PendingLists& p) { p.FillRefund(1); }},
      {"SPen", [](host::PendingLists& p) { p.FillRefund(2); }},
      {"Srec", [](host::PendingLists& p) { p.FillRefund(3); }},
      {"mnumiscreps0", [](host::PendingLists& p) { p.FillMiscReps(0); }},
      {"mnumiscreps1", [](host::PendingLists& p) { p.FillMiscReps(1); }},
      {"cmdWard", [](host::PendingLists& p) { p.FillWard(); }},
  };
  for (const auto& [name, fill] : entries)
    on(name, ui::EventType::click, [this, fill = fill](ui::Event&) { openList(fill); });
}

void IncomeForm::buildRegisterButtons() {
  add(ui::ControlKind::button, "cmdNewClient", "&New Client", "famclients");
  add(ui::ControlKind::button, "cmdEditClient", "&Edit Client", "famclients");
  add(ui::ControlKind::button, "cmdDelClient", "&Delete Client", "famclients");
  add(ui::ControlKind::button, "cmdClInfo", "General &Information", "famclients");
  on("cmdNewClient", ui::EventType::click, [this](ui::Event&) { host_.open("frmclreg"); });
  on("cmdEditClient", ui::EventType::click, [this](ui::Event&) {
    const std::string code = selectedCode();
    if (code.empty()) return dialogs().info("Please select a Client");
    if (host_.base().CheckClpass(code)) host_.open("frmclreg", {.code = code});
  });
  on("cmdDelClient", ui::EventType::click, [this](ui::Event&) {
    const std::string code = selectedCode();
    if (code.empty()) return dialogs().info("Please select a Client");
    if (host_.base().CheckClpass(code) && suite::deleteClient(host_, code)) reloadClients();
  });
  on("cmdClInfo", ui::EventType::click, [this](ui::Event&) {
    const std::string code = selectedCode();
    if (code.empty()) return dialogs().info("Please select a Client");
    if (!host_.base().CheckClpass(code)) return;
    const std::string entry = (*this)["cbocompAY"].text;
    host_.clientCtx().vT_Code_No = code;
    host_.clientCtx().vt_RTCode_No = code;
    host_.clientCtx().vT_Year = yearOfEntry(entry);
    host_.returnCtx().Vt_ASS_YEAR = entry.substr(0, 7);
    host_.base().STATUSR = trimmed(clients_->TextMatrix(clients_->selectedRow(), 2));
    host_.open("frmsetup2");
  });
}

std::string IncomeForm::selectedCode() const {
  const int row = clients_->selectedRow();
  return row < 0 ? "" : trimmed(clients_->TextMatrix(row, 0));
}

void IncomeForm::activated() {
  if ((*this)["famclients"].visible) reloadClients();
}

void IncomeForm::openList(const std::function<void(host::PendingLists&)>& fill) {
  const std::string entry = (*this)["cbocompAY"].text;
  host_.clientCtx().vT_Year = yearOfEntry(entry);
  host_.returnCtx().Vt_ASS_YEAR = entry.substr(0, 7);
  host::PendingLists& pending = host_.utilities().ObjPending();
  host_.showMaximised(pending.form());
  fill(pending);
}

void IncomeForm::fillYearLists() {
  fillYears((*this)["cbocompAY"], years::kClientWork, years::kLatest);
  // Summaries open on the last year whose computations are complete.
  fillYears((*this)["cbosummrepAY"], years::kClientWork, years::kLatest - 1);
}

void IncomeForm::load() {
  if (formLoaded_) return;
  formLoaded_ = true;
  host::Base& base = host_.base();
  base.Resize_For_Resolution(*this);
  fillYearLists();
  unlockRight_ = base.CheckPass(121, true) ? "Y" : "N";
  base.vChkCatg = "IT";
  base.vChkCode = "";
  base.vChkYr = 0;
  (*this)["famduedate"].visible = false;
  (*this)["famsummary"].visible = false;
}

void IncomeForm::unload() {
  host_.base().vChkCatg = "";
  formLoaded_ = false;
}

void IncomeForm::OpenForm(int mode) {
  load();
  if (mode_ == static_cast<int>(DashboardMode::dueDates) && mode != mode_ && !dueDates_->leave()) return;
  mode_ = mode;
  const bool listShown = mode != 3 && mode != 4 && mode != 5;
  // Reports keep the main frame (the year and the practice-wide lists) and
  // lose only the client list.
  const bool mainShown = mode == 1 || mode == 2 || mode == 3;
  (*this)["lblinstruction"].visible = mode == 1;
  (*this)["fammain"].visible = mainShown;
  (*this)["famclients"].visible = listShown;
  (*this)["famreps"].visible = mode == 3;
  (*this)["famsummary"].visible = mode == 4;
  // Challans need only the year; the practice-wide lists belong to
  // income-tax work and reports, the client register to the client list.
  for (const char* b : {"cmdret", "cmdao", "cmdpan", "cmdtan", "cmdref", "cmdmiscrep", "cmdWard"})
    (*this)[b].visible = mode == 1 || mode == 3;
  for (const char* b : {"cmdNewClient", "cmdEditClient", "cmdDelClient", "cmdClInfo"}) (*this)[b].visible = mode == 1;
  static const char* captions[] = {"", "Income Tax", "Challans", "Reports", "Summaries", "Due Dates",
                                   "New PAN Application", "PAN Change Request"};
  caption = mode >= 1 && mode <= 7 ? captions[mode] : "Income Tax";
  if (mode == 4) summary_->setUp();
  if (mode == 5) dueDates_->enter();
  else (*this)["famduedate"].visible = false;
  if (listShown) {
    clients_->LoadClList("IT");
    clients_->SelectLastClient();
    focus = "ClGrd";
  }
}

void IncomeForm::reloadClients() {
  clients_->LoadClList("IT");
  clients_->SelectLastClient();
}

void IncomeForm::goBack() {
  if (mode_ == static_cast<int>(DashboardMode::dueDates) && !dueDates_->leave()) return;
  close();
}

void IncomeForm::clientChosen() {
  const int row = clients_->selectedRow();
  if (row < 0) return;
  const std::string code = trimmed(clients_->TextMatrix(row, 0));
  const std::string name = trimmed(clients_->TextMatrix(row, 1));
  const std::string status = trimmed(clients_->TextMatrix(row, 2));
  if (code.empty() || status.empty()) return;
  host::Base& base = host_.base();
  if (!base.CheckClpass(code)) return;
  if (mode_ == 1 && !transferCredits(base.DbObj(), code)) return;

  host::ClientContext& client = host_.clientCtx();
  host::ReturnContext& ret = host_.returnCtx();
  const std::string entry = (*this)["cbocompAY"].text;
  client.vT_Code_No = code;
  base.STATUSR = status;
  if (!client.vT_Code_No.get().empty()) {
    base.vLstSelClCode = code;
    base.vChkCode = code;
    base.vChkYr = 0;
    ret.vMRR = false;
    auto master = base.DbObj().query("Select * from main_info1 Where code_no = ?", {code});
    if (!master.empty() && master.front().integer("mrr") == 1) ret.vMRR = true;
    ret.vPDT = false;
    client.vT_Year = yearOfEntry(entry);
    ret.Vt_ASS_YEAR = entry.substr(0, 7);
  }

  switch (mode_) {
    case 1: {
      ret.vITname = name;
      ret.vT_StaT = status;
      base.TSTATUS = host::statusClass(status);
      if (safePathComponent(code))
        std::filesystem::create_directories(std::filesystem::path(base.DocPath.get()) / "ITData" / code);
      host_.open("subform");
      break;
    }
    case 2: {
      base.Temp_Code = code;
      host_.showMaximised(host_.utilities().object("ObjChallan"));
      break;
    }
    case 6:
      host_.open("frmpannewapp");
      break;
    case 7:
      host_.open("frmpanchapp");
      break;
    default:
      break;
  }
}

void IncomeForm::printClientList() {
  host::ReportWriter& rep = host_.reporter();
  rep.WinModeReport = true;
  rep.SetCol130 = true;
  rep.NewReport();
  rep.printtext(host::esc::boldOn + "Client List" + host::esc::boldOff);
  rep.printtext();
  const auto excluded = host::readExclusions(host_.base().DocPath.get(), "IT");
  const auto q = host::listQuery(excluded, "", {});
  const auto rs = host_.base().DbObj().query(q.sql + " ORDER BY name", q.params);
  std::vector<int16_t> widths = {8, 34, 26, 34, 12};
  std::vector<int32_t> positions(5, 0);
  std::vector<std::string> kinds(5, "T"), formats(5, "");
  rep.createtable(1, 5);
  std::vector<host::ReportValue> heading = {std::string("Code"), std::string("Name"), std::string("Status"),
                                            std::string("Father/Husband Name"), std::string("PAN")};
  rep.WriteToReport(heading, widths, positions, kinds, formats, true, "11111", "00000", "11111", "00000");
  for (const auto& r : rs) {
    std::vector<host::ReportValue> values = {r.text("codeno"), r.text("name"), r.text("stat"), r.text("fnm"), r.text("pan")};
    rep.WriteToReport(values, widths, positions, kinds, formats, false, "00000", "00000", "00000", "00000");
  }
  rep.SelectHF(host::hfFooter, 0, true);
  rep.InsertPgNo_TB(1, 1, "", "");
  rep.SelectHF(host::hfBody);
  rep.showreport();
}

namespace {

host::HomeTile tile(int mode, const char* id, const char* caption, const char* note = "") {
  return {.place = mode * 10, .id = id, .caption = caption, .note = note, .mode = mode};
}

const host::ScreenRegistration registered{{
    .name = "income",
    .make = [](host::Component& c) { return std::make_shared<IncomeForm>(c); },
    .kept = true,
    .tiles = {tile(1, "openIncomeTax", "Income Tax Returns", "clients and assessment years"),
              tile(2, "openChallans", "Challans", "tax paid by a client"),
              tile(3, "openReports", "Reports", "practice-wide lists"),
              tile(4, "openSummaries", "Summaries", "computed figures across clients"),
              tile(5, "openDueDates", "Due Dates", "return and advance-tax dates"),
              tile(6, "openNewPan", "New PAN Application"),
              tile(7, "openPanChange", "PAN Change Request")},
}};

}  // namespace

}  // namespace meridian::reg

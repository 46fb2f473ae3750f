#include "register/workspace_form.h"

#include "common/dates.h"
#include "common/years.h"
#include "register/entry_forms_screen.h"
#include "register/year_opening.h"
#include "suite/return_forms.h"
#include "suite/returns/return_details.h"
#include "suite/year_computation.h"

namespace meridian::reg {

using suite::kChosenFormKey;
using suite::returnFormsOf;

namespace {

constexpr const char* kEntries = "vsRevOrd";
enum EntryColumn { colEntry, colKind, colDate, colDataSet };

// A year left from A.Y. 2002-03 on is computed again before the next one opens.
constexpr int kFirstRecomputedYear = 2002;

// The workspace speaks through the dialogs its form has when it speaks (the
// browser tab's), including for the register it keeps.
class FormDialogs : public ui::Dialogs {
 public:
  explicit FormDialogs(ui::Form& form) : form_(form) {}
  ui::Answer show(const ui::Message& m) override { return form_.dialogs().show(m); }
  std::optional<std::string> prompt(const std::string& text, const std::string& title, bool secret) override {
    return form_.dialogs().prompt(text, title, secret);
  }
  void progress(const std::string& text, int done, int total) override { form_.dialogs().progress(text, done, total); }

 private:
  ui::Form& form_;
};

struct Figure {
  const char* label;
  const char* caption;
  const char* name;  // in the result context
};
constexpr Figure kFigures[] = {
    {"lblGTI", "Gross Total Income", "GrossTotalIncome"},
    {"lblDed", "Deductions", "VChVIADedTot"},
    {"lblTI", "Total Income", "vRoundedOffToNearest10"},
    {"lblTax", "Tax", "vTot_ITTAX"},
    {"lblSurcharge", "Surcharge and Cess", "vSurcharge"},
    {"lblInterest", "Interest", "vINT_Payable"},
    {"lblTDS", "TDS and TCS", "Vall_tds_tot"},
    {"lblAdvance", "Advance Tax", "Vtot_adv_tax"},
    {"lblSelf", "Self-Assessment Tax", "vtot_self_tax"},
    {"lblBalance", "Balance Payable (Refundable)", "vi_tax_tot"},
};

std::string entryDate(const returns::RegisterEntry& e) {
  if (e.isOrder()) {
    auto d = parseIso(e.orderDt);
    return d ? formatDmy(*d) : e.orderDt;
  }
  return e.ackDt;
}

}  // namespace

WorkspaceForm::WorkspaceForm(host::Component& host)
    : host::Screen(host.base(), "subform", "Income Tax calculation"),
      host_(host),
      dialogsOfForm_(std::make_unique<FormDialogs>(*this)),
      entryForms_(std::make_unique<EntryFormsOnScreen>(host)),
      register_(std::make_unique<returns::ReturnRegister>(host, *dialogsOfForm_)) {
  today = [] {
    return CivilDate{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  };
  register_->changed = [this] { registerChanged(); };
  buildYearAndRegister();
  buildButtons();
  buildReturnAndFigures();
  add(ui::ControlKind::button, "mnuback", "&Back");
  on("mnuback", ui::EventType::click, [this](ui::Event&) { close(); });
}

WorkspaceForm::~WorkspaceForm() = default;

void WorkspaceForm::buildYearAndRegister() {
  add(ui::ControlKind::frame, "famyear", "", "").cssClass = "row";
  add(ui::ControlKind::comboBox, "CmbasYr", "Assessment Year", "famyear");
  add(ui::ControlKind::label, "lblNotKept", "", "famyear").visible = false;
  on("CmbasYr", ui::EventType::change, [this](ui::Event&) {
    const int year = yearOfEntry((*this)["CmbasYr"].text);
    if (year) yearChanged(year);
  });

  add(ui::ControlKind::frame, "famretord", "Return / Order");
  add(ui::ControlKind::comboBox, "cbotypeofret", "Return / Order", "famretord");
  on("cbotypeofret", ui::EventType::change, [this](ui::Event&) { entryChosen((*this)["cbotypeofret"].listIndex); });
  add(ui::ControlKind::button, "imLocked", "Locked", "famretord").tooltip = "Click here to Unlock Editing in Filed Return";
  on("imLocked", ui::EventType::click, [this](ui::Event&) { unlock(); });
  ui::Grid& g = *addGrid(kEntries, "famretord").grid;
  g.setColumns({"Return / Order", "Kind", "Filed / Dated", "Data Set"});
  on(kEntries, ui::EventType::rowColChange, [this](ui::Event& e) { entryChosen(e.row); });
  const std::pair<const char*, const char*> commands[] = {{"cmdaddRev", "Add Revised Return"},
                                                          {"cmdaddRect", "Add Rectification Request"},
                                                          {"cmdaddOrd", "Add Order"},
                                                          {"cmdeditRevOrd", "Edit Details"},
                                                          {"cmddelrevord", "Delete"}};
  for (auto [name, text] : commands) add(ui::ControlKind::button, name, text, "famretord");
  on("cmdaddRev", ui::EventType::click, [this](ui::Event&) { addRevision(); });
  on("cmdaddRect", ui::EventType::click, [this](ui::Event&) { addRectification(); });
  on("cmdaddOrd", ui::EventType::click, [this](ui::Event&) { addOrder(); });
  on("cmdeditRevOrd", ui::EventType::click, [this](ui::Event&) { editEntry(); });
  on("cmddelrevord", ui::EventType::click, [this](ui::Event&) { deleteEntry(); });
}

void WorkspaceForm::buildButtons() {
  add(ui::ControlKind::frame, "famheads", "Heads of Income");
  add(ui::ControlKind::frame, "famtasks", "Tasks");
  for (const auto& b : workspaceButtons()) {
    add(ui::ControlKind::button, b.control, b.caption, b.frame);
    on(b.control, ui::EventType::click, [this, &b](ui::Event&) { buttonClicked(b); });
  }
  add(ui::ControlKind::frame, "famonline", "Online", "famtasks");
  add(ui::ControlKind::button, "cmdonlineact", "Client Login", "famonline");
  add(ui::ControlKind::button, "cmdonlineact_ERI", "eRI Login", "famonline");
  for (const char* online : {"cmdonlineact", "cmdonlineact_ERI"})
    on(online, ui::EventType::click, [this, online](ui::Event&) {
      if (!base_.CheckPass(199)) return;
      notInstalled(std::string(online) == "cmdonlineact" ? "Client Login" : "eRI Login");
    });
}

void WorkspaceForm::buildReturnAndFigures() {
  add(ui::ControlKind::frame, "famreturn", "Return");
  add(ui::ControlKind::comboBox, "cborets", "Return Form", "famreturn");
  add(ui::ControlKind::button, "cmdret", "Return &Form", "famreturn");
  add(ui::ControlKind::button, "cmdefl", "&e-Return Filing", "famreturn");
  on("cmdret", ui::EventType::click, [this](ui::Event&) { returnOrEFile(false); });
  on("cmdefl", ui::EventType::click, [this](ui::Event&) { returnOrEFile(true); });
  add(ui::ControlKind::frame, "famfigs", "Figures of the Year");
  for (const auto& f : kFigures) add(ui::ControlKind::label, f.label, "", "famfigs").cssClass = "figure";
  add(ui::ControlKind::label, "lblFigsNote", "", "famfigs");
}

// ---- load, year, entry ---------------------------------------------------------

void WorkspaceForm::load() {
  host::Base& base = base_;
  host::ClientContext& ctx = host_.clientCtx();
  base.Resize_For_Resolution(*this);
  ui::Control& years = (*this)["CmbasYr"];
  years.clear();
  for (auto& text : assessmentYearTexts(years::kClientWork)) years.addItem(std::move(text));
  base.ObjSubForm = this;
  ctx.vt_RTFlag = "";
  ctx.vt_RTCode_No = ctx.vT_Code_No.get();
  deriveYearStatus(host_);
  clientInMaster_ = base.DbObj().exists("SELECT 1 FROM main_info1 WHERE code_no = ?", {ctx.vT_Code_No.get()});
  const int kept = ctx.vT_Year.get();
  ctx.vT_Year = 0;
  years.selectText(assessmentYearText(kept));
  yearChanged(kept);
}

void WorkspaceForm::unload() {
  if (base_.ObjSubForm.get() == this) base_.ObjSubForm = nullptr;
}

void WorkspaceForm::activated() {
  // Back from a head's screen: its figures may have changed.
  if (!headOpened_) return;
  headOpened_ = false;
  GetFigs();
  showReturnForms();  // the return screen may have chosen the year's form
}

void WorkspaceForm::recomputeLeftYear(int year) {
  try {
    host_.resultCtx().NModule1().ITCalcProc();
    host_.clientCtx().UpdateTbl();
  } catch (const std::exception& e) {
    // The year that opens next does not wait on the one left.
    if (desktop()) desktop()->statusLine = "A.Y. " + assessmentYearText(year) + " was not recomputed: " + e.what();
  }
}

void WorkspaceForm::yearChanged(int year) {
  host::ClientContext& ctx = host_.clientCtx();
  if (year == ctx.vT_Year.get()) return;
  if (!CanNavigate()) {
    (*this)["CmbasYr"].selectText(assessmentYearText(ctx.vT_Year.get()));
    return;
  }
  const int left = ctx.vT_Year.get();
  if (left >= kFirstRecomputedYear) recomputeLeftYear(left);
  base_.vChkYr = year - 1;
  ctx.vT_Year = year;
  host_.returnCtx().Vt_ASS_YEAR = assessmentYearText(year);
  (*this)["CmbasYr"].selectText(assessmentYearText(year));
  register_->load();
  // Editing a filed return of the year stays locked until the user unlocks it.
  lockTag_ = "Y";
  openEntry(static_cast<int>(register_->entries().size()) - 1, false);
}

void WorkspaceForm::entryChosen(int index) {
  if (index < 0 || index >= static_cast<int>(register_->entries().size()) || index == register_->selected()) return;
  if (!CanNavigate()) return showRegister();
  openEntry(index, false);
}

void WorkspaceForm::openEntry(int index, bool switched) {
  if (!switched) register_->switchTo(index);
  host::ClientContext& ctx = host_.clientCtx();
  host::ReturnContext& ret = host_.returnCtx();
  const int year = ctx.vT_Year.get();
  deriveYearStatus(host_);
  const bool limitedLiability = ret.vT_StaT.get().find("LIMITED LIABILITY") != std::string::npos;
  const AlternateTax credit = alternateTaxOf(ret.vStatus_Read.get(), limitedLiability, year);
  offerYearCarryForwards(host_, dialogs(), credit);
  ui::Control& notKept = (*this)["lblNotKept"];
  notKept.caption = yearOpeningNotKept(host_.base().DbObj(), ret.vStatus_Read.get() == 3, credit);
  notKept.visible = !notKept.caption.empty();

  GetFigs();
  const returns::RegisterEntry& e = register_->inUse();
  if (e.isReturn() && e.filed()) {
    ret.GetDueDt();
    const host::Date due = ret.VODue_Dt.get() ? ret.VODue_Dt.get() : ret.VDue_Dt.get();
    // Losses other than of house property and unabsorbed depreciation are
    // carried forward only from a return filed in time (s.80, s.139(3)).
    bool lossesCarried = false;
    if (auto* engine = dynamic_cast<suite::EngineComputation*>(&host_.resultCtx().NModule1()); engine && engine->last())
      for (const auto& row : engine->last()->result.setOff.rows)
        if (row.part != engine::LossPart::houseProperty && row.part != engine::LossPart::unabsorbedDepreciation &&
            row.currentYear > row.setOff)
          lossesCarried = true;
    if (auto warning = lateFilingWarning(e.ackDt, due, lossesCarried)) dialogs().exclamation(*warning);
  }

  caption = register_->caption();
  SetButtons_Comp();
  ensureYearParticulars(host_);
  const auto failed = carryGeneralInformation(host_);
  if (!failed.empty()) {
    std::string text = "Last year's general information could not be carried forward:";
    for (const auto& f : failed) text += "\n" + f;
    dialogs().exclamation(text);
  }
  showReturnForms();
  showRegister();
  showLock();
}

void WorkspaceForm::showRegister() {
  ui::Control& list = (*this)["cbotypeofret"];
  list.clear();
  for (auto& text : register_->listTexts()) list.addItem(std::move(text));
  list.selectIndex(register_->selected());
  ui::Grid& g = grid(kEntries);
  g.clearRows();
  const auto& entries = register_->entries();
  for (size_t i = 0; i < entries.size(); ++i)
    g.rows.push_back({entries[i].listText(), entries[i].kindLetter(), entryDate(entries[i]),
                      register_->dataSetOf(static_cast<int>(i))});
  g.selectedRow = register_->selected();
  (*this)["cmddelrevord"].enabled = register_->canDelete();
}

void WorkspaceForm::showLock() {
  ui::Control& lock = (*this)["imLocked"];
  lock.visible = register_->selected() >= 0 && register_->inUse().filed();
  lock.caption = lockTag_ == "Y" ? "Locked" : "Unlocked";
}

void WorkspaceForm::unlock() {
  if (lockTag_ != "Y") return;
  if (!base_.CheckPass(121)) return;
  lockTag_ = "N";
  showLock();
}

void WorkspaceForm::showReturnForms() {
  ui::Control& forms = (*this)["cborets"];
  const std::string chosen = forms.text;
  forms.clear();
  const host::ClientContext& ctx = host_.clientCtx();
  const int year = ctx.vT_Year.get();
  for (auto& f : returnFormsOf(year)) forms.addItem(std::move(f));
  // The form the return screen kept for the year, else the one picked here.
  const std::string& dataSet = ctx.vt_RTCode_No.get().empty() ? ctx.vT_Code_No.get() : ctx.vt_RTCode_No.get();
  const std::string kept = dataSet.empty() ? "" : base_.GetMiscOthInf(dataSet, year, kChosenFormKey);
  forms.selectText(kept.empty() ? chosen : kept);
}

// ---- the host's members ----------------------------------------------------------

void WorkspaceForm::GetFigs() {
  std::string note;
  try {
    host_.resultCtx().NModule1().ITCalcProc();
    if (auto* engine = dynamic_cast<suite::EngineComputation*>(&host_.resultCtx().NModule1());
        engine && engine->last() && !engine->last()->unread.empty()) {
      note = "Not read by the computation yet: ";
      for (size_t i = 0; i < engine->last()->unread.size(); ++i) note += (i ? ", " : "") + engine->last()->unread[i];
      note += ".";
    }
  } catch (const std::exception& e) {
    host_.resultCtx().figures.clear();
    note = std::string("The year is not computed: ") + e.what();
  }
  const auto& figures = host_.resultCtx().figures;
  for (const auto& f : kFigures) {
    auto it = figures.find(f.name);
    (*this)[f.label].caption = std::string(f.caption) + " : " + (it == figures.end() ? "-" : it->second.groupedRupees());
  }
  (*this)["lblFigsNote"].caption = note;
}

bool WorkspaceForm::CanNavigate() {
  if (!base_.vFlagInProcess.get()) return true;
  dialogs().info("A computation, return or e-file run is still in progress.");
  return false;
}

bool WorkspaceForm::CheckReturn() {
  if (register_->selected() < 0) return true;
  if (!register_->confirmFiledEntry()) return false;
  if (register_->inUse().filed() && lockTag_ == "Y") {
    if (!base_.CheckPass(121)) return false;
    lockTag_ = "N";
    showLock();
  }
  return true;
}

void WorkspaceForm::SetButtons_Comp() {
  const int year = host_.clientCtx().vT_Year.get();
  const int status = host_.returnCtx().vStatus_Read.get();
  const bool limitedLiability = host_.returnCtx().vT_StaT.get().find("LIMITED LIABILITY") != std::string::npos;
  for (const auto& b : workspaceButtons()) (*this)[b.control].enabled = buttonApplies(b.control, year, status);
  const AlternateTax alternate = alternateTaxOf(status, limitedLiability, year);
  (*this)["cmdmatamt"].caption = alternate == AlternateTax::amt ? "AMT U/s 115JC" : "MAT U/s 115JB";
  (*this)["cmd29BC"].caption = alternate == AlternateTax::amt ? "Form 29C" : "Form 29B";
  for (const char* b : {"cmdmatamt", "cmd29BC"}) (*this)[b].enabled = alternate != AlternateTax::none;
  (*this)["famonline"].visible = buttonApplies("famonline", year, status);
  (*this)["cmddelrevord"].enabled = register_->canDelete();
}

void WorkspaceForm::UpdateRetDetFromActOL(int srNo, bool withDsc, const std::string& ackNo,
                                          const std::string& filingDate, const std::string& everifiedOn) {
  returns::recordOnlineFiling(host_, dialogs(), srNo, withDsc, ackNo, filingDate, everifiedOn);
  register_->load();
  showRegister();
  showLock();
}

// ---- the register's commands ----------------------------------------------------

void WorkspaceForm::addRevision() {
  if (CanNavigate()) register_->addRevision(*entryForms_);
}

void WorkspaceForm::addRectification() {
  if (CanNavigate()) register_->addRectification(*entryForms_);
}

void WorkspaceForm::addOrder() {
  if (CanNavigate()) register_->addOrder(*entryForms_);
}

void WorkspaceForm::deleteEntry() {
  if (CanNavigate()) register_->deleteLast();
}

void WorkspaceForm::editEntry() {
  if (!CanNavigate() || register_->selected() < 0) return;
  const int index = register_->selected();
  static_cast<EntryFormsOnScreen&>(*entryForms_).editEntry(register_->inUse().srNo, [this, index, alive = std::weak_ptr<char>(alive_)] {
    if (alive.expired()) return;
    register_->load();
    openEntry(index, false);
  });
}

void WorkspaceForm::registerChanged() {
  // The register uses its new last entry already; the year opens on it.
  openEntry(register_->selected(), true);
}

}  // namespace meridian::reg

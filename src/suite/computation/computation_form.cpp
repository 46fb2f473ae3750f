#include "suite/computation/computation_form.h"

#include <filesystem>

#include "common/years.h"
#include "host/screen_registry.h"
#include "suite/computation/printout_source.h"
#include "suite/engine/compute_year.h"

namespace meridian::suite::computation {
namespace {

using ui::ControlKind;
using ui::EventType;

std::string amountText(const std::optional<Money>& m) { return m ? m->roundedToRupee().text() : ""; }

}  // namespace

ComputationForm::ComputationForm(host::Component& host)
    : host::Screen(host.base(), "Form1", "Computation of Total Income"), host_(host) {
  add(ControlKind::button, "Prt", "&Print");
  add(ControlKind::button, "mnuadvtaxest", "Advance Tax &Estimation");
  add(ControlKind::label, "lblstatus", "");
  addGrid("flex");
  auto& g = grid("flex");
  g.setColumns({"Particulars", "Amount", "Amount"});
  g.rightAligned = {false, true, true};
  add(ControlKind::button, "mnuundepr", "Set-off of &Unabsorbed Depreciation");
  add(ControlKind::button, "mnuprepSACh", "Prepare &Self Assessment Challan");
  add(ControlKind::button, "rel", "&Relief u/s 89 Statement");
  add(ControlKind::button, "relfam", "Relief u/s 89 Statement (&Family Pension)");
  add(ControlKind::button, "mnufbtcomp", "&FBT Computation");
  on("Prt", EventType::click, [this](ui::Event&) { print(PrintMode::computation); });
  on("mnuadvtaxest", EventType::click, [this](ui::Event&) { print(PrintMode::estimate); });
  on("mnuundepr", EventType::click, [this](ui::Event&) { openUndeprPanel(); });
  on("mnuprepSACh", EventType::click, [this](ui::Event&) { prepareSelfAssessmentChallan(); });
  // Form 10E and the fringe-benefit tax are not part of the module yet: the
  // commands say so rather than print a statement without its figures.
  for (const char* c : {"rel", "relfam"})
    on(c, EventType::click, [this](ui::Event&) {
      dialogs().info("The relief statement is not available: Form 10E is not part of this installation.");
    });
  on("mnufbtcomp", EventType::click, [this](ui::Event&) {
    dialogs().info("The FBT computation is not available: fringe benefit tax is not part of this installation.");
  });
  buildUndeprPanel();
}

std::string ComputationForm::dataSet() const {
  auto& ctx = host_.clientCtx();
  return ctx.vt_RTCode_No.get().empty() ? ctx.vT_Code_No.get() : ctx.vt_RTCode_No.get();
}

// ---- set-off of unabsorbed depreciation ------------------------------------

void ComputationForm::buildUndeprPanel() {
  add(ControlKind::frame, "fraundepr", "Set-off of Unabsorbed Depreciation").visible = false;
  add(ControlKind::label, "lblundeprtot", "", "fraundepr");
  auto& g = *addGrid("vsundepr", "fraundepr").grid;
  g.setColumns({"Head of Income", "Income", "Set-Off"});
  g.rightAligned = {false, true, true};
  g.frozenCols = 2;  // the heads and their income are the rows' titles
  g.editable = true;
  add(ControlKind::label, "lblundeprbal", "", "fraundepr");
  add(ControlKind::button, "cmdundeprok", "&OK", "fraundepr");
  add(ControlKind::button, "cmdundeprcancel", "&Cancel", "fraundepr");
  on("vsundepr", EventType::cellEdited, [this](ui::Event& e) { undeprEdited(e); });
  on("cmdundeprok", EventType::click, [this](ui::Event&) { acceptUndepr(); });
  on("cmdundeprcancel", EventType::click, [this](ui::Event&) { (*this)["fraundepr"].visible = false; });
}

void ComputationForm::openUndeprPanel() {
  if (!data_) {
    dialogs().info("There is no computation to work from.");
    return;
  }
  undepr_ = undeprEntryOf(data_->result);
  if (undepr_.toSetOff <= Money()) {
    dialogs().info("There is no unabsorbed depreciation to set off this year.");
    return;
  }
  loadUndeprSetOff(base_.DbObj(), dataSet(), data_->year, undepr_);
  (*this)["fraundepr"].visible = true;
  showUndepr();
  focus = "vsundepr";
}

void ComputationForm::showUndepr() {
  (*this)["lblundeprtot"].caption =
      "Unabsorbed Depreciation to be set-off : " + undepr_.toSetOff.roundedToRupee().text();
  auto& g = grid("vsundepr");
  g.rows.clear();
  for (const auto& h : undepr_.heads)
    g.rows.push_back({h.caption, h.available.roundedToRupee().text(), h.setOff.roundedToRupee().text()});
  (*this)["lblundeprbal"].caption = balanceLine(undepr_);
}

void ComputationForm::undeprEdited(const ui::Event& e) {
  if (e.row < 0 || e.row >= static_cast<int>(undepr_.heads.size()) || e.col != 2) return;
  auto& head = undepr_.heads[static_cast<std::size_t>(e.row)];
  const std::string typed = e.value.empty() ? "0" : e.value;
  const auto value = Money::parse(typed);
  if (!value) {
    dialogs().info("Enter the amount in rupees.");
  } else if (const auto refusal = refusalOf(*value, head.available)) {
    dialogs().info(*refusal);
  } else {
    head.setOff = *value;
  }
  // A refused amount leaves the one accepted before.
  showUndepr();
  grid("vsundepr").selectedRow = e.row;
  grid("vsundepr").selectedCol = 2;
}

void ComputationForm::acceptUndepr() {
  if (const auto refusal = refusalOf(undepr_)) {
    dialogs().info(*refusal);
    focus = "vsundepr";
    return;
  }
  saveUndeprSetOff(base_.DbObj(), dataSet(), data_->year, undepr_);
  (*this)["fraundepr"].visible = false;
  focus = "mnuundepr";
}

void ComputationForm::escape() {
  if ((*this)["fraundepr"].visible) {
    (*this)["fraundepr"].visible = false;
    return;
  }
  close();
}

// ---- self-assessment tax ---------------------------------------------------

// The tax still payable goes to the challan module with the client and year
// of the working context, where the practitioner records its payment.
void ComputationForm::prepareSelfAssessmentChallan() {
  if (!data_) {
    dialogs().info("There is no computation to work from.");
    return;
  }
  const Money payable = data_->result.balance.roundedToRupee();
  if (payable <= Money()) {
    dialogs().info("No Self Assessment Tax is payable for A.Y. " + assessmentYearText(data_->year) + ".");
    return;
  }
  dialogs().info("Self Assessment Tax payable u/s 140A : Rs. " + payable.text() +
                 ". Enter the challan in the list of challans that follows.");
  auto form = host_.sibling("PrjUtilities.Forms").object("ObjChallan");
  host_.showMaximised(form);
}

// Computed when shown, so that a year that can not be computed is told in
// a message the screen's dialogs carry.
void ComputationForm::load() {
  base_.ObjForm1 = static_cast<ui::Form*>(this);
  compute();
}

void ComputationForm::unload() {
  if (base_.ObjForm1.get() == this) base_.ObjForm1 = static_cast<ui::Form*>(nullptr);
}

// The engine computes the stored year afresh each time the screen opens.
void ComputationForm::compute() {
  auto& ctx = host_.clientCtx();
  const std::string client = ctx.vT_Code_No.get();
  const std::string dataSet = ctx.vt_RTCode_No.get().empty() ? client : ctx.vt_RTCode_No.get();
  auto& g = grid("flex");
  g.rows.clear();
  data_.reset();
  try {
    heads::LoadNotes notes;
    data_ = loadPrintoutData(base_.DbObj(), {client, dataSet, ctx.vT_Year.get(), base_.DocPath.get()}, &notes);
    (*this)["lblstatus"].caption = notes.empty() ? "" : "Not computed yet: " + notes.front();
  } catch (const heads::CannotLoadYear& e) {
    dialogs().info(std::string("The year can not be computed: ") + e.what() + ".");
    return;
  } catch (const engine::CannotCompute& e) {
    dialogs().info(std::string("The year can not be computed: ") + e.what() + ".");
    return;
  }
  // The tax's working by slab and rate shows here as it prints.
  const bool showSlab = base_.GetSettingINI("Settings", "ShowSlab", "0") == "1";
  for (const auto& r : data_->sheet.rows) {
    if (r.rateWorking && !showSlab) continue;
    if (r.kind == SheetRow::Kind::loss)
      g.rows.push_back({"  " + r.caption + " " + std::to_string(r.loss.year), "", r.loss.carried.roundedToRupee().text()});
    else
      g.rows.push_back({r.kind == SheetRow::Kind::header ? r.caption + ": " + r.value : r.caption, amountText(r.inner),
                        amountText(r.outer)});
  }
}

void ComputationForm::print(PrintMode mode) {
  if (!data_) {
    dialogs().info("There is no computation to print.");
    return;
  }
  if (base_.vFlagInProcess.get()) return;
  base_.vFlagInProcess = true;
  try {
    const PrintoutOptions options = PrintoutOptions::read(
        [this](const std::string& key) { return base_.GetSettingINI("Settings", key, ""); });
    auto& rep = host_.reporter();
    rep.WinModeReport = true;
    rep.NewReport();
    rep.ClientCodes = {data_->client.code};
    printComputation(rep, *data_, options, mode);
    rep.showreport();
  } catch (...) {
    host_.reporter().AbortReport();
    base_.vFlagInProcess = false;
    throw;
  }
  base_.vFlagInProcess = false;
}

namespace {
const host::ScreenRegistration registered{
    {.name = "Form1", .make = [](host::Component& c) { return std::make_shared<ComputationForm>(c); }}};
}  // namespace

}  // namespace meridian::suite::computation

#include "suite/computation/computation_form.h"

#include <filesystem>

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
  on("Prt", EventType::click, [this](ui::Event&) { print(PrintMode::computation); });
  on("mnuadvtaxest", EventType::click, [this](ui::Event&) { print(PrintMode::estimate); });
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
  for (const auto& r : data_->sheet.rows) {
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

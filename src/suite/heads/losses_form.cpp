#include "suite/heads/losses_form.h"

#include <set>

#include "common/years.h"
#include "host/screen_registry.h"
#include "suite/heads/head_choices.h"
#include "suite/heads/loss_rules.h"

namespace meridian::suite::heads {
namespace {

const YearTable kLosses{.table = "losses", .serialColumn = "srno"};

}  // namespace

LossesForm::LossesForm(host::Component& component) : HeadScreen(component, "ObjLoss", "Losses Brought Forward") {
  losses_ = &addRowGrid({losses, "Loss", "Losses of earlier years brought forward",
                         {{"Head", "part", CellType::choice(choices::lossParts()), true},
                          {"A.Y. of Loss", "loss_ay", CellType::year(1990, years::kLatest), true},
                          {"Amount", "amount", CellType::money(), true},
                          {"Return Filed in Time", "intime", CellType::flag(), true, "Yes"}},
                         true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void LossesForm::readYear(db::Connection& conn) { readGrid(conn, kLosses, *losses_); }

bool LossesForm::checkYear() {
  const engine::YearLaw* law = engine::lawOf(year());
  std::set<std::pair<std::string, std::string>> seen;
  for (int r : losses_->filledRows()) {
    auto refuseAtCell = [&](const char* column, const std::string& message) {
      losses_->select(r, losses_->columnIndex(column));
      return refuse(message, losses);
    };
    const std::string head = losses_->cell(r, "part"), ay = losses_->cell(r, "loss_ay");
    const int lossYear = std::atoi(ay.substr(0, 4).c_str());
    if (lossYear >= year())
      return refuseAtCell("loss_ay", "A loss brought forward must be of an assessment year before " +
                                         assessmentYearText(year()) + ".");
    if (!seen.insert({head, ay}).second)
      return refuseAtCell("loss_ay", "The loss under '" + head + "' of A.Y. " + ay + " is entered twice.");
    if (!law) continue;
    const auto rule = carryRuleOf(std::atoi(losses_->code(r, "part").c_str()), *law);
    if (!rule) continue;
    if (rule->years > 0 && year() - lossYear > rule->years)
      return refuseAtCell("loss_ay", "A loss under '" + head + "' can be carried forward for " +
                                         std::to_string(rule->years) + " assessment years only (" + rule->section +
                                         "); the loss of A.Y. " + ay + " has lapsed.");
    if (rule->lostIfLate && losses_->code(r, "intime") == "N")
      return refuseAtCell("intime", "A loss under '" + head +
                                        "' of a return not filed in time can not be carried forward (s.80).");
  }
  return true;
}

void LossesForm::writeYear(db::Connection& conn) { writeGrid(conn, kLosses, *losses_); }

void LossesForm::refresh() {
  (*this)["lblTotals"].caption = "Total Losses Brought Forward : " + losses_->total("amount").grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjLoss", .make = [](host::Component& c) { return std::make_shared<LossesForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads

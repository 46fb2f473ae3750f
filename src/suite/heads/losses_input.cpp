// Losses brought forward into the computation: only those the Act still lets
// the year set off.
#include "common/years.h"
#include "suite/heads/loss_rules.h"
#include "suite/heads/year_input_loader.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {
namespace {

std::optional<engine::LossKind> kindOf(long long part) {
  switch (part) {
    case 0: return engine::LossKind::houseProperty;
    case 1: return engine::LossKind::business;
    case 2: return engine::LossKind::unabsorbedDepreciation;
    case 3: return engine::LossKind::speculation;
    case 5: return engine::LossKind::stcl;
    case 6: return engine::LossKind::ltcl;
    case 7: return engine::LossKind::raceHorses;
    case 8: return engine::LossKind::specifiedBusiness;
    default: return std::nullopt;
  }
}

void loadLosses(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes& notes) {
  const engine::YearLaw* law = engine::lawOf(s.year);
  for (const auto& r : readRows(conn, {.table = "losses", .serialColumn = "srno"}, s.dataSet, s.year)) {
    const long long part = r.integer("part");
    const int lossYear = static_cast<int>(r.integer("loss_ay"));
    const std::string which = "The loss of A.Y. " + assessmentYearText(lossYear) + " (part " + std::to_string(part) + ")";
    const auto kind = kindOf(part);
    if (!kind) {
      notes.push_back(which + " is of a head the computation does not set off yet.");
      continue;
    }
    if (law) {
      const auto rule = carryRuleOf(static_cast<int>(part), *law);
      if (rule && rule->years > 0 && s.year - lossYear > rule->years) {
        notes.push_back(which + " has lapsed (" + rule->section + ") and is left out.");
        continue;
      }
      if (rule && rule->lostIfLate && r.text("intime") == "N") {
        notes.push_back(which + " is of a return not filed in time (s.80) and is left out.");
        continue;
      }
    }
    in.lossesBroughtForward.push_back({*kind, lossYear, r.money("amount").value_or(Money())});
  }
}

const YearInputPartRegistration registered{"losses", &loadLosses};

}  // namespace
}  // namespace meridian::suite::heads

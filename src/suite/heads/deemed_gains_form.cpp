#include "suite/heads/deemed_gains_form.h"

#include "common/years.h"
#include "host/screen_registry.h"

namespace meridian::suite::heads {
namespace {

std::vector<Choice> terms() { return {{"S", "Short-term"}, {"L", "Long-term"}}; }

std::vector<Choice> sections() {
  std::vector<Choice> list;
  for (const char* s : {"54", "54B", "54D", "54EC", "54F", "54G", "54GA", "54GB"}) list.push_back({s, s});
  return list;
}

}  // namespace

DeemedGainsForm::DeemedGainsForm(host::Component& component)
    : TableGridsScreen(component, "ObjCapDeemed", "Deemed Capital Gain") {
  // The gain is income of this previous year, so it arises within it; the
  // date places it among the advance-tax instalments (s.234C proviso).
  auto withinTheYear = [this](const CivilDate& d) -> std::optional<std::string> {
    if (year() <= 0 || (d >= previousYearStart() && d <= previousYearEnd())) return std::nullopt;
    return "A gain is deemed to arise within the previous year, " + formatDmy(previousYearStart()) + " to " +
           formatDmy(previousYearEnd()) + ".";
  };
  const GridColumn arises{"Date deemed to arise", "arise_dt", CellType::date(withinTheYear, true)};
  withdrawn_ = &addTableGrid({.table = "capital_deemed", .serialColumn = "srno"},
                             {"vsfDeemed", "Deemed", "Exemptions of earlier years withdrawn this year",
                              {{"Short-term / Long-term", "term", CellType::choice(terms()), true},
                               {"Section", "section", CellType::choice(sections())},
                               {"Amount deemed as Capital Gain", "amount", CellType::money()},
                               arises},
                              true});
  unused_ = &addTableGrid(
      {.table = "capital_deemn", .serialColumn = "srno"},
      {"vsfDeemN", "DeemN", "Amount not used for new asset or remained unutilized in Capital gains account",
       {{"Short-term / Long-term", "term", CellType::choice(terms()), true},
        {"Previous Year of Transfer", "prev_year", CellType::year(2000, years::kLatest), true},
        {"Section under which deduction claimed", "section", CellType::choice(sections())},
        {"Year of acquisition/construction of new asset", "new_year", CellType::year(2000, years::kLatest)},
        {"Amount utilised out of Capital Gains account", "utilised", CellType::money()},
        {"Amount not used for new asset", "amount", CellType::money()},
        arises}});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void DeemedGainsForm::refresh() {
  Money shortTerm, longTerm;
  for (RowGrid* g : {withdrawn_, unused_})
    for (int r : g->filledRows()) (g->code(r, "term") == "S" ? shortTerm : longTerm) += g->amount(r, "amount");
  (*this)["lblTotals"].caption =
      "Deemed Short-term Capital Gain : " + shortTerm.grouped() + "    Deemed Long-term Capital Gain : " + longTerm.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjCapDeemed", .make = [](host::Component& c) { return std::make_shared<DeemedGainsForm>(c); },
     .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads

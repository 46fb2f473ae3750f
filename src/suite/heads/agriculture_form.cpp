#include "suite/heads/agriculture_form.h"

#include "host/screen_registry.h"
#include "suite/engine/clubbed_income.h"
#include "suite/engine/heads.h"
#include "suite/heads/agriculture_year_input.h"

namespace meridian::suite::heads {
namespace {

const YearTable kAgriculture{.table = "agri"};
const YearTable kMinors{.table = "mininc", .serialColumn = "srno"};
const YearTable kOthers{.table = "clubinc", .serialColumn = "srno"};

const std::vector<Choice>& children() {
  static const std::vector<Choice> list = {{"S", "Son"}, {"D", "Daughter"}};
  return list;
}

// The sections that include another person's income in the client's.
const std::vector<Choice>& clubbingSections() {
  static const std::vector<Choice> list = {
      {"60", "60 Income transferred without the asset"},
      {"61", "61 Revocable transfer of assets"},
      {"64(1)(ii)", "64(1)(ii) Spouse's remuneration from a concern of substantial interest"},
      {"64(1)(iv)", "64(1)(iv) Income from assets transferred to the spouse"},
      {"64(1)(vi)", "64(1)(vi) Income from assets transferred to son's wife"},
      {"64(1)(vii)", "64(1)(vii) Assets transferred for the benefit of the spouse"},
      {"64(1)(viii)", "64(1)(viii) Assets transferred for the benefit of son's wife"},
      {"64(2)", "64(2) Property converted into HUF property"},
  };
  return list;
}

// The head each income was computed under; blank stands for other sources.
std::vector<Choice> clubbedHeads() {
  std::vector<Choice> list;
  for (const auto& n : engine::clubbedHeadNames()) list.push_back({n.code, n.caption});
  return list;
}

std::vector<db::Pairs> filled(const RowGrid& g) {
  std::vector<db::Pairs> rows;
  for (int r : g.filledRows()) rows.push_back(g.pairsOf(r));
  return rows;
}

}  // namespace

AgricultureForm::AgricultureForm(host::Component& component)
    : HeadScreen(component, "ObjAgriculture", "Agriculture & Clubbing of Income") {
  add(ui::ControlKind::frame, "famAgri", "Agricultural income");
  agriculture_ = &addFields({{"txtAgriGross", "Gross Agricultural Receipts", "gross", CellType::money()},
                             {"txtAgriExpenses", "Expenditure on Agriculture", "expenses", CellType::money()},
                             {"txtAgriLoss", "Unabsorbed Agricultural Loss of Earlier Years", "bf_loss",
                              CellType::money()}},
                            "famAgri");
  minors_ = &addRowGrid({minors, "Minor", "Income of minor children (s.64(1A))",
                         {{"Name of Minor", "name", CellType::text(125), true},
                          {"Relation", "relation", CellType::choice(children()), true},
                          {"Nature of Income", "nature", CellType::text(255)},
                          {"Income", "income", CellType::loss()},
                          {"Head of Income", "head", CellType::choice(clubbedHeads())}}});
  others_ = &addRowGrid({others, "Club", "Income of other persons included (ss.60 to 64)",
                         {{"Name of Person", "name", CellType::text(125), true},
                          {"PAN", "pan", CellType::pan()},
                          {"Section", "section", CellType::choice(clubbingSections()), true},
                          {"Nature of Income", "nature", CellType::text(255)},
                          {"Income", "income", CellType::loss()},
                          {"Head of Income", "head", CellType::choice(clubbedHeads())}}});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void AgricultureForm::readYear(db::Connection& conn) {
  const auto rows = readRows(conn, kAgriculture, code(), year());
  agriculture_->show(rows.empty() ? nullptr : &rows.front());
  minors_->show(readRows(conn, kMinors, code(), year()));
  others_->show(readRows(conn, kOthers, code(), year()));
}

void AgricultureForm::writeYear(db::Connection& conn) {
  const auto minorRows = filled(*minors_), otherRows = filled(*others_);
  const bool anything = !agriculture_->blank() || !minorRows.empty() || !otherRows.empty();
  replaceRows(conn, kAgriculture, code(), year(), anything ? std::vector<db::Pairs>{agriculture_->pairs()}
                                                          : std::vector<db::Pairs>{});
  replaceRows(conn, kMinors, code(), year(), minorRows);
  replaceRows(conn, kOthers, code(), year(), otherRows);
}

void AgricultureForm::refresh() {
  const Money agricultural = netAgriculturalIncome(
      {agriculture_->amount("txtAgriGross"), agriculture_->amount("txtAgriExpenses"), agriculture_->amount("txtAgriLoss")});
  std::string caption = "Net Agricultural Income : " + agricultural.grouped();
  if (const engine::YearLaw* law = engine::lawOf(year())) {
    std::vector<ClubbedEntry> entries;
    for (int r : minors_->filledRows())
      entries.push_back({true, minors_->amount(r, "income"), minors_->code(r, "head"), minors_->cell(r, "name")});
    for (int r : others_->filledRows())
      entries.push_back({false, others_->amount(r, "income"), others_->code(r, "head"), others_->cell(r, "name")});
    std::vector<engine::ClubbedIncome> clubbed;
    addClubbed(entries, clubbed);
    const engine::ClubbedFigures f = engine::clubbedIncomeOf(clubbed, *law);
    caption += "    Income Clubbed : " + f.totalGross().grouped() + "    Exempt u/s 10(32) : " + f.totalExempt().grouped();
  }
  (*this)["lblTotals"].caption = caption;
}

namespace {
const host::ScreenRegistration registered{{.name = "ObjAgriculture",
                                           .make = [](host::Component& c) {
                                             return std::make_shared<AgricultureForm>(c);
                                           },
                                           .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads

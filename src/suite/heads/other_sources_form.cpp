#include "suite/heads/other_sources_form.h"

#include "host/screen_registry.h"
#include "suite/engine/heads.h"
#include "suite/heads/head_choices.h"

namespace meridian::suite::heads {
namespace {

const YearTable kReceipts{.table = "other_income", .serialColumn = "srno"};
const YearTable kSpecialRate{.table = "sprtothinc", .yearColumn = "tyear", .serialColumn = "srno"};
const YearTable kExempt{.table = "incitemdet", .yearColumn = "tyear", .serialColumn = "srno"};
const YearTable kCertificates{.table = "rebate_nsc", .serialColumn = "srno"};
const YearTable kExpenses{.table = "oth_inc", .yearColumn = "assyear"};
const YearTable kArising{.table = "oth_arising", .serialColumn = "srno"};

const std::vector<Choice>& arisingKinds() {
  static const std::vector<Choice> list = {
      {arising_kinds::winnings, "Winnings from lotteries, crossword puzzles, races, games (s.115BB)"},
      {arising_kinds::dividends, "Dividends from domestic companies (s.115BBDA)"}};
  return list;
}

}  // namespace

OtherSourcesForm::OtherSourcesForm(host::Component& component)
    : HeadScreen(component, "ObjOtherIncome", "Other Sources") {
  receipts_ = &addRowGrid({receipts, "OthInc", "Income from Other Sources",
                           {{"Nature", "nature", CellType::choice(choices::otherSourceNatures()), true},
                            {"Particulars", "particulars", CellType::text(255)},
                            {"Amount", "amount", CellType::money(), true}},
                           true});
  expenses_ = &addFields({{"txtExpenses", "Expenses u/s 57", "expenses", CellType::money()},
                          {"txtDepreciation", "Depreciation u/s 57", "depreciation", CellType::money()},
                          {"txtRaceHorseReceipts", "Owning and Maintaining Race Horses: Receipts",
                           "racehorse_receipts", CellType::money()},
                          {"txtRaceHorseExpenses", "Owning and Maintaining Race Horses: Deductions u/s 57",
                           "racehorse_expenses", CellType::money()},
                          {"txtDividendDomestic",
                           "Dividends from Domestic Companies (exempt u/s 10(34); above the limit taxed u/s 115BBDA)",
                           "dividend_domestic", CellType::money()}},
                         "famOthInc");
  special_ = &addRowGrid({specialRate, "SpRate", "Income chargeable at special rates",
                          {{"Section", "seccode", CellType::choice(choices::specialRateSections()), true},
                           {"Particulars", "particulars", CellType::text(255)},
                           {"Amount", "amount", CellType::money(), true}}});
  exempt_ = &addRowGrid({exemptIncome, "Exempt", "Exempt Income",
                         {{"Kind", "typ", CellType::choice(choices::exemptIncomeKinds()), true},
                          {"Particulars", "particulars", CellType::text(255)},
                          {"Amount", "amount", CellType::money(), true}}});
  // A certificate bought after the previous year ended earned nothing in it.
  auto bought = CellType::date(notAfterPreviousYear("A certificate can not have been bought after "), true);
  certificates_ = &addRowGrid({certificates, "Nsc", "NSC / KVP",
                               {{"Certificate", "rebtyp", CellType::choice(choices::savingsCertificates()), true},
                                {"Date of Purchase", "purchasedt", bought, true},
                                {"Certificate No.", "certno", CellType::text(64)},
                                {"Issued by", "issuedby", CellType::text(255)},
                                {"Amount", "amount", CellType::money(), true},
                                {"Rate %", "rate", CellType::money()},
                                {"Interest for the Year", "interest", CellType::money()}}});
  // Interest u/s 234C leaves out of an instalment what arose after its date
  // when its tax was paid in the instalments after; blank: all arose by 15 June.
  std::vector<GridColumn> periods = {{"Income", "kind", CellType::choice(arisingKinds()), true}};
  for (const auto& p : arisingPeriodColumns()) periods.push_back({p.caption, p.column, CellType::money()});
  arising_ = &addRowGrid({arising, "Arising", "Winnings and dividends u/s 115BBDA by the date they arose",
                          std::move(periods)});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void OtherSourcesForm::readYear(db::Connection& conn) {
  readGrid(conn, kReceipts, *receipts_);
  readGrid(conn, kSpecialRate, *special_);
  readGrid(conn, kExempt, *exempt_);
  readGrid(conn, kCertificates, *certificates_);
  readGrid(conn, kArising, *arising_);
  readFields(conn, kExpenses, *expenses_);
  const std::string master = component_.clientCtx().vT_Code_No.get();
  person_ = clientPersonOf(base_, master.empty() ? code() : master, year());
}

void OtherSourcesForm::writeYear(db::Connection& conn) {
  writeGrid(conn, kReceipts, *receipts_);
  writeGrid(conn, kSpecialRate, *special_);
  writeGrid(conn, kExempt, *exempt_);
  writeGrid(conn, kCertificates, *certificates_);
  writeGrid(conn, kArising, *arising_);
  writeFields(conn, kExpenses, *expenses_);
}

OtherSourceAmounts OtherSourcesForm::amounts() const {
  OtherSourceAmounts a;
  for (int r : receipts_->filledRows()) addReceipt(a, receipts_->code(r, "nature"), receipts_->amount(r, "amount"));
  a.certificateInterest = certificates_->total("interest");
  for (int r : special_->filledRows()) addSpecialRate(a, special_->code(r, "seccode"), special_->amount(r, "amount"));
  a.expenses = expenses_->amount("txtExpenses");
  a.depreciation = expenses_->amount("txtDepreciation");
  a.raceHorseReceipts = expenses_->amount("txtRaceHorseReceipts");
  a.raceHorseExpenses = expenses_->amount("txtRaceHorseExpenses");
  a.dividendDomestic = expenses_->amount("txtDividendDomestic");
  return a;
}

void OtherSourcesForm::refresh() {
  const engine::YearLaw* law = engine::lawOf(year());
  if (!law) return;
  engine::YearInput in;
  in.year = year();
  in.status = person_.status;
  in.residence = person_.residence;
  in.otherSources = otherSourcesInputOf(amounts());
  const auto f = engine::otherSourcesOf(in, *law);
  (*this)["lblTotals"].caption = "Income from Other Sources : " + f.normal.grouped() +
                                 "    At special rates : " + f.apart.total().grouped() +
                                 (f.raceHorses.isZero() ? std::string() : "    Race Horses : " + f.raceHorses.grouped()) +
                                 "    Exempt Income : " + exempt_->total("amount").grouped();
}

namespace {
const host::ScreenRegistration registered{{.name = "ObjOtherIncome",
                                           .make = [](host::Component& c) { return std::make_shared<OtherSourcesForm>(c); },
                                           .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads

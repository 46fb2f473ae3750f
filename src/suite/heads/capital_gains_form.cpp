#include "suite/heads/capital_gains_form.h"

#include "host/screen_registry.h"
#include "suite/engine/year_law.h"
#include "suite/heads/capital_gain_rules.h"
#include "suite/heads/capital_gains_year_input.h"
#include "suite/heads/row_texts.h"

namespace meridian::suite::heads {
namespace {

const YearTable kTransfers{.table = "capital", .serialColumn = "srno"};
const YearTable kImprovements{.table = "capital_improvement", .serialColumn = "srno"};
const YearTable kExemptions{.table = "capital_exem", .serialColumn = "srno"};

CellType isoDate() { return CellType::date(nullptr, true); }

const MasterDetail::Rows& rowsUnder(MasterDetail& md, const RowGrid* grid, int masterRow) {
  for (const auto& d : md.details())
    if (d.grid == grid) return md.detailRows(d, masterRow);
  throw std::logic_error("no detail grid " + grid->name());
}

std::string rateText(GainClass c) {
  switch (c) {
    case GainClass::stcg111a: return "short-term u/s 111A";
    case GainClass::stcgOther: return "short-term";
    case GainClass::ltcgIndexed: return "long-term";
    case GainClass::ltcgWithoutIndexation: return "long-term, without indexation (s.112(1) proviso)";
    case GainClass::exempt10_38: return "long-term, exempt u/s 10(38)";
  }
  return "";
}

}  // namespace

CapitalGainsForm::CapitalGainsForm(host::Component& component)
    : HeadScreen(component, "ObjIncCap", "Capital Gain") {
  transfers_ = &addRowGrid({transfers, "Trf", "Transfers of capital assets",
                            {{"Asset", "asset_kind", CellType::choice(assetKindChoices()), true},
                             {"Description", "descr", CellType::text(255)},
                             {"Date of Acquisition", "acq_dt", isoDate(), true},
                             {"Date of Transfer", "trf_dt", isoDate(), true},
                             {"Sale Consideration", "sale_val", CellType::money()},
                             {"Stamp Duty Value (s.50C)", "val50c", CellType::money()},
                             {"Expenses on Transfer", "exp_trf", CellType::money()},
                             {"Cost of Acquisition", "cost", CellType::money()}},
                            true});
  details_ = &addMasterDetail(*transfers_, kTransfers);
  improvements_ = &addDetailGrid({improvements, "Imp", "Improvements (of the transfer selected)",
                                  {{"Date of Improvement", "imp_dt", isoDate(), true},
                                   {"Cost of Improvement", "amount", CellType::money()}}},
                                 *details_, kImprovements, "cap_srno");
  exemptions_ = &addDetailGrid({exemptions, "Exem", "Exemptions claimed (on the transfer selected)",
                                {{"Section", "section", CellType::choice(exemptionSectionChoices()), true},
                                 {"Date of acquisition/construction of new asset", "new_dt", isoDate(), true},
                                 {"Amount Invested", "invested", CellType::money()}}},
                               *details_, kExemptions, "cap_srno");
  add(ui::ControlKind::label, "lblTransfers");
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void CapitalGainsForm::readYear(db::Connection& conn) {
  details_->read(conn, code(), year());
  const std::string master = component_.clientCtx().vT_Code_No.get();
  person_ = clientPersonOf(base_, master.empty() ? code() : master, year());
}

std::optional<Transfer> CapitalGainsForm::transferOf(int m) {
  const RowTexts row(*transfers_, m);
  const auto kind = assetKindOf(row.code("asset_kind"));
  const auto acquired = row.date("acq_dt"), transferred = row.date("trf_dt");
  if (!kind || !acquired || !transferred) return std::nullopt;
  Transfer t{*kind, *acquired, *transferred, row.amount("sale_val"), row.amount("val50c"), row.amount("exp_trf"),
             row.amount("cost"), {}, {}};
  for (const auto& texts : rowsUnder(*details_, improvements_, m)) {
    const RowTexts i(*improvements_, texts);
    if (!i.blank())
      if (const auto d = i.date("imp_dt")) t.improvements.push_back({*d, i.amount("amount")});
  }
  for (const auto& texts : rowsUnder(*details_, exemptions_, m)) {
    const RowTexts e(*exemptions_, texts);
    if (!e.blank()) t.exemptions.push_back({e.code("section"), e.date("new_dt"), e.amount("invested")});
  }
  return t;
}

bool CapitalGainsForm::checkYear() {
  if (!engine::lawOf(year())) return true;
  const Transferor who{year(), person_.individualOrHuf()};
  for (int m = 0; m < transfers_->rowCount(); ++m) {
    if (transfers_->blank(m)) continue;
    const auto t = transferOf(m);
    if (!t) continue;
    const auto fault = faultOf(*t, who);
    if (!fault) continue;
    if (fault->part == TransferFault::Part::transfer) {
      transfers_->select(m, transfers_->columnIndex(fault->column));
      return refuse(fault->message, transfers);
    }
    // The fault's row counts the filled rows; find it among the rows shown.
    RowGrid* grid = fault->part == TransferFault::Part::improvement ? improvements_ : exemptions_;
    const auto& rows = rowsUnder(*details_, grid, m);
    int filled = -1, at = 0;
    for (size_t r = 0; r < rows.size(); ++r)
      if (!grid->blank(rows[r]) && ++filled == fault->row) at = static_cast<int>(r);
    return refuseAtDetail(*details_, *grid, m, at, fault->column, fault->message);
  }
  return true;
}

int CapitalGainsForm::transfersKept() {
  int kept = 0;
  for (int m = 0; m < transfers_->rowCount(); ++m)
    if (details_->filled(m)) ++kept;
  return kept;
}

void CapitalGainsForm::writeYear(db::Connection& conn) {
  details_->write(conn, code(), year());
  setIncomeCount(conn, "no_of_capital", transfersKept());
}

void CapitalGainsForm::saved() { component_.clientCtx().vTotCapNos = transfersKept(); }

void CapitalGainsForm::refresh() {
  const engine::YearLaw* law = engine::lawOf(year());
  if (!law) {
    (*this)["lblTransfers"].caption = (*this)["lblTotals"].caption = "";
    return;
  }
  const Transferor who{year(), person_.individualOrHuf()};
  const CostInflationIndex& cii = CostInflationIndex::shipped();
  std::string lines;
  std::vector<Transfer> entered;
  for (int m = 0; m < transfers_->rowCount(); ++m) {
    const auto t = transferOf(m);
    if (!t || faultOf(*t, who)) continue;
    const TransferGain g = gainOf(*t, who, cii);
    lines += (lines.empty() ? "" : "\n") + std::string("Transfer ") + std::to_string(m + 1) + ": " +
             rateText(g.rateClass) + "; cost deducted " + g.costDeducted.grouped() + "; gain " + g.gain.grouped() +
             "; exempt " + g.exempt.grouped() + "; taxable " + g.taxable.grouped();
    entered.push_back(*t);
  }
  engine::CapitalGainsInput in;
  addTransfers(entered, who, cii, in);
  (*this)["lblTransfers"].caption = lines;
  (*this)["lblTotals"].caption = "Short-term u/s 111A : " + in.stcg111a.grouped() + "    Short-term (other) : " +
                                 in.stcgOther.grouped() + "    Long-term : " + in.ltcgIndexed.grouped() +
                                 "    Long-term without indexation : " + in.ltcgWithoutIndexation.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjIncCap", .make = [](host::Component& c) { return std::make_shared<CapitalGainsForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads

#include "suite/heads/member_share_form.h"

#include "host/screen_registry.h"
#include "suite/engine/member_share.h"
#include "suite/heads/member_shares.h"

namespace meridian::suite::heads {
namespace {

const Money kWholeShare = Money::rupees(100);  // a share held in per cent, two decimals

}  // namespace

MemberShareForm::MemberShareForm(host::Component& component)
    : HeadScreen(component, "Objaop", "Share of Income as Member of AOP/BOI") {
  shares_ = &addRowGrid({shares, "AOP", "Associations of persons or bodies of individuals of which a member",
                         {{"Name of AOP/BOI", "aop_name", CellType::text(125), true},
                          {"PAN of AOP/BOI", "aop_pan", CellType::pan(), true},
                          {"Share (%)", "share_pct", CellType::money()},
                          {"Share of Income (u/s 67A)", "share_inc", CellType::money(), true},
                          {"AOP/BOI Taxed at", "tax_basis", CellType::choice(member_shares::taxBasisChoices()), true}},
                         true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void MemberShareForm::readYear(db::Connection& conn) { shares_->show(readRows(conn, member_shares::kTable, code(), year())); }

bool MemberShareForm::checkYear() {
  for (int r : shares_->filledRows())
    if (shares_->amount(r, "share_pct") > kWholeShare) {
      shares_->select(r, shares_->columnIndex("share_pct"));
      return refuse("A member's share in an AOP/BOI can not exceed 100%.", shares);
    }
  return true;
}

void MemberShareForm::writeYear(db::Connection& conn) {
  std::vector<db::Pairs> rows;
  for (int r : shares_->filledRows()) rows.push_back(shares_->pairsOf(r));
  replaceRows(conn, member_shares::kTable, code(), year(), rows);
}

// The totals as the computation will take them, through the same rule.
void MemberShareForm::refresh() {
  engine::YearInput in;
  for (int r : shares_->filledRows())
    if (const auto taxed = member_shares::taxedOf(shares_->code(r, "tax_basis")))
      in.memberShares.push_back({shares_->amount(r, "share_inc"), *taxed});
  const engine::MemberShareFigures f = engine::memberSharesOf(in);
  (*this)["lblTotals"].caption = "Exempt u/s 86 : " + f.exempt.grouped() +
                                 "    Included, Tax Rebated u/s 110 : " + f.includedRebated.grouped() +
                                 "    Included and Taxed : " + f.includedTaxed.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "Objaop", .make = [](host::Component& c) { return std::make_shared<MemberShareForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads

#include "suite/heads/deductions_form.h"

#include "host/screen_registry.h"
#include "suite/heads/head_choices.h"

namespace meridian::suite::heads {
namespace {

const YearTable kClaims{.table = "deductionnew", .serialColumn = "srno"};
const YearTable kOptions{.table = "deduction"};
const YearTable kDonations{.table = "ded80g", .serialColumn = "srno"};

// The donee's particulars, as donee_master keeps them.
const char* const kDoneeColumns[] = {"name", "pan", "address", "city", "state", "pin", "catg"};

db::Value valueOf(const db::Pairs& pairs, const std::string& column) {
  for (const auto& [c, v] : pairs)
    if (c == column) return v;
  return {};
}

}  // namespace

DeductionsForm::DeductionsForm(host::Component& component, const std::string& member)
    : HeadScreen(component, member, "Deductions under Chapter VI-A") {
  claims_ = &addRowGrid({claims, "Ded", "Deductions claimed",
                         {{"Section", "section", CellType::choice(choices::deductionSections()), true},
                          {"Particulars", "particulars", CellType::text(255)},
                          {"Amount Claimed", "claimed", CellType::money(), true}},
                         true});
  options_ = &addFields({{"cboSeniorSelf", "Self or spouse a senior citizen (80D)", "senior_self", CellType::flag()},
                         {"cboSeniorParents", "A parent a senior citizen (80D)", "senior_parents", CellType::flag()},
                         {"cboSevere", "Severe disability (80DD, 80U)", "severe_disab", CellType::flag()}},
                        "famDed");
  donations_ = &addRowGrid({donations, "80G", "Donations u/s 80G",
                            {{"Donee", "name", CellType::text(125), true},
                             {"PAN of Donee", "pan", CellType::pan()},
                             {"Address", "address", CellType::text(255)},
                             {"City", "city", CellType::text(100)},
                             {"State", "state", CellType::text(100)},
                             {"PIN", "pin", CellType::digits(6, "PIN Code must be of 6 digits.")},
                             {"Deduction", "catg", CellType::choice(choices::doneeCategories()), true},
                             {"Amount Donated", "amount", CellType::money(), true}}});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void DeductionsForm::readYear(db::Connection& conn) {
  readGrid(conn, kClaims, *claims_);
  readFields(conn, kOptions, *options_);
  donations_->show(conn.query(
      "SELECT m.name, m.pan, m.address, m.city, m.state, m.pin, m.catg, g.amount FROM ded80g g "
      "JOIN donee_master m ON m.doneecd = g.doneecd WHERE g.code_no = ? AND g.ass_year = ? ORDER BY g.srno",
      {code(), year()}));
}

long long DeductionsForm::doneeOf(db::Connection& conn, const db::Pairs& donee) {
  const db::Pairs key{donee[0], donee[1]};  // name and PAN
  const auto found = db::selectWhere(conn, "donee_master", key, {"doneecd"});
  if (!found.empty()) {
    const long long id = found.front().integer("doneecd");
    db::updateWhere(conn, "donee_master", donee, {{"doneecd", id}});
    return id;
  }
  db::insertRow(conn, "donee_master", donee);
  return db::selectWhere(conn, "donee_master", key, {"doneecd"}).front().integer("doneecd");
}

void DeductionsForm::writeYear(db::Connection& conn) {
  writeGrid(conn, kClaims, *claims_);
  writeFields(conn, kOptions, *options_);
  std::vector<db::Pairs> rows;
  for (int r : donations_->filledRows()) {
    const db::Pairs all = donations_->pairsOf(r);
    db::Pairs donee;
    for (const char* column : kDoneeColumns) donee.emplace_back(column, valueOf(all, column));
    rows.push_back({{"doneecd", doneeOf(conn, donee)}, {"amount", valueOf(all, "amount")}});
  }
  replaceRows(conn, kDonations, code(), year(), rows);
}

void DeductionsForm::refresh() {
  (*this)["lblTotals"].caption = "Total Claimed : " + claims_->total("claimed").grouped() +
                                 "    Donations u/s 80G : " + donations_->total("amount").grouped();
}

namespace {
host::ScreenEntry deductionsScreen(const char* member) {
  return {.name = member,
          .make = [member](host::Component& c) { return std::make_shared<DeductionsForm>(c, member); },
          .kept = true};
}
const host::ScreenRegistration current{deductionsScreen("ObjDeductN")};
const host::ScreenRegistration older{deductionsScreen("ObjDeduct")};
}  // namespace

}  // namespace meridian::suite::heads

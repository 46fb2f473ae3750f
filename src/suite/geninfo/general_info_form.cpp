#include "suite/geninfo/general_info_form.h"

#include "host/screen_registry.h"
#include "suite/geninfo/general_info.h"
#include "suite/geninfo/key_persons.h"

namespace meridian::suite::geninfo {
namespace {

using heads::CellType;

const heads::YearTable kNoAccount{.table = "geninfo_balpl"};
const heads::YearTable kAssets{.table = "itrschal"};
const heads::YearTable kEnclosures{.table = "itdoc", .yearColumn = "t_year", .serialColumn = "srno"};
const heads::YearTable kOtherDetails{.table = "business_othdet", .serialColumn = "srno"};
const heads::YearTable kKeyPersons{.table = "geninfo_schh_13", .serialColumn = "srno"};

constexpr const char* kNetProfitRule = "Sch-PL (No Account Case) : Net Profit should be Gross Profit - Expenses";

std::vector<heads::Choice> categoryChoices() {
  std::vector<heads::Choice> out;
  for (const auto& c : otherDetailCategories()) out.push_back({c.code, c.caption});
  return out;
}

}  // namespace

GeneralInfoForm::GeneralInfoForm(host::Component& component, const std::string& member)
    : HeadScreen(component, member, "General Information") {
  add(ui::ControlKind::frame, "famNoAccount", "Profit & Loss Account and Balance Sheet (No Account Case)");
  // Gross profit and net profit may be losses; the rest never fall below nil.
  noAccount_ = &addFields({{"cboBooks", "Regular books of account of business or profession maintained", "booksmaint",
                            CellType::flag()},
                           {"txtGrossReceipts", "Gross Receipts", "grossrcpt", CellType::money()},
                           {"txtGrossProfit", "Gross Profit", "grossprofit", CellType::loss()},
                           {"txtExpenses", "Expenses", "expenses", CellType::money()},
                           {"txtNetProfit", "Net Profit", "netprofit", CellType::loss()},
                           {"txtSundryDebtors", "Sundry Debtors", "sundrydebtors", CellType::money()},
                           {"txtSundryCreditors", "Sundry Creditors", "sundrycreditors", CellType::money()},
                           {"txtStock", "Stock-in-trade", "stockintrade", CellType::money()},
                           {"txtCash", "Cash Balance", "cashbal", CellType::money()}},
                          "famNoAccount");
  add(ui::ControlKind::frame, "famSchAL", "Details of Asset and Liability at the end of the year (As per Sch-AL)");
  assets_ = &addFields({{"cboALGiven", "Details of Asset and Liability given", "detgiven", CellType::flag()},
                        {"txtLand", "Land", "land", CellType::money()},
                        {"txtBuilding", "Building", "building", CellType::money()},
                        {"txtDeposits", "Deposits in Bank (including balance in any account)", "bankdeposits",
                         CellType::money()},
                        {"txtShares", "Shares and securities", "shares", CellType::money()},
                        {"txtInsurance", "Insurance policies", "insurance", CellType::money()},
                        {"txtLoans", "Loans and Advances given", "loansgiven", CellType::money()},
                        {"txtCashInHand", "Cash in hand", "cashinhand", CellType::money()},
                        {"txtJewellery", "Jewellery, bullion etc.", "jewellery", CellType::money()},
                        {"txtArt", "Archaeological collections, drawings, painting, sculpture or any work of art",
                         "artwork", CellType::money()},
                        {"txtVehicles", "Vehicles, yachts, boats and aircraft", "vehicles", CellType::money()},
                        {"txtLiability", "Liability in relation to Assets", "liability", CellType::money()}},
                       "famSchAL");
  enclosures_ = &addRowGrid({enclosures, "Encl", "List of Enclosures",
                             {{"Enclosure", "particulars", CellType::text(255), true}}, true});
  otherDetails_ = &addRowGrid({otherDetails, "OthDet", "Other Details",
                               {{"Category", "catg", CellType::choice(categoryChoices()), true},
                                {"Particulars", "particulars", CellType::text(255)},
                                {"Amount", "amount", CellType::money(), true}}});
  keyPersons_ = &addRowGrid({keyPersons, "KeyPer", "Key Persons", keyPersonColumns()});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void GeneralInfoForm::readYear(db::Connection& conn) {
  readFields(conn, kNoAccount, *noAccount_);
  readFields(conn, kAssets, *assets_);
  readGrid(conn, kEnclosures, *enclosures_);
  readGrid(conn, kOtherDetails, *otherDetails_);
  readGrid(conn, kKeyPersons, *keyPersons_);
}

bool GeneralInfoForm::checkYear() {
  // The return's Sch-PL of a business without books is refused by the
  // department when its net profit is not the gross profit less expenses.
  // The flag box shows the caption of its stored code: "Yes" for 'Y'.
  if (noAccount_->blank() || (*this)["cboBooks"].text == "Yes") return true;
  const Money implied = noAccount_->amount("txtGrossProfit") - noAccount_->amount("txtExpenses");
  if (noAccount_->amount("txtNetProfit") != implied) return refuse(kNetProfitRule, "txtNetProfit");
  return true;
}

void GeneralInfoForm::writeYear(db::Connection& conn) {
  writeFields(conn, kNoAccount, *noAccount_);
  writeFields(conn, kAssets, *assets_);
  writeGrid(conn, kEnclosures, *enclosures_);
  writeGrid(conn, kOtherDetails, *otherDetails_);
  writeGrid(conn, kKeyPersons, *keyPersons_);
}

void GeneralInfoForm::refresh() {
  AssetsAndLiabilities a;
  for (const auto& c : assetColumns())
    for (const auto& box : assets_->fields())
      if (box.column == c.column) a.*c.figure = assets_->amount(box.control);
  (*this)["lblTotals"].caption = "Immovable Asset : " + a.immovable().grouped() +
                                 "    Movable Asset : " + a.movable().grouped() +
                                 "    Total Assets : " + a.total().grouped();
}

namespace {
std::shared_ptr<host::Screen> make(host::Component& c, const char* member) {
  return std::make_shared<GeneralInfoForm>(c, member);
}
// One screen for every status: the figures it keeps are asked of every
// return that has a business or the assets of Schedule AL.
const host::ScreenRegistration registeredPersons{
    {.name = "GetGenInfo", .make = [](host::Component& c) { return make(c, "GetGenInfo"); }, .kept = true}};
const host::ScreenRegistration registeredOthers{
    {.name = "GetGenInfooth", .make = [](host::Component& c) { return make(c, "GetGenInfooth"); }, .kept = true}};
const host::ScreenRegistration registeredTrusts{
    {.name = "GetGenInfoTrust", .make = [](host::Component& c) { return make(c, "GetGenInfoTrust"); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::geninfo

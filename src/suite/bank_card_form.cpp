#include "suite/bank_card_form.h"

#include <algorithm>

#include "common/text.h"
#include "common/years.h"
#include "db/connection.h"
#include "db/rows.h"

namespace meridian::suite {
namespace {

constexpr const char* kGrid = "vsDetails";
constexpr int kBlankRows = 3;  // rows offered for new accounts or cards

bool allDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return c >= '0' && c <= '9'; });
}

// An IFSC: four letters of the bank, a zero, six characters of the branch.
bool validIfsc(const std::string& s) {
  if (s.size() != 11 || s[4] != '0') return false;
  for (size_t i = 0; i < 11; ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (i < 4 ? !std::isupper(c) : !std::isalnum(c)) return false;
  }
  return true;
}

}  // namespace

BankCardForm::BankCardForm(host::Base& base, std::string kind, std::string code, int year,
                           std::function<void()> closed)
    : host::Screen(base, "BankCCDet", kind == "C" ? "Credit Card Details" : "Bank Details"),
      kind_(std::move(kind)),
      code_(std::move(code)),
      year_(year),
      closed_(std::move(closed)) {
  add(ui::ControlKind::label, "lblFor");
  ui::Grid& g = *addGrid(kGrid).grid;
  std::vector<std::string> titles = {"Sr."};
  for (const auto& c : columns()) titles.push_back(c.title);
  g.setColumns(titles);
  g.frozenCols = 1;
  g.editable = true;
  add(ui::ControlKind::button, "cmdaddrow", "&Add Row");
  add(ui::ControlKind::button, "cmdsave", "&Save");
  add(ui::ControlKind::button, "cmdclear", "&Clear");
  add(ui::ControlKind::button, "cmdback", "&Back");
  on(kGrid, ui::EventType::cellEdited, [this](ui::Event& e) {
    ui::Grid& grid = this->grid(kGrid);
    if (e.row < 0 || e.row >= grid.rowCount() || e.col < 1 || e.col >= grid.cols()) return;
    grid.setTextMatrix(e.row, e.col, upperCase(trimmed(e.value)));
    grid.changed = true;
  });
  on(kGrid, ui::EventType::rowColChange, [](ui::Event&) {});
  on("cmdaddrow", ui::EventType::click, [this](ui::Event&) {
    ui::Grid& grid = this->grid(kGrid);
    grid.rows.push_back(std::vector<std::string>(static_cast<size_t>(grid.cols())));
    grid.rows.back()[0] = std::to_string(grid.rowCount());
  });
  on("cmdsave", ui::EventType::click, [this](ui::Event&) {
    if (save()) close();
  });
  on("cmdclear", ui::EventType::click, [this](ui::Event&) { clearAll(); });
  on("cmdback", ui::EventType::click, [this](ui::Event&) { escape(); });
}

const std::vector<BankCardForm::Column>& BankCardForm::columns() const {
  static const std::vector<Column> bank = {{"Bank Name", "banknm"},       {"Bank Address", "bankadd"},
                                           {"MICR Code", "micr"},         {"Account Type", "actyp"},
                                           {"Account No.", "acno"},       {"IFSC", "bankcode"},
                                           {"Branch Code", "bankbrcode"}, {"Default (Y/N)", "defbank"}};
  static const std::vector<Column> card = {
      {"Card Name", "cardnm"}, {"Issued By", "issuedby"}, {"Card No.", "cardno"}, {"Default (Y/N)", "defcc"}};
  return cards() ? card : bank;
}

void BankCardForm::load() {
  base_.Resize_For_Resolution(*this);
  (*this)["lblFor"].caption =
      "Client : " + code_ + (year_ ? "    Assessment Year : " + assessmentYearText(year_) : "    Master Details");
  fill();
}

void BankCardForm::fill() {
  ui::Grid& g = grid(kGrid);
  g.clearRows();
  for (const auto& r : base_.DbObj().query(std::string("SELECT * FROM ") + table() +
                                               " WHERE code_no = ? AND yr = ? ORDER BY srno",
                                           {code_, year_})) {
    std::vector<std::string> row = {std::to_string(g.rowCount() + 1)};
    for (const auto& c : columns()) row.push_back(r.text(c.column));
    g.rows.push_back(std::move(row));
  }
  for (int i = 0; i < kBlankRows; ++i) {
    g.rows.push_back(std::vector<std::string>(static_cast<size_t>(g.cols())));
    g.rows.back()[0] = std::to_string(g.rowCount());
  }
  g.changed = false;
  focus = kGrid;
}

std::optional<std::vector<std::vector<std::string>>> BankCardForm::checkedRows() {
  const ui::Grid& g = grid(kGrid);
  std::vector<std::vector<std::string>> out;
  int defaults = 0;
  const auto& cols = columns();
  auto fail = [this](const std::string& why) -> std::optional<std::vector<std::vector<std::string>>> {
    refuse(why, kGrid);
    return std::nullopt;
  };
  auto at = [&](const std::vector<std::string>& row, const char* column) -> const std::string& {
    for (size_t i = 0; i < cols.size(); ++i)
      if (std::string(cols[i].column) == column) return row[i + 1];
    throw std::logic_error(std::string("no column ") + column);
  };
  for (int r = 0; r < g.rowCount(); ++r) {
    const auto& row = g.rows[static_cast<size_t>(r)];
    if (std::all_of(row.begin() + 1, row.end(), [](const std::string& s) { return trimmed(s).empty(); })) continue;
    const std::string line = " (row " + row[0] + ")";
    const std::string def = at(row, defaultColumn());
    if (!def.empty() && def != "Y" && def != "N") return fail("Default is Y or N" + line + ".");
    if (def == "Y") ++defaults;
    if (cards()) {
      if (at(row, "cardnm").empty() || at(row, "cardno").empty())
        return fail("Card Name and Card No. are needed" + line + ".");
    } else {
      if (at(row, "banknm").empty() || at(row, "acno").empty())
        return fail("Bank Name and Account No. are needed" + line + ".");
      const std::string& micr = at(row, "micr");
      if (!micr.empty() && !(micr.size() == 9 && allDigits(micr)))
        return fail("MICR Code has 9 digits" + line + ".");
      const std::string& ifsc = at(row, "bankcode");
      if (!ifsc.empty() && !validIfsc(ifsc))
        return fail("IFSC has 11 characters: 4 letters of the bank, 0, 6 of the branch" + line + ".");
      const std::string& type = at(row, "actyp");
      if (!type.empty() && type != "SAVING" && type != "CURRENT" && type != "CASH CREDIT")
        return fail("Account Type is SAVING, CURRENT or CASH CREDIT" + line + ".");
    }
    out.push_back(row);
  }
  if (defaults > 1)
    return fail(std::string("Only one ") + (cards() ? "card" : "account") + " can be the default.");
  return out;
}

bool BankCardForm::save() {
  auto rows = checkedRows();
  if (!rows) return false;
  db::Connection& conn = base_.DbObj();
  auto tx = conn.begin();
  db::deleteWhere(conn, table(), {{"code_no", code_}, {"yr", year_}});
  int srNo = 0;
  for (const auto& row : *rows) {
    db::Pairs values = {{"code_no", code_}, {"yr", year_}, {"srno", ++srNo}};
    const auto& cols = columns();
    for (size_t i = 0; i < cols.size(); ++i) {
      std::string v = row[i + 1];
      if (std::string(cols[i].column) == defaultColumn() && v.empty()) v = "N";
      values.emplace_back(cols[i].column, v);
    }
    db::insertRow(conn, table(), values);
  }
  tx.commit();
  grid(kGrid).changed = false;
  return true;
}

void BankCardForm::clearAll() {
  const std::string what = cards() ? "Credit Card Details" : "Bank Details";
  if (!dialogs().yesNo("Do you want to Clear the " + what + "?", "", ui::Answer::no)) return;
  db::Connection& conn = base_.DbObj();
  auto tx = conn.begin();
  db::deleteWhere(conn, table(), {{"code_no", code_}, {"yr", year_}});
  tx.commit();
  fill();
}

void BankCardForm::escape() {
  if (grid(kGrid).changed && !dialogs().yesNo("Leave without saving the changes?", "", ui::Answer::no)) return;
  close();
}

void BankCardForm::unload() {
  if (closed_) {
    auto closed = std::move(closed_);
    closed_ = nullptr;
    closed();
  }
}

}  // namespace meridian::suite

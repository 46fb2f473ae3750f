#include "itr/filing_particulars.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "common/years.h"
#include "host/client_particulars.h"

namespace meridian::itr {

const std::vector<FilingSection>& filingSections() {
  // The list numbers its items; the code is the number plus ten, but for
  // 139(5), 139(9) and 153C, which the department numbers 17, 18 and 16.
  static const std::vector<FilingSection> list{
      {0, "", "", 0},
      {1, "Before due date - 139(1)", "11", 0},
      {2, "After due date - 139(4)", "12", 0},
      {6, "Revised Return - 139(5)", "17", 0},
      {7, "In response to notice u/s 139(9)", "18", 0},
      {3, "In response to notice u/s 142(1)", "13", 0},
      {4, "In response to notice u/s 148", "14", 0},
      {5, "In response to notice u/s 153A", "15", 0},
      {8, "In response to notice u/s 153C", "16", 0},
      {9, "92CD", "19", 0},
      {10, "In response to order u/s 119(2)(b)", "20", 2015},
  };
  return list;
}

const FilingSection* filingSectionOfCode(std::string_view code) {
  if (code.empty()) return nullptr;
  for (const auto& s : filingSections())
    if (s.code == code) return &s;
  return nullptr;
}

std::string refundModeCode(RefundMode m) {
  switch (m) {
    case RefundMode::bankDeposit: return "B";
    case RefundMode::cheque: return "C";
    case RefundMode::none: break;
  }
  return "";
}

RefundMode refundModeOfCode(std::string_view code) {
  if (code == "B") return RefundMode::bankDeposit;
  if (code == "C") return RefundMode::cheque;
  return RefundMode::none;
}

std::string refundModeCaption(RefundMode m) {
  switch (m) {
    case RefundMode::bankDeposit: return "Deposited directly into bank account";
    case RefundMode::cheque: return "Cheque";
    case RefundMode::none: break;
  }
  return "";
}

bool isIfscWellFormed(std::string_view ifsc) {
  if (ifsc.size() != 11) return false;
  for (size_t i = 0; i < 4; ++i)
    if (!std::isupper(static_cast<unsigned char>(ifsc[i]))) return false;
  if (ifsc[4] != '0') return false;
  return std::all_of(ifsc.begin() + 5, ifsc.end(), [](char c) {
    return std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c));
  });
}

const BankAccount* FilingParticulars::defaultAccount() const {
  for (const auto& a : bankAccounts)
    if (a.isDefault) return &a;
  return bankAccounts.empty() ? nullptr : &bankAccounts.front();
}

const FilingSection* FilingParticulars::section() const { return filingSectionOfCode(sectionCode); }

namespace {

int firstYearOf(const std::string& assYear) {
  const int y = yearOfEntry(assYear);
  if (y < 1900 || (assYear.size() != 4 && assYear.size() != 7))
    throw std::invalid_argument("Not an assessment year: \"" + assYear + "\"");
  return y;
}

std::string storeValue(db::Connection& conn, const std::string& owner, int year, const char* key) {
  return conn.scalar("SELECT svalue FROM misc_oth_inf WHERE code_no = ? AND ass_year = ? AND skey = ?",
                     {owner, year, std::string(key)});
}

// The second mobile or e-mail: the client's own when its choice says so
// (the key with "CH" = "1"), else the number all clients share.
std::pair<std::string, bool> secondContact(db::Connection& conn, const std::string& client, const char* key) {
  const bool own = storeValue(conn, client, 0, (std::string(key) + "CH").c_str()) == "1";
  if (own) return {storeValue(conn, client, 0, key), false};
  return {storeValue(conn, keys::kCommonOwner, 0, key), true};
}

std::vector<BankAccount> bankAccountsOf(db::Connection& conn, const std::string& client, int year) {
  std::vector<BankAccount> accounts;
  auto rs = conn.query(
      "SELECT srno, banknm, ifsc, micr, acno, actyp, defbank FROM bank_details WHERE code_no = ? AND yr = ? "
      "ORDER BY srno",
      {client, year});
  for (const auto& r : rs)
    accounts.push_back({static_cast<int>(r.integer("srno")), r.text("banknm"), r.text("ifsc"), r.text("micr"),
                        r.text("acno"), r.text("actyp"), r.text("defbank") == "Y"});
  return accounts;
}

}  // namespace

FilingParticulars loadFilingParticulars(db::Connection& conn, const std::string& dataSetCode,
                                        const std::string& assYear) {
  FilingParticulars f;
  f.year = firstYearOf(assYear);
  f.dataSet = dataSetCode;
  f.client = dataSetCode.substr(0, dataSetCode.find('^'));

  f.sectionCode = conn.scalar("SELECT section FROM geninfo_miscinf WHERE code_no = ? AND ass_year = ?",
                              {dataSetCode, f.year});
  if (!filingSectionOfCode(f.sectionCode)) f.sectionCode.clear();
  f.noticeNo = storeValue(conn, dataSetCode, f.year, keys::kNoticeNo);
  f.noticeDate = parseDmy(storeValue(conn, dataSetCode, f.year, keys::kNoticeDate));
  f.date92CD = parseDmy(storeValue(conn, dataSetCode, f.year, keys::kDate92CD));

  // A revision's accounts are the client's accounts of the year.
  f.bankAccounts = bankAccountsOf(conn, f.client, f.year);

  auto client = host::ClientParticulars::load(conn, dataSetCode, f.year);
  auto ret = conn.query("SELECT * FROM geninfo_retdet WHERE code_no = ? AND ass_year = ?", {dataSetCode, f.year});
  if (!ret.empty()) {
    const db::Row& r = ret.front();
    f.refundMode = refundModeOfCode(r.text("refm"));
    f.furnishedUnder = r.text("section1");
    f.verification = {r.text("vername"), r.text("verfname"), r.text("verpan"), r.text("verplace"),
                      parseDmy(r.text("verdate")), r.text("vercaps")};
    if (const long long srno = r.integer("trpsrno"); srno > 0) {
      auto trp = conn.query("SELECT srno, trpnm, trpid FROM trp_master WHERE srno = ?", {srno});
      if (!trp.empty())
        f.preparer = ReturnPreparer{static_cast<int>(srno), trp.front().text("trpnm"), trp.front().text("trpid"),
                                    r.money("trpamt").value_or(Money())};
    }
  }
  // Blank verification boxes take the client's own particulars: an
  // individual or HUF signs through the person in the master.
  if (client) {
    Verification& v = f.verification;
    if (v.name.empty()) v.name = client->name();
    if (v.fatherName.empty() && client->person) v.fatherName = client->fatherName();
    if (v.pan.empty() && client->person) v.pan = client->pan;
    if (v.place.empty()) v.place = client->address.city;
  }
  // A blank capacity takes the one the year's computation settings give the
  // person who signs (new_tab.caps of the data set).
  if (f.verification.capacity.empty())
    f.verification.capacity =
        conn.scalar("SELECT caps FROM new_tab WHERE code_no = ? AND ass_year = ?", {dataSetCode, std::to_string(f.year)});
  std::tie(f.mobile2, f.mobile2Common) = secondContact(conn, f.client, keys::kMobile2);
  std::tie(f.email2, f.email2Common) = secondContact(conn, f.client, keys::kEmail2);
  return f;
}

}  // namespace meridian::itr

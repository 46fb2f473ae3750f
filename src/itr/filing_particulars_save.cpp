#include "db/rows.h"
#include "itr/filing_particulars.h"

namespace meridian::itr {

namespace {

void storeValue(db::Connection& conn, const std::string& owner, int year, const std::string& key, const std::string& value) {
  if (value.empty()) {
    db::deleteWhere(conn, "misc_oth_inf", {{"code_no", owner}, {"ass_year", year}, {"skey", key}});
    return;
  }
  db::upsertRow(conn, "misc_oth_inf", {{"code_no", owner}, {"ass_year", year}, {"skey", key}}, {{"svalue", value}});
}

std::string dateText(const std::optional<CivilDate>& d) { return d ? formatDmy(*d) : ""; }

void saveSecondContact(db::Connection& conn, const FilingParticulars& f, const char* key, const std::string& value,
                       bool common) {
  storeValue(conn, f.client, 0, std::string(key) + "CH", common ? "0" : "1");
  storeValue(conn, common ? keys::kCommonOwner : f.client, 0, key, value);
}

void saveAccounts(db::Connection& conn, const FilingParticulars& f) {
  std::string kept;
  db::Params keptSerials{f.client, f.year};
  for (const auto& a : f.bankAccounts) {
    const db::Pairs values{{"banknm", a.bankName}, {"ifsc", a.ifsc}, {"acno", a.accountNo},
                           {"actyp", a.accountType}, {"defbank", a.isDefault ? "Y" : "N"}};
    db::upsertRow(conn, "bank_details", {{"code_no", f.client}, {"yr", f.year}, {"srno", a.serial}}, values);
    kept += kept.empty() ? "?" : ", ?";
    keptSerials.push_back(a.serial);
  }
  conn.execute("DELETE FROM bank_details WHERE code_no = ? AND yr = ?" +
                   (kept.empty() ? std::string() : " AND srno NOT IN (" + kept + ")"),
               keptSerials);
}

}  // namespace

void saveFilingParticulars(db::Connection& conn, const FilingParticulars& f) {
  auto tx = conn.begin();
  db::upsertRow(conn, "geninfo_miscinf", {{"code_no", f.dataSet}, {"ass_year", f.year}}, {{"section", f.sectionCode}});
  const bool notice = f.sectionCode == "18";
  storeValue(conn, f.dataSet, f.year, keys::kNoticeNo, notice ? f.noticeNo : "");
  storeValue(conn, f.dataSet, f.year, keys::kNoticeDate, notice ? dateText(f.noticeDate) : "");
  storeValue(conn, f.dataSet, f.year, keys::kDate92CD, f.sectionCode == "19" ? dateText(f.date92CD) : "");
  db::deleteWhere(conn, "geninfo_retdet", {{"code_no", f.dataSet}, {"ass_year", f.year}});
  db::insertRow(conn, "geninfo_retdet",
                {{"code_no", f.dataSet},
                 {"ass_year", f.year},
                 {"trpsrno", f.preparer ? f.preparer->serial : 0},
                 {"trpamt", f.preparer ? f.preparer->amount.text() : std::string("0")},
                 {"refm", refundModeCode(f.refundMode)},
                 {"section1", f.furnishedUnder},
                 {"vername", f.verification.name},
                 {"verfname", f.verification.fatherName},
                 {"verpan", f.verification.pan},
                 {"verplace", f.verification.place},
                 {"verdate", dateText(f.verification.date)},
                 {"vercaps", f.verification.capacity}});
  saveSecondContact(conn, f, keys::kMobile2, f.mobile2, f.mobile2Common);
  saveSecondContact(conn, f, keys::kEmail2, f.email2, f.email2Common);
  saveAccounts(conn, f);
  tx.commit();
}

}  // namespace meridian::itr

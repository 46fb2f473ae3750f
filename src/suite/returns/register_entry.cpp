#include "suite/returns/register_entry.h"

#include "suite/returns/order_sections.h"
#include "common/dates.h"
#include "suite/dataset/data_set_code.h"

namespace meridian::returns {

std::string RegisterEntry::ownCode() const {
  return isOriginal() ? codeNo : suite::dataset::dataSetCode(codeNo, typ.empty() ? 'R' : typ[0], srNo);
}

std::string RegisterEntry::listText() const {
  if (isOrder()) {
    auto date = parseIso(orderDt);
    return "Order (U/s " + orderSectionText(secSrNo) + " Dated " + (date ? formatDmy(*date) : orderDt) + ")";
  }
  std::string text = isOriginal() ? "Original" : isRectification() ? "Rectification" : "Revised";
  if (filed()) text += " (Filed on " + ackDt + " No. " + ackNo + ")";
  return text;
}

std::string RegisterEntry::returnWord() const {
  return isOriginal() ? "Original Return" : isRectification() ? "Rectification Return" : "Revised Return";
}

std::vector<RegisterEntry> readRegister(db::Connection& conn, const std::string& client, int year) {
  std::vector<RegisterEntry> out;
  for (const db::Row& r : conn.query("SELECT * FROM nrevordr WHERE code_no = ? AND asyear = ? ORDER BY srno", {client, year})) {
    RegisterEntry e;
    e.codeNo = r.text("code_no");
    e.asYear = static_cast<int>(r.integer("asyear"));
    e.srNo = static_cast<int>(r.integer("srno"));
    e.typ = r.text("typ");
    e.flagYN = r.text("flagyn");
    e.ackDt = r.text("ackdt");
    e.ackNo = r.text("ackno");
    e.upTyp = r.text("uptyp");
    e.postDt = r.text("postdt");
    e.acptDt = r.text("acptdt");
    e.acptNo = r.text("acptno");
    e.secSrNo = static_cast<int>(r.integer("secsrno"));
    e.asMt = r.text("asmt");
    e.orderDt = r.text("orderdt");
    e.dt2 = r.text("dt2");
    e.dt3 = r.text("dt3");
    e.dt4 = r.text("dt4");
    e.tax234B = r.integer("tax234b");
    e.tax234C = r.integer("tax234c");
    out.push_back(std::move(e));
  }
  return out;
}

void insertEntry(db::Connection& conn, const RegisterEntry& e) {
  conn.execute("INSERT INTO nrevordr VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
               {e.codeNo, e.asYear, e.srNo, e.typ, e.flagYN, e.ackDt, e.ackNo, e.upTyp, e.postDt, e.acptDt, e.acptNo,
                e.secSrNo, e.asMt, e.orderDt, e.dt2, e.dt3, e.dt4, e.tax234B, e.tax234C});
}

int nextSrNo(db::Connection& conn, const std::string& client, int year) {
  return std::stoi(conn.scalar("SELECT MAX(srno) FROM nrevordr WHERE code_no = ? AND asyear = ?", {client, year}, "0")) + 1;
}

std::string dataSetInUse(const std::vector<RegisterEntry>& entries, size_t index, const std::string& client) {
  for (size_t i = index + 1; i-- > 0;)
    if (entries[i].keepsOwnDataSet()) return entries[i].ownCode();
  return client;
}

const RegisterEntry* lastReturn(const std::vector<RegisterEntry>& entries) {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it)
    if (it->isReturn()) return &*it;
  return nullptr;
}

const RegisterEntry* lastFiledReturnBefore(const std::vector<RegisterEntry>& entries, int srNo) {
  const RegisterEntry* found = nullptr;
  for (const auto& e : entries)
    if (e.srNo < srNo && e.isReturn() && e.filed()) found = &e;
  return found;
}

}  // namespace meridian::returns

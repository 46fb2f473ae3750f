#include "suite/returns/rectification_details.h"

#include "suite/returns/register_entry.h"
#include "suite/returns/register_scope.h"
#include "suite/dataset/data_set_engine.h"

namespace meridian::returns {

bool saveRectification(host::Component& host, ui::Dialogs& dialogs, const RectificationDetails& d, int editSrNo) {
  RegisterScope s(host, dialogs);
  const TypedDate cpc = typedDate(d.cpcOrderDate);
  if (!cpc.date) return s.refuse("Specify Date of CPC Order.");
  if (*cpc.date <= s.lowerBound())
    return s.refuse("Date of CPC Order should be after " + formatDmy(s.lowerBound()) + ".");
  if (d.referenceNo.empty()) return s.refuse("Specify Reference No. of CPC Order.");
  const TypedDate second = typedDate(d.secondDate);
  if (second.malformed) return s.refuse("Invalid date entry.");
  const std::string secondText = second.date ? formatDmy(*second.date) : "";

  db::Connection& conn = s.conn();
  auto tx = conn.begin();
  if (editSrNo) {
    conn.execute("UPDATE nrevordr SET ackdt = ?, ackno = ?, acptdt = ?, acptno = ? WHERE code_no = ? AND asyear = ? AND srno = ?",
                 {formatDmy(*cpc.date), d.referenceNo, secondText, d.secondNo, s.client, s.year, editSrNo});
  } else {
    const auto entries = readRegister(conn, s.client, s.year);
    RegisterEntry z;
    z.codeNo = s.client;
    z.asYear = s.year;
    z.srNo = nextSrNo(conn, s.client, s.year);
    z.typ = "Z";
    z.flagYN = "Y";
    z.ackDt = formatDmy(*cpc.date);
    z.ackNo = d.referenceNo;
    z.upTyp = "";
    z.acptDt = secondText;
    z.acptNo = d.secondNo;
    z.asMt = "";
    insertEntry(conn, z);
    // The request keeps a data set of its own, starting from the figures it rectifies.
    const std::string from = entries.empty() ? s.client : dataSetInUse(entries, entries.size() - 1, s.client);
    suite::dataset::DataSetEngine(conn, host.base().DocPath.get()).copy(s.client, s.year, from, z.ownCode(), true);
  }
  tx.commit();
  return true;
}

}  // namespace meridian::returns

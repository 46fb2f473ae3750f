#include "suite/returns/return_details.h"

#include "suite/returns/register_entry.h"
#include "suite/returns/register_scope.h"
#include "common/years.h"

namespace meridian::returns {
namespace {

// From A.Y. 2015-16 a return filed without a signature is verified either by
// sending ITR-V or electronically; the register tells the two apart.
constexpr int kFirstYearOfEVerification = 2015;

void writePending(RegisterScope& s, const std::string& filingDate, int srNo) {
  db::Connection& conn = s.conn();
  const std::string ay = assessmentYearText(s.year);
  if (conn.exists("SELECT 1 FROM pending WHERE code_no = ? AND assyear = ?", {s.client, ay}))
    conn.execute("UPDATE pending SET retdate = ?, srno = ? WHERE code_no = ? AND assyear = ?",
                 {filingDate, std::to_string(srNo), s.client, ay});
  else
    conn.execute("INSERT INTO pending (code_no, name, assyear, retdate, srno, orddate, asamt, ackno) "
                 "VALUES (?, '', ?, ?, ?, '', 0, '')",
                 {s.client, ay, filingDate, std::to_string(srNo)});
}

bool itrvRowExists(RegisterScope& s) {
  return s.conn().exists("SELECT 1 FROM itrvdet WHERE code_no = ? AND ass_year = ?", {s.client, s.year});
}

}  // namespace

bool saveReturnDetails(host::Component& host, ui::Dialogs& dialogs, int srNo, const ReturnFilingDetails& d) {
  RegisterScope s(host, dialogs);
  if (d.mode < 0) return s.refuse("Select Return Type.");
  const auto entries = readRegister(s.conn(), s.client, s.year);

  std::optional<CivilDate> filed, posted, received, processed;
  const bool signedOrVerified = d.mode == 3 && s.year >= kFirstYearOfEVerification;
  if (d.mode >= 1) {
    filed = typedDate(d.filingDate).date;
    if (!filed) return s.refuse("Specify Date of Return Filing.");
    // On or after the return it follows: the latest earlier filed return,
    // else the last filed return handed to the form, else the year's start.
    const RegisterEntry* previous = lastFiledReturnBefore(entries, srNo);
    const CivilDate bound = previous ? *parseDmy(previous->ackDt) : s.lowerBound();
    if (*filed < bound) return s.refuse("Return Filing Date should be on or after " + formatDmy(bound));
    if (d.ackNo.empty()) return s.refuse("Specify Acknowledgement No.");
    if (signedOrVerified && d.verification == Verification::notChosen) return s.refuse("Specify 'e-Verified'.");
    for (auto [text, date] : {std::pair{&d.postDate, &posted}, {&d.receiptDate, &received}, {&d.processDate, &processed}}) {
      const TypedDate t = typedDate(*text);
      if (t.malformed) return s.refuse("Invalid date entry.");
      *date = t.date;
    }
    if (signedOrVerified && d.verification == Verification::sendItrV && !posted)
      return s.refuse("Specify Dispatch Date of Form ITR-V.");
    const bool everified = signedOrVerified && d.verification == Verification::eVerified;
    if (posted && *posted < *filed)
      return s.refuse(std::string("'") + (everified ? "e-Verified On" : "Dispatch Date of Form ITR-V") +
                      "' should be greater than or equal to Date of Return Filing.");
    if (received && posted && *received < *posted)
      return s.refuse("ITR-V Receipt Date should be greater than or equal to Dispatch Date of Form ITR-V.");
    if (processed && *processed < *filed)
      return s.refuse("Process Date should be greater than or equal to Date of Return Filing.");
  }

  std::string mode = std::to_string(d.mode);
  if (signedOrVerified) mode = d.verification == Verification::eVerified ? "6" : "5";
  auto dmy = [](const std::optional<CivilDate>& date) { return date ? formatDmy(*date) : std::string(); };
  const std::string filingDate = dmy(filed), postDate = dmy(posted);
  const std::string ackNo = d.mode >= 1 ? d.ackNo : "";
  const std::string everifiedOn = mode == "6" ? postDate : "";

  db::Connection& conn = s.conn();
  const RegisterEntry* last = lastReturn(entries);
  const bool isLastReturn = last && last->srNo == srNo;
  {
    auto tx = conn.begin();
    if (isLastReturn) {
      const std::string ay = assessmentYearText(s.year);
      if (d.mode == 0)
        conn.execute("DELETE FROM pending WHERE code_no = ? AND assyear = ?", {s.client, ay});
      else
        writePending(s, filingDate, srNo);
      if (itrvRowExists(s))
        conn.execute("UPDATE itrvdet SET typ = ?, postdt = ?, acptdt = ?, acptno = ?, procdt = ? WHERE code_no = ? AND ass_year = ?",
                     {mode, postDate, dmy(received), d.receiptNo, dmy(processed), s.client, s.year});
      else
        conn.execute("INSERT INTO itrvdet (code_no, ass_year, typ, postdt, acptdt, acptno, procdt) VALUES (?, ?, ?, ?, ?, ?, ?)",
                     {s.client, s.year, mode, postDate, dmy(received), d.receiptNo, dmy(processed)});
    }
    conn.execute(
        "UPDATE nrevordr SET ackdt = ?, ackno = ?, uptyp = ?, postdt = ?, acptdt = ?, acptno = ?, dt2 = ? "
        "WHERE code_no = ? AND asyear = ? AND srno = ?",
        {filingDate, ackNo, mode, postDate, dmy(received), d.receiptNo, everifiedOn, s.client, s.year, srNo});
    if (isLastReturn) {
      conn.execute("DELETE FROM itretstproc WHERE code_no = ? AND ass_year = ? AND srno = ?", {s.client, s.year, srNo});
      conn.execute("INSERT INTO itretstproc (code_no, ass_year, srno, procstat) VALUES (?, ?, ?, ?)",
                   {s.client, s.year, srNo, d.processStatus});
    }
    tx.commit();
  }
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].srNo == srNo) offerDateOfComputation(s, dataSetInUse(entries, i, s.client), filingDate);
  return true;
}

void recordOnlineFiling(host::Component& host, ui::Dialogs& dialogs, int srNo, bool withDsc, const std::string& ackNo,
                        const std::string& filingDate, const std::string& everifiedOn) {
  RegisterScope s(host, dialogs);
  std::string mode = "4";
  if (!withDsc) mode = s.year < kFirstYearOfEVerification ? "3" : everifiedOn.size() == 10 ? "6" : "5";
  db::Connection& conn = s.conn();
  {
    auto tx = conn.begin();
    conn.execute("UPDATE nrevordr SET ackdt = ?, ackno = ?, uptyp = ?, postdt = ? WHERE code_no = ? AND asyear = ? AND srno = ?",
                 {filingDate, ackNo, mode, everifiedOn, s.client, s.year, srNo});
    writePending(s, filingDate, srNo);
    if (itrvRowExists(s))
      conn.execute("UPDATE itrvdet SET typ = ?, postdt = ? WHERE code_no = ? AND ass_year = ?",
                   {mode, everifiedOn, s.client, s.year});
    else
      conn.execute("INSERT INTO itrvdet (code_no, ass_year, typ, postdt, acptdt, acptno, procdt) VALUES (?, ?, ?, ?, '', '', '')",
                   {s.client, s.year, mode, everifiedOn});
    tx.commit();
  }
  const auto entries = readRegister(conn, s.client, s.year);
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].srNo == srNo) offerDateOfComputation(s, dataSetInUse(entries, i, s.client), filingDate);
  host.returnCtx().vRev_Dt = parseDmy(filingDate);
  host.returnCtx().vrev_srno = srNo;
}

}  // namespace meridian::returns

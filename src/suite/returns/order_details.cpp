#include "suite/returns/order_details.h"

#include "suite/returns/order_sections.h"
#include "suite/returns/register_entry.h"
#include "suite/returns/register_scope.h"
#include "suite/dataset/data_set_code.h"

namespace meridian::returns {
namespace {

// The dates of the frame, each read once; a malformed one stops the save.
struct OrderDates {
  std::optional<CivilDate> order, service, upTo, assessed;
};

bool otherOrderExists(db::Connection& conn, const RegisterScope& s, int editSrNo, const std::string& condition) {
  return conn.exists("SELECT 1 FROM nrevordr WHERE code_no = ? AND asyear = ? AND typ = 'A' AND srno <> ? AND " + condition,
                     {s.client, s.year, editSrNo});
}

bool checkDates(RegisterScope& s, const OrderDates& d, int editSrNo) {
  const CivilDate bound = s.lowerBound();
  if (*d.order <= bound) return s.refuse("Date of Order should be after " + formatDmy(bound) + ".");
  const std::string latest = s.conn().scalar(
      "SELECT orderdt FROM nrevordr WHERE code_no = ? AND asyear = ? AND typ = 'A' AND srno <> ? ORDER BY orderdt DESC",
      {s.client, s.year, editSrNo});
  if (auto previous = parseIso(latest); previous && *d.order < *previous)
    return s.refuse("Date of Order should be on or after " + formatDmy(*previous) + " (i.e. Date of Previous Order).");
  if (d.service && *d.service < *d.order)
    return s.refuse("Date of Service for interest calculation u/s 220(2) should be on or after " +
                    formatDmy(*d.order) + ".");
  for (const auto& earlier : {d.service, d.order})
    if (d.upTo && earlier && *d.upTo < *earlier)
      return s.refuse("Date upto which interest to be calculated u/s 220(2) should be on or after " +
                      formatDmy(*earlier) + ".");
  if (d.assessed && !(*d.assessed < *d.order))
    return s.refuse("Date of Assessment Order u/s 143(1)/143(3) upto which 234B is chargeable should be before " +
                    formatDmy(*d.order));
  return true;
}

// Orders follow the order of assessment: none u/s 143(1)/143(3) after a
// re-assessment u/s 148 or 153A, and a re-assessment only once.
bool checkSequence(RegisterScope& s, const OrderDetails& d, const std::string& assessment, int editSrNo) {
  db::Connection& conn = s.conn();
  if (d.section < 3 && otherOrderExists(conn, s, editSrNo, "secsrno > 2"))
    return s.refuse("Assessment Order u/s 148 or 153A has already been done.");
  if (assessment == kReAssessment) {
    const char* earlier = d.section == 3 ? "secsrno <= 3" : d.section == 4 ? "secsrno <= 4" : nullptr;
    if (earlier && otherOrderExists(conn, s, editSrNo, earlier))
      return s.refuse(std::string("Only ") + kReComputation + " is allowed.");
  }
  return true;
}

}  // namespace

bool saveOrder(host::Component& host, ui::Dialogs& dialogs, const OrderDetails& d, int editSrNo) {
  RegisterScope s(host, dialogs);
  if (d.section <= 0 || orderSectionText(d.section).empty()) return s.refuse("Specify Section.");
  OrderDates dates;
  {
    const TypedDate order = typedDate(d.orderDate);
    if (!order.date) return s.refuse("Specify Date of Order.");
    dates.order = order.date;
    std::pair<const std::string*, std::optional<CivilDate>*> optional[] = {
        {&d.serviceDate, &dates.service}, {&d.interestUpTo, &dates.upTo}, {&d.assessedUpTo, &dates.assessed}};
    for (auto [text, date] : optional) {
      const TypedDate t = typedDate(*text);
      if (t.malformed) return s.refuse("Invalid date entry.");
      *date = t.date;
    }
  }
  if (!checkDates(s, dates, editSrNo)) return false;
  std::vector<std::pair<CivilDate, const RefundLine*>> refunds;
  for (const auto& r : d.refunds) {
    if (!r.tax && !r.interest) continue;
    const TypedDate granted = typedDate(r.grantDate);
    if (!granted.date) return s.refuse("Specify Date of Grant of Refund.");
    refunds.emplace_back(*granted.date, &r);
  }
  const std::string assessment =
      offersAssessmentChoice(d.section) ? (d.assessment.empty() ? std::string(kReComputation) : d.assessment) : "";
  if (!checkSequence(s, d, assessment, editSrNo)) return false;

  auto dmy = [](const std::optional<CivilDate>& date) { return date ? formatDmy(*date) : std::string(); };
  db::Connection& conn = s.conn();
  auto tx = conn.begin();
  int srNo = editSrNo;
  if (editSrNo) {
    conn.execute(
        "UPDATE nrevordr SET secsrno = ?, asmt = ?, orderdt = ?, dt2 = ?, dt3 = ?, dt4 = ?, tax234b = ?, tax234c = ? "
        "WHERE code_no = ? AND asyear = ? AND srno = ?",
        {d.section, assessment, formatIso(*dates.order), dmy(dates.service), dmy(dates.upTo), dmy(dates.assessed),
         d.tax234B, d.tax234C, s.client, s.year, editSrNo});
  } else {
    RegisterEntry a;
    a.codeNo = s.client;
    a.asYear = s.year;
    a.srNo = srNo = nextSrNo(conn, s.client, s.year);
    a.typ = "A";
    a.secSrNo = d.section;
    a.asMt = assessment;
    a.orderDt = formatIso(*dates.order);
    a.dt2 = dmy(dates.service);
    a.dt3 = dmy(dates.upTo);
    a.dt4 = dmy(dates.assessed);
    a.tax234B = d.tax234B;
    a.tax234C = d.tax234C;
    insertEntry(conn, a);
  }
  const std::string code = suite::dataset::dataSetCode(s.client, 'A', srNo);
  conn.execute("DELETE FROM nordrefs WHERE code_no = ? AND ass_year = ?", {code, s.year});
  int serial = 0;
  for (const auto& [granted, line] : refunds)
    conn.execute("INSERT INTO nordrefs (code_no, ass_year, srno, grantdt, taxa, inta) VALUES (?, ?, ?, ?, ?, ?)",
                 {code, s.year, ++serial, formatIso(granted), line->tax, line->interest});
  tx.commit();
  return true;
}

std::vector<RefundLine> readRefunds(db::Connection& conn, const std::string& orderCode, int year) {
  std::vector<RefundLine> out;
  for (const auto& r : conn.query("SELECT grantdt, taxa, inta FROM nordrefs WHERE code_no = ? AND ass_year = ? "
                                  "ORDER BY grantdt, srno",
                                  {orderCode, year})) {
    auto date = parseIso(r.text("grantdt"));
    out.push_back({date ? formatDmy(*date) : r.text("grantdt"), r.integer("taxa"), r.integer("inta")});
  }
  return out;
}

}  // namespace meridian::returns

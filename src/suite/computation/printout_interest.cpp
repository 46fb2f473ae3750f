#include "suite/computation/printout_interest.h"

#include "common/dates.h"
#include "suite/computation/computation_sheet.h"
#include "suite/computation/printout_table.h"

namespace meridian::suite::computation {
namespace {

std::string bold(const std::string& s) { return host::esc::boldOn + s + host::esc::boldOff; }

const std::vector<int16_t> kWidths{26, 14, 8, 12, 14};
const std::vector<std::string> kKinds{"T", "A", "T", "T", "A"};

struct Stretch {
  std::string when;
  Money on;
  int months = 0;
  int monthlyRate = 0;
  Money interest;
};

// One section's table, printed only when its stretches come to the amount
// charged: a section left out or typed by hand on the settings screen was
// not worked here, and a working that does not add up to the figure
// printed above would mislead.
void section(host::ReportWriter& rep, const std::string& title, const std::string& firstColumn,
             const std::vector<Stretch>& stretches, Money charged, bool borders) {
  Money sum;
  for (const auto& s : stretches) sum += s.interest;
  if (stretches.empty() || charged.isZero() || sum != charged) return;
  rep.printtext(bold(title));
  TableOut t(rep, kWidths, kKinds, borders);
  t.heading({firstColumn, "Amount (₹)", "Months", "Rate p.m.", "Interest (₹)"}, "11111", "01111");
  for (const auto& s : stretches)
    t.row({s.when, s.on, std::to_string(s.months), percentText(s.monthlyRate), s.interest}, false, "", "01111");
  t.row({std::string("Total"), host::ReportValue(), host::ReportValue(), host::ReportValue(), sum}, false, "10001",
        "01111");
  rep.printtext();
}

std::vector<Stretch> periods(const std::vector<engine::InterestPeriod>& working) {
  std::vector<Stretch> out;
  for (const auto& p : working)
    out.push_back({formatDmy(p.from) + " to " + formatDmy(p.to), p.on, p.months, p.monthlyRate, p.interest});
  return out;
}

}  // namespace

void printInterestWorking(host::ReportWriter& rep, const engine::InterestFigures& interest, bool borders) {
  std::vector<Stretch> instalments;
  for (const auto& i : interest.instalments)
    if (!i.interest.isZero()) instalments.push_back({formatDmy(i.dueDate), i.interestOn, i.months, i.monthlyRate, i.interest});
  if (interest.total().isZero()) return;
  rep.printtext();
  rep.printtext(bold("CALCULATION OF INTEREST U/S 234A, 234B AND 234C"));
  section(rep, "Interest u/s 234A (default in furnishing return)", "Period", periods(interest.working234a),
          interest.s234a, borders);
  section(rep, "Interest u/s 234B (default in payment of advance tax)", "Period", periods(interest.working234b),
          interest.s234b, borders);
  section(rep, "Interest u/s 234C (deferment of advance tax)", "Installment Due on", instalments, interest.s234c,
          borders);
}

}  // namespace meridian::suite::computation

#include "suite/computation/printout_depreciation.h"

#include "common/dates.h"
#include "suite/computation/printout_table.h"

namespace meridian::suite::computation {
namespace {

std::string bold(const std::string& s) { return host::esc::boldOn + s + host::esc::boldOff; }

std::string dayOf(int day, int month, int year) { return formatDmy(*makeDate(day, month, year)); }

// A nil amount prints blank, as the other schedules leave it.
host::ReportValue amount(Money m) { return m.isZero() ? host::ReportValue() : host::ReportValue(m); }

// A note cut at blanks to the page's 78 columns.
void note(host::ReportWriter& rep, const std::string& text) {
  for (const auto& line : report::wrapToWidth(text, 78)) rep.printtext(line);
}

}  // namespace

void printDepreciationSchedule(host::ReportWriter& rep, const assets::DepreciationChart& chart, int year, bool borders) {
  if (chart.blocks.empty() && chart.outside.empty()) return;
  rep.printtext();
  rep.printtext(bold("DEPRECIATION AS PER INCOME-TAX ACT U/S 32(1)(ii)"));
  if (!chart.blocks.empty()) {
    TableOut t(rep, {16, 5, 11, 11, 11, 13, 11}, {"T", "T", "A", "A", "A", "A", "A"}, borders);
    t.heading({"Block of Assets", "Rate (%)", "W.D.V. as on " + dayOf(1, 4, year - 1), "Additions", "Sales",
               "Depreciation", "W.D.V. as on " + dayOf(31, 3, year)},
              "1111111", "0111111");
    assets::BlockDepreciation total;
    for (const auto& b : chart.blocks) {
      t.row({b.block, std::to_string(b.ratePercent), amount(b.openingWdv), amount(b.additions()), amount(b.sales),
             amount(b.depreciation), amount(b.closingWdv)},
            false, "", "0111111");
      total.openingWdv += b.openingWdv;
      total.additionsFull += b.additions();
      total.sales += b.sales;
      total.depreciation += b.depreciation;
      total.closingWdv += b.closingWdv;
    }
    t.row({"Total", "", amount(total.openingWdv), amount(total.additionsFull), amount(total.sales),
           amount(total.depreciation), amount(total.closingWdv)},
          false, "1011111", "0111111");
  }
  // What the table's columns cannot say: the additions at half the rate,
  // the gains of blocks whose sales exceeded their value, and the items no
  // schedule takes.
  for (const auto& b : chart.blocks) {
    const std::string name = b.block + " (" + std::to_string(b.ratePercent) + "%)";
    if (!b.additionsHalf.isZero() && b.shortTermGain.isZero())
      note(rep, "Additions of Rs. " + b.additionsHalf.groupedRupees() + " to " + name +
                    " put to use for less than 180 days are depreciated at half the rate (second proviso to section "
                    "32(1)).");
    if (!b.shortTermGain.isZero())
      note(rep, "Sales of " + name + " exceed its written-down value and additions by Rs. " +
                    b.shortTermGain.groupedRupees() + ": short-term capital gain u/s 50, no depreciation allowed.");
  }
  for (const auto& i : chart.outside)
    note(rep, "Not in any block of the Income-tax Rules, left out: " + i.particulars + " (" + i.block + ", " +
                  std::to_string(i.ratePercent) + "%).");
}

}  // namespace meridian::suite::computation

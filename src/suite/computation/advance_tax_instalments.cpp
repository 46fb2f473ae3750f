#include "suite/computation/advance_tax_instalments.h"

#include <algorithm>
#include <optional>

#include "common/dates.h"
#include "host/status.h"
#include "suite/computation/printout_table.h"
#include "suite/engine/year_law.h"
#include "suite/report/utf8_text.h"

namespace meridian::suite::computation {
namespace {

namespace esc = host::esc;
using Cells = std::vector<host::ReportValue>;

constexpr int kPageColumns = 78;

std::string bold(const std::string& s) { return esc::boldOn + s + esc::boldOff; }

// A note of no liability, within the page: "Note: " in bold, the rest
// broken between words.
void note(host::ReportWriter& rep, const std::string& text) {
  const std::string prefix = "Note: ";
  auto pieces = report::wrapToWidth(prefix + text, kPageColumns);
  pieces.front() = bold(prefix) + pieces.front().substr(prefix.size());
  for (const auto& p : pieces) rep.printtext(p);
}

// One instalment as printed: columns (1) to (11).
struct InstalmentLine {
  std::string label, dueDate, share;
  Money due;                  // (4) the least to be paid by the date
  std::string lastPaidOn;     // (5)
  Money paid, paidBefore;     // (6), (7)
  std::string paidShare;      // (8)
  Money paidByDate, shortfall, interest;  // (9), (10), (11)
};

struct Instalments {
  std::vector<InstalmentLine> lines;
  bool beforeIncorporation = false;
  bool afterComputation = false;
};

Instalments instalmentsOf(const PrintoutData& d) {
  Instalments out;
  const auto& grid = d.context.vArrValsAdvTaxInt;
  const auto* law = engine::lawOf(d.year);
  const bool company = host::statusClass(d.client.status) >= 3;
  const auto* schedule = law ? &(company ? law->companySchedule : law->othersSchedule) : nullptr;
  const auto incorporated = company ? parseDmy(d.client.birthOrIncorporation) : std::nullopt;
  const char* ordinal[] = {"Ist", "IInd", "IIIrd", "IVth"};
  std::optional<CivilDate> previousDue;
  std::size_t n = 0;
  for (const auto& r : grid.rows) {
    const int shareBp = schedule && n < schedule->size() ? static_cast<int>((*schedule)[n].cumulative) : 0;
    InstalmentLine l;
    l.label = ordinal[std::min<std::size_t>(n, 3)];
    if (incorporated && r.dueDate < *incorporated) {
      l.label += "*";
      out.beforeIncorporation = true;
    }
    l.dueDate = formatDmy(r.dueDate);
    if (shareBp > 0) l.share = std::to_string(shareBp / 100) + "%";
    l.due = r.cumulativeDue;
    for (const auto& p : d.advancePayments)
      if (p.date <= r.dueDate && (!previousDue || p.date > *previousDue)) l.lastPaidOn = formatDmy(p.date);
    l.paid = r.paid;
    l.paidBefore = r.paidByDate - r.paid;
    // The share of the tax paid by the date: paid / (due / share).
    if (shareBp > 0 && r.cumulativeDue > Money())
      l.paidShare = std::to_string(r.paidByDate.inPaise() * shareBp / r.cumulativeDue.inPaise() / 100) + "%";
    l.paidByDate = r.paidByDate;
    l.shortfall = std::max(Money(), r.cumulativeDue - r.paidByDate);
    l.interest = r.interest;
    if (d.computationDate && r.dueDate > *d.computationDate) out.afterComputation = true;
    out.lines.push_back(std::move(l));
    previousDue = r.dueDate;
    ++n;
  }
  return out;
}

int widthOf(const Money& m) { return report::columnCount(m.groupedRupees()); }

// The widest amount of the table, the total of interest included.
int widestAmount(const Instalments& all, const Money& totalInterest) {
  int w = widthOf(totalInterest);
  for (const auto& l : all.lines)
    for (const Money* m : {&l.due, &l.paid, &l.paidBefore, &l.paidByDate, &l.shortfall, &l.interest})
      w = std::max(w, widthOf(*m));
  return w;
}

void headingRows(TableOut& t, const std::vector<std::vector<const char*>>& lines, const std::string& bold,
                 const std::string& right) {
  for (const auto& line : lines) {
    Cells cells;
    for (const char* piece : line) cells.emplace_back(std::string(piece));
    t.row(cells, true, bold, right);
  }
}

// All eleven columns across 78 characters. Every heading piece and every
// amount up to 99,999 (interest up to 9,999) is narrower than its column,
// and all but the first two columns are right-aligned, so neighbouring
// cells never run together; the headings are given line by line so that
// none wraps inside a word.
void oneBand(host::ReportWriter& rep, const Instalments& all, const Money& totalInterest, bool borders) {
  TableOut t(rep, {6, 11, 5, 7, 11, 7, 7, 5, 7, 7, 5}, {"T", "T", "T", "A", "T", "A", "A", "T", "A", "A", "A"},
             borders);
  headingRows(t,
              {{"Inst.", "Due Date", "Due", "Min.", "Advance", "", "", "", "", "Int.", "Int."},
               {"", "", "%", "Tax to", "Tax Paid", "", "", "", "", "u/s", "u/s"},
               {"", "", "", "avoid", "", "", "", "", "", "234C", "234C"},
               {"", "", "", "234C", "", "", "", "", "", "on", ""}},
              "11111111111", "00111111111");
  headingRows(t, {{"", "", "", "Amount", "Date", "Amount", "Before", "% of", "Gross", "", ""},
                  {"", "", "", "", "", "", "", "Tax", "Amount", "", ""}},
              "00111111100", "00111111111");
  headingRows(t, {{"(1)", "(2)", "(3)", "(4)", "(5)", "(6)", "(7)", "(8)", "(9)", "(10)", "(11)"}}, "11111111111",
              "00111111111");
  for (const auto& l : all.lines)
    t.row({l.label, l.dueDate, l.share, l.due, l.lastPaidOn, l.paid, l.paidBefore, l.paidShare, l.paidByDate,
           l.shortfall, l.interest},
          false, "00000000000", "00111111111");
  if (all.lines.empty()) return;
  Cells total(11);
  total[1] = std::string("Total");
  total[10] = totalInterest;
  t.row(total, false, "01000000001", "00111111111");
}

// Amounts of lakhs and crores do not fit eleven columns across the page:
// the table is printed in two bands, each led by the instalment, the first
// with what was due and paid in the period, the second with what was paid
// in all, the shortfall and the interest.
void twoBands(host::ReportWriter& rep, const Instalments& all, const Money& totalInterest, int amount,
              bool borders) {
  const auto w = static_cast<int16_t>(std::max(10, amount + 2));
  {
    TableOut t(rep, {6, 11, 6, w, 12, w}, {"T", "T", "T", "A", "T", "A"}, borders);
    headingRows(t,
                {{"Inst.", "Due Date", "Due", "Min. Tax", "Advance", "Advance"},
                 {"", "", "%", "to avoid", "Tax Paid", "Tax Paid"},
                 {"", "", "", "234C", "Date", "Amount"},
                 {"(1)", "(2)", "(3)", "(4)", "(5)", "(6)"}},
                "111111", "001111");
    for (const auto& l : all.lines)
      t.row({l.label, l.dueDate, l.share, l.due, l.lastPaidOn, l.paid}, false, "000000", "001111");
  }
  rep.printtext();
  TableOut t(rep, {6, w, 7, w, w, w}, {"T", "A", "T", "A", "A", "A"}, borders);
  headingRows(t,
              {{"Inst.", "Paid", "% of", "Gross", "Int. u/s", "Int. u/s"},
               {"", "Before", "Tax", "Amount", "234C on", "234C"},
               {"(1)", "(7)", "(8)", "(9)", "(10)", "(11)"}},
              "111111", "011111");
  for (const auto& l : all.lines)
    t.row({l.label, l.paidBefore, l.paidShare, l.paidByDate, l.shortfall, l.interest}, false, "000000", "011111");
  if (all.lines.empty()) return;
  t.row({std::string("Total"), host::ReportValue(), host::ReportValue(), host::ReportValue(), host::ReportValue(),
         totalInterest},
        false, "100001", "011111");
}

}  // namespace

void printInstalments(host::ReportWriter& rep, const PrintoutData& d, bool borders) {
  const auto& grid = d.context.vArrValsAdvTaxInt;
  rep.printtext();
  if (grid.status == "BELOWLIMIT") {
    note(rep, "No Advance Tax Liability [Tax Payable is less than or equal to Rs. " +
                  std::string(d.year < 2010 ? "5000" : "10000") + " as per section 208].");
    return;
  }
  if (grid.status == "SENIOR") {
    note(rep,
         "No Advance Tax Liability [Assessee being an Individual Resident in India of the age of sixty years or more "
         "and does not have any income chargeable under head \"Profit and gains of Business or Profession\" as per "
         "section 207].");
    return;
  }
  rep.printtext(bold(esc::underlineOn + std::string("ADVANCE TAX INSTALLMENTS") + esc::underlineOff));
  const Instalments all = instalmentsOf(d);
  const Money totalInterest = d.result.interest.s234c;
  int amount = widestAmount(all, totalInterest);
  bool fits = amount <= 6;
  for (const auto& l : all.lines) fits = fits && widthOf(l.interest) <= 4;
  fits = fits && widthOf(totalInterest) <= 4;
  if (fits)
    oneBand(rep, all, totalInterest, borders);
  else
    twoBands(rep, all, totalInterest, amount, borders);
  if (all.lines.empty()) return;
  rep.printtext("(9) = (6) + (7); (10) = (4) - (9)");
  if (all.beforeIncorporation) rep.printtext("* Installment is Due before Date of Incorporation.");
  if (all.afterComputation) rep.printtext("** Installment is Due after Date of Computation.");
}

}  // namespace meridian::suite::computation

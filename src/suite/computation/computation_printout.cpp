#include "suite/computation/computation_printout.h"

#include <algorithm>
#include <array>

#include "common/dates.h"
#include "common/text.h"
#include "common/years.h"
#include "suite/computation/case_style.h"
#include "suite/computation/printout_annexures.h"
#include "suite/computation/printout_depreciation.h"
#include "suite/computation/printout_table.h"
#include "host/status.h"
#include "suite/engine/printout_lines.h"
#include "suite/engine/year_law.h"

namespace meridian::suite::computation {
namespace {

namespace esc = host::esc;
using Kind = SheetRow::Kind;
std::string bold(const std::string& s) { return esc::boldOn + s + esc::boldOff; }
std::string underlined(const std::string& s) { return esc::underlineOn + s + esc::underlineOff; }

// Cuts a long line at blanks so that it stays within the page's columns.
std::vector<std::string> wrapped(const std::string& line, std::size_t width = 78) {
  std::vector<std::string> out;
  std::string rest = line;
  while (rest.size() > width) {
    std::size_t cut = rest.rfind(' ', width);
    if (cut == std::string::npos || cut == 0) cut = width;
    out.push_back(rest.substr(0, cut));
    rest = trimmed(rest.substr(cut));
  }
  out.push_back(rest);
  return out;
}

bool pairedHeader(const std::string& caption) {
  for (const char* p : {"STATUS", "WARD NO", "D.O.I.", "D.O.B.", "PHONE NO.", "MOBILE NO.", "AADHAAR NO.",
                        "PASSPORT NO.", "PAN"})
    if (caption.rfind(p, 0) == 0 && caption != "RESIDENTIAL STATUS") return true;
  return false;
}

class Printout {
 public:
  Printout(host::ReportWriter& rep, const PrintoutData& d, const PrintoutOptions& o, PrintMode mode)
      : rep_(rep), d_(d), o_(o), mode_(mode) {}

  void print() {
    pageHeaderAndFooter();
    rep_.SelectHF(host::hfBody);
    headerBlock();
    printFilingParticulars(rep_, d_.statements, {o_.returnIncome, o_.receiptNo, o_.wardNo, o_.returnDate},
                           mode_ == PrintMode::estimate, o_.borders);
    if (mode_ == PrintMode::computation) {
      computationLines();
      dueDateLine();
      declaration();
      signature();
      schedules();
    } else {
      estimatedComputation();
      instalments();
    }
  }

 private:
  std::string caption(const std::string& s) const { return inCaseStyle(s, o_.caseStyle); }

  std::string title() const {
    return std::string(mode_ == PrintMode::computation ? "Income-Tax Computation" : "Advance Tax Estimation") +
           (o_.footClient ? " of " + d_.client.name : "") + (o_.footCode ? " (" + d_.client.code + ")" : "") +
           (o_.footYear ? " A.Y. " + assessmentYearText(d_.year) : "");
  }

  // The practitioner's particulars, each part under its setting.
  std::vector<std::string> practitionerLines() const {
    std::vector<std::string> lines;
    if (!d_.practitioner) return lines;
    const Practitioner& p = *d_.practitioner;
    if (o_.footName && !p.name.empty()) lines.push_back(o_.footNameTitle ? bold(p.name) : p.name);
    if (o_.footAddress) {
      std::string a = joinNonBlank({p.address, p.area, p.city, p.pincode}, ", ");
      if (!a.empty()) lines.push_back(a);
    }
    std::string phones;
    const auto add = [&](const std::string& label, const std::string& a, const std::string& b) {
      const std::string both = joinNonBlank({a, b}, ", ");
      if (both.empty()) return;
      phones += (phones.empty() ? label : "; " + trimmed(label, " :") + ".: ") + both;
    };
    if (o_.footOffice) add("Office: ", p.officePhone1, p.officePhone2);
    if (o_.footResidence) add(phones.empty() ? "Residence: " : "Res: ", p.residencePhone1, p.residencePhone2);
    if (o_.footMobile && !p.mobile.empty()) phones += (phones.empty() ? "" : "; ") + std::string("Mobile: ") + p.mobile;
    if (!phones.empty()) lines.push_back(phones);
    return lines;
  }

  void pageHeaderAndFooter() {
    const std::string small = esc::fontSize(1);
    const int pages = o_.footFirstPage ? 1 : 0;
    rep_.SelectHF(host::hfHeader, 0, true);
    rep_.printtext(small + title());
    if (o_.footAtHead) {
      rep_.SelectHF(host::hfHeader, pages, pages != 0);
      for (const auto& l : practitionerLines()) rep_.printtext(small + l);
    }
    rep_.SelectHF(host::hfFooter, pages, true);
    if (!o_.footAtHead)
      for (const auto& l : practitionerLines()) rep_.printtext(small + l);
    if (o_.footPage) {
      rep_.SelectHF(host::hfFooter, 0, false);
      rep_.InsertPgNo_TB(2, 0, "Page ", "");
    }
  }

  void headerBlock() {
    const auto& rows = d_.sheet.rows;
    const std::string mark = esc::fontSize(5);
    for (int i = 0; i <= d_.sheet.headerLast && i < static_cast<int>(rows.size());) {
      const SheetRow& r = rows[static_cast<std::size_t>(i)];
      if (r.kind == Kind::marker && r.caption == "##BANKDETAILS##") {
        if (o_.bankAccounts || o_.allBankAccounts) bankAccounts();
        ++i;
      } else if (pairedHeader(r.caption)) {
        TableOut t(rep_, {17, 22, 17, 22}, {"T", "T", "T", "T"}, o_.borders);
        std::vector<host::ReportValue> v{r.caption, r.value};
        ++i;
        if (i <= d_.sheet.headerLast && pairedHeader(rows[static_cast<std::size_t>(i)].caption)) {
          v.emplace_back(rows[static_cast<std::size_t>(i)].caption);
          v.emplace_back(rows[static_cast<std::size_t>(i)].value);
          ++i;
        }
        t.row(v, false, "1010", "");
      } else {
        TableOut t(rep_, {20, 58}, {"T", "T"}, o_.borders);
        t.row({r.caption, r.value}, false, "10", "");
        ++i;
      }
    }
    rep_.printtext();
  }

  // The statements and schedules after the computation, in the order the
  // practice reads them.
  void schedules() {
    const AnnexureSwitches on{o_.borders, o_.kvpDetails, o_.nscDetails, o_.annexures};
    printItemDetails(rep_, d_.annexures, on);
    if (o_.annexures) printDisallowances(rep_, d_.statements, d_.year, o_.borders);
    printDepreciationSchedule(rep_, d_.depreciation, d_.year, o_.borders);
    printCreditTables(rep_, d_.statements, d_.year, o_.borders);
    if (o_.capitalGains) printCapitalGains(rep_, d_.statements, o_.borders);
    printCertificates(rep_, d_.annexures, on);
    if (o_.taxesPaid) printTaxesPaid(rep_, d_.statements, o_.deductorAddress, o_.borders);
  }

  // Every account (CompOth1), or the default one alone (CompOth0): the one
  // marked default, else the first.
  void bankAccounts() {
    std::vector<BankAccount> shown = d_.banks;
    if (!o_.allBankAccounts && !shown.empty()) {
      const auto marked = std::find_if(shown.begin(), shown.end(), [](const BankAccount& b) { return b.isDefault; });
      shown = {marked == shown.end() ? shown.front() : *marked};
    }
    if (shown.empty()) return;
    rep_.printtext(bold("DETAILS OF BANK ACCOUNTS"));
    TableOut t(rep_, {34, 12, 18, 14}, {"T", "T", "T", "T"}, o_.borders);
    t.row({"NAME & ADDRESS OF THE BANK BRANCH", "IFS CODE", "ACCOUNT NO.", "TYPE OF ACCOUNT"}, true, "1111", "");
    for (const auto& b : shown)
      t.row({joinNonBlank({b.bank, b.branchAddress}, ", "), b.ifsc, b.number, b.type}, false, "", "");
    rep_.printtext();
  }

  void computationLines() {
    rep_.printtext(bold(underlined("COMPUTATION OF TOTAL INCOME")));
    const auto& rows = d_.sheet.rows;
    std::size_t i = static_cast<std::size_t>(d_.sheet.headerLast + 1);
    const auto isTaxTitle = [](const SheetRow& r) {
      return r.kind == Kind::title && r.caption == "COMPUTATION OF TAX ON TOTAL INCOME";
    };
    while (i < rows.size()) {
      if (rows[i].kind == Kind::marker) {
        if (rows[i].caption == "##PARTREMUSTATEMENT##") {
          printFirmStatement(rep_, d_.annexures, o_.borders);
          rep_.printtext();
        }
        i = rows[i].caption == "LOSSES TABLE" ? lossesTable(i + 1) : i + 1;
        continue;
      }
      if (isTaxTitle(rows[i])) {
        rep_.printtext();
        rep_.printtext(bold(underlined(caption(rows[i].caption))));
        ++i;
      }
      TableOut t(rep_, {50, 14, 14}, {"T", "A", "A"}, o_.borders);
      t.row({std::string("Particulars"), std::string("Amount (₹)"), std::string("Amount (₹)")}, true, "111", "011",
            "111");
      for (; i < rows.size() && rows[i].kind != Kind::marker && !isTaxTitle(rows[i]); ++i) lineRow(t, rows[i]);
    }
  }

  void lineRow(TableOut& t, const SheetRow& r) {
    const std::string c = caption(r.caption);
    switch (r.kind) {
      case Kind::title: t.row({c}, false, "100", "000"); break;
      case Kind::line: t.row({"   " + c, *r.inner}, false, "000", "011"); break;
      case Kind::total:
        t.row({c, host::ReportValue(), *r.outer}, false, "101", "011");
        break;
      default: break;
    }
  }

  std::size_t lossesTable(std::size_t i) {
    rep_.printtext();
    rep_.printtext(bold(caption("LOSSES TABLE")));
    const std::vector<int16_t> widths{8, 22, 12, 12, 12, 12};
    TableOut t(rep_, widths, {"T", "T", "A", "A", "A", "A"}, o_.borders);
    std::vector<host::ReportValue> rule;
    for (int16_t w : widths) rule.emplace_back(std::string(static_cast<std::size_t>(w - 1), '-'));
    t.row({"A.Y.", "HEAD", "LOSSES", "", "", ""}, true, "111111", "001111");
    t.row({"", "", "BROUGHT FORWARD", "OF THE YEAR", "SET-OFF", "CARRIED FORWARD"}, true, "111111", "001111");
    t.row(rule, true, "000000", "000000");
    Money bf, cy, so, cf;
    const auto& rows = d_.sheet.rows;
    for (; i < rows.size() && rows[i].kind == Kind::loss; ++i) {
      const auto& l = rows[i].loss;
      t.row({assessmentYearText(l.year), caption(rows[i].caption), l.broughtForward, l.currentYear, l.setOff, l.carried},
            false, "000000", "001111");
      bf += l.broughtForward;
      cy += l.currentYear;
      so += l.setOff;
      cf += l.carried;
    }
    t.row(rule, false, "000000", "000000");
    t.row({"", "Total", bf, cy, so, cf}, false, "011111", "001111");
    rep_.printtext();
    return i;
  }

  void dueDateLine() {
    rep_.printtext();
    if (!d_.originalDueDate || *d_.originalDueDate == d_.dueDate) {
      rep_.printtext("Due Date for filing of return is " + longDate(d_.dueDate));
      return;
    }
    std::string line = "Due Date was " + longDate(*d_.originalDueDate) + ". Extended Due Date is " + longDate(d_.dueDate);
    if (!d_.dueDateReference.empty())
      line += upperCase(d_.dueDateReference).find("GENERAL CLAUSES ACT") != std::string::npos
                  ? " As Per " + d_.dueDateReference
                  : " Vide " + d_.dueDateReference;
    for (const auto& piece : wrapped(line)) rep_.printtext(piece);
  }

  void declaration() {
    if (!o_.declaration || d_.declarationLines.empty()) return;
    rep_.printtext();
    for (const auto& l : d_.declarationLines)
      for (const auto& piece : wrapped(filledDeclaration(l, d_))) rep_.printtext(piece);
  }

  void signature() {
    const Signer& s = d_.signer;
    if (s.name.empty()) return;
    rep_.printtext();
    std::string place = s.place == "##CITY##" ? "" : s.place;
    if (place == "##COMMON##") place = "";
    if (!place.empty()) rep_.printtext("Place : " + place);
    rep_.printtext(std::string(46, ' ') + "(" + s.name + ")");
    if (!s.capacity.empty()) rep_.printtext(std::string(46, ' ') + s.capacity);
    if (s.showPan && !s.pan.empty()) rep_.printtext(std::string(46, ' ') + "PAN : " + s.pan);
  }

  void estimatedComputation() {
    std::optional<TableOut> t;
    for (const auto& l : engine::estimatedComputationLines(d_.result, d_.context)) {
      if (l.title) {
        t.reset();
        rep_.printtext();
        rep_.printtext(bold(underlined(caption(l.caption))));
        t.emplace(rep_, std::vector<int16_t>{60, 18}, std::vector<std::string>{"T", "A"}, o_.borders);
        t->row({std::string("Particulars"), std::string("Amount (₹)")}, true, "11", "01", "11");
        continue;
      }
      const bool key = l.caption == "Total Income" || l.caption == "Gross Total Income" ||
                       l.caption.rfind("Tax Payable", 0) == 0 || l.caption == "Tax Refundable";
      t->row({caption(l.caption), l.amount}, false, key ? "11" : "00", "01");
    }
  }

  void instalments() {
    const auto& grid = d_.context.vArrValsAdvTaxInt;
    rep_.printtext();
    if (grid.status == "BELOWLIMIT") {
      rep_.printtext(bold("Note: ") +
                     "No Advance Tax Liability [Tax Payable is less than or equal to Rs. " +
                     std::string(d_.year < 2010 ? "5000" : "10000") + " as per section 208].");
      return;
    }
    if (grid.status == "SENIOR") {
      rep_.printtext(bold("Note: ") +
                     "No Advance Tax Liability [Assessee being an Individual Resident in India of the age of sixty "
                     "years or more and does not have any income chargeable under head \"Profit and gains of "
                     "Business or Profession\" as per section 207].");
      return;
    }
    rep_.printtext(bold(underlined("ADVANCE TAX INSTALLMENTS")));
    // Eleven columns: the share due and the least to be paid by each date,
    // what was paid in the period (its last payment's date and the amount),
    // before it, the share of the tax paid and the whole paid by the date,
    // the shortfall interest runs on and the interest.
    // 78 characters across. Every heading piece and every amount up to
    // 99,999 is narrower than its column, and all but the first two columns
    // are right-aligned, so neighbouring cells never run together; the
    // headings are given line by line so that none wraps inside a word.
    TableOut t(rep_, {6, 11, 5, 7, 11, 7, 7, 5, 7, 7, 5}, {"T", "T", "T", "A", "T", "A", "A", "T", "A", "A", "A"},
               o_.borders);
    const std::vector<std::vector<const char*>> headings = {
        {"Inst.", "Due Date", "Due", "Min.", "Advance", "", "", "", "", "Int.", "Int."},
        {"", "", "%", "Tax to", "Tax Paid", "", "", "", "", "u/s", "u/s"},
        {"", "", "", "avoid", "", "", "", "", "", "234C", "234C"},
        {"", "", "", "234C", "", "", "", "", "", "on", ""},
    };
    for (const auto& line : headings) {
      std::vector<host::ReportValue> cells;
      for (const char* piece : line) cells.emplace_back(std::string(piece));
      t.row(cells, true, "11111111111", "00111111111");
    }
    t.row({"", "", "", "Amount", "Date", "Amount", "Before", "% of", "Gross", "", ""}, true, "00111111100",
          "00111111111");
    t.row({"", "", "", "", "", "", "", "Tax", "Amount", "", ""}, true, "00111111100", "00111111111");
    t.row({"(1)", "(2)", "(3)", "(4)", "(5)", "(6)", "(7)", "(8)", "(9)", "(10)", "(11)"}, true, "11111111111",
          "00111111111");
    const char* ordinal[] = {"Ist", "IInd", "IIIrd", "IVth"};
    const auto* law = engine::lawOf(d_.year);
    const bool company = host::statusClass(d_.client.status) >= 3;
    const auto incorporated = company ? parseDmy(d_.client.birthOrIncorporation) : std::nullopt;
    bool beforeIncorporation = false;
    std::optional<CivilDate> previousDue;
    int n = 0;
    for (const auto& r : grid.rows) {
      const auto* step = law && n < static_cast<int>((company ? law->companySchedule : law->othersSchedule).size())
                             ? &(company ? law->companySchedule : law->othersSchedule)[static_cast<std::size_t>(n)]
                             : nullptr;
      const int shareBp = step ? static_cast<int>(step->cumulative) : 0;
      std::string lastPaid;
      for (const auto& p : d_.advancePayments)
        if (p.date <= r.dueDate && (!previousDue || p.date > *previousDue)) lastPaid = formatDmy(p.date);
      // The share of the tax paid by the date: paid / (due / share).
      std::string paidShare;
      if (shareBp > 0 && r.cumulativeDue > Money())
        paidShare = std::to_string(r.paidByDate.inPaise() * shareBp / r.cumulativeDue.inPaise() / 100) + "%";
      const Money shortfall = std::max(Money(), r.cumulativeDue - r.paidByDate);
      std::string label = ordinal[std::min(n, 3)];
      if (incorporated && r.dueDate < *incorporated) {
        label += "*";
        beforeIncorporation = true;
      }
      t.row({label, formatDmy(r.dueDate), shareBp > 0 ? std::to_string(shareBp / 100) + "%" : std::string(),
             r.cumulativeDue, lastPaid, r.paid, r.paidByDate - r.paid, paidShare, r.paidByDate, shortfall, r.interest},
            false, "00000000000", "00111111111");
      previousDue = r.dueDate;
      ++n;
    }
    if (grid.rows.empty()) return;
    t.row({"", "Total", host::ReportValue(), host::ReportValue(), host::ReportValue(), host::ReportValue(),
           host::ReportValue(), host::ReportValue(), host::ReportValue(), host::ReportValue(),
           d_.result.interest.s234c},
          false, "01000000001", "00111111111");
    rep_.printtext("(9) = (6) + (7); (10) = (4) - (9)");
    if (beforeIncorporation) rep_.printtext("* Installment is Due before Date of Incorporation.");
    if (d_.computationDate)
      for (const auto& r : grid.rows)
        if (r.dueDate > *d_.computationDate) {
          rep_.printtext("** Installment is Due after Date of Computation.");
          break;
        }
  }

  host::ReportWriter& rep_;
  const PrintoutData& d_;
  const PrintoutOptions& o_;
  PrintMode mode_;
};

}  // namespace

std::string longDate(const CivilDate& d) {
  static constexpr const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                                           "July",    "August",   "September", "October", "November", "December"};
  const unsigned m = static_cast<unsigned>(d.month());
  const unsigned day = static_cast<unsigned>(d.day());
  return std::string(months[m - 1]) + " " + (day < 10 ? "0" : "") + std::to_string(day) + ", " +
         std::to_string(static_cast<int>(d.year()));
}

std::string filledDeclaration(std::string line, const PrintoutData& d) {
  const std::pair<const char*, std::string> fills[] = {
      {"$#$Name$#$", d.signer.name.empty() ? d.client.name : d.signer.name},
      {"$#$Son/Daughter$#$", d.daughter ? "daughter" : "son/daughter"},
      {"$#$Father Name$#$", d.signer.fatherName.empty() ? d.fatherName : d.signer.fatherName},
      {"$#$PAN$#$", d.signer.pan.empty() ? d.client.pan : d.signer.pan},
      {"$#$Capacity$#$", d.signer.capacity},
      {"$#$A.Y.$#$", assessmentYearText(d.year)},
  };
  for (const auto& [placeholder, value] : fills)
    for (std::size_t at = line.find(placeholder); at != std::string::npos; at = line.find(placeholder, at + value.size()))
      line.replace(at, std::string(placeholder).size(), value);
  return line;
}

void printComputation(host::ReportWriter& rep, const PrintoutData& d, const PrintoutOptions& o, PrintMode mode) {
  Printout(rep, d, o, mode).print();
}

}  // namespace meridian::suite::computation

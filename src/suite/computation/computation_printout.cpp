#include "suite/computation/computation_printout.h"

#include <algorithm>
#include <array>

#include "common/dates.h"
#include "common/text.h"
#include "common/years.h"
#include "suite/computation/advance_tax_instalments.h"
#include "suite/computation/case_style.h"
#include "suite/computation/gross_total_layout.h"
#include "suite/computation/printout_annexures.h"
#include "suite/computation/printout_member_shares.h"
#include "suite/computation/printout_depreciation.h"
#include "suite/computation/printout_interest.h"
#include "suite/computation/printout_table.h"
#include "suite/computation/signature_block.h"
#include "suite/computation/year_options.h"
#include "host/status.h"
#include "suite/engine/printout_lines.h"
#include "suite/engine/year_law.h"
#include "suite/report/utf8_text.h"

namespace meridian::suite::computation {
namespace {

namespace esc = host::esc;
using Kind = SheetRow::Kind;
std::string bold(const std::string& s) { return esc::boldOn + s + esc::boldOff; }
std::string underlined(const std::string& s) { return esc::underlineOn + s + esc::underlineOff; }

// Cuts a long line at blanks so that it stays within the page's columns,
// counting characters, not bytes, for names in Indian scripts.
std::vector<std::string> wrapped(const std::string& line, int width = 78) { return report::wrapToWidth(line, width); }

bool pairedHeader(const std::string& caption) {
  for (const char* p : {"STATUS", "WARD NO", "D.O.I.", "D.O.B.", "PHONE NO.", "MOBILE NO.", "AADHAAR NO.",
                        "PASSPORT NO.", "PAN"})
    if (caption.rfind(p, 0) == 0 && caption != "RESIDENTIAL STATUS") return true;
  return false;
}

class Printout {
 public:
  Printout(host::ReportWriter& rep, const PrintoutData& d, const PrintoutOptions& o, PrintMode mode)
      : rep_(rep),
        d_(d),
        o_(o),
        mode_(mode),
        rows_(arrangedGrossTotal(d.sheet.rows, static_cast<GrossTotalLayout>(o.grossTotalLayout))) {}

  void print() {
    pageHeaderAndFooter();
    rep_.SelectHF(host::hfBody);
    headerBlock();
    printFilingParticulars(rep_, d_.statements, {o_.returnIncome, o_.receiptNo, o_.wardNo, o_.returnDate},
                           mode_ == PrintMode::estimate, o_.borders);
    if (mode_ == PrintMode::computation) {
      computationLines();
      if (option(YearOption::interestWorking)) printInterestWorking(rep_, d_.result.interest, o_.borders);
      interestUptoLine();
      dueDateLine();
      declaration();
      signature();
      lossesOnTheirOwnPage();
      schedules();
    } else {
      estimatedComputation();
      printInstalments(rep_, d_, o_.borders);
    }
  }

 private:
  std::string caption(const std::string& s) const { return inCaseStyle(s, o_.caseStyle); }

  // The page's title, broken within the page between its parts (the
  // client's name, the code, the A.Y.) so that "A.Y." stays with its year.
  std::vector<std::string> title() const {
    std::vector<std::string> parts{std::string(mode_ == PrintMode::computation ? "Income-Tax Computation"
                                                                               : "Advance Tax Estimation") +
                                   (o_.footClient ? " of " + d_.client.name : "")};
    if (o_.footCode) parts.push_back("(" + d_.client.code + ")");
    if (o_.footYear) parts.push_back("A.Y. " + assessmentYearText(d_.year));
    std::vector<std::string> lines;
    for (const auto& part : parts) {
      if (!lines.empty() && report::columnCount(lines.back()) + 1 + report::columnCount(part) <= 78) {
        lines.back() += " " + part;
        continue;
      }
      for (const auto& piece : wrapped(part)) lines.push_back(piece);
    }
    return lines;
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
    // A long client name breaks the title between words within the page.
    for (const auto& line : title()) rep_.printtext(small + line);
    if (o_.footAtHead) {
      rep_.SelectHF(host::hfHeader, pages, pages != 0);
      for (const auto& l : practitionerLines()) rep_.printtext(small + l);
    }
    rep_.SelectHF(host::hfFooter, pages, true);
    if (!o_.footAtHead)
      for (const auto& l : practitionerLines()) rep_.printtext(small + l);
    if (o_.footPage) {
      rep_.SelectHF(host::hfFooter, 0, false);
      // Centred: the number stays within the page's 78 columns in any font
      // step (the writer puts the blank between the word and the number).
      rep_.InsertPgNo_TB(1, 0, "Page", "");
    }
  }

  // The bank-account table prints at the header's marker.
  bool headerCarriesBanks() const {
    if (!(o_.bankAccounts || o_.allBankAccounts) || d_.banks.empty()) return false;
    const auto& rows = rows_;
    for (int i = 0; i <= d_.sheet.headerLast && i < static_cast<int>(rows.size()); ++i) {
      const SheetRow& r = rows[static_cast<std::size_t>(i)];
      if (r.kind == Kind::marker && r.caption == "##BANKDETAILS##") return true;
    }
    return false;
  }

  void headerBlock() {
    const auto& rows = rows_;
    // Beside the bank table the paired rows take its wider first columns;
    // without it both pairs are alike.
    const std::vector<int16_t> pairedWidths =
        headerCarriesBanks() ? std::vector<int16_t>{20, 24, 18, 16} : std::vector<int16_t>{17, 22, 17, 22};
    for (int i = 0; i <= d_.sheet.headerLast && i < static_cast<int>(rows.size());) {
      const SheetRow& r = rows[static_cast<std::size_t>(i)];
      if (r.kind == Kind::marker && r.caption == "##BANKDETAILS##") {
        if (o_.bankAccounts || o_.allBankAccounts) bankAccounts();
        ++i;
      } else if (r.caption == "GROUP") {
        // The group shows only as the settings ask: its code, its name, or both.
        const std::string group = groupText(r.value);
        if (!group.empty()) {
          TableOut t(rep_, {20, 58}, {"T", "T"}, o_.borders);
          t.row({r.caption, group}, false, "10", "");
        }
        ++i;
      } else if (pairedHeader(r.caption)) {
        TableOut t(rep_, pairedWidths, {"T", "T", "T", "T"}, o_.borders);
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

  std::string groupText(const std::string& asCarried) const {
    const ClientHeader& c = d_.client;
    if (c.groupCode.empty() && c.groupName.empty())  // a sheet given whole: the group as it came
      return o_.groupCode || o_.groupName ? asCarried : "";
    return joinNonBlank({o_.groupCode ? c.groupCode : "", o_.groupName ? c.groupName : ""}, " - ");
  }

  // The statements and schedules after the computation, in the order the
  // practice reads them.
  void schedules() {
    const AnnexureSwitches on{o_.borders, o_.kvpDetails, o_.nscDetails, o_.annexures};
    const GeneralInfoSwitches general{o_.borders,      o_.annexures,           o_.profitAndLoss,
                                      o_.balanceSheet, o_.assetsAndLiabilities, o_.separateAnnexure};
    printEnclosures(rep_, d_.generalInfo, general);
    printItemDetails(rep_, d_.annexures, on);
    if (o_.annexures) printDisallowances(rep_, d_.statements, d_.year, o_.borders);
    printAccounts(rep_, d_.generalInfo, general);
    const bool depreciationHere = option(YearOption::depreciationSamePage);
    if (depreciationHere) printDepreciationSchedule(rep_, d_.depreciation, d_.year, o_.borders);
    printCreditTables(rep_, d_.statements, d_.year, o_.borders);
    if (o_.capitalGains) printCapitalGains(rep_, d_.statements, o_.borders);
    printCertificates(rep_, d_.annexures, on);
    if (o_.taxesPaid) printTaxesPaid(rep_, d_.statements, o_.deductorAddress, o_.borders);
    printOtherDetails(rep_, d_.generalInfo, d_.year, general);
    // Cleared, the chart takes a page of its own after everything else.
    if (!depreciationHere && !(d_.depreciation.blocks.empty() && d_.depreciation.outside.empty())) {
      rep_.printtext(esc::formFeed);
      printDepreciationSchedule(rep_, d_.depreciation, d_.year, o_.borders);
    }
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
    if (o_.branchApart) {
      TableOut t(rep_, {16, 20, 12, 18, 12}, {"T", "T", "T", "T", "T"}, o_.borders);
      t.heading({"NAME OF THE BANK", "ADDRESS OF THE BRANCH", "IFS CODE", "ACCOUNT NO.", "TYPE OF ACCOUNT"}, "11111", "");
      for (const auto& b : shown) t.textRow({b.bank, b.branchAddress, b.ifsc, b.number, b.type}, "", "");
    } else {
      TableOut t(rep_, {34, 12, 18, 14}, {"T", "T", "T", "T"}, o_.borders);
      t.row({"NAME & ADDRESS OF THE BANK BRANCH", "IFS CODE", "ACCOUNT NO.", "TYPE OF ACCOUNT"}, true, "1111", "");
      for (const auto& b : shown)
        t.row({joinNonBlank({b.bank, b.branchAddress}, ", "), b.ifsc, b.number, b.type}, false, "", "");
    }
    rep_.printtext();
  }

  void computationLines() {
    rep_.printtext(bold(underlined("COMPUTATION OF TOTAL INCOME")));
    const auto& rows = rows_;
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
        if (rows[i].caption == "##MEMSHARESTATEMENT##") {
          printMemberShareStatement(rep_, d_.annexures.memberShares, o_.borders);
          rep_.printtext();
        }
        if (rows[i].caption != "LOSSES TABLE") {
          ++i;
        } else if (option(YearOption::lossesSamePage)) {
          i = lossesTable(i + 1);
        } else {
          lossesAt_ = i + 1;  // printed after the signature, on a page of its own
          for (++i; i < rows.size() && rows[i].kind == Kind::loss;) ++i;
        }
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
    if (r.rateWorking) {
      if (o_.showSlab) t.row({"      " + c, *r.inner}, false, "000", "011");
      return;
    }
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
    const auto& rows = rows_;
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

  bool option(YearOption o) const { return yearOptionOn(d_.signer.options, o); }

  void lossesOnTheirOwnPage() {
    if (!lossesAt_) return;
    rep_.printtext(esc::formFeed);
    lossesTable(*lossesAt_);
  }

  // The date interest u/s 234A, 234B and 234C runs to: the date typed under
  // "Upto Input date", else the due date, as the computation takes them.
  void interestUptoLine() {
    if (!option(YearOption::interestUptoLine)) return;
    rep_.printtext();
    rep_.printtext("Interest u/s 234A, 234B and 234C calculated upto " +
                   formatDmy(d_.computationDate.value_or(d_.dueDate)));
  }

  void dueDateLine() {
    if (!option(YearOption::dueDateLine)) return;
    rep_.printtext();
    for (const auto& piece : dueDateLines(d_)) rep_.printtext(piece);
  }

  void declaration() {
    if (!o_.declaration || d_.declarationLines.empty()) return;
    rep_.printtext();
    for (const auto& l : d_.declarationLines)
      for (const auto& piece : wrapped(filledDeclaration(l, d_))) rep_.printtext(piece);
  }

  void signature() {
    const auto lines = signatureLines(d_, o_);
    if (lines.empty()) return;
    rep_.printtext();
    for (const auto& l : lines) rep_.printtext(l);
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

  host::ReportWriter& rep_;
  const PrintoutData& d_;
  const PrintoutOptions& o_;
  PrintMode mode_;
  const std::vector<SheetRow> rows_;  // the computation lines, gross total income where GTOPT shows it
  std::optional<std::size_t> lossesAt_;  // the losses table's first row, when it prints on its own page
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

std::vector<std::string> dueDateLines(const PrintoutData& d) {
  if (!d.originalDueDate || *d.originalDueDate == d.dueDate) return {"Due Date for filing of return is " + longDate(d.dueDate)};
  std::string line = "Due Date was " + longDate(*d.originalDueDate) + ". Extended Due Date is " + longDate(d.dueDate);
  if (!d.dueDateReference.empty())
    line += upperCase(d.dueDateReference).find("GENERAL CLAUSES ACT") != std::string::npos
                ? " As Per " + d.dueDateReference
                : " Vide " + d.dueDateReference;
  return wrapped(line);
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

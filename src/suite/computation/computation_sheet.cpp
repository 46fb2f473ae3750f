#include "suite/computation/computation_sheet.h"

#include <algorithm>

namespace meridian::suite::computation {
namespace {

using Kind = SheetRow::Kind;

class Sheet {
 public:
  void header(const std::string& caption, const std::string& value, bool always = false) {
    if (always || !value.empty()) rows_.push_back({Kind::header, caption, value});
  }
  void marker(const std::string& caption) { rows_.push_back({Kind::marker, caption}); }
  void title(const std::string& caption) { rows_.push_back({Kind::title, caption}); }
  // A figure inside a head; nothing when it is nil.
  void line(const std::string& caption, Money m) {
    if (!m.roundedToRupee().isZero()) rows_.push_back({Kind::line, caption, "", m.roundedToRupee(), std::nullopt});
  }
  // A total is shown even when nil where `always` says the step must be seen.
  void total(const std::string& caption, Money m, bool always = false) {
    if (always || !m.roundedToRupee().isZero())
      rows_.push_back({Kind::total, caption, "", std::nullopt, m.roundedToRupee()});
  }
  // A line of the tax's working, shown even when nil: a slab at no tax is
  // part of the working.
  void rate(const engine::RatedIncome& r) {
    const Money tax = r.basis == engine::RateBasis::agriculturalOffset ? -r.tax : r.tax;
    SheetRow row{Kind::line, rateCaption(r), "", tax.roundedToRupee(), std::nullopt};
    row.rateWorking = true;
    rows_.push_back(row);
  }
  void loss(const engine::LossRow& l) {
    SheetRow row{Kind::loss, engine::lossPartCaption(l.part)};
    row.loss = l;
    rows_.push_back(row);
  }
  int size() const { return static_cast<int>(rows_.size()); }
  std::vector<SheetRow> take() { return std::move(rows_); }

 private:
  std::vector<SheetRow> rows_;
};

const char* useCaption(engine::HouseUse u) {
  switch (u) {
    case engine::HouseUse::selfOccupied: return "Self Occupied";
    case engine::HouseUse::letOut: return "Let Out";
    case engine::HouseUse::deemedLetOut: return "Deemed Let Out";
  }
  return "";
}

// Income of others included under a head the client's own figures above do
// not hold (salary, house property, business), less its part of s.10(32).
void clubbedLines(Sheet& s, const engine::YearResult& r, engine::ClubbedHead head) {
  s.line("Income of Minor Child and Others Clubbed", r.clubbed.grossOf(head));
  s.line("Less: Exempt u/s 10(32)", -r.clubbed.exemptOf(head));
}

void salaries(Sheet& s, const engine::YearResult& r) {
  if (r.salaries.empty() && r.heads.salary.isZero()) return;
  s.title("INCOME FROM SALARIES");
  int n = 0;
  for (const auto& e : r.salaries) {
    const std::string of = r.salaries.size() > 1 ? " (Employer " + std::to_string(++n) + ")" : "";
    s.line("Gross Salary" + of, e.gross);
    s.line("Less: Allowances exempt u/s 10", -e.exemptAllowances);
    s.line("Less: Entertainment Allowance u/s 16(ii)", -e.entertainment);
    s.line("Less: Professional Tax u/s 16(iii)", -e.professionalTax);
  }
  clubbedLines(s, r, engine::ClubbedHead::salary);
  s.total("Income from Salaries", r.heads.salary, true);
}

void houses(Sheet& s, const engine::YearResult& r) {
  if (r.houses.empty() && r.heads.houseProperty.isZero()) return;
  s.title("INCOME FROM HOUSE PROPERTY");
  int n = 0;
  for (const auto& h : r.houses) {
    s.title("House " + std::to_string(++n) + " (" + useCaption(h.use) + ")");
    s.line("Annual Value", h.annualValue);
    s.line("Less: Municipal Taxes", -h.municipalTax);
    s.line("Net Annual Value", h.netAnnualValue);
    s.line("Less: Standard Deduction u/s 24(a)", -h.standardDeduction);
    s.line("Less: Interest on Borrowed Capital u/s 24(b)", -h.interestAllowed);
    s.line("Income from this House", h.income);
  }
  clubbedLines(s, r, engine::ClubbedHead::houseProperty);
  s.line("Passed through by Business Trusts / Investment Funds", r.passThrough.houseProperty);
  s.total("Income from House Property", r.heads.houseProperty, true);
}

void business(Sheet& s, const engine::YearResult& r, bool firmMarker, bool memberMarker) {
  const auto& b = r.business;
  if (r.heads.business.isZero() && r.heads.speculation.isZero() && b.firmShareExempt.isZero() &&
      r.memberShares.exempt.isZero() && !memberMarker)
    return;
  s.title("PROFITS AND GAINS OF BUSINESS OR PROFESSION");
  s.line("Income u/s 44AD", b.applied44ad ? b.presumptive44ad : Money());
  s.line("Income u/s 44ADA", b.applied44ada ? b.presumptive44ada : Money());
  s.line("Income u/s 44AE", b.applied44ae ? b.presumptive44ae : Money());
  s.line("Remuneration and Interest from Firms", b.firmRemuneration);
  s.line("Share of Income from AOP/BOI included u/s 86", r.memberShares.included());
  s.line("Business (other than Speculation)", b.ordinary);
  s.line("Speculation Business", b.speculation);
  clubbedLines(s, r, engine::ClubbedHead::business);
  s.total("Income from Business or Profession", r.heads.business + std::max(Money(), r.heads.speculation), true);
  s.line("Share of Profit from Firm exempt u/s 10(2A)", b.firmShareExempt);
  if (firmMarker) s.marker("##PARTREMUSTATEMENT##");
  s.line("Share of Income from AOP/BOI exempt u/s 86", r.memberShares.exempt);
  if (memberMarker) s.marker("##MEMSHARESTATEMENT##");
}

void capitalGains(Sheet& s, const engine::YearResult& r) {
  const auto& g = r.capitalGains;
  if (g.total().isZero()) return;
  s.title("CAPITAL GAINS");
  s.line("Short-term Capital Gain u/s 111A", g.stcg111a);
  s.line("Short-term Capital Gain (Others)", g.stcgOther);
  s.line("Long-term Capital Gain (with Indexation)", g.ltcgIndexed);
  s.line("Long-term Capital Gain (without Indexation)", g.ltcgWithoutIndexation);
  s.total("Income from Capital Gains", g.total(), true);
}

void otherSources(Sheet& s, const engine::YearResult& r) {
  const auto& o = r.otherSources;
  if (o.normal.isZero() && o.apart.total().isZero()) return;
  s.title("INCOME FROM OTHER SOURCES");
  s.line("Interest", o.interest);
  s.line("Dividend", o.dividend);
  s.line("Family Pension", o.familyPension);
  s.line("Less: Deduction u/s 57(iia)", -o.familyPensionDeduction);
  s.line("Income of Minor Child and Others Clubbed", o.clubbed);
  s.line("Less: Exempt u/s 10(32)", -o.clubbedExemption);
  s.line("Other Income", o.other);
  s.line("Winnings from Lotteries u/s 115BB", o.apart.winnings);
  s.line("Dividends from Domestic Companies u/s 115BBDA", o.apart.dividends115bbda);
  s.line("Unexplained Income u/s 115BBE", o.apart.unexplained115bbe);
  s.total("Income from Other Sources", o.normal + o.apart.total(), true);
}

bool atNormalRates(const engine::RatedIncome& r) {
  using B = engine::RateBasis;
  return r.basis == B::slab || r.basis == B::flat || r.basis == B::agriculturalOffset;
}

void tax(Sheet& s, const engine::YearResult& r) {
  s.title("COMPUTATION OF TAX ON TOTAL INCOME");
  const auto& t = r.tax;
  for (const auto& w : t.working)
    if (atNormalRates(w)) s.rate(w);
  s.line("Tax on Income at Normal Rates", t.taxNormal);
  for (const auto& w : t.working)
    if (!atNormalRates(w)) s.rate(w);
  s.line("Tax on Income at Special Rates", t.taxSpecial);
  s.total("Tax on Total Income", t.tax(), true);
  s.line("Less: Rebate u/s 87A", -t.rebate87a);
  s.line("Less: Rebate u/s 110 on Share from AOP/BOI", -t.rebate110);
  s.line("Surcharge", t.surcharge);
  s.line("Education Cess", t.educationCess);
  s.line("Secondary and Higher Education Cess", t.sheCess);
  s.total("Tax Liability", t.liability(), true);
  if (r.alternate.kind != engine::AlternateKind::none) {
    const bool mat = r.alternate.kind == engine::AlternateKind::mat;
    s.line(mat ? "Deemed Total Income u/s 115JB" : "Adjusted Total Income u/s 115JC", r.alternate.base);
    s.line(mat ? "Tax Liability u/s 115JB" : "Tax Liability u/s 115JC", r.alternate.total());
    s.total("Gross Tax Payable (higher of above)", r.grossTaxPayable);
    s.line(mat ? "Less: Credit u/s 115JAA" : "Less: Credit u/s 115JD", -r.alternate.creditUsed);
  }
  s.line("Less: Relief u/s 89", -r.relief89);
  s.line("Less: Relief u/s 90/90A", -r.relief90);
  s.line("Less: Relief u/s 91", -r.relief91);
  s.total("Net Tax Liability", r.netTax, true);
  s.line("Interest u/s 234A", r.interest.s234a);
  s.line("Interest u/s 234B", r.interest.s234b);
  s.line("Interest u/s 234C", r.interest.s234c);
  s.total("Total Tax and Interest", r.netTax + r.interest.total(), true);
  s.line("Less: Tax Deducted at Source", -r.tds);
  s.line("Less: Tax Collected at Source", -r.tcs);
  s.line("Less: Advance Tax Paid", -r.advanceTax);
  s.line("Less: Self Assessment Tax Paid", -r.selfAssessmentTax);
  if (r.balance < Money())
    s.total("Tax Refundable", -r.balance, true);
  else
    s.total("Tax Payable", r.balance, true);
}

}  // namespace

std::string percentText(int basisPoints) {
  if (basisPoints == 0) return "Nil";
  std::string text = std::to_string(basisPoints / 100);
  if (int rest = basisPoints % 100; rest != 0) {
    text += "." + std::string(rest < 10 ? "0" : "") + std::to_string(rest);
    while (text.back() == '0') text.pop_back();
  }
  return text + "%";
}

std::string rateCaption(const engine::RatedIncome& r) {
  using B = engine::RateBasis;
  const std::string on = "On " + r.income.roundedToRupee().groupedRupees();
  const std::string at = " @ " + percentText(r.rate);
  switch (r.basis) {
    case B::slab:
      if (r.open) return on + " (above " + r.from.groupedRupees() + ")" + at;
      if (r.from.isZero()) return on + " (upto " + r.upTo.groupedRupees() + ")" + at;
      return on + " (" + (r.from + Money::rupees(1)).groupedRupees() + " to " + r.upTo.groupedRupees() + ")" + at;
    case B::flat: return on + at;
    case B::agriculturalOffset:
      return "Less: Tax on " + r.income.roundedToRupee().groupedRupees() + " (Limit + Agri. Income)";
    case B::ltcgIndexed: return on + " u/s 112" + at;
    case B::ltcgWithoutIndexation: return on + " u/s 112 (no indexation)" + at;
    case B::stcg111a: return on + " u/s 111A" + at;
    case B::winnings: return on + " u/s 115BB" + at;
    case B::dividend115bbda: return on + " u/s 115BBDA" + at;
    case B::unexplained115bbe: return on + " u/s 115BBE" + at;
  }
  return on + at;
}

ComputationSheet computationSheet(const ClientHeader& c, const engine::YearResult& r, bool bankMarker,
                                  bool firmMarker, bool memberMarker) {
  Sheet s;
  s.header("GROUP", c.group);
  s.header("CODE NO.", c.code, true);
  s.header("NAME OF ASSESSEE", c.name, true);
  s.header("OFFICE ADDRESS", c.officeAddress);
  s.header("RESIDENTIAL ADDRESS", c.residentialAddress);
  s.header("EMAIL ADDRESS", c.email);
  s.header("RESIDENTIAL STATUS", c.residentialStatus, true);
  s.header("STATUS", c.status, true);
  s.header("PAN", c.pan, true);
  s.header("WARD NO", c.ward, true);
  s.header(c.person ? "D.O.B." : "D.O.I.", c.birthOrIncorporation, true);
  s.header("PHONE NO.", c.phone);
  s.header("MOBILE NO.", c.mobile);
  s.header("AADHAAR NO.", c.aadhaar);
  if (bankMarker) s.marker("##BANKDETAILS##");
  ComputationSheet out;
  out.headerLast = s.size() - 1;

  salaries(s, r);
  houses(s, r);
  business(s, r, firmMarker, memberMarker);
  capitalGains(s, r);
  otherSources(s, r);
  // The incomes of the heads; their losses appear as set off below.
  Money heads;
  for (Money m : {r.heads.salary, r.heads.houseProperty, r.heads.business, r.heads.speculation, r.heads.otherSources,
                  r.heads.stcgOther, r.heads.ltcgIndexed, r.heads.stcg111a, r.heads.ltcgWithoutIndexation})
    heads += std::max(Money(), m);
  heads += r.heads.apart.total();
  s.total("Total of Heads of Income", heads, true);
  s.total("Less: Losses of Current Year Set Off", -r.setOff.currentYearSetOff);
  s.total("Less: Brought Forward Losses Set Off", -r.setOff.broughtForwardSetOff);
  s.total("GROSS TOTAL INCOME", r.grossTotalIncome, true);
  if (!r.deductionsTotal.isZero()) {
    s.title("Less: Deductions under Chapter VI-A");
    for (const auto& d : r.deductions) s.line("u/s " + d.section, d.allowed);
    s.total("Total Deductions", -r.deductionsTotal);
  }
  s.total("TOTAL INCOME (Rounded off u/s 288A)", r.totalIncome, true);
  s.line("Agricultural Income (for rate purposes)", r.agricultural);
  s.line("Exempt Income", r.exemptIncome);
  if (!r.setOff.rows.empty()) {
    s.marker("LOSSES TABLE");
    for (const auto& l : r.setOff.rows) s.loss(l);
  }
  tax(s, r);
  out.rows = s.take();
  return out;
}

}  // namespace meridian::suite::computation

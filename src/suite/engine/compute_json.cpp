#include "suite/engine/compute_json.h"

#include <istream>
#include <ostream>

#include "common/years.h"
#include "suite/engine/compute_year.h"
#include "suite/engine/year_input_json.h"

namespace meridian::engine {
namespace {

using ojson = nlohmann::ordered_json;

std::int64_t rs(Money m) { return m.wholeRupees(); }

const char* lossKindText(LossPart p) {
  switch (p) {
    case LossPart::houseProperty:
      return "house_property";
    case LossPart::business:
      return "business";
    case LossPart::unabsorbedDepreciation:
      return "unabsorbed_depreciation";
    case LossPart::speculation:
      return "speculation";
    case LossPart::shortTerm:
      return "stcl";
    case LossPart::longTerm:
      return "ltcl";
    case LossPart::raceHorses:
      return "race_horses";
    case LossPart::specifiedBusiness:
      return "specified_business";
    default:
      return "other";
  }
}

}  // namespace

ojson resultJson(const YearResult& r) {
  ojson heads = {{"salary", rs(r.heads.salary)},
                 {"house_property", rs(r.heads.houseProperty)},
                 {"business", rs(r.heads.business + std::max(Money(), r.heads.speculation))},
                 {"capital_gains", rs(r.capitalGains.total())},
                 {"other_sources", rs(r.heads.otherSourcesWhole())}};
  ojson allowed = ojson::object();
  for (const auto& d : r.deductions) allowed[d.section] = rs(d.allowed);
  ojson carried = ojson::array();
  for (const auto& row : r.setOff.rows)
    if (row.carried > Money())
      carried.push_back({{"kind", lossKindText(row.part)}, {"ay", assessmentYearText(row.year)}, {"amount", rs(row.carried)}});
  ojson credits = ojson::array();
  for (const auto& c : r.alternate.creditsCarried)
    credits.push_back({{"ay", assessmentYearText(c.year)}, {"amount", rs(c.amount)}});
  ojson o;
  o["heads"] = heads;
  o["gross_total_income"] = rs(r.grossTotalIncome);
  if (!r.exportDeductions.lines.empty()) o["deduction_10a_10aa"] = rs(r.exportDeductions.total);
  o["deductions_allowed"] = allowed;
  o["deductions_total"] = rs(r.deductionsTotal);
  o["total_income"] = rs(r.totalIncome);
  o["tax_normal"] = rs(r.tax.taxNormal);
  o["tax_special"] = rs(r.tax.taxSpecial);
  o["rebate_87a"] = rs(r.tax.rebate87a);
  o["surcharge"] = rs(r.alternate.payable ? r.alternate.surcharge : r.tax.surcharge);
  o["education_cess"] = rs(r.alternate.payable ? r.alternate.educationCess : r.tax.educationCess);
  o["she_cess"] = rs(r.alternate.payable ? r.alternate.sheCess : r.tax.sheCess);
  o["relief"] = rs(r.relief());
  o["net_tax"] = rs(r.netTax);
  o["interest_234a"] = rs(r.interest.s234a);
  o["interest_234b"] = rs(r.interest.s234b);
  o["interest_234c"] = rs(r.interest.s234c);
  o["taxes_paid"] = rs(r.taxesPaid());
  o["balance"] = rs(r.balance);
  o["losses_carried_forward"] = carried;
  if (!r.exemptIncome.isZero()) o["exempt_income"] = rs(r.exemptIncome);
  // A member's shares of AOPs or BOIs (s.86), when the year has any.
  const MemberShareFigures& m = r.memberShares;
  if (!m.exempt.isZero() || !m.included().isZero())
    o["member_shares"] = {{"exempt", rs(m.exempt)},
                          {"included_rebated", rs(m.includedRebated)},
                          {"included_taxed", rs(m.includedTaxed)},
                          {"rebate_110", rs(r.tax.rebate110)}};
  // MAT or AMT, when the person comes under either.
  if (r.alternate.kind != AlternateKind::none || r.alternate.creditBroughtForward > Money())
    o["alternate_tax"] = {{"section", r.alternate.kind == AlternateKind::mat ? "115JB" : "115JC"},
                          {"base", rs(r.alternate.base)},
                          {"tax", rs(r.alternate.total())},
                          {"payable", r.alternate.payable},
                          {"credit_used", rs(r.alternate.creditUsed)},
                          {"credit_carried_forward", credits}};
  return o;
}

int runComputeJson(std::istream& in, std::ostream& out, std::ostream& err) {
  try {
    nlohmann::json input;
    try {
      input = nlohmann::json::parse(in);
    } catch (const nlohmann::json::parse_error&) {
      throw BadYearInput("input is not valid JSON");
    }
    const YearResult result = computeYear(yearInputFromJson(input));
    out << resultJson(result).dump(2) << '\n';
    return 0;
  } catch (const BadYearInput& e) {
    err << "compute: " << e.what() << '\n';
    return 2;
  } catch (const CannotCompute& e) {
    err << "compute: " << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    err << "compute: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace meridian::engine

// The checks before a return that read the heads' schedules, and those whose
// schedules this program does not keep yet: these say which data is missing
// rather than pass.
#include <algorithm>

#include "common/text.h"
#include "common/years.h"
#include "itr/check_list.h"
#include "itr/form_columns.h"
#include "suite/engine/year_law.h"

namespace meridian::itr {
namespace {

const std::string kInCapitalGain = " in Capital Gain.";

// Capital gains: each asset's type, and each exemption claimed under a
// section the kind of gain allows, with the date of the new asset.
void capitalGainsCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (!isOneOf(r.form, {"ITR-2", "ITR-3", "ITR-4", "ITR-5", "ITR-6"})) return;
  const std::string what = "Capital gains";
  if (y.missingTables.count("capital") || y.missingTables.count("capital_exem"))
    return c.notExamined(what, "The capital assets transferred (tables capital, capital_exem) are not kept here.");
  const bool company = r.form == "ITR-5" || r.form == "ITR-6";
  for (const auto& a : y.capitalAssets) {
    if (!a.kindGiven)
      return c.stop(what,
                    std::string("Please Specify 'Type of Asset' in Capital Gain -> ") +
                        (a.longTerm ? "Long Term" : "Short Term") + " Capital Assets.",
                    "cmdproceed");
    for (const auto& claim : a.claims) {
      if (claim.section.empty())
        return c.stop(what, "Please Specify 'Section under which deduction claimed'" + kInCapitalGain, "cmdproceed");
      // ss.54 and 54B follow land and buildings; on any other asset a
      // long-term gain takes only 54EC or 54F, a short-term gain only the
      // sections of industrial undertakings (54D, 54G, 54GA).
      const bool landSection = claim.section == "54" || claim.section == "54B";
      if (!a.landOrBuilding && !a.longTerm)
        return c.stop(what,
                      "Deductions is allowed only u/s '54D/54G/54GA' in case of Short-term capital gains other than "
                      "[Short-term capital gains from sale of land or building or both]" + kInCapitalGain,
                      "cmdproceed");
      if (!a.landOrBuilding && landSection)
        return c.stop(what,
                      "Deductions is allowed only u/s '54EC/54F' in case of Long-term capital gains other than "
                      "[Long-term capital gains from sale of land or building or both]" + kInCapitalGain,
                      "cmdproceed");
      if (company && claim.section == "54B")
        return c.stop(what, "Deduction u/s 54B is not allowed in Return Form [" + r.form + "]" + kInCapitalGain,
                      "cmdproceed");
      if (!claim.newAssetDateGiven)
        return c.stop(what, "Please Specify 'Date of acquisition/construction of new asset'" + kInCapitalGain,
                      "cmdproceed");
    }
  }
  c.pass(what);
}

// Income declared below the presumptive rate: the books must be kept and
// audited (ss.44AD(4), 44AA(2), 44AB).
void lowerProfitCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (r.form == "ITR-7") return;
  const std::string what = "Profit lower than presumptive";
  if (!y.input || !y.result) return c.notExamined(what, "The presumptive figures are not known: " + y.computationNote);
  std::vector<std::string> sections;
  const auto& b = y.input->business;
  const auto& figures = y.result->business;
  if (figures.applied44ad && b.presumptive44ad.declared > Money() && b.presumptive44ad.declared < figures.presumptive44ad)
    sections.push_back("44AD");
  if (figures.applied44ae) {
    const engine::YearLaw* law = engine::lawOf(y.year);
    for (const auto& v : b.presumptive44ae) {
      if (!law || v.declared.isZero()) continue;
      Money perMonth = v.heavy ? law->p44aeHeavyPerMonth : law->p44aeOtherPerMonth;
      if (v.heavy && law->p44aeHeavyPerTon > Money()) perMonth = law->p44aeHeavyPerTon * v.tons;
      if (v.declared < perMonth * v.months) {
        sections.push_back("44AE");
        break;
      }
    }
  }
  if (sections.empty() || (y.liable44AA && y.audit44AB)) return c.pass(what);
  std::string list;
  for (const auto& s : sections) list += (list.empty() ? "" : "/") + s;
  c.ask(what,
        "Assessee has claimed lower profit u/s [" + list + "]." + kTwoLines +
            "Assessee shall be required to keep and maintain such books of account and other documents as required "
            "under sub-section(2) of section 44AA and get them audited and furnish a report of such audit as required "
            "under section 44AB." + kTwoLines + "Do you still want to Continue?",
        "cmdproceed");
}

// Chapter VI-A: every section claimed must be one the form's schedule lists.
void chapterVIACheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  const std::string what = "Chapter VI-A";
  if (!y.result) return c.notExamined(what, "The deductions are not known: " + y.computationNote);
  const auto sections = deductionSectionsOf(r.form, y.year);
  std::vector<std::string> refused;
  for (const auto& d : y.result->deductions) {
    if (!(d.claimed > Money())) continue;
    const std::string section = d.section == "80D_parents" ? "80D" : d.section;
    if (!sections) {
      return c.notExamined(what, "The Chapter VI-A sections of Return Form [" + r.form + "] for A.Y. " +
                                     assessmentYearText(y.year) + " are not in the program's list (data/return_deduction_sections.csv).");
    }
    if (!sections->count(section) && std::find(refused.begin(), refused.end(), section) == refused.end())
      refused.push_back(section);
  }
  if (refused.empty()) return c.pass(what);
  std::string message = "Following Deductions under Chapter-VIA can not be shown in Return Form [" + r.form + "] :";
  for (const auto& s : refused) message += kCrLf + std::string("u/s ") + s;
  c.stop(what, message, "cmdproceed");
}

// TDS and TCS: kinds the form has no schedule for, credit claimed beyond what
// was deducted, and amounts claimed in the hands of the spouse where the form
// has no column for them.
void taxCreditCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  const std::string what = "TDS/TCS entries";
  if (y.missingTables.count("tds")) return c.notExamined(what, "The TDS and TCS entries (table tds) are not kept here.");
  const auto columns = taxCreditColumns(r.form, y.year);
  if (!columns)
    return c.notExamined(what, "The tax-credit schedules of Return Form [" + r.form + "] for this year are not in the "
                               "program's list (data/return_tax_columns.csv).");
  const std::string inForm = "] found, which can not be shown in Return Form [" + r.form + "].";
  if (y.salaryTds.entries > 0 && !columns->salaryTds)
    return c.stop(what, "Items related to [TDS on Salary" + inForm, "cmdproceed");
  if (y.tcs.entries > 0 && !columns->tcs)
    return c.stop(what, "Items related to [Tax Collected at Source" + inForm, "cmdproceed");
  const CreditEntries all{y.salaryTds.entries + y.otherTds.entries + y.tcs.entries,
                          y.salaryTds.beyondDeducted + y.otherTds.beyondDeducted + y.tcs.beyondDeducted,
                          y.salaryTds.spouseClaims + y.otherTds.spouseClaims + y.tcs.spouseClaims};
  struct Kind {
    std::string name;
    const CreditEntries& entries;
    bool shown;
  };
  std::vector<Kind> kinds{{"TDS/TCS", all, true}};
  if (r.form != "ITR-4S") kinds.push_back({"TDS ON SALE OF IMMOVABLE PROPERTY U/S 194IA", y.immovableTds, columns->tds194IA});
  for (const auto& k : kinds) {
    if (k.entries.entries > 0 && !k.shown) return c.stop(what, "Items related to [" + k.name + inForm, "cmdproceed");
    if (k.entries.beyondDeducted > 0)
      return c.stop(what,
                    "Some " + k.name + " entries are not valid having Total TDS Amount lesser than TDS Amount (Credit "
                    "Allowed)." + kCrLf + "Please Validate TDS/TCS Details in Tax Details Section.",
                    "cmdproceed");
    if (k.entries.spouseClaims > 0 && !columns->spouseClaims)
      return c.stop(what,
                    "Some " + k.name + " entries are not valid [Having amount claimed in hands of spouse]." + kCrLf +
                        "Please correct TDS/TCS Details in Tax Details Section.",
                    "cmdproceed");
  }
  c.pass(what);
}

}  // namespace

void schedulesAfterPresumptiveChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  trustBusinessCheck(c, y, r);
  schedule5ACheck(c, y, r);
}

// The income computation and disclosure standards (s.145(2)) reach returns
// from A.Y. 2017-18, after the years this screen produces, so no Sch-ICDS
// check runs here.
void scheduleChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  capitalGainsCheck(c, y, r);
  deemedGainsCheck(c, y, r);
  lowerProfitCheck(c, y, r);
  keyPersonsCheck(c, y, r);
  distributionKindCheck(c, y, r);
  membersAndBookProfitChecks(c, y, r);
  if (isOneOf(r.form, {"ITR-1", "ITR-2", "ITR-2A", "ITR-3", "ITR-4", "ITR-4S", "ITR-5", "ITR-6"})) chapterVIACheck(c, y, r);
  taxCreditCheck(c, y, r);
  foreignIncomeCheck(c, y, r);
  depreciationChartCheck(c, y, r);
  depreciationDebitedCheck(c, y, r);
}

}  // namespace meridian::itr

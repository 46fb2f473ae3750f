#include "suite/heads/export_units.h"

#include "common/years.h"
#include "db/rows.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {

std::optional<ExportUnitFault> exportUnitFault(const engine::ExportUnit& unit, int year) {
  const auto& rules = engine::ExportDeductionRules::shipped();
  const std::string section = engine::exportSectionCode(unit.section);
  if (const auto last = rules.lastYear(unit.section); last && year > *last)
    return ExportUnitFault{"section", "Deduction u/s " + section + " is not available for A.Y. " +
                                          assessmentYearText(year) + ": the section allows none after A.Y. " +
                                          assessmentYearText(*last) + "."};
  if (unit.firstYear > year)
    return ExportUnitFault{"first_ay", "The undertaking must have begun to manufacture or provide services by A.Y. " +
                                           assessmentYearText(year) + "."};
  if (!rules.periodOf(unit.section, year - unit.firstYear + 1))
    return ExportUnitFault{"first_ay", "The deduction u/s " + section + " of an undertaking that began in A.Y. " +
                                           assessmentYearText(unit.firstYear) + " is over by A.Y. " +
                                           assessmentYearText(year) + "."};
  if (unit.exportTurnover > unit.totalTurnover)
    return ExportUnitFault{"exp_turnover", "Export turnover can not exceed the total turnover of the undertaking."};
  return std::nullopt;
}

void loadExportUnits(db::Connection& conn, const std::string& dataSet, engine::YearInput& in) {
  const auto money = [](const db::Row& r, const char* column) { return r.money(column).value_or(Money()); };
  for (const auto& r : db::selectWhere(conn, kExportUnitsTable, {{"code_no", dataSet}, {"ass_year", in.year}}, {"srno"})) {
    const auto section = engine::exportSectionOf(r.text("section"));
    if (!section) continue;
    in.exportUnits.push_back({*section, static_cast<int>(r.integer("first_ay")), money(r, "profit"),
                              money(r, "exp_turnover"), money(r, "tot_turnover"), money(r, "reserve"),
                              money(r, "claimed")});
  }
}

namespace {

void loadPart(db::Connection& conn, const YearSource& source, engine::YearInput& in, LoadNotes&) {
  loadExportUnits(conn, source.dataSet, in);
}

const YearInputPartRegistration registered{"deductions u/s 10A and 10AA", &loadPart};

}  // namespace
}  // namespace meridian::suite::heads

#include "suite/opened_years.h"

#include "common/years.h"
#include "suite/engine/compute_year.h"
#include "suite/year_computation.h"

namespace meridian::suite {

RecomputedYears recomputeOpenedYears(db::Connection& conn, const std::function<void(int, int)>& progress) {
  struct Opened {
    std::string dataSet;
    int year;
  };
  std::vector<Opened> opened;
  for (const auto& r : conn.query("SELECT code_no, ass_year FROM income ORDER BY code_no, ass_year"))
    opened.push_back({r.text(0), static_cast<int>(r.integer("ass_year"))});
  RecomputedYears out;
  for (size_t i = 0; i < opened.size(); ++i) {
    const auto& [dataSet, year] = opened[i];
    // A register entry's data set ("C0801^R-1") belongs to the client before the mark.
    const std::string client = dataSet.substr(0, dataSet.find('^'));
    try {
      writeResultRows(conn, computeLoadedYear(dataSet, year, loadYearFromDatabase(conn, client, dataSet, year)));
      ++out.written;
    } catch (const std::exception& e) {
      out.refused.push_back(dataSet + " " + assessmentYearText(year) + ": " + e.what());
    }
    if (progress) progress(static_cast<int>(i + 1), static_cast<int>(opened.size()));
  }
  return out;
}

}  // namespace meridian::suite

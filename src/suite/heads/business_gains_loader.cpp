#include "suite/heads/business_gains_loader.h"

#include "suite/heads/agriculture_year_input.h"
#include "suite/heads/business_year_input.h"
#include "suite/heads/capital_gains_year_input.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {

void loadBusinessGainsAndAgriculture(db::Connection& conn, const std::string& code, engine::YearInput& in,
                                     std::vector<std::string>& notes) {
  loadBusiness(conn, code, in);
  loadCapitalGains(conn, code, in, notes);
  loadAgricultureAndClubbing(conn, code, in, &notes);
}

namespace {
void loadPart(db::Connection& conn, const YearSource& source, engine::YearInput& in, LoadNotes& notes) {
  loadBusinessGainsAndAgriculture(conn, source.dataSet, in, notes);
}
const YearInputPartRegistration registered{"business, capital gains and agriculture", &loadPart};
}  // namespace

}  // namespace meridian::suite::heads

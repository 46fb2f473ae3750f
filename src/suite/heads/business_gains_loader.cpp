#include "suite/heads/business_gains_loader.h"

#include "suite/heads/agriculture_year_input.h"
#include "suite/heads/business_year_input.h"
#include "suite/heads/capital_gains_year_input.h"

namespace meridian::suite::heads {

void loadBusinessGainsAndAgriculture(db::Connection& conn, const std::string& code, engine::YearInput& in) {
  loadBusiness(conn, code, in);
  loadCapitalGains(conn, code, in);
  loadAgricultureAndClubbing(conn, code, in);
}

}  // namespace meridian::suite::heads

#pragma once
// Agricultural income of the year (exempt, s.10(1), but counted for the rate
// of tax on the rest) and the incomes of other persons included in the
// client's (ss.60 to 64), as the computation reads them.
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

struct AgriculturalFigures {
  Money gross, expenses;
  Money broughtForward;  // unabsorbed agricultural loss of the eight years before
};
// Receipts less expenses and the loss brought forward; a loss counts as nil
// for the rate (it is carried against later agricultural income only).
Money netAgriculturalIncome(const AgriculturalFigures& f);

struct ClubbedEntry {
  bool minorChild = false;  // s.64(1A), with the exemption of s.10(32)
  Money income;             // a loss negative
  std::string head;         // engine::clubbedHeadNames' code; blank: other sources
  std::string name;         // of the minor, whose incomes share one exemption
};
// A head not known is refused with a note, and the entry left out.
void addClubbed(const std::vector<ClubbedEntry>& entries, std::vector<engine::ClubbedIncome>& out,
                std::vector<std::string>* notes = nullptr);

// Reads agri, mininc and clubinc of a data set's year into `in`.
void loadAgricultureAndClubbing(db::Connection& conn, const std::string& code, engine::YearInput& in,
                                std::vector<std::string>* notes = nullptr);

}  // namespace meridian::suite::heads

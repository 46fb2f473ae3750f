// MAT credit (s.115JAA, companies) or AMT credit (s.115JD, other persons) of
// earlier years into the computation, from the credit table taxcr115jbc1.
//
// The table keeps one row per earlier assessment year (tax_credit_history.h
// says which data set's row a year reads): the tax on total income, the
// alternate tax and the credit of still earlier years used in that year.
// The credit a year gave is the excess of its alternate tax over its tax on
// total income (ss.115JAA(2A), 115JD(2)); what later years used
// came off the oldest credit first, as the computation uses it, so the
// balance of each year of origin is worked out row by row. The computation
// then applies this year's limit of years (ss.115JAA(3A), 115JD(4)) and the
// room this year's tax leaves above the alternate tax.
#include <algorithm>
#include <vector>

#include "common/years.h"
#include "suite/engine/year_law.h"
#include "suite/heads/tax_credit_history.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {
namespace {

struct OpenCredit {
  int year;
  Money left;
};

// Takes `used` off the open credits, oldest first; what no open credit
// covers is returned.
Money takeOldestFirst(std::vector<OpenCredit>& open, Money used) {
  for (auto& c : open) {
    const Money taken = std::min(c.left, used);
    c.left -= taken;
    used -= taken;
  }
  std::erase_if(open, [](const OpenCredit& c) { return c.left <= Money(); });
  return used;
}

void loadTaxCredits(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes& notes) {
  const engine::YearLaw* law = engine::lawOf(s.year);
  if (!law) return;
  const bool company = in.status == engine::Status::company;
  const std::string marker = company ? "B" : "C";
  const std::string kind = company ? "MAT" : "AMT";
  // The limit of this year stands for the earlier years too: it only grew
  // (seven years before A.Y. 2010-11, ten from then), and no credit older
  // than A.Y. 2006-07 exists to tell the two apart in the years computed.
  const int limit = company ? law->matCreditYears : law->amtCreditYears;

  std::vector<OpenCredit> open;
  for (const auto& [year, rows] : taxCreditHistory(conn, s.client, s.dataSet, s.year)) {
    for (const auto& r : rows) {
      if (r.marker != marker) {
        notes.push_back("The credit row of A.Y. " + assessmentYearText(year) + " is not marked as " + kind +
                        " credit and is left out.");
        continue;
      }
      std::erase_if(open, [&](const OpenCredit& c) { return year - c.year > limit; });
      const Money uncovered = takeOldestFirst(open, Money::rupees(r.creditUsed));
      if (uncovered > Money())
        notes.push_back("The " + kind + " credit used in A.Y. " + assessmentYearText(year) + " is more than was " +
                        "brought into it by Rs. " + uncovered.groupedRupees() + "; the excess is not counted.");
      const Money arisen = Money::rupees(r.alternateTax) - Money::rupees(r.taxNormal);
      if (arisen > Money()) open.push_back({year, arisen});
    }
  }
  for (const auto& c : open) in.taxCreditsBroughtForward.push_back({c.year, c.left});
}

const YearInputPartRegistration registered{"MAT/AMT credit", &loadTaxCredits};

}  // namespace
}  // namespace meridian::suite::heads

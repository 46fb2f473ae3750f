// The shares of income as a member of an AOP or BOI into the computation.
// A row whose AOP's charge is not stated can not be placed under s.86, so
// it is left out and named rather than guessed.
#include "suite/heads/member_shares.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {
namespace {

void loadMemberShares(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes& notes) {
  int n = 0;
  for (const auto& row : member_shares::read(conn, s.dataSet, s.year)) {
    ++n;
    const auto taxed = member_shares::taxedOf(row.basis);
    if (!taxed) {
      if (!row.share.isZero())
        notes.push_back("The share of income from AOP/BOI " + std::to_string(n) + " (" + row.name +
                        ") is not computed: how the AOP/BOI is taxed is not stated.");
      continue;
    }
    in.memberShares.push_back({row.share, *taxed});
  }
}

const YearInputPartRegistration registered{"share of income as member of AOP/BOI", &loadMemberShares};

}  // namespace
}  // namespace meridian::suite::heads

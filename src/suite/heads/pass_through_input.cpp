// Schedule PTI (schpti) into the computation: each trust's or fund's income
// under the head it was of in the trust's or fund's hands (ss.115UA(3),
// 115UB(1)). The tax deducted on it (s.194LBA, s.194LBB) is claimed with the
// year's other TDS on the tax screen, so it is not read here.
#include "suite/heads/pass_through_input.h"

#include "suite/heads/year_input_loader.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {

bool addPassedThrough(const std::string& head, Money amount, engine::PassThroughIncome& out) {
  const struct {
    const char* code;
    Money engine::PassThroughIncome::*figure;
  } heads[] = {{"HP", &engine::PassThroughIncome::houseProperty},
               {"STCG", &engine::PassThroughIncome::shortTerm},
               {"LTCG", &engine::PassThroughIncome::longTerm},
               {"OS", &engine::PassThroughIncome::otherSources},
               {"EX", &engine::PassThroughIncome::exempt}};
  for (const auto& h : heads)
    if (head == h.code) {
      out.*h.figure += amount;
      return true;
    }
  return false;
}

namespace {

void loadPassThrough(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes& notes) {
  for (const auto& r : readRows(conn, {.table = "schpti", .serialColumn = "srno"}, s.dataSet, s.year))
    if (!addPassedThrough(r.text("head"), r.money("amount").value_or(Money()), in.passThrough))
      notes.push_back("Pass through income from \"" + r.text("inv_name") + "\" has no head of income and is left out.");
}

const YearInputPartRegistration registered{"pass through income", &loadPassThrough};

}  // namespace
}  // namespace meridian::suite::heads

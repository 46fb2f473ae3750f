// The table of the deduction's periods is refused, line named, when a line
// would make the computation give a wrong share or none at all.
#include <gtest/gtest.h>

#include "suite/engine/sez_deduction_rules.h"

namespace meridian::engine {
namespace {

const char* const kTitles = "section,from_unit_year,to_unit_year,percent,limited_to_reserve,last_ay,source\n";

TEST(ExportDeductionRules, MistypedLinesAreRefusedWithTheLineNamed) {
  const struct {
    const char* name;
    const char* lines;
    const char* message;
  } cases[] = {
      {"unknown section", "10B,1,5,100,no,,s.10B\n",
       "data/sez_deduction.csv line 2: the section is 10A or 10AA, not \"10B\""},
      {"share above the whole", "10AA,1,5,150,no,,s.10AA\n",
       "data/sez_deduction.csv line 2: the share must be a whole number from 1 to 100, not \"150\""},
      {"years backwards", "10AA,5,1,100,no,,s.10AA\n",
       "data/sez_deduction.csv line 2: the last year of the unit comes before the first"},
      {"no source", "10AA,1,5,100,no,,\n", "data/sez_deduction.csv line 2: every period cites the section it comes from"},
      {"overlapping years", "10AA,1,5,100,no,,s.10AA\n10AA,5,10,50,no,,s.10AA\n",
       "data/sez_deduction.csv line 3: the years of the unit overlap an earlier line of 10AA"},
      {"two ends", "10A,1,5,100,no,2011,s.10A\n10A,6,10,100,no,2012,s.10A\n",
       "data/sez_deduction.csv line 3: s.10A is given two last years"},
      {"reserve neither yes nor no", "10AA,1,5,100,maybe,,s.10AA\n",
       "data/sez_deduction.csv line 2: expected yes or no, not \"maybe\""},
  };
  for (const auto& c : cases) {
    try {
      ExportDeductionRules::fromCsv(std::string(kTitles) + c.lines);
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), c.message) << c.name;
    }
  }
}

TEST(ExportDeductionRules, TheShippedPeriodsFollowTheAct) {
  const auto& rules = ExportDeductionRules::shipped();
  const struct {
    ExportSection section;
    int unitYear;
    int percent;  // 0: no deduction
    bool reserve;
  } cases[] = {
      {ExportSection::s10aa, 1, 100, false},  {ExportSection::s10aa, 5, 100, false},
      {ExportSection::s10aa, 6, 50, false},   {ExportSection::s10aa, 10, 50, false},
      {ExportSection::s10aa, 11, 50, true},   {ExportSection::s10aa, 15, 50, true},
      {ExportSection::s10aa, 16, 0, false},   {ExportSection::s10a, 10, 100, false},
      {ExportSection::s10a, 11, 0, false},
  };
  for (const auto& c : cases) {
    const auto p = rules.periodOf(c.section, c.unitYear);
    EXPECT_EQ(p ? p->percent : 0, c.percent) << exportSectionCode(c.section) << " year " << c.unitYear;
    if (p) EXPECT_EQ(p->limitedToReserve, c.reserve) << exportSectionCode(c.section) << " year " << c.unitYear;
  }
  EXPECT_EQ(rules.lastYear(ExportSection::s10a), 2011);
  EXPECT_FALSE(rules.lastYear(ExportSection::s10aa));
}

}  // namespace
}  // namespace meridian::engine

// The rules behind the computation settings: the set-off order the
// practitioner chooses (kept as text, honoured by the engine within the
// law), the stored interest codes read as the engine's options, and the
// case styles of the printout with their protected tokens.
#include <gtest/gtest.h>

#include "suite/computation/case_style.h"
#include "suite/computation/set_off_priority.h"
#include "suite/computation/year_settings.h"
#include "suite/engine/compute_year.h"

namespace meridian::suite::computation {
namespace {

Money rs(std::int64_t r) { return Money::rupees(r); }

TEST(SetOffPriority, TheEngineSetsLossesOffInTheChosenOrderWithinTheLaw) {
  struct Case {
    const char* name;
    const char* priorities;  // "" for the law's order
    bool businessLoss;       // else a house-property loss
    std::int64_t salary, otherSources, stcg111a;  // what is left of each after the loss
  } cases[] = {
      // 1,00,000 of house loss: salaries first by default.
      {"law's order", "", false, 0, 20000, 100000},
      {"other sources first", "HP:OS,SAL", false, 20000, 0, 100000},
      {"gain at a special rate first", "HP:STCG", false, 60000, 60000, 0},
      {"clubbed income stands for other sources", "HP:CLUB,SAL", false, 20000, 0, 100000},
      // A business loss never meets salaries (s.71(2A)), whatever is chosen.
      {"salaries passed over for a business loss", "BUS:SAL,STCG,OS", true, 60000, 60000, 0},
      {"business loss, other sources first", "BUS:OS", true, 60000, 0, 60000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    engine::YearInput in;
    in.year = 2016;
    in.salaries = {{rs(60000)}};
    in.otherSources.otherInterest = rs(60000);
    in.capitalGains.stcg111a = rs(100000);
    if (c.businessLoss)
      in.business.netProfit = rs(-100000);
    else
      in.houses = {{engine::HouseUse::selfOccupied, {}, {}, {}, rs(100000), false, 100}};
    if (*c.priorities) in.setOffPriority = toEngine(parsePriorities(c.priorities));
    const auto pots = engine::computeYear(in).setOff.afterCurrentYear;
    EXPECT_EQ(pots.salary, rs(c.salary));
    EXPECT_EQ(pots.otherSources, rs(c.otherSources));
    EXPECT_EQ(pots.stcg111a, rs(c.stcg111a));
  }
}

TEST(SetOffPriority, StoredTextReadsBackAndGarbledGroupsTakeTheDefault) {
  Priorities p = defaultPriorities();
  placeAt(p, YearLoss::houseProperty, TargetHead::longTerm, 0);
  placeAt(p, YearLoss::otherSources, TargetHead::salary, 6);
  EXPECT_EQ(parsePriorities(formatPriorities(p)), p);
  EXPECT_EQ(p.order[0].front(), TargetHead::longTerm);
  EXPECT_EQ(p.order[2].back(), TargetHead::salary);
  // Each head holds one rank: the others kept their order around the move.
  EXPECT_EQ(p.order[0].size(), 7u);

  struct Case {
    const char* text;
    YearLoss loss;
    std::vector<TargetHead> order;
  } cases[] = {
      {"", YearLoss::business, defaultPriorities().order[1]},
      {"HP:nonsense", YearLoss::houseProperty, defaultPriorities().order[0]},
      // Repeats and unknown codes are dropped; the rest follows in the default order.
      {"OS:LTCG,OS,LTCG,XX", YearLoss::otherSources,
       {TargetHead::longTerm, TargetHead::otherSources, TargetHead::salary, TargetHead::houseProperty,
        TargetHead::business, TargetHead::clubbing, TargetHead::shortTerm}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parsePriorities(c.text).order[static_cast<int>(c.loss)], c.order);
  }
}

TEST(SetOffPriority, TheLossesAreAdjustedInTheChosenOrder) {
  using L = YearLoss;
  struct Case {
    const char* text;
    std::array<L, 3> losses;
    std::int64_t carried;  // house-property loss left to carry forward
  } cases[] = {
      // Stored before the order was kept: house property first.
      {"HP:SAL", {L::houseProperty, L::business, L::otherSources}, 0},
      {"LOSS:OS,HP,BUS", {L::otherSources, L::houseProperty, L::business}, 30000},
      // Repeats and unknown codes dropped, the losses left out follow.
      {"LOSS:OS,OS,XX", {L::otherSources, L::houseProperty, L::business}, 30000},
      {"LOSS:BUS", {L::business, L::houseProperty, L::otherSources}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Priorities p = parsePriorities(c.text);
    EXPECT_EQ(p.losses, c.losses);
    EXPECT_EQ(parsePriorities(formatPriorities(p)), p);
    // Salaries of 1,20,000 against a house loss of 1,00,000 and a loss of
    // 50,000 under other sources, which is never carried forward.
    engine::YearInput in;
    in.year = 2016;
    in.salaries = {{rs(120000)}};
    in.houses = {{engine::HouseUse::selfOccupied, {}, {}, {}, rs(100000), false, 100}};
    in.otherSources.other = rs(-50000);
    in.setOffPriority = toEngine(p);
    const auto r = engine::computeYear(in);
    EXPECT_EQ(r.setOff.afterCurrentYear.salary, Money());
    EXPECT_EQ(r.setOff.currentYearCarried(), rs(c.carried));
  }
  Priorities moved = defaultPriorities();
  placeLossAt(moved, L::otherSources, 0);
  EXPECT_EQ(moved.losses, (std::array<L, 3>{L::otherSources, L::houseProperty, L::business}));
}

TEST(InterestCodes, StoredCodesAreTheEnginesOptions) {
  using engine::InterestChoice;
  struct Case {
    int a234, b234, c234;
    InterestChoice a, b, c;
  } cases[] = {
      {1, 1, 3, InterestChoice::charge, InterestChoice::charge, InterestChoice::charge},
      {0, 1, 4, InterestChoice::byHand, InterestChoice::charge, InterestChoice::charge},
      {1, 0, 5, InterestChoice::charge, InterestChoice::byHand, InterestChoice::charge},
      {1, 1, 0, InterestChoice::charge, InterestChoice::charge, InterestChoice::byHand},
      {1, 1, 2, InterestChoice::charge, InterestChoice::charge, InterestChoice::byHand},
  };
  for (const auto& c : cases) {
    InterestCodes codes;
    codes.a234 = c.a234;
    codes.b234 = c.b234;
    codes.c234 = c.c234;
    codes.byHand234a = rs(111);
    codes.byHand234c = rs(333);
    const auto o = interestOptions(codes);
    EXPECT_EQ(o[0].choice, c.a);
    EXPECT_EQ(o[1].choice, c.b);
    EXPECT_EQ(o[2].choice, c.c);
    if (c.a == InterestChoice::byHand) EXPECT_EQ(o[0].byHand, rs(111));
    if (c.c == InterestChoice::byHand) EXPECT_EQ(o[2].byHand, rs(333));
  }
}

// A person with 10,00,000 of interest (tax with cess 1,28,750, nothing paid
// in advance) who paid 50,000 of self-assessment tax before the due date
// (31/07/2016), 30,000 after it, and filed on 30/11/2016: four months of
// s.234A, eight of s.234B, on amounts rounded down to hundreds.
TEST(InterestCodes, SelfAssessmentTaxCountsForInterestAsTheBoxesSay) {
  struct Case {
    const char* what;
    int selfy, selfy1;
    std::int64_t s234a, s234b;
  } cases[] = {
      {"third state (default): paid by the due date", 2, 1, 787 * 4, 7696},
      {"ticked, taxes after the due date not counted", 5, 1, 787 * 4, 7696},
      {"ticked, second box in its third state", 3, 1, 787 * 4, 7696},
      {"ticked, every payment before the return counted", 4, 1, 487 * 4, 7696},
      {"clear: no self-assessment tax counted for 234A", 0, 1, 1287 * 4, 7696},
      // 234B without s.234B(2): 1,28,700 for eight months.
      {"234B box clear", 2, 0, 787 * 4, 1287 * 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    engine::YearInput in;
    in.year = 2016;
    in.otherSources.otherInterest = rs(1000000);
    in.taxesPaid.selfAssessment = {{*makeDate(20, 7, 2016), rs(50000)}, {*makeDate(20, 9, 2016), rs(30000)}};
    in.filingDate = *makeDate(30, 11, 2016);
    InterestCodes codes;
    codes.selfy = c.selfy;
    codes.selfy1 = c.selfy1;
    in.selfAssessmentForInterest = selfAssessmentForInterest(codes);
    const auto r = engine::computeYear(in);
    EXPECT_EQ(r.interest.s234a, rs(c.s234a));
    EXPECT_EQ(r.interest.s234b, rs(c.s234b));
  }
}

TEST(CaseStyle, CaptionsChangeCaseButProtectedTokensKeepTheirSpelling) {
  struct Case {
    const char* caption;
    int style;
    const char* printed;
  } cases[] = {
      {"Interest u/s 234A", 0, "Interest u/s 234A"},
      {"Interest u/s 234A", 1, "INTEREST U/S 234A"},
      {"deduction u/s 80ccd", 1, "DEDUCTION U/S 80CCD"},
      {"Deduction u/s 80C", 3, "deduction u/s 80C"},
      {"less: standard deduction u/s 24(a)", 2, "Less: Standard Deduction U/s 24(a)"},
      {"TAX ON INCOME u/s 115BBC(1)(i)", 3, "tax on income u/s 115BBC(1)(i)"},
      {"THE IST INSTALMENT", 3, "the Ist instalment"},
      {"Chapter -VIA", 3, "chapter -VIA"},
  };
  for (const auto& c : cases) EXPECT_EQ(inCaseStyle(c.caption, c.style), c.printed) << c.caption;
  // The four lists joined: the first ends with " IVth " and the second starts with ",80U".
  const auto& tokens = protectedTokens();
  EXPECT_NE(std::find(tokens.begin(), tokens.end(), " IVth "), tokens.end());
  EXPECT_NE(std::find(tokens.begin(), tokens.end(), "194LD"), tokens.end());
}

}  // namespace
}  // namespace meridian::suite::computation

// Interest u/s 234C: the instalments of one who declares income u/s 44AD, and
// gains and winnings that arose after an instalment's date.
#include <gtest/gtest.h>

#include "engine_cases.h"
#include "suite/engine/instalment_tax.h"

namespace meridian::engine {
namespace {

using testing::blankYear;
using testing::rs;

DatedPayment paid(const char* dmy, std::int64_t amount) { return {*parseDmy(dmy), rs(amount)}; }

TEST(EngineInstalments, GainsAndWinningsArisingAfterADateAreNoShortfallOfIt) {
  // A.Y. 2016-17, interest 10,00,000: tax 25,000 + 1,00,000 = 1,25,000, cess
  // 3 % 3,750: 1,28,750. With a s.111A gain of 2,00,000 (15 %: 30,000) or
  // winnings of 1,00,000 (30 %: 30,000): 1,55,000 + 4,650 = 1,59,650.
  // Paid 77,250 (60 % of 1,28,750) on 15 September and the rest on 15 March.
  // Instalments before A.Y. 2017-18: 30 % and 60 % for three months each, the
  // whole for one.
  enum class Kind { gain, winnings };
  struct Case {
    const char* name;
    Kind kind;
    int period;  // when it arose: 0 to 15 June ... 3 to 15 March, 4 after; -1 not said
    std::int64_t paidInMarch;
    std::int64_t interest;
  } cases[] = {
      // Not said: 60 % of 1,59,650 = 95,790 - 77,250 = 18,540 -> 18,500 x 3 % = 555.
      {"when not said, the gain counts from the start", Kind::gain, -1, 82400, 555},
      // Arose 16 December to 15 March: 15 December is worked on 1,28,750, paid in full.
      {"gain after 15 December", Kind::gain, 3, 82400, 0},
      {"winnings after 15 December", Kind::winnings, 3, 82400, 0},
      // Arose 16 June to 15 September: only 15 June, when nothing was due, leaves it out.
      {"gain before 15 September", Kind::gain, 1, 82400, 555},
      // Paid 1,28,750 in all. Arose after 15 March and its tax of 30,900 not
      // paid by 31 March: the proviso reaches no instalment, so each is worked
      // on 1,59,650. 15 September: 30 % = 47,895, paid 77,250. 15 December:
      // 60 % = 95,790 - 77,250 = 18,540 -> 18,500 x 3 % = 555. 15 March:
      // 1,59,650 - 1,28,750 = 30,900 x 1 % = 309. In all 864.
      {"gain after 15 March, its tax unpaid", Kind::gain, 4, 51500, 864},
      // Arose before 15 March: the same 30,900 x 1 % = 309.
      {"gain before 15 March", Kind::gain, 3, 51500, 309},
      // Arose after 15 December; paid after it only 20,000 of the 30,900 due
      // on the gain, so no instalment leaves the gain out. 15 September: 30 %
      // of 1,59,650 = 47,895, paid 77,250. 15 December: 60 % = 95,790 -
      // 77,250 = 18,540 -> 18,500 x 3 % = 555. 15 March: 1,59,650 - 97,250 =
      // 62,400 x 1 % = 624. In all 1,179.
      {"gain after 15 December, its tax short", Kind::gain, 3, 20000, 1179},
      {"winnings after 15 December, their tax short", Kind::winnings, 3, 20000, 1179},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(2016);
    in.otherSources.otherInterest = rs(1000000);
    IncomeArising arose;
    if (c.kind == Kind::gain) {
      in.capitalGains.stcg111a = rs(200000);
      arose.capitalGains.stcg111a = rs(200000);
    } else {
      in.otherSources.winnings = rs(100000);
      arose.winnings = rs(100000);
    }
    if (c.period >= 0) in.arising[static_cast<std::size_t>(c.period)] = arose;
    in.taxesPaid.advance = {paid("15/09/2015", 77250), paid("15/03/2016", c.paidInMarch)};
    const YearResult r = computeYear(in);
    ASSERT_EQ(r.netTax, rs(159650)) << c.name;
    EXPECT_EQ(r.interest.s234c, rs(c.interest)) << c.name;
  }
}

TEST(EngineInstalments, TaxOnALaterGainCountsOnlyWhenPaidAfterItArose) {
  // The year above with the s.111A gain of 2,00,000 (tax 30,900) arising
  // after 15 March 2016: 77,250 paid on 15 September, 51,500 on 15 March.
  struct Case {
    const char* name;
    const char* lastPaidOn;
    std::int64_t lastPaid;
    std::int64_t interest;
  } cases[] = {
      // 30,900 paid on 20 March, by 31 March: 15 March is worked on 1,28,750, paid.
      {"paid by 31 March", "20/03/2016", 30900, 0},
      // A rupee short of it: the proviso reaches no instalment. 15 December on
      // 1,59,650: 95,790 - 77,250 = 18,540 -> 18,500 x 3 % = 555; 15 March
      // with 1,28,750 paid by that date: 30,900 x 1 % = 309. In all 864.
      {"a rupee short", "20/03/2016", 30899, 864},
      // Paid only on 1 April 2016, after the previous year: the same 864.
      {"paid after the year", "01/04/2016", 30900, 864},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(2016);
    in.otherSources.otherInterest = rs(1000000);
    in.capitalGains.stcg111a = rs(200000);
    in.arising[4].capitalGains.stcg111a = rs(200000);
    in.taxesPaid.advance = {paid("15/09/2015", 77250), paid("15/03/2016", 51500), paid(c.lastPaidOn, c.lastPaid)};
    EXPECT_EQ(computeYear(in).interest.s234c, rs(c.interest)) << c.name;
  }
}

TEST(EngineInstalments, ADateFallsInThePeriodEndingOnTheNextInstalment) {
  // A.Y. 2016-17: instalments 15 June, 15 September, 15 December 2015 and
  // 15 March 2016; income on an instalment's own date arose by it.
  const struct {
    const char* date;
    std::size_t period;
  } cases[] = {
      {"01/04/2015", 0}, {"15/06/2015", 0}, {"16/06/2015", 1}, {"15/09/2015", 1}, {"16/09/2015", 2},
      {"15/12/2015", 2}, {"16/12/2015", 3}, {"15/03/2016", 3}, {"16/03/2016", 4}, {"31/03/2016", 4},
  };
  for (const auto& c : cases) EXPECT_EQ(arisingPeriodOf(*parseDmy(c.date), 2016), c.period) << c.date;
}

TEST(EngineInstalments, OnlyTheGainThatArosLaterIsLeftOut) {
  // A.Y. 2016-17: interest 10,00,000, s.111A gain 2,00,000 of which 1,00,000
  // arose after 15 December. 15 December is worked on 1,25,000 + 15,000 =
  // 1,40,000 + 4,200 = 1,44,200: 60 % = 86,520 - 77,250 = 9,270 -> 9,200 x 3 % = 276.
  YearInput in = blankYear(2016);
  in.otherSources.otherInterest = rs(1000000);
  in.capitalGains.stcg111a = rs(200000);
  in.arising[3].capitalGains.stcg111a = rs(100000);
  in.taxesPaid.advance = {paid("15/09/2015", 77250), paid("15/03/2016", 82400)};
  EXPECT_EQ(computeYear(in).interest.s234c, rs(276));
}

TEST(EngineInstalments, PresumptiveBusinessPaysTheWholeBy15MarchFrom2017) {
  // s.44AD 8 % of 50,00,000 = 4,00,000 (or the same profit from books) and
  // interest 6,00,000: total income 10,00,000, tax 1,25,000 + cess 3,750 =
  // 1,28,750 in both years.
  struct Case {
    const char* name;
    int year;
    bool presumptive;
    bool paidInMarch;
    std::int64_t interest;
  } cases[] = {
      // s.211(1)(b) from A.Y. 2017-18: the whole by 15 March, paid.
      {"44AD, 2017-18, paid by 15 March", 2017, true, true, 0},
      // Nothing paid: 1,28,750 -> 1,28,700 x 1 % = 1,287.
      {"44AD, 2017-18, nothing paid", 2017, true, false, 1287},
      // Books, 2017-18: 15 % = 19,312.50 -> 19,300 x 3 % = 579; 45 % =
      // 57,937.50 -> 57,900 x 3 % = 1,737; 75 % = 96,562.50 -> 96,500 x 3 % = 2,895.
      {"books, 2017-18", 2017, false, true, 5211},
      // 44AD before A.Y. 2017-18 pays like anyone: 30 % = 38,625 -> 38,600 x 3 %
      // = 1,158; 60 % = 77,250 -> 77,200 x 3 % = 2,316.
      {"44AD, 2016-17", 2016, true, true, 3474},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year);
    if (c.presumptive)
      in.business.presumptive44ad.turnover = rs(5000000);
    else
      in.business.netProfit = rs(400000);
    in.otherSources.otherInterest = rs(600000);
    if (c.paidInMarch)
      in.taxesPaid.advance = {paid(c.year == 2017 ? "15/03/2017" : "15/03/2016", 128750)};
    const YearResult r = computeYear(in);
    ASSERT_EQ(r.netTax, rs(128750)) << c.name;
    EXPECT_EQ(r.interest.s234c, rs(c.interest)) << c.name;
  }
}

}  // namespace
}  // namespace meridian::engine

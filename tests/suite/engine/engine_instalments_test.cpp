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

TEST(EngineInstalments, BusinessArisingForTheFirstTimeIsLeftOutFrom2017) {
  // Interest 10,00,000: 1,25,000 + cess 3,750 = 1,28,750. With a business
  // begun after 15 December earning 5,00,000: 2,75,000 + 8,250 = 2,83,250, so
  // 1,54,500 on the business. Paid 20,000, 40,000 and 40,000 by 15 June,
  // September and December, and the rest on 15 March.
  struct Case {
    const char* name;
    int year;
    bool firstTime;            // said to have arisen for the first time after 15 December
    std::int64_t paidInMarch;  // on 15 March
    std::int64_t interest;
  } cases[] = {
      // A.Y. 2017-18, clause (c) of the proviso: 15 June, September and
      // December are worked on 1,28,750 (15 % 19,312.50, 45 % 57,937.50, 75 %
      // 96,562.50: all paid); 15 March on 2,83,250, paid.
      {"2017-18, first time, its tax paid after it arose", 2017, true, 183250, 0},
      // Not said to be new: 15 % of 2,83,250 = 42,487.50 - 20,000 -> 22,400 x
      // 3 % = 672; 45 % 1,27,462.50 - 60,000 -> 67,400 x 3 % = 2,022; 75 %
      // 2,12,437.50 - 1,00,000 -> 1,12,400 x 3 % = 3,372. In all 6,066.
      {"2017-18, not said to be new", 2017, false, 183250, 6066},
      // Only 1,00,000 paid after 15 December, short of the 1,54,500: the
      // proviso reaches nothing; the 6,066 above and 15 March 2,83,250 -
      // 2,00,000 = 83,250 -> 83,200 x 1 % = 832. In all 6,898.
      {"2017-18, first time, its tax short", 2017, true, 100000, 6898},
      // A.Y. 2016-17 knows no clause (c): 30 % of 2,83,250 = 84,975 - 60,000
      // -> 24,900 x 3 % = 747; 60 % 1,69,950 - 1,00,000 -> 69,900 x 3 % = 2,097.
      {"2016-17, first time, no clause for it", 2016, true, 183250, 2844},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year);
    in.otherSources.otherInterest = rs(1000000);
    in.business.netProfit = rs(500000);
    if (c.firstTime) in.arising[3].businessFirstTime = rs(500000);
    const std::string y = std::to_string(c.year - 1), next = std::to_string(c.year);
    in.taxesPaid.advance = {paid(("15/06/" + y).c_str(), 20000), paid(("15/09/" + y).c_str(), 40000),
                            paid(("15/12/" + y).c_str(), 40000), paid(("15/03/" + next).c_str(), c.paidInMarch)};
    const YearResult r = computeYear(in);
    ASSERT_EQ(r.netTax, rs(283250)) << c.name;
    EXPECT_EQ(r.interest.s234c, rs(c.interest)) << c.name;
  }
}

// Clause (c) reaches a new business whatever its income is made of: a
// presumptive business's income is its presumed income, not a net profit.
TEST(EngineInstalments, PresumptiveIncomeOfANewBusinessIsLeftOutFrom2017) {
  struct Case {
    const char* name;
    void (*business)(YearInput&);
    std::size_t period;               // in which it first earned
    std::int64_t interest;            // other sources
    std::int64_t newIncome;           // the new business's income
    std::array<std::int64_t, 4> tax;  // worked on at each date
  } cases[] = {
      // s.44ADA, receipts 20,00,000 at 50 %: 10,00,000, first earned in
      // October. Interest 6,00,000 alone: 25,000 + 20,000 = 45,000 + cess
      // 1,350 = 46,350; with the profession 16,00,000: 25,000 + 1,00,000 +
      // 1,80,000 = 3,05,000 + 9,150 = 3,14,150.
      {"44ADA",
       [](YearInput& in) { in.business.presumptive44ada.receipts = rs(2000000); },
       2, 600000, 1000000, {46350, 46350, 314150, 314150}},
      // s.44AE, two light goods carriages from December at 7,500 a month for
      // four months: 60,000, first earned after 15 December. Interest
      // 10,00,000 alone: 1,25,000 + 3,750 = 1,28,750; with them 1,43,000 +
      // 4,290 = 1,47,290.
      {"44AE",
       [](YearInput& in) { in.business.presumptive44ae = {{false, 4, 0, {}}, {false, 4, 0, {}}}; },
       3, 1000000, 60000, {128750, 128750, 128750, 147290}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    YearInput in = blankYear(2017);
    in.otherSources.otherInterest = rs(c.interest);
    c.business(in);
    in.arising[c.period].businessFirstTime = rs(c.newIncome);
    const Money netTax = computeYear(in).netTax;
    ASSERT_EQ(netTax, rs(c.tax[3]));
    const auto taxes = instalmentTaxes(in, netTax);
    for (std::size_t i = 0; i < taxes.size(); ++i) EXPECT_EQ(taxes[i], rs(c.tax[i])) << "instalment " << i + 1;
  }
}

TEST(EngineInstalments, DividendsAbove115bbdaThresholdArisingLaterAreLeftOut) {
  // A.Y. 2017-18, clause (d) of the proviso: interest 10,00,000, tax 1,25,000
  // + cess 3,750 = 1,28,750. Dividends from domestic companies 20,00,000:
  // 10,00,000 above the threshold at 10 % = 1,00,000 + 3,000 = 1,03,000; in
  // all 2,31,750. Paid 20,000, 40,000 and 40,000 by 15 June, September and
  // December, and the rest on 15 March (15 %, 45 %, 75 %, 100 %; no interest
  // on the first two when 12 % and 36 % were paid).
  struct Case {
    const char* name;
    int period;                      // when the later dividends arose: 3 after 15 December, 4 after 15 March
    std::int64_t arose;              // of the 20,00,000; 0: not said
    std::int64_t paidInMarch;        // on 15 March
    std::int64_t paidAfterMarch15;   // on 25 March
    std::int64_t interest;
  } cases[] = {
      // All after 15 December, their 1,03,000 paid after: the first three
      // dates are worked on 1,28,750 (19,312.50, 57,937.50, 96,562.50: paid).
      {"all after 15 December, paid", 3, 2000000, 131750, 0, 0},
      // Not said: each date on 2,31,750. 15 June 34,762.50 - 20,000 ->
      // 14,700 x 3 % = 441; 15 September 1,04,287.50 - 60,000 -> 44,200 x 3 %
      // = 1,326; 15 December 1,73,812.50 - 1,00,000 -> 73,800 x 3 % = 2,214.
      {"not said", 3, 0, 131750, 0, 3981},
      // 5,00,000 after 15 December: without them 15,00,000, of which 5,00,000
      // is charged, 51,500: the first three dates on 1,80,250. 15 June
      // 27,037.50 - 20,000 -> 7,000 x 3 % = 210; 15 September 81,112.50 -
      // 60,000 -> 21,100 x 3 % = 633; 15 December 1,35,187.50 - 1,00,000 ->
      // 35,100 x 3 % = 1,053. Only the part above the threshold leaves.
      {"a quarter after 15 December", 3, 500000, 131750, 0, 1896},
      // 10,00,000 after 15 December: the 10,00,000 left are all exempt, so
      // the first three dates are on 1,28,750, as when all arose later.
      {"half after 15 December", 3, 1000000, 131750, 0, 0},
      // After 15 March, with nothing paid after it by 31 March: the proviso
      // reaches no date; the 3,981 of "not said".
      {"after 15 March, unpaid", 4, 2000000, 131750, 0, 3981},
      // After 15 March, 1,03,000 paid on 25 March: every date on 1,28,750,
      // 15 March included, and 1,28,750 was paid by it.
      {"after 15 March, paid by 31 March", 4, 2000000, 28750, 103000, 0},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(2017);
    in.otherSources.otherInterest = rs(1000000);
    in.otherSources.dividendDomestic = rs(2000000);
    if (c.arose > 0) in.arising[static_cast<std::size_t>(c.period)].dividendDomestic = rs(c.arose);
    in.taxesPaid.advance = {paid("15/06/2016", 20000), paid("15/09/2016", 40000), paid("15/12/2016", 40000),
                            paid("15/03/2017", c.paidInMarch)};
    if (c.paidAfterMarch15 > 0) in.taxesPaid.advance.push_back(paid("25/03/2017", c.paidAfterMarch15));
    const YearResult r = computeYear(in);
    ASSERT_EQ(r.netTax, rs(231750)) << c.name;
    EXPECT_EQ(r.interest.s234c, rs(c.interest)) << c.name;
  }
}

TEST(EngineInstalments, TaxDeductedOnWinningsLeftOutIsNotTakenOffTheInstalment) {
  // A.Y. 2016-17: interest 10,00,000 and winnings of 1,00,000 after 15
  // December with 30,000 deducted on them (s.194B): 1,59,650, TDS 30,000.
  // The tax on the winnings less their TDS, 900, is what advance tax paid
  // after they arose must reach for the proviso.
  struct Case {
    const char* name;
    std::int64_t paidInSeptember, paidInMarch;
    std::int64_t interest;
  } cases[] = {
      // 15 September and December on 1,28,750 without the winnings and their
      // TDS: 30 % 38,625 paid; 60 % 77,250 - 50,000 -> 27,200 x 3 % = 816.
      // 15 March on 1,59,650 - 30,000 = 1,29,650, paid. (Taking the 30,000 off
      // the 1,28,750 as well would leave 9,200 x 3 % = 276.)
      {"short on 15 December", 50000, 79650, 816},
      // 10,000 paid after the winnings covers their 900: 15 December on
      // 1,28,750, paid; 15 March 1,29,650 - 87,250 = 42,400 x 1 % = 424.
      {"TDS covers most of the winnings' tax", 77250, 10000, 424},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(2016);
    in.otherSources.otherInterest = rs(1000000);
    in.otherSources.winnings = rs(100000);
    in.arising[3].winnings = rs(100000);
    in.arising[3].winningsTds = rs(30000);
    in.taxesPaid.tds = rs(30000);
    in.taxesPaid.advance = {paid("15/09/2015", c.paidInSeptember), paid("15/03/2016", c.paidInMarch)};
    const YearResult r = computeYear(in);
    ASSERT_EQ(r.netTax, rs(159650)) << c.name;
    EXPECT_EQ(r.interest.s234c, rs(c.interest)) << c.name;
  }
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

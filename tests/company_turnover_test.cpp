#include <gtest/gtest.h>

#include "client/company_turnover.h"

namespace meridian::client {
namespace {

const std::string head =
    "Total Turnover / Gross Receipts in the Previous Year 2014-15 as per General Information -> Profit & Loss A/c is ";

// The question against the option, at and around the five-crore limit.
TEST(CompanyTurnover, TheQuestionFollowsTheTurnoverAndTheOption) {
  const auto choice = yearChoice("cboDomCompTO", 2017);
  ASSERT_TRUE(choice);
  struct Case {
    const char* name;
    std::optional<Money> turnover;
    const char* option;
    std::optional<std::string> question;
  } cases[] = {
      {"not known, NO", std::nullopt, "NO", std::nullopt},
      {"not known, YES", std::nullopt, "YES", head + "'NIL' or 'NOT FILLED', you have opted 'YES'\n\nContinue ?"},
      {"nil, YES", Money(), "YES", head + "'NIL' or 'NOT FILLED', you have opted 'YES'\n\nContinue ?"},
      {"within, YES", Money::rupees(45'000'000), "YES", std::nullopt},
      {"at the limit, YES", Money::rupees(50'000'000), "YES", std::nullopt},
      {"at the limit, NO", Money::rupees(50'000'000), "NO",
       head + "Rs. 50,000,000.00 which does not exceed Rs. 5 Crore, where as you have opted 'NO'\n\nContinue ?"},
      {"a paisa above, YES", Money::rupees(50'000'000) + Money::paise(1), "YES",
       head + "Rs. 50,000,000.01 which exceed Rs. 5 Crore, where as you have opted 'YES'\n\nContinue ?"},
      {"above, NO", Money::rupees(60'000'000), "NO", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(turnoverQuestion(*choice, c.turnover, c.option), c.question);
  }
}

TEST(CompanyTurnover, TheOptionBelongsToTheYearOfTheReducedRate) {
  EXPECT_FALSE(yearChoice("cboDomCompTO", 2016));
  EXPECT_FALSE(yearChoice("cboDomCompTO", 2018));
  const auto choice = yearChoice("cboDomCompTO", 2017);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->turnoverYear, 2015) << "the previous year 2014-15 is the A.Y. 2015-16";
}

TEST(CompanyTurnover, AmountsAreGroupedInThousands) {
  for (const auto& [amount, text] : std::vector<std::pair<Money, std::string>>{
           {Money(), "0.00"},
           {Money::rupees(999), "999.00"},
           {Money::rupees(1000), "1,000.00"},
           {Money::rupees(123'456'789) + Money::paise(5), "123,456,789.05"},
           {-Money::rupees(1'234'567), "-1,234,567.00"}})
    EXPECT_EQ(turnoverText(amount), text);
}

}  // namespace
}  // namespace meridian::client

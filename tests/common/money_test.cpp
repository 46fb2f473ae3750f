#include <gtest/gtest.h>

#include "common/money.h"

namespace meridian {
namespace {

TEST(Money, ReadsTypedAmountsToThePaisa) {
  struct Case {
    const char* text;
    std::optional<long long> paise;
  } cases[] = {
      {"1234", 123400},        {" 42 ", 4200},           {"-1,23,456.5", -12345650},  {"+12.25", 1225},
      {"1,234.50", 123450},    {".5", 50},               {"0.125", 12},               {"0.135", 14},
      {"0.1250000000000000000001", 13},  // a tail past the eighteenth decimal still breaks the tie
      {"-0.005", 0},           {"", std::nullopt},       {"-", std::nullopt},         {".", std::nullopt},
      {"1.2.3", std::nullopt}, {"12a", std::nullopt},    {"1 000", std::nullopt},     {",5", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    auto m = Money::parse(c.text);
    ASSERT_EQ(m.has_value(), c.paise.has_value()) << c.text;
    if (m) EXPECT_EQ(m->inPaise(), *c.paise) << c.text;
  }
}

TEST(Money, RoundsToTheRupeeHalfToEven) {
  const std::pair<long long, long long> cases[] = {{250, 2}, {350, 4}, {251, 3}, {249, 2}, {-250, -2}, {-350, -4}, {-251, -3}, {0, 0}};
  for (auto [paise, rupees] : cases) EXPECT_EQ(Money::paise(paise).wholeRupees(), rupees) << paise;
}

// Section 288A: paise are ignored, then 5 and above goes up to the next ten.
TEST(Money, RoundsTotalIncomeOffToTens) {
  const std::pair<long long, long long> cases[] = {
      {123454'99, 123450}, {123455'00, 123460}, {123450'00, 123450}, {123459'99, 123460},
      {4'99, 0},           {5'00, 10},          {-123455'00, -123460}, {-4'00, 0},
  };
  for (auto [paise, rupees] : cases) EXPECT_EQ(Money::paise(paise).roundedOffToTens(), Money::rupees(rupees)) << paise;
}

TEST(Money, AppliesRatesWithoutFloatingPoint) {
  EXPECT_EQ(Money::rupees(1'000'000).atRate(3000), Money::rupees(300'000));
  EXPECT_EQ(Money::rupees(333).atRate(1030), Money::paise(3430));  // 10.30 % of 333 is 34.299
  EXPECT_EQ(Money::paise(5).atRate(5000), Money::paise(2));           // 2.5 paise: half to even
  EXPECT_EQ(Money::paise(15).atRate(5000), Money::paise(8));          // 7.5 paise
  EXPECT_EQ(Money::rupees(90'000'000'000'000).atRate(10000), Money::rupees(90'000'000'000'000)) << "no overflow";
}

TEST(Money, ShowsAmountsWithIndianGrouping) {
  struct Case {
    long long paise;
    const char *text, *grouped, *groupedRupees;
  } cases[] = {
      {0, "0.00", "0.00", "0"},
      {123'45, "123.45", "123.45", "123"},
      {1000'00, "1000.00", "1,000.00", "1,000"},
      {100000'00, "100000.00", "1,00,000.00", "1,00,000"},
      {1234567'50, "1234567.50", "12,34,567.50", "12,34,568"},
      {-1234567'05, "-1234567.05", "-12,34,567.05", "-12,34,567"},
      {123456789012'00, "123456789012.00", "1,23,45,67,89,012.00", "1,23,45,67,89,012"},
  };
  for (const auto& c : cases) {
    const Money m = Money::paise(c.paise);
    EXPECT_EQ(m.text(), c.text);
    EXPECT_EQ(m.grouped(), c.grouped);
    EXPECT_EQ(m.groupedRupees(), c.groupedRupees);
  }
}

}  // namespace
}  // namespace meridian

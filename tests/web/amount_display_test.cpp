#include "web/amount_display.h"

#include <gtest/gtest.h>

namespace meridian::web {
namespace {

TEST(AmountDisplay, PlainFiguresAreGroupedTheIndianWay) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "0"},
      {"999", "999"},
      {"1000", "1,000"},
      {"519406", "5,19,406"},
      {"519406093", "51,94,06,093"},
      {"-1234567.5", "-12,34,567.5"},
      {"1234.50", "1,234.50"},
      {"100000.0001", "1,00,000.0001"},
      // Not plain figures: left as they are.
      {"", ""},
      {"1,23,456", "1,23,456"},
      {"15/06/2016", "15/06/2016"},
      {"Upto 15/06", "Upto 15/06"},
      {"12.345678", "12.345678"},
      {"-", "-"},
      {"1e5", "1e5"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(amountForDisplay(text), shown) << text;
}

}  // namespace
}  // namespace meridian::web

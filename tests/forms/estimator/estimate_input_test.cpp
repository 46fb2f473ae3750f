// Amounts as typed into the estimator screen's boxes: what counts, and how
// paise round to the rupee.
#include <gtest/gtest.h>

#include "forms/estimator/estimate_input.h"

namespace meridian::forms::estimator {
namespace {

TEST(EstimatorAmountText, ReadsTypedAmountsAndRefusesTheRest) {
  struct Case {
    const char* typed;
    std::optional<Rupees> amount;
  } cases[] = {
      {"450000", 450000},
      {"1800000.00", 1800000},  // as the amount box rewrites a figure on leaving
      {" 42 ", 42},
      {"+7", 7},
      {"0007", 7},
      {"1234.5", 1234},  // half a rupee goes to the even rupee
      {"1235.5", 1236},
      {"1234.50", 1234},
      {"1234.51", 1235},
      {"1234.49", 1234},
      {".6", 1},
      {"12.", 12},
      {"999999999999", 999999999999},
      {"000999999999999", 999999999999},
      {"1000000000000", std::nullopt},  // thirteen digits: more than a box holds
      {"", std::nullopt},
      {"   ", std::nullopt},
      {".", std::nullopt},
      {"-500", std::nullopt},
      {"12.3.4", std::nullopt},
      {"1,000", std::nullopt},
      {"abc", std::nullopt},
      {"+", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(amountFromText(c.typed), c.amount) << '"' << c.typed << '"';
}

}  // namespace
}  // namespace meridian::forms::estimator

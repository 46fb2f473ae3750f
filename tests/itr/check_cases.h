#pragma once
// Table-driven cases of the checks before a return: one fact of a plain year
// changed so that a check stops or asks with its exact words (and the case
// beside it, which passes), or so that a check names the data it could not
// examine.
#include <gtest/gtest.h>

#include <functional>

#include "itr/plain_return_year.h"

namespace meridian::itr::testing {

inline std::optional<CheckResult> resultOf(const std::vector<CheckResult>& rs, const std::string& check) {
  for (const auto& r : rs)
    if (r.check == check && r.outcome != CheckOutcome::passed) return r;
  return std::nullopt;
}

struct StopCase {
  std::string why, form, status;
  int year;
  std::string check;
  std::function<void(ReturnYear&)> fails, passes;
  CheckOutcome outcome;
  std::string message;
};

// Each case's check gives its outcome and words with the focus on Proceed;
// beside it, the check passes.
inline void expectEachStopsAndPassesBeside(const std::vector<StopCase>& cases, const FilingParticulars& f,
                                           CivilDate today) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ReturnYear y = plainYear(c.year, c.status);
    c.fails(y);
    const auto failed = resultOf(runFilingChecks(y, f, {c.form, true, today}), c.check);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->outcome, c.outcome);
    EXPECT_EQ(failed->message, c.message);
    EXPECT_EQ(failed->focus, "cmdproceed");
    ReturnYear beside = plainYear(c.year, c.status);
    c.passes(beside);
    const auto passed = resultOf(runFilingChecks(beside, f, {c.form, true, today}), c.check);
    EXPECT_FALSE(passed.has_value()) << passed->message;
  }
}

struct UnkeptCase {
  std::string why, form, status;
  int year;
  std::function<void(ReturnYear&)> change;
  std::string check;
  bool reported;
  std::string says;  // a part of the words: the data that is missing
};

// Each case's check is reported not examined, naming the data, or not at all.
inline void expectEachNotExaminedWhereItMatters(const std::vector<UnkeptCase>& cases, const FilingParticulars& f,
                                                CivilDate today) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ReturnYear y = plainYear(c.year, c.status);
    c.change(y);
    const auto r = resultOf(runFilingChecks(y, f, {c.form, true, today}), c.check);
    ASSERT_EQ(r.has_value(), c.reported);
    if (!r) continue;
    EXPECT_EQ(r->outcome, CheckOutcome::notExamined);
    EXPECT_NE(r->message.find(c.says), std::string::npos) << r->message;
  }
}

}  // namespace meridian::itr::testing

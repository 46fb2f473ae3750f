#include <gtest/gtest.h>

#include "common/dates.h"
#include "common/years.h"

namespace meridian {
namespace {

TEST(Dates, TypedDatesCompleteToDayMonthYear) {
  const std::pair<const char*, const char*> cases[] = {
      {"1/4/16", "01/04/2016"},     {"01042016", "01/04/2016"},   {"1-4-2016", "01/04/2016"},
      {"010416", "01/04/2016"},     {"1.4.2016", "01/04/2016"},   {"01/04/2016", "01/04/2016"},
      {"1_/04/2016", "01/04/2016"}, {" 1 / 4 / 16 ", "01/04/2016"},
      // One two-digit-year rule: 00-29 are this century, 30-99 the last.
      {"1/4/29", "01/04/2029"},     {"1/4/30", "01/04/1930"},     {"1/4/45", "01/04/1945"},
      {"29/02/16", "29/02/2016"},   {"29/02/15", ""},             {"29/2/00", "29/02/2000"},
      {"31/04/2016", ""},           {"1/13/2016", ""},            {"0/1/2016", ""},
      {"1/4/016", ""},              {"1/4", ""},                  {"1a/4/2016", ""},
      {"__/__/____", ""},           {"", ""},                     {"1/4/0099", ""},
  };
  for (auto [typed, completed] : cases) EXPECT_EQ(completeTypedDate(typed), completed) << typed;
}

TEST(Dates, ShownAndStoredFormsAreExact) {
  EXPECT_EQ(parseDmy("05/01/2016"), makeDate(5, 1, 2016));
  for (const char* refused : {"5/1/2016", "05-01-2016", "05/01/16", "31/02/2016", "05/01/2016x", ""})
    EXPECT_FALSE(parseDmy(refused)) << refused;
  EXPECT_EQ(parseIso("2016-01-05 10:00:00"), makeDate(5, 1, 2016));
  EXPECT_FALSE(parseIso("2016-02-30"));
  const CivilDate d = *makeDate(9, 3, 2017);
  EXPECT_EQ(formatDmy(d), "09/03/2017");
  EXPECT_EQ(formatIso(d), "2017-03-09");
  EXPECT_EQ(parseDmy(formatDmy(d)), d);
}

TEST(Dates, BlankDateBoxes) {
  for (const char* blank : {"", "   ", "__/__/____", " __/__/____ ", "  /  /    "}) EXPECT_TRUE(isBlankDateBox(blank)) << blank;
  for (const char* typed : {"01/__/____", "1/4/16", "x"}) EXPECT_FALSE(isBlankDateBox(typed)) << typed;
}

TEST(Years, AssessmentYearTextsAndEntries) {
  EXPECT_EQ(assessmentYearText(2009), "2009-10");
  EXPECT_EQ(assessmentYearText(1999), "1999-00");
  EXPECT_EQ(yearOfEntry("2016-17"), 2016);
  EXPECT_EQ(yearOfEntry("20x6-17"), 0);
  EXPECT_EQ(yearOfEntry(""), 0);
  EXPECT_EQ(assessmentYearTexts({1999, 2001}), (std::vector<std::string>{"1999-00", "2000-01", "2001-02"}));
}

}  // namespace
}  // namespace meridian

// The due-date masters in the database: the shipped rows, the category lists
// they belong to, and the rows earlier versions stored in older layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "common/csv.h"
#include "common/dates.h"
#include "common/embedded_files.h"
#include "common/years.h"
#include "db/migrations.h"
#include "host/due_date_categories.h"
#include "host/due_date_store.h"
#include "support/db_fixture.h"

namespace meridian::host {
namespace {

using testsupport::DbTest;
namespace c = std::chrono;

bool inFinancialYear(const std::string& text, int firstYear) {
  auto d = parseDmy(text);
  return d && *d >= c::year_month_day{c::year{firstYear}, c::April, c::day{1}} &&
         *d <= c::year_month_day{c::year{firstYear + 1}, c::March, c::day{31}};
}

class DueDateSeed : public DbTest {};

TEST_P(DueDateSeed, ShipsEveryResearchedRowOnceWithDatesInsideTheirYear) {
  auto rows = conn().query("SELECT * FROM duedt_master ORDER BY assyear, statc");
  ASSERT_EQ(rows.size(), 147u);
  for (const auto& r : rows) {
    const int y = static_cast<int>(r.integer("assyear"));
    const std::string where = std::to_string(y) + "/" + r.text("statc");
    EXPECT_TRUE(inFinancialYear(r.text("duedt"), y)) << where << " " << r.text("duedt");
    if (!r.text("revduedt").empty()) {
      EXPECT_TRUE(inFinancialYear(r.text("revduedt"), y)) << where;
      EXPECT_GT(*parseDmy(r.text("revduedt")), *parseDmy(r.text("duedt"))) << where;
    }
    EXPECT_FALSE(r.text("confidence").empty()) << where;
  }
  EXPECT_FALSE(conn().scalar("SELECT source_url FROM duedt_master WHERE assyear = 2016 AND statc = 9").empty());

  // Starting again must not ship the rows a second time.
  EXPECT_EQ(db::migrate(conn(), db::allMigrations()), 0);
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM duedt_master"), "147");
}

TEST_P(DueDateSeed, EveryYearHoldsOneRowPerCategoryOfItsList) {
  std::map<int, std::set<int>> stored;
  for (const auto& r : conn().query("SELECT assyear, statc FROM duedt_master"))
    stored[static_cast<int>(r.integer("assyear"))].insert(static_cast<int>(r.integer("statc")));
  for (int y = years::kDueDates.first; y <= years::kDueDates.last; ++y) {
    std::set<int> listed;
    for (const auto& cat : categoriesOf(y)) listed.insert(cat.statc);
    EXPECT_EQ(stored[y], listed) << y;
  }
}

MERIDIAN_ON_BOTH_ENGINES(DueDateSeed);

// The researched data names each row's category in words; the program's lists
// must read the same, word for word, for every year.
TEST(DueDateCategories, ListsReadAsTheResearchedCategoryTexts) {
  auto csv = parseCsv(*embedded::find("data/due_dates.csv"));
  ASSERT_EQ(csv.size(), 148u);
  for (size_t i = 1; i < csv.size(); ++i) {
    const int y = std::stoi(csv[i][0]), statc = std::stoi(csv[i][1]);
    std::string text;
    for (const auto& cat : categoriesOf(y))
      if (cat.statc == statc) text = cat.text;
    EXPECT_EQ(text, csv[i][2]) << y << "/" << statc;
  }
}

// The researched rows prove the lists of 1992-2017; these are the years around them.
TEST(DueDateCategories, IndividualRowFrom2007AndListsBeyondTheResearchedYears) {
  auto texts = [](int year) {
    std::vector<std::string> out;
    for (const auto& c : categoriesOf(year)) out.push_back(std::to_string(c.statc) + " " + c.text);
    return out;
  };
  const std::string indHuf = "5 Individual or HUF not having Income from Business or Profession";
  auto has = [](const std::vector<std::string>& v, const std::string& t) {
    return std::find(v.begin(), v.end(), t) != v.end();
  };
  EXPECT_FALSE(has(texts(2006), indHuf));
  for (int y : {2007, 2010}) EXPECT_TRUE(has(texts(y), indHuf)) << y;
  EXPECT_FALSE(has(texts(2011), indHuf));
  EXPECT_EQ(texts(1980), texts(1992));
  EXPECT_EQ(texts(2021), texts(2017));
  EXPECT_EQ(texts(2017), texts(2012));
}

TEST(DueDateCategories, CommaSeparatedTextKeepsQuotedCommasAndQuotes) {
  auto rows = parseCsv("a,b,c\r\n1,\"x, y\",\"say \"\"hi\"\"\"\n\n2,,\n3,\"two\nlines\",z");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1], (std::vector<std::string>{"1", "x, y", "say \"hi\""}));
  EXPECT_EQ(rows[2], (std::vector<std::string>{"2", "", ""}));
  EXPECT_EQ(rows[3], (std::vector<std::string>{"3", "two\nlines", "z"}));
  EXPECT_THROW(parseCsv("1,\"open"), std::runtime_error);
}

// Rows that earlier versions stored for a year whose list later grew are
// read into the rows of the current list.
class DueDateLegacyRows : public DbTest {};

TEST_P(DueDateLegacyRows, StoredStatcsAreMappedOntoTheCurrentList) {
  struct Case {
    int year;
    int storedRows;
    std::map<int, int> expected;  // current StatC -> stored StatC it shows
  } cases[] = {
      {2008, 4, {{1, 1}, {2, 2}, {3, 3}, {4, 2}, {5, 4}, {6, 4}}},
      {2008, 5, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 5}}},
      {2006, 5, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {6, 5}}},
      {2006, 4, {{1, 1}, {2, 2}, {3, 3}, {4, 2}, {6, 4}}},
      {2013, 6, {{1, 1}, {2, 2}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 5}, {8, 6}, {9, 6}}},
      {2013, 8, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 8}}},
      {2013, 9, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}}},
      {2012, 6, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}},
  };
  for (const auto& cs : cases) {
    conn().execute("DELETE FROM duedt_master WHERE assyear = ?", {cs.year});
    // Stored StatC n carries 0n/05 as its date, so each row shows where it came from.
    for (int s = 1; s <= cs.storedRows; ++s) {
      std::string day = (s < 10 ? "0" : "") + std::to_string(s);
      conn().execute("INSERT INTO duedt_master (assyear, statc, duedt, notification) VALUES (?, ?, ?, ?)",
                     {cs.year, s, day + "/05/" + std::to_string(cs.year), "N" + std::to_string(s)});
    }
    auto read = readDueDates(conn(), cs.year);
    std::map<int, int> shown;
    for (const auto& [statc, row] : read) {
      EXPECT_EQ(row.statc, statc);
      shown[statc] = std::stoi(row.notification.substr(1));
      EXPECT_EQ(row.dueDt.substr(0, 2), (shown[statc] < 10 ? "0" : "") + std::to_string(shown[statc]));
    }
    EXPECT_EQ(shown, cs.expected) << cs.year << " with " << cs.storedRows << " stored rows";
  }
}

MERIDIAN_ON_BOTH_ENGINES(DueDateLegacyRows);

}  // namespace
}  // namespace meridian::host

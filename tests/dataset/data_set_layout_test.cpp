#include <gtest/gtest.h>

#include "db/migrations.h"
#include "suite/dataset/data_set_layout.h"
#include "support/db_fixture.h"

namespace meridian::suite::dataset {
namespace {

using testsupport::DbTest;

class DataSetLayoutTest : public DbTest {
 protected:
  void create(const std::string& sql) { conn().execute(db::inDialect(conn().engine(), sql)); }
};

TEST_P(DataSetLayoutTest, EveryTableOfTheProgramIsAccountedFor) {
  const DataSetLayout layout = readLayout(conn(), yearTableInventory());
  EXPECT_TRUE(layout.problems.empty()) << layout.problems.front();
  std::vector<std::string> present;
  for (const auto& t : layout.tables) present.push_back(t.table.name);
  for (const char* t : {"income", "new_tab", "adv_n", "misc_oth_inf", "nordrefs", "nremutbl", "memsharedet"})
    EXPECT_NE(std::find(present.begin(), present.end(), t), present.end()) << t;
  EXPECT_NE(std::find(layout.absent.begin(), layout.absent.end(), "itr7n_schvc"), layout.absent.end());
}

// A table added later must be listed, and a listed table must match its entry.
TEST_P(DataSetLayoutTest, DisagreementsAreNamed) {
  struct Case {
    const char* table;
    const char* problem;
  } cases[] = {
      {"CREATE TABLE salary_arrears (code_no VARCHAR(80), ass_year INTEGER, amount BIGINT)",
       "table salary_arrears holds rows by code_no and ass_year but is not in data/year_tables.csv (as data_set or client)"},
      {"CREATE TABLE losses2 (code_no VARCHAR(80), ass_year INTEGER)", "table losses2 has no year column t_year"},
      {"CREATE TABLE fam_rel_89 (code_no VARCHAR(80), assyear INTEGER)",
       "table fam_rel_89: year column assyear holds numbers, but the list says text"},
      {"CREATE TABLE auditordet (code_no VARCHAR(80), ass_year INTEGER)", "table auditordet has no filter column typ"},
      {"CREATE TABLE capital_slump (codeno VARCHAR(80), ass_year INTEGER)", "table capital_slump has no code_no column"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    create(c.table);
    const auto problems = readLayout(conn(), yearTableInventory()).problems;
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], c.problem);
    const std::string name = std::string(c.table).substr(13, std::string(c.table).find(' ', 13) - 13);
    conn().execute("DROP TABLE " + name);
  }
  if (conn().engine() == db::Engine::mysql) {
    conn().execute("CREATE TABLE rebate (code_no VARCHAR(80), ass_year INTEGER) ENGINE=MyISAM");
    const auto problems = readLayout(conn(), yearTableInventory()).problems;
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "table rebate is not on a transactional storage engine, so a failed copy could not be undone");
  }
}

TEST_P(DataSetLayoutTest, StartUpRefusesADatabaseWithAForgottenYearTable) {
  create("CREATE TABLE income_other (code_no VARCHAR(80), tyear INTEGER)");
  try {
    checkLayout(conn());
    FAIL() << "accepted";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("table income_other holds rows by code_no and tyear"), std::string::npos);
  }
}

TEST(YearTableList, BadEntriesAreRefusedWithTheirLine) {
  const std::string head = "table,year_column,year_type,filter_column,filter_values,role\n";
  struct Case {
    const char* line;
    const char* error;
  } cases[] = {
      {"income,ass_year,number,,", "year table list line 2: expected 6 fields, found 5"},
      {"Income,ass_year,number,,,data_set", "year table list line 2: table and year column must be lower-case names"},
      {"income,ass_year;drop,number,,,data_set", "year table list line 2: table and year column must be lower-case names"},
      {"income,ass_year,date,,,data_set", "year table list line 2: year type must be number or text, not \"date\""},
      {"income,ass_year,number,,,both", "year table list line 2: role must be data_set or client, not \"both\""},
      {"income,ass_year,number,,A|B,data_set", "year table list line 2: filter values without a filter column"},
      {"income,ass_year,number,typ,A||B,data_set", "year table list line 2: empty filter value"},
  };
  for (const auto& c : cases) {
    try {
      parseYearTables(head + c.line + "\n");
      ADD_FAILURE() << c.line << " accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), c.error);
    }
  }
  EXPECT_THROW(parseYearTables(head + "rebate,ass_year,number,,,data_set\nrebate,ass_year,number,,,data_set\n"),
               std::runtime_error);
}

MERIDIAN_ON_BOTH_ENGINES(DataSetLayoutTest);

}  // namespace
}  // namespace meridian::suite::dataset

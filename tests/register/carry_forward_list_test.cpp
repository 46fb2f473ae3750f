// The carry-forward list: what a bad line is told as, the captions by year,
// and the shipped list against the year table list.
#include <gtest/gtest.h>

#include <stdexcept>

#include "suite/dataset/carry_forward_list.h"

namespace meridian::suite::dataset {
namespace {

const std::string kHeader = "head,part,table,order_column,year_column,figures,count_column\n";

std::string errorOf(const std::string& body) {
  try {
    parseCarryForward(kHeader + body);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "";
}

TEST(CarryForwardList, BadLinesAreNamedWithWhatIsWrong) {
  struct Case {
    const char* body;
    const char* error;
  } cases[] = {
      {"salary,head,income_salary,empr_num,ass_year,gross\n", "carry_forward.csv line 2: expected 7 fields, found 6"},
      {"salary,own,income_salary,empr_num,ass_year,gross,\n", "carry_forward.csv line 2: part must be head or detail, not \"own\""},
      {"salary,head,Income_Salary,empr_num,ass_year,gross,\n",
       "carry_forward.csv line 2: table and year column must be lower-case names"},
      {"salary,head,income_salary,empr_num,ass_year,gross;tax,\n",
       "carry_forward.csv line 2: figure columns must be lower-case names"},
      {"salary,head,income_salary,empr_num,ass_year,empr_num,\n",
       "carry_forward.csv line 2: empr_num cannot be a figure column"},
      {"salary,head,income_salary,empr_num,ass_year,gross,\nsalary,head,other_allow,empr_num,ass_year,amount,\n",
       "carry_forward.csv line 3: the head salary has a second head table"},
      {"salary,detail,other_allow,empr_num,ass_year,amount,\n", "carry_forward.csv: the head salary has no head table"},
      {"salary,head,income_salary,empr_num,ass_year,gross,\nhouse,head,income_salary,house_no,ass_year,rent,\n",
       "carry_forward.csv line 3: income_salary is listed twice"},
      {"salary,detail,other_allow,empr_num,ass_year,amount,no_of_empr\n",
       "carry_forward.csv line 2: only a head table has a count column"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(errorOf(c.body), c.error) << c.body;
  EXPECT_THROW(parseCarryForward("head,table\n"), std::runtime_error) << "a list without its titles";
}

TEST(CarryForwardList, DetailsFollowTheirHeadInTheOrderListed) {
  const auto heads = parseCarryForward(kHeader +
                                       "salary,detail,other_allow,empr_num,ass_year,amount,\n"
                                       "salary,head,income_salary,empr_num,ass_year,gross|perks,no_of_empr\n"
                                       "salary,detail,tab_exempt,empr_num,ass_year,,\n");
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(heads[0].own.table, "income_salary");
  EXPECT_EQ(heads[0].own.figures, (std::vector<std::string>{"gross", "perks"}));
  EXPECT_EQ(heads[0].own.countColumn, "no_of_empr");
  ASSERT_EQ(heads[0].details.size(), 2u);
  EXPECT_EQ(heads[0].details[0].table, "other_allow");
  EXPECT_EQ(heads[0].details[1].table, "tab_exempt");
  EXPECT_TRUE(heads[0].details[1].figures.empty());
}

TEST(CarryForwardList, TablesMustBeDataSetTablesWithTheirListedYearColumn) {
  const std::vector<YearTable> inventory = {{"income_salary", "ass_year", YearType::number, "", {}, TableRole::dataSet},
                                            {"bank_details", "yr", YearType::number, "", {}, TableRole::client}};
  const auto heads = parseCarryForward(kHeader +
                                       "salary,head,income_salary,empr_num,t_year,gross,\n"
                                       "salary,detail,bank_details,srno,yr,,\n"
                                       "salary,detail,salary_arrears,empr_num,ass_year,amount,\n");
  EXPECT_EQ(carryForwardProblems(heads, inventory),
            (std::vector<std::string>{"income_salary: year column t_year, but year_tables.csv says ass_year",
                                      "bank_details is a client table in year_tables.csv, not part of a data set",
                                      "salary_arrears is not listed in year_tables.csv"}));
}

TEST(CarryForwardList, TheShippedListAgreesWithTheYearTablesAndEveryHeadHasACaption) {
  ASSERT_NO_THROW(carryForwardList());
  for (const auto& head : carryForwardList()) EXPECT_FALSE(headCaption(head.key, 2016).empty()) << head.key;
}

TEST(CarryForwardList, ThePresumptiveSectionsAreNamedAsTheLawStoodThatYear) {
  struct Case {
    int year;
    const char* caption;
  } cases[] = {{2005, "44AD, 44AE, 44AF"}, {2010, "44AD, 44AE, 44AF"}, {2011, "44AD, 44AE"},
               {2016, "44AD, 44AE"},       {2017, "44AD, 44ADA, 44AE"}};
  for (const auto& c : cases) EXPECT_EQ(headCaption("presumptive", c.year), c.caption) << c.year;
  EXPECT_EQ(headCaption("agriculture", 2016), "Agriculture & Clubbing of Income");
  EXPECT_EQ(headCaption("no_such_head", 2016), "");
  const auto captions = parseHeadCaptions("head,from_year,caption\nx,2005,Earlier\nx,2011,Later\n");
  EXPECT_EQ(headCaption(captions, "x", 2003), "Earlier") << "a year before the first line takes the oldest caption";
  EXPECT_THROW(parseHeadCaptions("head,from_year,caption\nx,2011,Later\nx,2005,Earlier\n"), std::runtime_error);
  EXPECT_THROW(parseHeadCaptions("head,from_year,caption\nx,20x1,Later\n"), std::runtime_error);
}

}  // namespace
}  // namespace meridian::suite::dataset

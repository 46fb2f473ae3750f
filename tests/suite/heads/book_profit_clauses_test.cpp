// The table of book-profit clauses: the shipped one reads, offers the parts
// of a clause only where the clause has them that year, and a table that
// breaks a rule is refused with every fault named by its line.
#include <gtest/gtest.h>

#include "suite/heads/book_profit_clauses.h"

namespace meridian::suite::heads {
namespace {

std::vector<std::string> codesOf(const std::vector<BookProfitClause>& clauses) {
  std::vector<std::string> out;
  for (const auto& c : clauses) out.push_back(c.code);
  return out;
}

TEST(BookProfitClauses, TheShippedTableListsTheClausesOfEachYear) {
  const auto& t = BookProfitClauses::shipped();
  EXPECT_EQ(codesOf(t.of('A', 2015)), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}));
  EXPECT_EQ(codesOf(t.of('D', 2015)), (std::vector<std::string>{"i", "ii", "iia", "iib", "iii", "vii", "viii"}));
  EXPECT_EQ(t.of('A', 2016).size(), 16u);
  EXPECT_EQ(t.of('D', 2017).size(), 16u);
  EXPECT_EQ(t.partsOf('A', "fb", 2016), (std::vector<std::string>{"fb(A)", "fb(B)"}));
  EXPECT_TRUE(t.partsOf('A', "fb", 2015).empty());
  EXPECT_TRUE(t.partsOf('D', "iii", 2016).empty());
  EXPECT_EQ(t.partsOf('D', "iie", 2016).size(), 3u);
}

TEST(BookProfitClauses, ACaptionNamesTheClauseAndItsPart) {
  const auto& d = BookProfitClauses::shipped().of('D', 2016);
  const auto find = [&](const std::string& code) {
    for (const auto& c : d)
      if (c.code == code) return c.caption();
    return std::string();
  };
  EXPECT_EQ(find("iii"), "(iii) Loss b/f or Unabsorbed Depreciation");
  EXPECT_EQ(find("iid(A)"), "(iid)(A) Capital Gain on Securities");
}

TEST(BookProfitClauses, AnUnsoundTableIsRefusedLineByLine) {
  const std::string header = "flag,clause,first_year,text\n";
  struct Case {
    std::string body;
    std::string fault;
  };
  for (const Case& c : std::vector<Case>{
           {"X,a,,Income Tax\n", "line 2: the flag is A or D, not \"X\""},
           {"A,a,,Income Tax\nA,a,,Income Tax again\n", "line 3: the clause a is listed twice"},
           {"A,a,20x6,Income Tax\n", "line 2: \"20x6\" is no first year of an A.Y."},
           {"A,fb(A),2016,Part\n", "line 2: the part fb(A) comes before its clause fb is listed"},
           {"A,fb,2016,Whole\nA,fb(A),,Part\n", "line 3: the part fb(A) stands before its clause fb does"},
           {"A,a,,\n", "line 2: the clause has no text"},
           {"A,a\n", "line 2: four fields are needed"},
       }) {
    SCOPED_TRACE(c.body);
    try {
      BookProfitClauses::fromCsv(header + c.body);
      ADD_FAILURE() << "accepted";
    } catch (const InvalidClauseTable& e) {
      EXPECT_EQ(e.faults, std::vector<std::string>{c.fault});
    }
  }
  EXPECT_THROW(BookProfitClauses::fromCsv("clause,flag,first_year,text\n"), InvalidClauseTable);
  // The same letters stand for an addition and a deduction: "i".
  EXPECT_NO_THROW(BookProfitClauses::fromCsv(header + "A,i,,Diminution\nD,i,,Withdrawn\n"));
}

}  // namespace
}  // namespace meridian::suite::heads

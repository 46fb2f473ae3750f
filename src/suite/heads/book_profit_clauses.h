#pragma once
// The clauses of Explanation 1 to s.115JB(2) by which a company's net profit
// is increased (additions) or reduced (deductions) to its book profit, as a
// table by assessment year (data/book_profit_clauses.csv): the book-profit
// screen offers a year's clauses and keeps the one chosen by its code.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "suite/heads/cell_type.h"

namespace meridian::suite::heads {

struct BookProfitClause {
  char flag = 'A';        // 'A' addition, 'D' deduction (tbmatadddedn.flagad)
  std::string code;       // "a", "iia", "fb(A)"
  int firstYear = 0;      // the first A.Y. it stands for; 0 = every year
  std::string text;
  // The clause this one is a part of ("fb" for "fb(A)"); "" for a clause.
  std::string parent() const;
  // "(a) Income Tax", "(fb)(A) Capital Gain on Securities".
  std::string caption() const;
};

class InvalidClauseTable : public std::runtime_error {
 public:
  explicit InvalidClauseTable(std::vector<std::string> faults);
  std::vector<std::string> faults;
};

class BookProfitClauses {
 public:
  // Reads a table in the shipped file's form; throws InvalidClauseTable.
  static BookProfitClauses fromCsv(std::string_view text);
  // The shipped table, read and checked once.
  static const BookProfitClauses& shipped();

  // The clauses standing for an A.Y., additions or deductions, in the table's order.
  std::vector<BookProfitClause> of(char flag, int year) const;
  // The same as the choices of a grid's cell.
  std::vector<Choice> choices(char flag, int year) const;
  // The parts of a clause standing for an A.Y. (none for most).
  std::vector<std::string> partsOf(char flag, std::string_view code, int year) const;

 private:
  std::vector<BookProfitClause> clauses_;
};

}  // namespace meridian::suite::heads

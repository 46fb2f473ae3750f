#include "suite/heads/book_profit_clauses.h"

#include <charconv>
#include <set>

#include "common/csv.h"
#include "common/embedded_files.h"

namespace meridian::suite::heads {
namespace {

constexpr std::string_view kShippedFile = "data/book_profit_clauses.csv";
const std::vector<std::string> kHeader = {"flag", "clause", "first_year", "text"};

std::string joinFaults(const std::vector<std::string>& faults) {
  std::string out = "the table of book-profit clauses is unsound:";
  for (const auto& f : faults) out += "\n  " + f;
  return out;
}

bool stands(const BookProfitClause& c, int year) { return c.firstYear == 0 || c.firstYear <= year; }

}  // namespace

std::string BookProfitClause::parent() const {
  const size_t open = code.find('(');
  return open == std::string::npos ? std::string() : code.substr(0, open);
}

std::string BookProfitClause::caption() const {
  const std::string p = parent();
  return (p.empty() ? "(" + code + ")" : "(" + p + ")" + code.substr(p.size())) + " " + text;
}

InvalidClauseTable::InvalidClauseTable(std::vector<std::string> f)
    : std::runtime_error(joinFaults(f)), faults(std::move(f)) {}

BookProfitClauses BookProfitClauses::fromCsv(std::string_view text) {
  BookProfitClauses table;
  std::vector<std::string> faults;
  const auto rows = parseCsv(text);
  if (rows.empty() || rows.front() != kHeader) faults.push_back("line 1: the first line must be \"flag,clause,first_year,text\"");
  std::set<std::pair<char, std::string>> seen;
  for (size_t i = 1; i < rows.size(); ++i) {
    const auto& r = rows[i];
    const std::string where = "line " + std::to_string(i + 1) + ": ";
    if (r.size() == 1 && r[0].empty()) continue;
    if (r.size() != kHeader.size()) {
      faults.push_back(where + "four fields are needed");
      continue;
    }
    BookProfitClause c;
    if (r[0] != "A" && r[0] != "D") faults.push_back(where + "the flag is A or D, not \"" + r[0] + "\"");
    c.flag = r[0].empty() ? '?' : r[0][0];
    c.code = r[1];
    if (c.code.empty()) faults.push_back(where + "the clause has no code");
    if (!r[2].empty()) {
      const auto [end, ec] = std::from_chars(r[2].data(), r[2].data() + r[2].size(), c.firstYear);
      if (ec != std::errc() || end != r[2].data() + r[2].size() || c.firstYear < 2001)
        faults.push_back(where + "\"" + r[2] + "\" is no first year of an A.Y.");
    }
    c.text = r[3];
    if (c.text.empty()) faults.push_back(where + "the clause has no text");
    if (!seen.insert({c.flag, c.code}).second) faults.push_back(where + "the clause " + c.code + " is listed twice");
    if (const std::string p = c.parent(); !p.empty()) {
      const BookProfitClause* whole = nullptr;
      for (const auto& other : table.clauses_)
        if (other.flag == c.flag && other.code == p) whole = &other;
      if (!whole) faults.push_back(where + "the part " + c.code + " comes before its clause " + p + " is listed");
      else if (whole->firstYear > c.firstYear || (c.firstYear == 0 && whole->firstYear != 0))
        faults.push_back(where + "the part " + c.code + " stands before its clause " + p + " does");
    }
    table.clauses_.push_back(std::move(c));
  }
  if (!faults.empty()) throw InvalidClauseTable(std::move(faults));
  return table;
}

const BookProfitClauses& BookProfitClauses::shipped() {
  static const BookProfitClauses table = [] {
    const auto bytes = embedded::find(kShippedFile);
    if (!bytes) throw InvalidClauseTable({std::string(kShippedFile) + " is not shipped"});
    return fromCsv(*bytes);
  }();
  return table;
}

std::vector<BookProfitClause> BookProfitClauses::of(char flag, int year) const {
  std::vector<BookProfitClause> out;
  for (const auto& c : clauses_)
    if (c.flag == flag && stands(c, year)) out.push_back(c);
  return out;
}

std::vector<Choice> BookProfitClauses::choices(char flag, int year) const {
  std::vector<Choice> out;
  for (const auto& c : of(flag, year)) out.push_back({c.code, c.caption()});
  return out;
}

std::vector<std::string> BookProfitClauses::partsOf(char flag, std::string_view code, int year) const {
  std::vector<std::string> out;
  for (const auto& c : of(flag, year))
    if (c.parent() == code) out.push_back(c.code);
  return out;
}

}  // namespace meridian::suite::heads

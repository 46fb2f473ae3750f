#include "ui/grid_view.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string>
#include <vector>

namespace meridian::ui {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as a key that compares by value without binary fractions:
// sign, whole digits without leading zeros, fraction without trailing zeros.
struct NumberKey {
  bool negative = false;
  std::string whole, fraction;
};

std::optional<NumberKey> numberKey(std::string_view t) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  NumberKey k;
  if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
    k.negative = t.front() == '-';
    t.remove_prefix(1);
  }
  bool point = false, digits = false;
  for (char c : t) {
    if (c == '.' && !point) point = true;
    else if (c == ',' && !point) continue;  // a figure shown with its grouping
    else if (!isDigit(c)) return std::nullopt;
    else {
      (point ? k.fraction : k.whole).push_back(c);
      digits = true;
    }
  }
  if (!digits) return std::nullopt;
  k.whole.erase(0, std::min(k.whole.find_first_not_of('0'), k.whole.size()));
  while (!k.fraction.empty() && k.fraction.back() == '0') k.fraction.pop_back();
  if (k.whole.empty() && k.fraction.empty()) k.negative = false;  // -0 is 0
  return k;
}

int compareMagnitude(const NumberKey& a, const NumberKey& b) {
  if (a.whole.size() != b.whole.size()) return a.whole.size() < b.whole.size() ? -1 : 1;
  if (int c = a.whole.compare(b.whole)) return c < 0 ? -1 : 1;
  if (int c = a.fraction.compare(b.fraction)) return c < 0 ? -1 : 1;
  return 0;
}

int compareNumbers(const NumberKey& a, const NumberKey& b) {
  if (a.negative != b.negative) return a.negative ? -1 : 1;
  const int m = compareMagnitude(a, b);
  return a.negative ? -m : m;
}

// dd/mm/yyyy (or with "-" or ".") as yyyymmdd.
std::optional<long> dateKey(std::string_view t) {
  if (t.size() != 10) return std::nullopt;
  for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
    if (!isDigit(t[static_cast<size_t>(i)])) return std::nullopt;
  for (int i : {2, 5})
    if (t[static_cast<size_t>(i)] != '/' && t[static_cast<size_t>(i)] != '-' && t[static_cast<size_t>(i)] != '.')
      return std::nullopt;
  auto num = [&](size_t at, size_t n) { return std::stol(std::string(t.substr(at, n))); };
  const long d = num(0, 2), m = num(3, 2), y = num(6, 4);
  if (d < 1 || d > 31 || m < 1 || m > 12) return std::nullopt;
  return y * 10000 + m * 100 + d;
}

std::string upperAscii(std::string_view t) {
  std::string out(t);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

enum class ColumnKind { number, date, text };

// One kind for the whole column, so that every pair of rows compares the same way.
ColumnKind kindOf(const Grid& g, const std::vector<int>& rows, int col) {
  bool numbers = true, dates = true, any = false;
  for (int r : rows) {
    const std::string& cell = g.textMatrix(r, col);
    if (cell.find_first_not_of(' ') == std::string::npos) continue;
    any = true;
    numbers = numbers && numberKey(cell).has_value();
    dates = dates && dateKey(cell).has_value();
    if (!numbers && !dates) return ColumnKind::text;
  }
  if (!any) return ColumnKind::text;
  return numbers ? ColumnKind::number : dates ? ColumnKind::date : ColumnKind::text;
}

void showEveryRowInView(Grid& g) {
  if (g.filtered) return;
  g.view.resize(static_cast<size_t>(g.rowCount()));
  std::iota(g.view.begin(), g.view.end(), 0);
  g.filtered = true;
}

}  // namespace

int visibleIndexOf(const Grid& g, int row) {
  if (row < 0 || row >= g.rowCount()) return -1;
  if (!g.filtered) return row;
  const auto it = std::find(g.view.begin(), g.view.end(), row);
  return it == g.view.end() ? -1 : static_cast<int>(it - g.view.begin());
}

std::optional<GridMove> gridMoveNamed(std::string_view name) {
  if (name == "up") return GridMove::up;
  if (name == "down") return GridMove::down;
  if (name == "pageup") return GridMove::pageUp;
  if (name == "pagedown") return GridMove::pageDown;
  if (name == "first") return GridMove::first;
  if (name == "last") return GridMove::last;
  return std::nullopt;
}

int moveSelection(Grid& g, GridMove move, int pageRows) {
  const int n = g.visibleCount();
  if (n == 0) return g.selectedRow = -1;
  const int page = std::max(1, pageRows);
  const int at = visibleIndexOf(g, g.selectedRow);
  int target = 0;
  if (at >= 0) {
    switch (move) {
      case GridMove::up: target = at - 1; break;
      case GridMove::down: target = at + 1; break;
      case GridMove::pageUp: target = at - page; break;
      case GridMove::pageDown: target = at + page; break;
      case GridMove::first: target = 0; break;
      case GridMove::last: target = n - 1; break;
    }
  } else if (move == GridMove::last) {
    target = n - 1;
  }
  target = std::clamp(target, 0, n - 1);
  return g.selectedRow = g.visibleRow(target);
}

std::vector<int> sortedRows(const Grid& g, std::vector<int> rows, int col, bool descending) {
  if (col < 0 || col >= g.cols()) return rows;
  const ColumnKind kind = kindOf(g, rows, col);
  auto blank = [&](int r) { return g.textMatrix(r, col).find_first_not_of(' ') == std::string::npos; };
  // Keys are worked out once per row, not once per comparison.
  std::vector<std::optional<NumberKey>> numbers;
  std::vector<long> dates;
  std::vector<std::string> texts;
  const size_t size = static_cast<size_t>(g.rowCount());
  switch (kind) {
    case ColumnKind::number: numbers.resize(size); break;
    case ColumnKind::date: dates.resize(size); break;
    case ColumnKind::text: texts.resize(size); break;
  }
  for (int r : rows) {
    const std::string& cell = g.textMatrix(r, col);
    const size_t i = static_cast<size_t>(r);
    if (kind == ColumnKind::number) numbers[i] = numberKey(cell);
    else if (kind == ColumnKind::date) dates[i] = dateKey(cell).value_or(0);
    else texts[i] = upperAscii(cell);
  }
  auto compare = [&](int a, int b) {
    const size_t i = static_cast<size_t>(a), j = static_cast<size_t>(b);
    switch (kind) {
      case ColumnKind::number: return compareNumbers(*numbers[i], *numbers[j]);
      case ColumnKind::date: return dates[i] < dates[j] ? -1 : dates[i] > dates[j] ? 1 : 0;
      case ColumnKind::text: return texts[i].compare(texts[j]) < 0 ? -1 : texts[i] == texts[j] ? 0 : 1;
    }
    return 0;
  };
  // Blank cells come last whichever way the column is sorted.
  std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
    const bool ba = blank(a), bb = blank(b);
    if (ba || bb) return !ba && bb;
    const int c = compare(a, b);
    return descending ? c > 0 : c < 0;
  });
  return rows;
}

void sortBy(Grid& g, int col, bool descending) {
  if (col < 0 || col >= g.cols()) return;
  g.sortCol = col;
  g.sortDescending = descending;
  showEveryRowInView(g);
  g.view = sortedRows(g, std::move(g.view), col, descending);
}

void sortByTitleClick(Grid& g, int col) {
  if (!g.sortable) return;
  sortBy(g, col, g.sortCol == col && !g.sortDescending);
}

void applySort(Grid& g) {
  if (g.sortCol >= 0 && g.sortCol < g.cols()) sortBy(g, g.sortCol, g.sortDescending);
}

}  // namespace meridian::ui

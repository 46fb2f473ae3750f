#include "db/record_set.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace meridian::db {
namespace {
std::string lowered(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}
const std::string kEmpty;
}  // namespace

Columns::Columns(std::vector<std::string> names) : names_(std::move(names)) {
  lower_.reserve(names_.size());
  for (const auto& n : names_) lower_.push_back(lowered(n));
}

std::optional<size_t> Columns::find(std::string_view name) const {
  const std::string key = lowered(name);
  for (size_t i = 0; i < lower_.size(); ++i)
    if (lower_[i] == key) return i;
  return std::nullopt;
}

size_t Columns::index(std::string_view name) const {
  if (auto i = find(name)) return *i;
  throw std::out_of_range("no column named " + std::string(name));
}

const std::string& Row::text(size_t i) const {
  const auto& v = values_.at(i);
  return v ? *v : kEmpty;
}

long long Row::integer(std::string_view name, long long fallback) const {
  const std::string& t = text(name);
  if (t.empty()) return fallback;
  char* end = nullptr;
  double d = std::strtod(t.c_str(), &end);
  return end == t.c_str() ? fallback : static_cast<long long>(d);
}

std::optional<Money> Row::money(std::string_view name) const {
  const size_t i = cols_->index(name);
  if (isNull(i)) return std::nullopt;
  return Money::parse(text(i));
}

double Row::number(std::string_view name, double fallback) const {
  const std::string& t = text(name);
  if (t.empty()) return fallback;
  char* end = nullptr;
  double d = std::strtod(t.c_str(), &end);
  return end == t.c_str() ? fallback : d;
}

}  // namespace meridian::db

#include "suite/client_codes.h"

#include <map>
#include <tuple>

#include "db/rows.h"

namespace meridian::suite {
namespace {

struct Split {
  std::string prefix, digits;
};

// A code split before its trailing digits; nothing when it does not end in one.
std::optional<Split> split(const std::string& code) {
  size_t end = code.size();
  while (end > 0 && code[end - 1] >= '0' && code[end - 1] <= '9') --end;
  if (end == code.size()) return std::nullopt;
  return Split{code.substr(0, end), code.substr(end)};
}

// Numbers longer than this are not client numbers (a PAN-like code, a date).
constexpr size_t kMaxDigits = 12;

}  // namespace

CodePattern practicePattern(const std::vector<std::string>& codes) {
  struct Seen {
    int count = 0;
    long long highest = 0;
    int paddedWidth = 1;  // widest zero-padded number seen
  };
  std::map<std::string, Seen> byPrefix;
  for (const auto& code : codes) {
    auto s = split(code);
    if (!s || s->digits.size() > kMaxDigits) continue;
    Seen& seen = byPrefix[s->prefix];
    ++seen.count;
    seen.highest = std::max(seen.highest, std::stoll(s->digits));
    if (s->digits.size() > 1 && s->digits[0] == '0')
      seen.paddedWidth = std::max(seen.paddedWidth, static_cast<int>(s->digits.size()));
  }
  if (byPrefix.empty()) return {"C", 4};
  auto best = byPrefix.begin();
  for (auto it = byPrefix.begin(); it != byPrefix.end(); ++it)
    if (std::tie(it->second.count, it->second.highest) > std::tie(best->second.count, best->second.highest)) best = it;
  return {best->first, best->second.paddedWidth};
}

std::optional<long long> numberInPattern(const std::string& code, const CodePattern& pattern) {
  auto s = split(code);
  if (!s || s->prefix != pattern.prefix || s->digits.size() > kMaxDigits) return std::nullopt;
  return std::stoll(s->digits);
}

std::string codeInPattern(const CodePattern& pattern, long long number) {
  std::string digits = std::to_string(number);
  if (static_cast<int>(digits.size()) < pattern.width)
    digits.insert(0, static_cast<size_t>(pattern.width) - digits.size(), '0');
  return pattern.prefix + digits;
}

std::string assignClientCode(db::Connection& conn) {
  // The lock row first: whoever numbers next waits here until this
  // transaction ends, and then sees the code it gave.
  conn.execute("UPDATE client_code_counter SET last_number = last_number + 1 WHERE prefix = '*'");
  std::vector<std::string> codes;
  for (const auto& r : conn.query("SELECT code_no FROM main_info1 UNION ALL SELECT code FROM owner1"))
    codes.push_back(r.text(0));
  const CodePattern pattern = practicePattern(codes);
  long long highest = 0;
  for (const auto& c : codes)
    if (auto n = numberInPattern(c, pattern)) highest = std::max(highest, *n);
  const std::string given = conn.scalar("SELECT last_number FROM client_code_counter WHERE prefix = ?", {pattern.prefix}, "0");
  const long long next = std::max(highest, std::stoll(given)) + 1;
  db::upsertRow(conn, "client_code_counter", {{"prefix", pattern.prefix}}, {{"last_number", next}});
  return codeInPattern(pattern, next);
}

}  // namespace meridian::suite

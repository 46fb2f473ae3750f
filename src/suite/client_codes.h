#pragma once
// Automatic client codes in the practice's own pattern: the prefix most of
// its codes carry and the digits they are written with (C0357 after C0356,
// 42 after 41). A code once given is never given again, even after its
// client was deleted: the highest number given is kept per prefix.
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"

namespace meridian::suite {

struct CodePattern {
  std::string prefix;  // "C"; "" for plain numbers
  int width = 1;       // digits written, zero-padded ("C0001": 4)
  bool operator==(const CodePattern&) const = default;
};

// The pattern of most of the codes (a tie goes to the prefix that reached
// the higher number); "C" with four digits for a practice without codes.
CodePattern practicePattern(const std::vector<std::string>& codes);
// The number of a code written in the pattern ("C0357" -> 357), if it is.
std::optional<long long> numberInPattern(const std::string& code, const CodePattern& pattern);
std::string codeInPattern(const CodePattern& pattern, long long number);

// The next code, numbered inside the caller's transaction: it waits for any
// other user numbering at the same moment, and records the number given, so
// that the client row written in the same transaction makes it final.
std::string assignClientCode(db::Connection& conn);

}  // namespace meridian::suite

#include "host/status.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include "common/text.h"

namespace meridian::host {
namespace {

struct Entry {
  std::string_view text;
  int value;
};

constexpr std::array kCodes{
    Entry{"INDIVIDUAL", 0},         Entry{"HUF", 1},
    Entry{"AOP", 2},                Entry{"AOP(MRR)", 2},
    Entry{"AOP(MMR)", 2},           Entry{"AOP (TRUST)", 3},
    Entry{"CO-OPERATIVE", 4},       Entry{"CO-OPERATIVE SOCIETY", 4},
    Entry{"CO-OPERATIVE BANK", 4},  Entry{"FIRM", 5},
    Entry{"FIRM (LIMITED LIABILITY)", 5}, Entry{"PRIVATE LTD.", 6},
    Entry{"FOREIGN  COMPANY", 6},   Entry{"PUBLIC LTD.", 7},
    Entry{"FOREIGN COMPANY", 7},    Entry{"BOI", 8},
    Entry{"BOI(MMR)", 8},           Entry{"LOCAL AUTHORITY", 9},
    Entry{"ARTIFICIAL JURIDICAL PERSON", 10},
};

constexpr std::array kClasses{
    Entry{"FIRM", 2},        Entry{"FIRM (LIMITED LIABILITY)", 2},
    Entry{"PRIVATE", 3},     Entry{"PUB NOT INT", 3},
    Entry{"PRIVATE LTD.", 3}, Entry{"FOREIGN  COMPANY", 3},
    Entry{"PUBLIC", 4},      Entry{"PUB INT", 4},
    Entry{"PUBLIC LTD.", 4}, Entry{"FOREIGN COMPANY", 4},
};

template <size_t N>
int lookup(const std::array<Entry, N>& table, const std::string& text, int fallback) {
  const std::string key = upperCase(text);
  for (const auto& e : table)
    if (e.text == key) return e.value;
  return fallback;
}

}  // namespace

int statusCode(const std::string& statusText) { return lookup(kCodes, statusText, 0); }
int statusClass(const std::string& statusText) { return lookup(kClasses, statusText, 1); }

bool isPersonStatus(const std::string& statusText) {
  const std::string s = upperCase(trimmed(statusText, kBlanksAndTabs));
  return s == "INDIVIDUAL" || s == "PARTNER" || s == "PROPRIETOR";
}

}  // namespace meridian::host

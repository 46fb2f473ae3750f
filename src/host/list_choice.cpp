#include "host/list_choice.h"

#include <cctype>
#include <map>

namespace meridian::host {
namespace {

// Upper case, letters and digits only, without the word AND: "Jammu &
// Kashmir" and "JAMMU AND KASHMIR" both read JAMMUKASHMIR.
std::string comparable(const std::string& text) {
  std::string out, word;
  auto endWord = [&] {
    if (word != "AND") out += word;
    word.clear();
  };
  for (unsigned char c : text) {
    if (std::isalnum(c)) word.push_back(static_cast<char>(std::toupper(c)));
    else endWord();
  }
  endWord();
  return out;
}

// Other names of list entries, as earlier lists, the department's older
// forms and people write them (compared as above).
const std::map<std::string, std::string>& otherNames() {
  static const std::map<std::string, std::string> names = [] {
    const std::pair<const char*, const char*> pairs[] = {
        // states and union territories
        {"ORISSA", "ODISHA"},
        {"PONDICHERRY", "PUDUCHERRY"},
        {"UTTARANCHAL", "UTTARAKHAND"},
        {"GUJRAT", "GUJARAT"},
        {"NEW DELHI", "DELHI"},
        {"NCT OF DELHI", "DELHI"},
        {"NATIONAL CAPITAL TERRITORY OF DELHI", "DELHI"},
        {"ANDAMAN & NICOBAR", "ANDAMAN AND NICOBAR ISLANDS"},
        {"J&K", "JAMMU AND KASHMIR"},
        {"TAMILNADU", "TAMIL NADU"},
        {"CHATTISGARH", "CHHATTISGARH"},
        // sex
        {"M", "MALE"},
        {"F", "FEMALE"},
        // marital status
        {"SINGLE", "UNMARRIED"},
        // residential status
        {"NRI", "NON RESIDENT"},
        {"NON RESIDENT INDIAN", "NON RESIDENT"},
        {"NOT ORDINARILY RESIDENT", "NOT ORDINARY"},
        {"RESIDENT BUT NOT ORDINARILY RESIDENT", "NOT ORDINARY"},
        {"RNOR", "NOT ORDINARY"},
    };
    std::map<std::string, std::string> m;
    for (const auto& [other, entry] : pairs) m[comparable(other)] = comparable(entry);
    return m;
  }();
  return names;
}

}  // namespace

std::string listEntryFor(const std::vector<std::string>& items, const std::string& stored) {
  for (const auto& item : items)
    if (item == stored) return item;
  std::string wanted = comparable(stored);
  if (wanted.empty()) return "";
  if (auto it = otherNames().find(wanted); it != otherNames().end()) wanted = it->second;
  for (const auto& item : items)
    if (comparable(item) == wanted) return item;
  return "";
}

void chooseStored(ui::Control& combo, const std::string& stored) {
  const std::string entry = listEntryFor(combo.items, stored);
  // selectText keeps a text the list does not hold as the combo's text.
  combo.selectText(entry.empty() && !stored.empty() ? stored : entry);
}

}  // namespace meridian::host

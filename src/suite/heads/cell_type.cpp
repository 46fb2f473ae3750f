#include "suite/heads/cell_type.h"

#include <algorithm>

#include "common/text.h"
#include "common/years.h"
#include "host/identifier_rules.h"
#include "ui/field_rules.h"

namespace meridian::suite::heads {
namespace {

constexpr int kDefaultTextLength = 255;

CellCheck refusal(std::string message, ui::Icon icon = ui::Icon::information) {
  return {false, "", std::move(message), icon};
}

CellCheck accepted(std::string shown) { return {true, std::move(shown), "", ui::Icon::information}; }

bool hasControlCharacter(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Amounts go through the amount box's own rules (class 4), so a cell refuses
// what the box would have kept out, in the box's words.
CellCheck checkAmount(std::string_view t, const std::string& title, bool lossAllowed) {
  ui::vtxt::FieldProps props;
  props.validateData = static_cast<int>(ui::vtxt::InputClass::amount);
  props.maxLength = 15;
  const auto whole = ui::vtxt::validateWholeText(props, t);
  if (!whole.accepted) return refusal(whole.message.value_or("'" + title + "' is not an amount."));
  const auto m = Money::parse(whole.text);
  if (!m) return refusal("'" + title + "' is not an amount.");
  if (*m > Money::rupees(kLargestRupees) || *m < Money::rupees(-kLargestRupees))
    return refusal("'" + title + "' can not exceed twelve digits of rupees.");
  if (m->isNegative() && !lossAllowed) return refusal("'" + title + "' can not be negative.");
  return accepted(m->text());
}

CellCheck checkWhole(const CellType& type, std::string_view t, const std::string& title) {
  const bool digitsOnly = !t.empty() && std::all_of(t.begin() + (t[0] == '-' ? 1 : 0), t.end(), [](char c) {
    return c >= '0' && c <= '9';
  }) && t != "-";
  const std::string range = "'" + title + "' must be a whole number from " + std::to_string(type.min) + " to " +
                            std::to_string(type.max) + ".";
  if (!digitsOnly || t.size() > 12) return refusal(range);
  const long long n = std::stoll(std::string(t));
  if (n < type.min || n > type.max) return refusal(range);
  return accepted(std::to_string(n));
}

CellCheck checkDate(const CellType& type, std::string_view t) {
  const auto d = parseTypedDate(t);
  if (!d) return refusal("Invalid date. Enter date in dd/mm/yyyy.");
  if (type.dateRule)
    if (auto why = type.dateRule(*d)) return refusal(*why);
  return accepted(formatDmy(*d));
}

CellCheck checkChoice(const CellType& type, const std::string& t, const std::string& title) {
  const std::string typed = upperCase(t);
  for (const auto& c : type.choices)
    if (upperCase(c.code) == typed || upperCase(c.caption) == typed) return accepted(c.caption);
  const Choice* only = nullptr;
  int found = 0;
  for (const auto& c : type.choices)
    if (upperCase(c.caption).rfind(typed, 0) == 0) {
      only = &c;
      ++found;
    }
  if (found == 1) return accepted(only->caption);
  std::string list;
  for (const auto& c : type.choices) list += (list.empty() ? "" : ", ") + c.code + " " + c.caption;
  return refusal("'" + title + "' must be one of: " + list + ".");
}

CellCheck checkYear(const CellType& type, const std::string& t, const std::string& title) {
  const std::string range = "'" + title + "' must be an assessment year from " +
                            assessmentYearText(static_cast<int>(type.min)) + " to " +
                            assessmentYearText(static_cast<int>(type.max)) + ".";
  const bool shaped = (t.size() == 4 || (t.size() == 7 && t[4] == '-')) &&
                      std::all_of(t.begin(), t.begin() + 4, [](char c) { return c >= '0' && c <= '9'; });
  if (!shaped) return refusal(range);
  const int first = std::stoi(t.substr(0, 4));
  if (t.size() == 7 && t.substr(5) != assessmentYearText(first).substr(5)) return refusal(range);
  if (first < type.min || first > type.max) return refusal(range);
  return accepted(assessmentYearText(first));
}

}  // namespace

CellType CellType::text(int length) { return {.kind = CellKind::text, .length = length}; }
CellType CellType::money() { return {.kind = CellKind::money}; }
CellType CellType::loss() { return {.kind = CellKind::loss}; }
CellType CellType::whole(long long min, long long max) { return {.kind = CellKind::whole, .min = min, .max = max}; }
CellType CellType::date(DateRule rule, bool iso) {
  return {.kind = CellKind::date, .dateRule = std::move(rule), .isoDate = iso};
}
CellType CellType::pan() { return {.kind = CellKind::pan}; }
CellType CellType::tan() { return {.kind = CellKind::tan}; }
CellType CellType::digits(int count, std::string message) {
  return {.kind = CellKind::digits, .length = count, .digitsMessage = std::move(message)};
}
CellType CellType::choice(std::vector<Choice> choices) { return {.kind = CellKind::choice, .choices = std::move(choices)}; }
CellType CellType::flag() { return choice({{"Y", "Yes"}, {"N", "No"}}); }
CellType CellType::year(int first, int last) { return {.kind = CellKind::year, .min = first, .max = last}; }

CellCheck checkCell(const CellType& type, std::string_view typed, const std::string& title) {
  const std::string t = trimmed(typed, kWhitespace);
  if (t.empty()) return accepted("");
  if (hasControlCharacter(t)) return refusal("'" + title + "' can not hold line breaks, tabs or other control characters.");
  switch (type.kind) {
    case CellKind::text: {
      const int most = type.length > 0 ? type.length : kDefaultTextLength;
      if (ui::vtxt::decodeUtf8(t).size() > static_cast<size_t>(most))
        return refusal("'" + title + "' can not be longer than " + std::to_string(most) + " characters.");
      return accepted(upperCase(t));
    }
    case CellKind::money: return checkAmount(t, title, false);
    case CellKind::loss: return checkAmount(t, title, true);
    case CellKind::whole: return checkWhole(type, t, title);
    case CellKind::date: return checkDate(type, t);
    case CellKind::pan: {
      const std::string pan = upperCase(t);
      if (host::validPan(pan)) return accepted(pan);
      return refusal(std::string(host::messages::invalidPan), ui::Icon::exclamation);
    }
    case CellKind::tan: {
      const std::string tan = upperCase(t);
      if (auto v = host::checkTan(tan)) return refusal(v->message, v->icon);
      return accepted(tan);
    }
    case CellKind::digits: {
      const bool ok = t.size() == static_cast<size_t>(type.length) &&
                      std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
      if (!ok) return refusal(type.digitsMessage);
      return accepted(t);
    }
    case CellKind::choice: return checkChoice(type, t, title);
    case CellKind::year: return checkYear(type, t, title);
  }
  return accepted(t);
}

Money amountOf(const std::string& shown) { return Money::parse(shown).value_or(Money()); }

std::string codeOf(const CellType& type, const std::string& shown) {
  for (const auto& c : type.choices)
    if (c.caption == shown) return c.code;
  return "";
}

std::string captionOf(const CellType& type, const std::string& code) {
  for (const auto& c : type.choices)
    if (c.code == code) return c.caption;
  return "";
}

db::Value storedValue(const CellType& type, const std::string& shown) {
  switch (type.kind) {
    case CellKind::money:
    case CellKind::loss: return amountOf(shown).text();
    case CellKind::whole: return shown.empty() ? 0LL : std::stoll(shown);
    case CellKind::year: return shown.size() >= 4 ? std::stoll(shown.substr(0, 4)) : 0LL;
    case CellKind::date: {
      if (shown.empty()) return type.isoDate ? db::Value() : db::Value("");
      auto d = parseDmy(shown);
      if (!d) return shown;
      return type.isoDate ? formatIso(*d) : formatDmy(*d);
    }
    case CellKind::choice: return codeOf(type, shown);
    default: return shown;
  }
}

std::string shownValue(const CellType& type, const db::Row& row, const std::string& column) {
  if (!row.has(column) || row.isNull(column)) return "";
  const std::string& v = row.text(column);
  switch (type.kind) {
    case CellKind::money:
    case CellKind::loss: {
      auto m = row.money(column);
      if (!m) return v;
      return m->isZero() ? "" : m->text();
    }
    case CellKind::date: {
      auto d = type.isoDate ? parseIso(v) : parseDmy(v);
      return d ? formatDmy(*d) : v;
    }
    case CellKind::year: {
      const long long first = row.integer(column);
      return first > 0 ? assessmentYearText(static_cast<int>(first)) : "";
    }
    case CellKind::choice: {
      const std::string caption = captionOf(type, v);
      return caption.empty() ? v : caption;
    }
    default: return v;
  }
}

}  // namespace meridian::suite::heads

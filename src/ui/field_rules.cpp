#include "ui/field_rules.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "common/dates.h"
#include "ui/control.h"

namespace meridian::ui::vtxt {
namespace {

// Include and Exclude were fixed-size lists on the desktop: characters past
// the 51st never took part, and forms saved with longer lists rely on that.
constexpr std::size_t listedCharacters = 51;

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool isUpperLetter(char32_t c) { return c >= U'A' && c <= U'Z'; }
bool isDateSeparator(char32_t c) { return c == U'/' || c == U'-' || c == U'.'; }

char32_t upper(char32_t c) { return (c >= U'a' && c <= U'z') ? c - (U'a' - U'A') : c; }

// Only blanks are trimmed: the desktop's trim left tabs alone.
std::u32string_view trimBlanks(std::u32string_view s) {
  while (!s.empty() && s.front() == U' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == U' ') s.remove_suffix(1);
  return s;
}

bool listed(const std::string& list, char32_t c) {
  std::u32string chars = decodeUtf8(list);
  if (chars.size() > listedCharacters) chars.resize(listedCharacters);
  return chars.find(c) != std::u32string::npos;
}

// Leading digits read as a number, 0 when there are none (how the desktop
// read the month out of a date text).
int leadingNumber(std::u32string_view s) {
  int n = 0;
  for (char32_t c : s) {
    if (!isDigit(c)) break;
    n = n * 10 + static_cast<int>(c - U'0');
  }
  return n;
}

std::optional<std::string> classRule(InputClass cls, std::u32string_view trimmed, char32_t k, bool& silentDrop) {
  switch (cls) {
    case InputClass::wholeNumber:
      if (k == U'+' || k == U'-' || isDigit(k)) return std::nullopt;
      return "Enter Numeric value";
    case InputClass::letters:
      if (k == U' ' || isUpperLetter(k)) return std::nullopt;
      return "Enter Alphabets only";
    case InputClass::alphaNumeric:
      if (isUpperLetter(k) || isDigit(k)) return std::nullopt;
      return "Enter AlphaNumeric Characters Only";
    case InputClass::amount: {
      if (k == U'+' || k == U'-') return std::nullopt;
      // ".34" already typed: one more decimal is still let in (the desktop
      // counted the point), anything after that is dropped without a word.
      auto point = trimmed.find(U'.');
      if (point != std::u32string_view::npos && trimmed.size() - point > 3) {
        silentDrop = true;
        return std::nullopt;
      }
      if (isDigit(k) || k == U'.') return std::nullopt;
      return "Enter Numeric value";
    }
    case InputClass::dateLong:
    case InputClass::dateShort:
      if (isDigit(k) || isDateSeparator(k)) return std::nullopt;
      return "Invalid Data";
    case InputClass::freeText:
      break;
  }
  return std::nullopt;
}

}  // namespace

InputClass FieldProps::inputClass() const {
  if (validateData < 0 || validateData > 6) return InputClass::freeText;
  return static_cast<InputClass>(validateData);
}

FieldProps FieldProps::of(const ui::Control& c) {
  FieldProps p;
  p.validateData = c.validateData;
  p.maxLength = c.maxLength > 0 ? c.maxLength : 50;
  p.minLength = c.minLength;
  p.include = c.include;
  p.exclude = c.exclude;
  return p;
}

std::string cssColour(std::uint32_t bgr) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", bgr & 0xFFu, (bgr >> 8) & 0xFFu, (bgr >> 16) & 0xFFu);
  return buf;
}

std::optional<std::size_t> boxLimit(InputClass c) {
  if (c == InputClass::wholeNumber) return 12;
  if (c == InputClass::amount) return 15;
  return std::nullopt;
}

bool rightAligned(InputClass c) { return c == InputClass::wholeNumber || c == InputClass::amount; }

KeyResult filterKey(const FieldProps& p, std::string_view text, char32_t key) {
  KeyResult r;
  r.key = upper(key);
  const char32_t k = r.key;

  if (k == keys::backspace || k == keys::escape) {
    r.accepted = true;
    return r;
  }
  if (k == keys::tab) {
    r.message = checkText(p, text);
    r.accepted = !r.message;
    r.nextControl = r.accepted;
    return r;
  }
  if (k == keys::enter) {
    r.accepted = true;
    r.nextControl = true;
    r.raiseKeyPress = true;
    return r;
  }

  const std::u32string all = decodeUtf8(text);
  const std::u32string_view trimmed = trimBlanks(all);
  const InputClass cls = p.inputClass();

  if (!listed(p.include, k)) {
    if (listed(p.exclude, k)) {
      r.message = "InValid Data";
      return r;
    }
    bool silentDrop = false;
    r.message = classRule(cls, trimmed, k, silentDrop);
    if (r.message || silentDrop) return r;
    // "Longer than", not "as long as": a box keeps taking keys until its
    // trimmed text is one past MaxLength, as the desktop box did.
    if (trimmed.size() > static_cast<std::size_t>(std::max(p.maxLength, 0))) return r;
  }
  // The inner box's own limit (12 or 15 for numbers) stops a key after the
  // filter let it through, again without a word.
  if (auto limit = boxLimit(cls); limit && all.size() >= *limit) return r;

  r.accepted = true;
  r.raiseKeyPress = true;
  return r;
}

std::string applyKey(std::string_view text, const KeyResult& r) {
  if (!r.accepted) return std::string(text);
  if (r.key == keys::backspace) {
    std::u32string t = decodeUtf8(text);
    if (!t.empty()) t.pop_back();
    return encodeUtf8(t);
  }
  if (r.key == keys::escape || r.key == keys::tab || r.key == keys::enter) return std::string(text);
  std::string out(text);
  out += encodeUtf8(std::u32string(1, r.key));
  return out;
}

// The test behind "Not a valid date". The desktop asked the system whether
// the text was a date under the Indian regional setting; what passes here:
// - three groups of digits parted by "/", "-" or "." (the two separators may
//   differ), read as day, month, year;
// - day and month of one or two digits, the year of two or four;
// - the month 1 to 12 and the day one that exists in that month of that year,
//   leap years by the Gregorian rule;
// - a two-digit year 00-29 is 2000-2029 and 30-99 is 1930-1999 (the system's
//   default window), which decides whether 29-02-yy exists;
// - a four-digit year from 0100 to 9999, the range the desktop's dates had.
// Month-first texts such as 12-31-16 are not dates here (the desktop would
// have swapped them, then refused them on the month anyway, with the same
// words).
bool isDate(std::string_view text) {
  const std::u32string all = decodeUtf8(text);
  const std::u32string_view t = trimBlanks(all);
  std::u32string_view parts[3];
  std::size_t start = 0;
  int n = 0;
  for (std::size_t i = 0; i <= t.size(); ++i) {
    if (i == t.size() || isDateSeparator(t[i])) {
      if (n == 3) return false;
      parts[n++] = t.substr(start, i - start);
      start = i + 1;
    } else if (!isDigit(t[i])) {
      return false;
    }
  }
  if (n != 3) return false;
  const auto& [d, m, y] = parts;
  if (d.empty() || d.size() > 2 || m.empty() || m.size() > 2 || (y.size() != 2 && y.size() != 4)) return false;
  const int year = y.size() == 2 ? fullYearOf(leadingNumber(y)) : leadingNumber(y);
  return makeDate(leadingNumber(d), leadingNumber(m), year).has_value();
}

std::optional<std::string> checkText(const FieldProps& p, std::string_view text) {
  const std::u32string all = decodeUtf8(text);
  const std::u32string_view t = trimBlanks(all);
  if (t.empty()) return std::nullopt;
  if (p.minLength > 0 && t.size() < static_cast<std::size_t>(p.minLength))
    return "Data must be at least of " + std::to_string(p.minLength) + " characters";

  const InputClass cls = p.inputClass();
  if (cls != InputClass::dateLong && cls != InputClass::dateShort) return std::nullopt;
  const bool longForm = cls == InputClass::dateLong;
  if (!isDate(encodeUtf8(t))) return "Not a valid date";
  // A day-first date has its month at the fourth and fifth characters.
  if (leadingNumber(t.size() > 3 ? t.substr(3, 2) : std::u32string_view{}) > 12) return "Not a valid date";
  if (t.size() != (longForm ? 10u : 8u)) return longForm ? "Date Format must be dd-mm-yyyy" : "Date Format dd-mm-yy";
  if (!isDateSeparator(t[2]) || !isDateSeparator(t[5]))
    return longForm ? "Date Format must be dd-mm-yyyy" : "Date Format must be dd-mm-yy";
  return std::nullopt;
}

std::string amountWithTwoDecimals(std::string_view text) {
  const std::u32string all = decodeUtf8(text);
  const std::u32string_view t = trimBlanks(all);
  std::size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == U'+' || t[i] == U'-')) negative = t[i++] == U'-';
  std::string whole, fraction;
  while (i < t.size() && isDigit(t[i])) whole += static_cast<char>(t[i++]);
  if (i < t.size() && t[i] == U'.') {
    ++i;
    while (i < t.size() && isDigit(t[i])) fraction += static_cast<char>(t[i++]);
  }
  if (i != t.size() || (whole.empty() && fraction.empty())) return std::string(text);

  // Decimal digits throughout: an amount must not pass through a binary
  // fraction on its way to two places. Half a paisa rounds away from zero.
  fraction.resize(std::max<std::size_t>(fraction.size(), 3), '0');
  const bool roundUp = fraction[2] >= '5';
  std::string digits = (whole.empty() ? "0" : whole) + fraction.substr(0, 2);
  if (roundUp) {
    std::size_t j = digits.size();
    while (j > 0 && digits[j - 1] == '9') digits[--j] = '0';
    if (j == 0) digits.insert(digits.begin(), '1');
    else ++digits[j - 1];
  }
  std::string intPart = digits.substr(0, digits.size() - 2);
  intPart.erase(0, std::min(intPart.find_first_not_of('0'), intPart.size() - 1));
  std::string out = intPart + "." + digits.substr(digits.size() - 2);
  // A negative amount that rounds to nothing is shown as plain 0.00.
  if (negative && out.find_first_not_of("0.") != std::string::npos) out.insert(out.begin(), '-');
  return out;
}

LeaveResult leaveBox(const FieldProps& p, std::string_view text) {
  LeaveResult r;
  r.text = std::string(text);
  r.message = checkText(p, text);
  r.accepted = !r.message;
  if (r.accepted && p.inputClass() == InputClass::amount) r.text = amountWithTwoDecimals(text);
  return r;
}

WholeTextResult validateWholeText(const FieldProps& p, std::string_view text) {
  WholeTextResult r;
  const std::u32string chars = decodeUtf8(text);
  std::string typed;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    // A control character cannot sit in a one-line box; replaying it would
    // make it act as Tab, Enter or Backspace instead of refusing it.
    if (chars[i] < U' ') {
      r.accepted = false;
      r.refusedAt = i;
      r.text = typed;
      return r;
    }
    KeyResult k = filterKey(p, typed, chars[i]);
    if (!k.accepted) {
      r.accepted = false;
      r.message = k.message;
      r.refusedAt = i;
      r.text = typed;
      return r;
    }
    typed = applyKey(typed, k);
  }
  LeaveResult left = leaveBox(p, typed);
  r.accepted = left.accepted;
  r.message = left.message;
  r.text = left.text;
  return r;
}

std::u32string decodeUtf8(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + extra >= s.size()) {  // stray or cut-off byte
      out += U'\uFFFD';
      ++i;
      continue;
    }
    char32_t c = extra == 0 ? b : (b & (0x3F >> extra));
    bool ok = true;
    for (int j = 1; j <= extra; ++j) {
      const auto cb = static_cast<unsigned char>(s[i + j]);
      if ((cb & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      c = (c << 6) | (cb & 0x3F);
    }
    if (!ok) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    out += c;
    i += extra + 1;
  }
  return out;
}

std::string encodeUtf8(std::u32string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char32_t c : s) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

BoxCheck recheckBox(const ui::Control& box, const std::string& label) {
  BoxCheck out;
  const FieldProps props = FieldProps::of(box);
  auto r = validateWholeText(props, box.text);
  if (r.accepted) {
    const auto b = r.text.find_first_not_of(' ');
    out.text = b == std::string::npos ? "" : r.text.substr(b, r.text.find_last_not_of(' ') - b + 1);
    return out;
  }
  out.accepted = false;
  if (r.message) {
    out.message = *r.message;  // the box's own words, in its plain message box
    return out;
  }
  out.icon = ui::Icon::information;
  const auto chars = decodeUtf8(box.text);
  if (r.refusedAt < chars.size() && chars[r.refusedAt] < U' ')
    out.message = "'" + label + "' can not hold line breaks, tabs or other control characters.";
  else  // the box takes one character past its MaxLength, as the desktop box did
    out.message = "'" + label + "' can not be longer than " + std::to_string(props.maxLength + 1) + " characters.";
  return out;
}

}  // namespace meridian::ui::vtxt

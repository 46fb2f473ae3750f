#include "host/identifier_rules.h"

#include "common/dates.h"
#include "ui/field_rules.h"

namespace meridian::host {
namespace {

using ui::vtxt::decodeUtf8;

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Does the pattern element at p[pi] take the character c? Sets `next` to the
// element after it. Never called with "*".
bool elementTakes(std::u32string_view p, std::size_t pi, char32_t c, std::size_t& next) {
  if (p[pi] == U'?') {
    next = pi + 1;
    return true;
  }
  if (p[pi] == U'#') {
    next = pi + 1;
    return c >= U'0' && c <= U'9';
  }
  if (p[pi] != U'[') {
    next = pi + 1;
    return p[pi] == c;
  }
  const std::size_t close = p.find(U']', pi + 1);
  if (close == std::u32string_view::npos) return false;
  next = close + 1;
  std::size_t i = pi + 1;
  const bool negated = i < close && p[i] == U'!';
  if (negated) ++i;
  const std::size_t first = i;
  bool found = false;
  while (i < close) {
    // "a-b" is a range unless the "-" is the first or last of the list.
    if (i + 2 < close && p[i + 1] == U'-' && !(i == first && p[i] == U'-')) {
      if (c >= p[i] && c <= p[i + 2]) found = true;
      i += 3;
    } else {
      if (c == p[i]) found = true;
      ++i;
    }
  }
  return found != negated;
}

bool like(std::string_view text, std::string_view pattern) { return matchesLike(trimBlanks(text), pattern); }

Refusal information(std::string_view m, bool select = false) {
  return {std::string(m), ui::Icon::information, select};
}
Refusal exclamation(std::string_view m) { return {std::string(m), ui::Icon::exclamation, false}; }

}  // namespace

bool matchesLike(std::string_view text, std::string_view pattern) {
  const std::u32string t = decodeUtf8(text);
  const std::u32string p = decodeUtf8(pattern);
  // Left to right; on a mismatch go back to the last "*" and let it take
  // one character more.
  std::size_t ti = 0, pi = 0;
  std::size_t starP = std::u32string::npos, starT = 0;
  while (ti < t.size()) {
    if (pi < p.size() && p[pi] == U'*') {
      starP = ++pi;
      starT = ti;
      continue;
    }
    std::size_t next = 0;
    if (pi < p.size() && elementTakes(p, pi, t[ti], next)) {
      pi = next;
      ++ti;
      continue;
    }
    if (starP == std::u32string::npos) return false;
    pi = starP;
    ti = ++starT;
  }
  while (pi < p.size() && p[pi] == U'*') ++pi;
  return pi == p.size();
}

bool validPan(std::string_view pan) {
  return matchesLike(pan, "[A-Z][A-Z][A-Z][PCHFATBLJG][A-Z][0-9][0-9][0-9][0-9][A-Z]");
}

Verdict checkClientPan(std::string_view text) {
  const auto t = trimBlanks(text);
  if (t.empty() || validPan(t)) return std::nullopt;
  return exclamation(messages::invalidPan);
}

Verdict checkTan(std::string_view text) {
  const auto t = trimBlanks(text);
  if (t.empty() || matchesLike(t, patterns::tan)) return std::nullopt;
  return exclamation(messages::invalidTan);
}

// Refusals of input carry the information icon unless the rule says otherwise.
Verdict checkPanForAssessingOfficer(std::string_view text) {
  const auto t = trimBlanks(text);
  if (t.empty()) return information(messages::specifyPan);
  if (!matchesLike(t, patterns::pan)) return information(messages::notValidPan);
  return std::nullopt;
}

Verdict checkAadhaar(std::string_view text) {
  if (trimBlanks(text).empty() || like(text, patterns::aadhaar)) return std::nullopt;
  return information(messages::aadhaar, true);
}

RegistrationKind registrationKindForLabel(std::string_view label) {
  label = trimBlanks(label);
  if (label == "LLPIN issued by MCA") return RegistrationKind::llpin;
  if (label == "CIN issued by MCA") return RegistrationKind::cin;
  return RegistrationKind::none;
}

Verdict checkRegistrationNo(RegistrationKind kind, std::string_view text) {
  if (trimBlanks(text).empty()) return std::nullopt;
  switch (kind) {
    case RegistrationKind::llpin:
      if (!like(text, patterns::llpin)) return exclamation(messages::llpin);
      break;
    case RegistrationKind::cin:
      if (!like(text, patterns::cin)) return exclamation(messages::cin);
      break;
    case RegistrationKind::none:
      break;
  }
  return std::nullopt;
}

Verdict checkEmail(std::string_view text) {
  const auto t = trimBlanks(text);
  if (t.empty()) return std::nullopt;
  // The first "@", and a "." found from two places after it: "a@b.c" passes,
  // "a@.c" and "a.b@c" do not.
  const auto at = t.find('@');
  if (at != std::string_view::npos && t.find('.', at + 2) != std::string_view::npos) return std::nullopt;
  return information(messages::email, true);
}

Verdict checkDateOfBirth(std::string_view masked) {
  const auto t = trimBlanks(masked);
  if (t.empty() || t == kEmptyDateMask || like(t, patterns::dateOfBirth)) return std::nullopt;
  return information(messages::dateOfBirth);
}

Verdict checkDateOfBirthOnLeaving(std::string_view masked, std::string_view today, bool incorporation) {
  if (auto v = checkDateOfBirth(masked)) return v;
  const DateBoxEntry entry = readDateBox(masked);
  if (entry.kind == DateBoxEntry::Kind::empty) return std::nullopt;
  if (entry.kind == DateBoxEntry::Kind::invalid) return information(messages::dateOfBirth);
  const auto date = parseDmy(entry.text);
  const auto now = parseDmy(today);
  if (date && now && *date > *now)
    return information(incorporation ? messages::futureIncorporation : messages::futureBirth);
  return std::nullopt;
}

Verdict checkPin(std::string_view text) {
  if (trimBlanks(text).empty() || like(text, patterns::pin)) return std::nullopt;
  return information(messages::pin, true);
}

Verdict checkMobile(std::string_view text) {
  if (trimBlanks(text).empty() || like(text, patterns::mobile)) return std::nullopt;
  return information(messages::mobile, true);
}

bool isMaskedPan(std::string_view text) { return like(text, patterns::maskedPan); }
bool isDashedDate(std::string_view text) { return like(text, patterns::dashedDate); }
bool isAcknowledgementNo(std::string_view text) { return like(text, patterns::acknowledgementNo); }
bool endsWithPanInBrackets(std::string_view text) { return matchesLike(text, patterns::panInBrackets); }

}  // namespace meridian::host

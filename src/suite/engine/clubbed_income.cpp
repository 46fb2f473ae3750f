#include "suite/engine/clubbed_income.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <map>

namespace meridian::engine {
namespace {

constexpr ClubbedHead kExemptionOrder[] = {
    ClubbedHead::otherSources, ClubbedHead::salary,      ClubbedHead::houseProperty,
    ClubbedHead::business,     ClubbedHead::stcgOther,   ClubbedHead::ltcgIndexed,  // 20 %
    ClubbedHead::stcg111a,                                                        // 15 %
    ClubbedHead::ltcgWithoutIndexation,                                           // 10 %
};

std::size_t at(ClubbedHead h) { return static_cast<std::size_t>(h); }

// Names typed on different rows for one child may differ in case and spacing.
std::string childKey(const std::string& name) {
  std::string key;
  for (char ch : name) {
    if (ch == ' ' || ch == '\t') {
      if (!key.empty() && key.back() != ' ') key += ' ';
    } else {
      key += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
  }
  while (!key.empty() && key.back() == ' ') key.pop_back();
  return key;
}

}  // namespace

const std::array<ClubbedHeadName, kClubbedHeads>& clubbedHeadNames() {
  static const std::array<ClubbedHeadName, kClubbedHeads> names = {{
      {ClubbedHead::salary, "salary", "Salaries"},
      {ClubbedHead::houseProperty, "house_property", "House Property"},
      {ClubbedHead::business, "business", "Business or Profession"},
      {ClubbedHead::stcg111a, "stcg_111a", "Short-term Capital Gain u/s 111A"},
      {ClubbedHead::stcgOther, "stcg_other", "Short-term Capital Gain (Others)"},
      {ClubbedHead::ltcgIndexed, "ltcg_indexed", "Long-term Capital Gain (with Indexation)"},
      {ClubbedHead::ltcgWithoutIndexation, "ltcg_without_indexation", "Long-term Capital Gain (without Indexation)"},
      {ClubbedHead::otherSources, "other_sources", "Other Sources"},
  }};
  return names;
}

std::optional<ClubbedHead> clubbedHeadOf(std::string_view code) {
  if (code.empty()) return ClubbedHead::otherSources;
  for (const auto& n : clubbedHeadNames())
    if (code == n.code) return n.head;
  return std::nullopt;
}

Money ClubbedFigures::totalGross() const {
  Money m;
  for (const Money& g : gross) m += g;
  return m;
}

Money ClubbedFigures::totalExempt() const {
  Money m;
  for (const Money& e : exempt) m += e;
  return m;
}

ClubbedFigures clubbedIncomeOf(const std::vector<ClubbedIncome>& clubbed, const YearLaw& law) {
  ClubbedFigures f;
  // Each minor's income by head; an unnamed entry is a child of its own.
  std::map<std::string, std::array<Money, kClubbedHeads>> children;
  for (std::size_t i = 0; i < clubbed.size(); ++i) {
    const ClubbedIncome& c = clubbed[i];
    f.gross[at(c.head)] += c.amount;
    if (!c.minorChild) continue;
    const std::string name = childKey(c.child);
    const std::string key = name.empty() ? "#" + std::to_string(i) : "=" + name;
    children[key][at(c.head)] += c.amount;
  }
  for (const auto& [child, byHead] : children) {
    Money total;
    for (const Money& m : byHead) total += m;
    Money room = std::min(std::max(Money(), total), law.minorChildExemption);
    for (ClubbedHead h : kExemptionOrder) {
      const Money taken = std::min(room, std::max(Money(), byHead[at(h)]));
      f.exempt[at(h)] += taken;
      room -= taken;
    }
  }
  return f;
}

CapitalGainsInput withClubbedGains(CapitalGainsInput own, const ClubbedFigures& clubbed) {
  own.stcg111a += clubbed.included(ClubbedHead::stcg111a);
  own.stcgOther += clubbed.included(ClubbedHead::stcgOther);
  own.ltcgIndexed += clubbed.included(ClubbedHead::ltcgIndexed);
  own.ltcgWithoutIndexation += clubbed.included(ClubbedHead::ltcgWithoutIndexation);
  return own;
}

}  // namespace meridian::engine

#pragma once
// Income of other persons included in the client's (ss.60 to 64), by the head
// it was computed under, less the exemption of s.10(32) on a minor child's.
#include <array>
#include <optional>
#include <string_view>

#include "suite/engine/year_input.h"
#include "suite/engine/year_law.h"

namespace meridian::engine {

// The code of each head, as the command's JSON and the clubbing tables hold it
// ("other_sources" for a row that names none), with the caption the screens show.
struct ClubbedHeadName {
  ClubbedHead head;
  const char* code;
  const char* caption;
};
const std::array<ClubbedHeadName, kClubbedHeads>& clubbedHeadNames();
std::optional<ClubbedHead> clubbedHeadOf(std::string_view code);  // "" is other sources

struct ClubbedFigures {
  std::array<Money, kClubbedHeads> gross{};   // by head, a loss negative
  std::array<Money, kClubbedHeads> exempt{};  // s.10(32), by the head it was taken off
  Money grossOf(ClubbedHead h) const { return gross[static_cast<std::size_t>(h)]; }
  Money exemptOf(ClubbedHead h) const { return exempt[static_cast<std::size_t>(h)]; }
  Money included(ClubbedHead h) const { return grossOf(h) - exemptOf(h); }
  Money totalGross() const;
  Money totalExempt() const;
};

// s.10(32): each minor child's included income is exempt up to the year's
// figure, on the child's income as a whole. The exemption is taken off the
// child's income at the normal rates first, then off the gains taxed at the
// higher special rate first, as that leaves the client the least tax.
ClubbedFigures clubbedIncomeOf(const std::vector<ClubbedIncome>& clubbed, const YearLaw& law);

// The client's capital gains with the gains and losses included from others.
CapitalGainsInput withClubbedGains(CapitalGainsInput own, const ClubbedFigures& clubbed);

}  // namespace meridian::engine

#include "suite/engine/set_off.h"

#include <algorithm>

#include "suite/engine/set_off_step.h"

namespace meridian::engine {
namespace {

Money lossIn(Money& pot) {
  if (pot >= Money()) return Money();
  const Money loss = -pot;
  pot = Money();
  return loss;
}

Money setOffInOrder(Money loss, const std::vector<Money*>& pots) {
  for (Money* pot : pots) loss = setOffAgainst(loss, {pot});
  return loss;
}

// Unexplained income (s.115BBE) is income of other sources. Until A.Y.
// 2016-17 s.115BBE(2) barred only deductions of expenditure and allowances,
// so a loss that may meet other sources met it too; the Finance Act, 2016
// added "or set off of any loss" from A.Y. 2017-18. It is taken after the
// incomes at normal rates and before the gains at lower rates, its rate of
// thirty per cent being the highest of them.
std::vector<Money*> withUnexplained(std::vector<Money*> pots, IncomePots& p, const YearLaw& law) {
  if (law.unexplainedSetOffBarred) return pots;
  const auto at = std::find(pots.begin(), pots.end(), &p.ltcgIndexed);
  pots.insert(at, &p.apart.unexplained115bbe);
  return pots;
}

// Sets a brought-forward loss of one kind off against the incomes the law lets
// it meet. House property: only house property (s.71B). Speculation: only
// speculation (s.73). Business: any business, ordinary first (s.72(1)).
// Unabsorbed depreciation: after business losses (s.72(2)), any head but
// salaries (s.32(2)). Short-term capital loss: any capital gain; long-term
// loss: long-term gains only (s.74(1)). Incomes taxed apart take none, but
// for unexplained income in the years `unexplainedReach` opens.
// Specified business (s.73A(2)) and race horses (s.74A(3)): only the profit of
// that kind still left in the head, `own`.
Money setOffBroughtForward(LossKind kind, Money loss, IncomePots& p, Money& ownSpecified, Money& ownRaceHorses,
                          const YearLaw& law) {
  const auto againstOwn = [&loss](Money& own, Money& pot) {
    Money reach = std::min(own, std::max(Money(), pot));
    const Money left = setOffAgainst(loss, {&reach});
    own -= loss - left;
    pot -= loss - left;
    return left;
  };
  switch (kind) {
    case LossKind::specifiedBusiness:
      return againstOwn(ownSpecified, p.business);
    case LossKind::raceHorses:
      return againstOwn(ownRaceHorses, p.otherSources);
    case LossKind::houseProperty:
      return setOffAgainst(loss, {&p.houseProperty});
    case LossKind::speculation:
      return setOffAgainst(loss, {&p.speculation});
    case LossKind::business:
      return setOffAgainst(loss, {&p.business, &p.speculation});
    case LossKind::unabsorbedDepreciation:
      return setOffInOrder(loss, withUnexplained({&p.business, &p.speculation, &p.houseProperty, &p.otherSources,
                                                  &p.stcgOther, &p.ltcgIndexed, &p.stcg111a, &p.ltcgWithoutIndexation},
                                                 p, law));
    case LossKind::stcl:
      return setOffAgainst(loss, {&p.stcgOther, &p.ltcgIndexed, &p.stcg111a, &p.ltcgWithoutIndexation});
    case LossKind::ltcl:
      return setOffAgainst(loss, {&p.ltcgIndexed, &p.ltcgWithoutIndexation});
  }
  return loss;
}

// The order in which brought-forward kinds are taken: each kind's narrow
// claims before the wider ones, and business losses before unabsorbed
// depreciation (s.72(2)).
constexpr LossKind kBroughtForwardOrder[] = {LossKind::houseProperty,  LossKind::speculation,
                                             LossKind::specifiedBusiness, LossKind::raceHorses,
                                             LossKind::business,       LossKind::unabsorbedDepreciation,
                                             LossKind::stcl,           LossKind::ltcl};

// The pots of one head, normal rates before special rates (the higher
// special rate first among capital gains).
std::vector<Money*> potsOf(SetOffHead head, IncomePots& p) {
  switch (head) {
    case SetOffHead::salary: return {&p.salary};
    case SetOffHead::houseProperty: return {&p.houseProperty};
    case SetOffHead::business: return {&p.business, &p.speculation};
    case SetOffHead::shortTerm: return {&p.stcgOther, &p.stcg111a};
    case SetOffHead::longTerm: return {&p.ltcgIndexed, &p.ltcgWithoutIndexation};
    case SetOffHead::otherSources: return {&p.otherSources, &p.apart.unexplained115bbe};
  }
  return {};
}

// The incomes a loss of the year meets, in order: the heads the practitioner
// put first, then the rest of the law's order. `lawOrder` holds only what the
// law allows, so a chosen head outside it (salaries for a business loss,
// s.71(2A)) is passed over.
std::vector<Money*> chosenOrder(const std::vector<SetOffHead>* chosen, std::vector<Money*> lawOrder,
                                IncomePots& p) {
  if (!chosen) return lawOrder;
  std::vector<Money*> out;
  for (SetOffHead head : *chosen)
    for (Money* pot : potsOf(head, p))
      if (std::find(lawOrder.begin(), lawOrder.end(), pot) != lawOrder.end() &&
          std::find(out.begin(), out.end(), pot) == out.end())
        out.push_back(pot);
  for (Money* pot : lawOrder)
    if (std::find(out.begin(), out.end(), pot) == out.end()) out.push_back(pot);
  return out;
}

// s.32(2): unabsorbed depreciation first as the practitioner spread it, each
// head's share as far as the head's income still goes (earlier losses may
// have taken it). What the spread does not place returns to the law's order,
// since the allowance is given as far as the income of the year allows.
// Before A.Y. 2017-18 a share spread over other sources meets unexplained
// income (s.115BBE) when the income at normal rates is spent.
Money setOffAsSpread(Money loss, IncomePots& p, DepreciationSpread& left, const YearLaw& law) {
  const struct {
    Money* share;
    std::vector<Money*> pots;
  } shares[] = {
      {&left.houseProperty, {&p.houseProperty}},
      {&left.business, {&p.business}},
      {&left.speculation, {&p.speculation}},
      {&left.shortTerm, {&p.stcgOther, &p.stcg111a}},
      {&left.longTerm, {&p.ltcgIndexed, &p.ltcgWithoutIndexation}},
      {&left.otherSources, withUnexplained({&p.otherSources}, p, law)},
  };
  for (const auto& s : shares) {
    const Money part = std::min(loss, *s.share);
    if (part <= Money()) continue;
    const Money used = part - setOffInOrder(part, s.pots);
    *s.share -= used;
    loss -= used;
  }
  return loss;
}

bool withinYears(int lossYear, int year, int limit) { return limit == 0 || year - lossYear <= limit; }

}  // namespace

int carryYears(LossKind kind, const YearLaw& law) {
  switch (kind) {
    case LossKind::houseProperty:
      return law.carryHouseProperty;
    case LossKind::business:
      return law.carryBusiness;
    case LossKind::speculation:
      return law.carrySpeculation;
    case LossKind::unabsorbedDepreciation:
      return 0;  // s.32(2): no limit of years
    case LossKind::stcl:
    case LossKind::ltcl:
      return law.carryCapital;
    case LossKind::raceHorses:
      return law.carryRaceHorses;
    case LossKind::specifiedBusiness:
      return 0;  // s.73A(2): no limit of years
  }
  return 0;
}

Money SetOffFigures::currentYearCarried() const {
  Money m;
  for (const LossRow& r : rows)
    if (r.currentYear > Money()) m += r.carried;
  return m;
}

namespace {

// s.32(2): the part of the year's business loss that is the depreciation of
// the year is unabsorbed depreciation, carried with no limit of years and
// whether or not the return was late (s.80 does not reach it). Depreciation
// is taken as absorbed last, so what the other heads met is the loss before
// depreciation first.
void pushBusinessLossOfYear(Money whole, Money left, Money depreciation, int year, bool filedLate,
                            std::vector<LossRow>& rows) {
  const Money depreciationWhole = std::min(whole, depreciation);
  const Money depreciationLeft = std::min(left, depreciation);
  const Money businessWhole = whole - depreciationWhole, businessLeft = left - depreciationLeft;
  if (businessWhole > Money())
    rows.push_back({LossPart::business, year, Money(), businessWhole, businessWhole - businessLeft,
                    filedLate ? Money() : businessLeft});
  if (depreciationWhole > Money())
    rows.push_back({LossPart::unabsorbedDepreciation, year, Money(), depreciationWhole,
                    depreciationWhole - depreciationLeft, depreciationLeft});
}

}  // namespace

SetOffFigures setOffLosses(const IncomePots& heads, const CapitalGainFigures& gains, const YearInput& in,
                           const YearLaw& law, bool filedLate) {
  SetOffFigures out;
  IncomePots p = heads;
  // The incomes losses of the year may meet, before and after they do.
  const auto reachable = [&law](const IncomePots& q) {
    Money m;
    for (Money v : {q.salary, q.houseProperty, q.business, q.speculation, q.otherSources})
      m += std::max(Money(), v);
    m += q.stcgOther + q.ltcgIndexed + q.stcg111a + q.ltcgWithoutIndexation;
    return law.unexplainedSetOffBarred ? m : m + q.apart.unexplained115bbe;
  };
  const Money positiveBefore = reachable(p);

  // Losses of the year. Within the business head an ordinary loss meets
  // speculation profit (s.70); a speculation loss meets nothing else (s.73(1)).
  Money business = lossIn(p.business);
  business = setOffAgainst(business, {&p.speculation});
  Money speculation = lossIn(p.speculation);
  // s.71: house property against every other head, salaries first; business
  // against any head but salaries (s.71(2A)); other sources against any head.
  // Incomes at normal rates are taken before those at special rates.
  const SetOffPriority* chosen = in.setOffPriority ? &*in.setOffPriority : nullptr;
  Money house = lossIn(p.houseProperty);
  Money other = lossIn(p.otherSources);
  const auto setOffLoss = [&](int which) {
    switch (which) {
      case 0:
        house = setOffInOrder(house, chosenOrder(chosen ? &chosen->houseProperty : nullptr,
                                                 withUnexplained({&p.salary, &p.business, &p.speculation,
                                                                  &p.otherSources, &p.stcgOther, &p.ltcgIndexed,
                                                                  &p.stcg111a, &p.ltcgWithoutIndexation},
                                                                 p, law),
                                                 p));
        break;
      case 1:
        business = setOffInOrder(business, chosenOrder(chosen ? &chosen->business : nullptr,
                                                       withUnexplained({&p.houseProperty, &p.otherSources,
                                                                        &p.stcgOther, &p.ltcgIndexed, &p.stcg111a,
                                                                        &p.ltcgWithoutIndexation},
                                                                       p, law),
                                                       p));
        break;
      case 2:
        other = setOffInOrder(other, chosenOrder(chosen ? &chosen->otherSources : nullptr,
                                                 withUnexplained({&p.salary, &p.houseProperty, &p.business,
                                                                  &p.speculation, &p.stcgOther, &p.ltcgIndexed,
                                                                  &p.stcg111a, &p.ltcgWithoutIndexation},
                                                                 p, law),
                                                 p));
        break;
    }
  };
  // Each loss once, in the order chosen; any the order leaves out follow.
  std::array<bool, 3> done{};
  for (int which : chosen ? chosen->losses : std::array<int, 3>{0, 1, 2})
    if (which >= 0 && which < 3 && !done[static_cast<std::size_t>(which)]) {
      done[static_cast<std::size_t>(which)] = true;
      setOffLoss(which);
    }
  for (int which = 0; which < 3; ++which)
    if (!done[static_cast<std::size_t>(which)]) setOffLoss(which);
  out.afterCurrentYear = p;
  out.currentYearSetOff = positiveBefore - reachable(p);

  // What is left of the profits of s.35AD businesses and of race horses in
  // their heads, taking the losses of the year as met by the head's other
  // income first.
  Money ownSpecified = std::min(std::max(Money(), in.business.specifiedBusiness), std::max(Money(), p.business));
  Money ownRaceHorses = std::min(std::max(Money(), in.otherSources.raceHorses), std::max(Money(), p.otherSources));

  // Losses brought forward, each kind oldest first.
  std::optional<DepreciationSpread> spreadLeft = in.depreciationSpread;
  for (LossKind kind : kBroughtForwardOrder) {
    std::vector<BroughtForwardLoss> ofKind;
    for (const auto& l : in.lossesBroughtForward)
      if (l.kind == kind && l.amount > Money()) ofKind.push_back(l);
    std::stable_sort(ofKind.begin(), ofKind.end(), [](const auto& a, const auto& b) { return a.year < b.year; });
    const int limit = carryYears(kind, law);
    for (const auto& l : ofKind) {
      LossRow row{partOf(kind), l.year, l.amount, Money(), Money(), Money()};
      if (l.year < in.year && withinYears(l.year, in.year, limit)) {
        Money toSetOff = l.amount;
        if (kind == LossKind::unabsorbedDepreciation && spreadLeft)
          toSetOff = setOffAsSpread(toSetOff, p, *spreadLeft, law);
        const Money left = setOffBroughtForward(kind, toSetOff, p, ownSpecified, ownRaceHorses, law);
        row.setOff = l.amount - left;
        if (withinYears(l.year, in.year + 1, limit)) row.carried = left;
      }
      out.broughtForwardSetOff += row.setOff;
      out.rows.push_back(row);
    }
  }
  out.afterBroughtForward = p;
  // The losses table reads by year, then by head.
  std::stable_sort(out.rows.begin(), out.rows.end(), [](const LossRow& a, const LossRow& b) {
    return a.year != b.year ? a.year < b.year : static_cast<int>(a.part) < static_cast<int>(b.part);
  });

  // Losses of the year to carry. Other-sources losses are not carried.
  const auto lossOf = [](Money m) { return m < Money() ? -m : Money(); };
  struct YearLoss {
    LossKind kind;
    Money whole, left;
  };
  const YearLoss yearLosses[] = {
      {LossKind::houseProperty, lossOf(heads.houseProperty), house},
      {LossKind::business, lossOf(heads.business), business},
      {LossKind::speculation, lossOf(heads.speculation), speculation},
      {LossKind::stcl, lossOf(in.capitalGains.stcg111a) + lossOf(in.capitalGains.stcgOther), gains.stclLeft},
      {LossKind::ltcl, lossOf(in.capitalGains.ltcgIndexed) + lossOf(in.capitalGains.ltcgWithoutIndexation),
       gains.ltclLeft},
      // Set off against nothing else in the year (ss.73A(1), 74A(3)).
      {LossKind::raceHorses, lossOf(in.otherSources.raceHorses), lossOf(in.otherSources.raceHorses)},
      {LossKind::specifiedBusiness, lossOf(in.business.specifiedBusiness), lossOf(in.business.specifiedBusiness)},
  };
  for (const YearLoss& y : yearLosses) {
    if (y.whole <= Money()) continue;
    if (y.kind == LossKind::business) {
      pushBusinessLossOfYear(y.whole, y.left, std::max(Money(), in.business.depreciationAllowed), in.year, filedLate,
                             out.rows);
      continue;
    }
    const bool carried = !filedLate || y.kind == LossKind::houseProperty;
    out.rows.push_back({partOf(y.kind), in.year, Money(), y.whole, y.whole - y.left, carried ? y.left : Money()});
  }
  return out;
}

}  // namespace meridian::engine

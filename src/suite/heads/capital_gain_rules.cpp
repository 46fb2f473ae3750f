#include "suite/heads/capital_gain_rules.h"

#include <algorithm>
#include <chrono>

#include "suite/engine/year_law.h"
#include "suite/year_params/year_params.h"

namespace meridian::suite::heads {
namespace {

using namespace std::chrono;

// How a kind's long-term gain is indexed and taxed (s.48 provisos, s.112).
enum class LongTerm {
  indexed,             // cost indexed, taxed at the rate of s.112
  indexedOrTenPercent, // the same, or the lower rate on the gain before indexation (s.112(1) proviso)
  unitsOption,         // as indexedOrTenPercent in the years the proviso reaches units
  notIndexedTen,       // a bond or debenture (s.48, third proviso) that is listed or a zero coupon bond
  notIndexed,          // any other bond or debenture
  exempt,              // s.10(38)
};

struct KindRule {
  AssetKind kind;
  const char* code;
  const char* caption;
  params::CountParam months;  // held longer than this: long-term
  LongTerm longTerm;
  bool landOrBuilding;        // s.50C
};

constexpr KindRule kKinds[] = {
    {AssetKind::residentialHouse, "RH", "Residential House", params::key::longTermMonthsGeneral, LongTerm::indexed, true},
    {AssetKind::landOrBuilding, "LB", "Land or Building (other than a residential house)",
     params::key::longTermMonthsGeneral, LongTerm::indexed, true},
    {AssetKind::listedEquitySttPaid, "EQ", "Listed Equity Share or Equity Fund Unit (STT paid)",
     params::key::longTermMonthsListed, LongTerm::exempt, false},
    {AssetKind::listedSecurity, "LS", "Other Listed Share or Security", params::key::longTermMonthsListed,
     LongTerm::indexedOrTenPercent, false},
    {AssetKind::listedBond, "LD", "Listed Bond or Debenture, Zero Coupon Bond", params::key::longTermMonthsListed,
     LongTerm::notIndexedTen, false},
    {AssetKind::debtFundUnit, "MF", "Unit of a Fund other than an Equity Fund", params::key::longTermMonthsDebtFund,
     LongTerm::unitsOption, false},
    {AssetKind::unlistedShare, "UN", "Unlisted Share", params::key::longTermMonthsUnlistedShare, LongTerm::indexed,
     false},
    {AssetKind::otherBond, "BD", "Other Bond or Debenture", params::key::longTermMonthsGeneral, LongTerm::notIndexed,
     false},
    {AssetKind::other, "OT", "Other Capital Asset (jewellery, art ...)", params::key::longTermMonthsGeneral,
     LongTerm::indexed, false},
};

const KindRule& ruleOf(AssetKind k) {
  for (const auto& r : kKinds)
    if (r.kind == k) return r;
  return kKinds[std::size(kKinds) - 1];
}

// Improvements made before 1 April 1981 are not deducted (s.55(1)(b)).
const CivilDate kFirstIndexedDay = year{1981} / April / 1;

bool isLongTerm(const Transfer& t, int year) {
  const int months = params::YearParams::shipped().count(ruleOf(t.kind).months, year);
  return t.transferred > monthsAfter(t.acquired, months);
}

std::string previousYearText(int year) {
  return formatDmy(year_month_day{std::chrono::year{year - 1} / April / 1}) + " to " +
         formatDmy(year_month_day{std::chrono::year{year} / March / 31});
}

TransferFault transferFault(std::string column, std::string message) {
  return {TransferFault::Part::transfer, -1, std::move(column), std::move(message)};
}

TransferFault claimFault(int row, std::string column, std::string message) {
  return {TransferFault::Part::exemption, row, std::move(column), std::move(message)};
}

// The window in which the new asset of a section must be bought, built or
// invested in, from the date of transfer.
struct Window {
  int monthsBefore, monthsAfter;
  const char* words;
};
std::optional<Window> windowOf(const std::string& section) {
  if (section == "54" || section == "54F")
    return Window{12, 36, "within a year before or two years after the transfer, or built within three years after it"};
  if (section == "54B") return Window{0, 24, "within two years after the transfer"};
  if (section == "54EC") return Window{0, 6, "within six months after the transfer"};
  return std::nullopt;
}

std::optional<std::string> sectionRefusal(const std::string& section, const Transfer& t, bool longTerm,
                                          const Transferor& who) {
  const std::string s = "Exemption u/s " + section;
  const bool house = t.kind == AssetKind::residentialHouse;
  if (section == "54" && !(house && longTerm && who.individualOrHuf))
    return s + " is allowed only to an individual or HUF on the long-term transfer of a residential house.";
  if (section == "54B" && !(t.kind == AssetKind::landOrBuilding && who.individualOrHuf))
    return s + " is allowed only to an individual or HUF on the transfer of agricultural land.";
  if (section == "54EC" && !longTerm) return s + " is allowed only on a long-term capital gain.";
  if (section == "54F" && !(!house && longTerm && who.individualOrHuf))
    return s + " is allowed only to an individual or HUF on the long-term transfer of an asset other than a "
               "residential house.";
  return std::nullopt;
}

Money lowerOf(Money a, Money b) { return std::min(a, b); }

}  // namespace

const std::vector<Choice>& assetKindChoices() {
  static const std::vector<Choice> list = [] {
    std::vector<Choice> out;
    for (const auto& r : kKinds) out.push_back({r.code, r.caption});
    return out;
  }();
  return list;
}

std::optional<AssetKind> assetKindOf(std::string_view code) {
  for (const auto& r : kKinds)
    if (code == r.code) return r.kind;
  return std::nullopt;
}

const std::vector<Choice>& exemptionSectionChoices() {
  static const std::vector<Choice> list = {{"54", "54 (residential house)"},
                                           {"54B", "54B (agricultural land)"},
                                           {"54EC", "54EC (specified bonds)"},
                                           {"54F", "54F (residential house, other asset sold)"}};
  return list;
}

CivilDate monthsAfter(const CivilDate& d, int months) {
  const year_month ym = year_month{d.year(), d.month()} + std::chrono::months{months};
  const year_month_day shifted{ym.year(), ym.month(), d.day()};
  return shifted.ok() ? shifted : year_month_day{year_month_day_last{ym.year(), month_day_last{ym.month()}}};
}

std::optional<TransferFault> faultOf(const Transfer& t, const Transferor& who) {
  const CivilDate first = year{who.year - 1} / April / 1, last = year{who.year} / March / 31;
  if (t.transferred < first || t.transferred > last)
    return transferFault("trf_dt", "The date of transfer must fall in the previous year, " +
                                       previousYearText(who.year) + ".");
  if (t.acquired > t.transferred)
    return transferFault("acq_dt", "The date of acquisition can not be after the date of transfer.");
  for (size_t i = 0; i < t.improvements.size(); ++i) {
    const CivilDate& d = t.improvements[i].date;
    if (d < t.acquired || d > t.transferred)
      return TransferFault{TransferFault::Part::improvement, static_cast<int>(i), "imp_dt",
                           "An improvement must be made between the dates of acquisition and of transfer."};
  }
  const bool longTerm = isLongTerm(t, who.year);
  const bool exempt = longTerm && ruleOf(t.kind).longTerm == LongTerm::exempt;
  for (size_t i = 0; i < t.exemptions.size(); ++i) {
    const ExemptionClaim& c = t.exemptions[i];
    const int row = static_cast<int>(i);
    if (exempt)
      return claimFault(row, "section", "The gain is exempt u/s 10(38); no other exemption is claimed on it.");
    for (size_t j = 0; j < i; ++j)
      if (t.exemptions[j].section == c.section)
        return claimFault(row, "section", "Exemption u/s " + c.section + " is claimed twice for one transfer.");
    if (auto why = sectionRefusal(c.section, t, longTerm, who)) return claimFault(row, "section", *why);
    const auto window = windowOf(c.section);
    if (window && c.newAssetDate &&
        (*c.newAssetDate < monthsAfter(t.transferred, -window->monthsBefore) ||
         *c.newAssetDate > monthsAfter(t.transferred, window->monthsAfter)))
      return claimFault(row, "new_dt",
                        "The new asset of s." + c.section + " must be acquired " + window->words + ".");
  }
  return std::nullopt;
}

TransferGain gainOf(const Transfer& t, const Transferor& who, const CostInflationIndex& cii) {
  const KindRule& rule = ruleOf(t.kind);
  TransferGain g;
  g.longTerm = isLongTerm(t, who.year);
  g.fullValue = rule.landOrBuilding ? std::max(t.consideration, t.stampValue) : t.consideration;
  const Money net = g.fullValue - t.expenses;

  Money plainCost = t.cost;
  for (const auto& i : t.improvements)
    if (!g.longTerm || i.date >= kFirstIndexedDay) plainCost += i.amount;
  const Money plainGain = net - plainCost;

  if (!g.longTerm) {
    g.costDeducted = plainCost;
    g.gain = plainGain;
    g.rateClass = t.kind == AssetKind::listedEquitySttPaid ? GainClass::stcg111a : GainClass::stcgOther;
  } else if (rule.longTerm == LongTerm::notIndexed || rule.longTerm == LongTerm::notIndexedTen) {
    g.costDeducted = plainCost;
    g.gain = plainGain;
    g.rateClass = rule.longTerm == LongTerm::notIndexedTen ? GainClass::ltcgWithoutIndexation : GainClass::ltcgIndexed;
  } else {
    const int to = financialYearOf(t.transferred);
    Money indexed = indexedCost(cii, t.cost, financialYearOf(t.acquired), to).value_or(t.cost);
    for (const auto& i : t.improvements)
      if (i.date >= kFirstIndexedDay) indexed += indexedCost(cii, i.amount, financialYearOf(i.date), to).value_or(i.amount);
    g.costDeducted = indexed;
    g.gain = net - indexed;
    g.rateClass = rule.longTerm == LongTerm::exempt ? GainClass::exempt10_38 : GainClass::ltcgIndexed;
    // s.112(1) proviso: the tax is at most the lower rate on the gain before indexation.
    const bool option = rule.longTerm == LongTerm::indexedOrTenPercent ||
                        (rule.longTerm == LongTerm::unitsOption &&
                         params::YearParams::shipped().flag(params::key::unitsWithoutIndexation, who.year));
    const engine::YearLaw* law = engine::lawOf(who.year);
    if (option && law && g.gain > Money() &&
        plainGain.atRate(law->ltcgWithoutIndexationRate) < g.gain.atRate(law->ltcgRate)) {
      g.costDeducted = plainCost;
      g.gain = plainGain;
      g.rateClass = GainClass::ltcgWithoutIndexation;
    }
  }

  // Exemptions, each on what the ones before it left of the gain.
  Money left = std::max(Money(), g.gain);
  const Money limit54ec = Money::rupees(params::YearParams::shipped().amount(params::key::limit54ec, who.year));
  for (const auto& c : t.exemptions) {
    Money e;
    if (g.rateClass != GainClass::exempt10_38) {
      if (c.section == "54EC") e = lowerOf(c.invested, limit54ec);
      else if (c.section == "54F")
        // The gain in the proportion the investment bears to the net consideration.
        e = c.invested >= net || net <= Money() ? left
                                                : Money::paise(static_cast<std::int64_t>(
                                                      static_cast<__int128>(g.gain.inPaise()) * c.invested.inPaise() /
                                                      net.inPaise())).roundedToRupee();
      else e = c.invested;
    }
    e = std::clamp(e, Money(), left);
    left -= e;
    g.exemptions.push_back(e);
    g.exempt += e;
  }
  g.taxable = g.gain - g.exempt;
  return g;
}

}  // namespace meridian::suite::heads

#include "suite/computation/set_off_priority.h"

#include <algorithm>
#include <optional>

#include "common/text.h"

namespace meridian::suite::computation {
namespace {

constexpr const char* kCodes[kTargetHeads] = {"SAL", "HP", "BUS", "STCG", "LTCG", "OS", "CLUB"};
constexpr const char* kLossCodes[kYearLosses] = {"HP", "BUS", "OS"};

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + 1)
    parts.emplace_back(text.substr(start, at - start));
  parts.emplace_back(text.substr(start));
  return parts;
}

TargetHead ownHead(YearLoss l) {
  switch (l) {
    case YearLoss::houseProperty: return TargetHead::houseProperty;
    case YearLoss::business: return TargetHead::business;
    case YearLoss::otherSources: return TargetHead::otherSources;
  }
  return TargetHead::salary;
}

std::vector<TargetHead> defaultOrder(YearLoss loss) {
  using T = TargetHead;
  switch (loss) {
    // The loss's own head first: the law adjusts within a head first (s.70).
    case YearLoss::houseProperty:
      return {T::houseProperty, T::salary, T::business, T::otherSources, T::clubbing, T::shortTerm, T::longTerm};
    // Salaries last: the law never lets a business loss meet them (s.71(2A)).
    case YearLoss::business:
      return {T::business, T::houseProperty, T::otherSources, T::clubbing, T::shortTerm, T::longTerm, T::salary};
    case YearLoss::otherSources:
      return {T::otherSources, T::salary, T::houseProperty, T::business, T::clubbing, T::shortTerm, T::longTerm};
  }
  return {};
}

std::optional<TargetHead> headOfCode(std::string_view code) {
  for (int i = 0; i < kTargetHeads; ++i)
    if (code == kCodes[i]) return static_cast<TargetHead>(i);
  return std::nullopt;
}

engine::SetOffHead engineHead(TargetHead h) {
  switch (h) {
    case TargetHead::salary: return engine::SetOffHead::salary;
    case TargetHead::houseProperty: return engine::SetOffHead::houseProperty;
    case TargetHead::business: return engine::SetOffHead::business;
    case TargetHead::shortTerm: return engine::SetOffHead::shortTerm;
    case TargetHead::longTerm: return engine::SetOffHead::longTerm;
    case TargetHead::otherSources:
    case TargetHead::clubbing: return engine::SetOffHead::otherSources;  // clubbed income is shown there
  }
  return engine::SetOffHead::otherSources;
}

// The heads other than the loss's own: the law has adjusted within it first.
std::vector<engine::SetOffHead> engineOrder(const std::vector<TargetHead>& order, YearLoss loss) {
  std::vector<engine::SetOffHead> out;
  for (TargetHead h : order) {
    if (h == ownHead(loss)) continue;
    const auto e = engineHead(h);
    if (std::find(out.begin(), out.end(), e) == out.end()) out.push_back(e);
  }
  return out;
}

// "HP,BUS,OS": each loss once; those left out follow in the default order.
std::array<YearLoss, kYearLosses> lossOrderOf(std::string_view text) {
  std::vector<YearLoss> order;
  for (const std::string& code : split(text, ',')) {
    const auto at = std::find_if(std::begin(kLossCodes), std::end(kLossCodes),
                                 [&](const char* c) { return trimmed(code) == c; });
    if (at == std::end(kLossCodes)) continue;
    const auto l = static_cast<YearLoss>(at - std::begin(kLossCodes));
    if (std::find(order.begin(), order.end(), l) == order.end()) order.push_back(l);
  }
  for (int l = 0; l < kYearLosses; ++l)
    if (std::find(order.begin(), order.end(), static_cast<YearLoss>(l)) == order.end())
      order.push_back(static_cast<YearLoss>(l));
  std::array<YearLoss, kYearLosses> out{};
  std::copy(order.begin(), order.end(), out.begin());
  return out;
}

}  // namespace

const char* targetCaption(TargetHead h) {
  static constexpr const char* captions[kTargetHeads] = {"Salary",
                                                         "Income from House Property",
                                                         "Business (Other than Speculation)",
                                                         "Short-term Capital Gain",
                                                         "Long-term Capital Gain",
                                                         "Income from Other Sources",
                                                         "Clubbing of Income"};
  return captions[static_cast<int>(h)];
}

const char* lossCaption(YearLoss l) {
  static constexpr const char* captions[kYearLosses] = {"House Property Loss", "Business Loss", "Other Sources Loss"};
  return captions[static_cast<int>(l)];
}

Priorities defaultPriorities() {
  Priorities p;
  for (int l = 0; l < kYearLosses; ++l) p.order[l] = defaultOrder(static_cast<YearLoss>(l));
  return p;
}

std::string formatPriorities(const Priorities& p) {
  std::string out = "LOSS:";
  for (int l = 0; l < kYearLosses; ++l)
    out += (l ? "," : "") + std::string(kLossCodes[static_cast<int>(p.losses[static_cast<std::size_t>(l)])]);
  for (int l = 0; l < kYearLosses; ++l) {
    out += ';';
    out += std::string(kLossCodes[l]) + ':';
    for (std::size_t i = 0; i < p.order[l].size(); ++i)
      out += (i ? "," : "") + std::string(kCodes[static_cast<int>(p.order[l][i])]);
  }
  return out;
}

Priorities parsePriorities(std::string_view text) {
  Priorities p = defaultPriorities();
  for (const std::string& group : split(text, ';')) {
    const auto colon = group.find(':');
    if (colon == std::string::npos) continue;
    const std::string lossCode = trimmed(group.substr(0, colon));
    if (lossCode == "LOSS") {
      p.losses = lossOrderOf(group.substr(colon + 1));
      continue;
    }
    const auto loss = std::find_if(std::begin(kLossCodes), std::end(kLossCodes),
                                   [&](const char* c) { return lossCode == c; });
    if (loss == std::end(kLossCodes)) continue;
    const auto l = static_cast<YearLoss>(loss - std::begin(kLossCodes));
    std::vector<TargetHead> order;
    for (const std::string& code : split(group.substr(colon + 1), ',')) {
      const auto h = headOfCode(trimmed(code));
      if (h && std::find(order.begin(), order.end(), *h) == order.end()) order.push_back(*h);
    }
    for (TargetHead h : defaultOrder(l))
      if (std::find(order.begin(), order.end(), h) == order.end()) order.push_back(h);
    p.order[static_cast<int>(l)] = order;
  }
  return p;
}

void placeAt(Priorities& p, YearLoss loss, TargetHead head, int rank) {
  auto& order = p.order[static_cast<int>(loss)];
  const auto at = std::find(order.begin(), order.end(), head);
  if (at == order.end()) return;
  order.erase(at);
  rank = std::clamp(rank, 0, static_cast<int>(order.size()));
  order.insert(order.begin() + rank, head);
}

void placeLossAt(Priorities& p, YearLoss loss, int rank) {
  std::vector<YearLoss> order(p.losses.begin(), p.losses.end());
  order.erase(std::find(order.begin(), order.end(), loss));
  rank = std::clamp(rank, 0, static_cast<int>(order.size()));
  order.insert(order.begin() + rank, loss);
  std::copy(order.begin(), order.end(), p.losses.begin());
}

engine::SetOffPriority toEngine(const Priorities& p) {
  engine::SetOffPriority e{engineOrder(p.order[0], YearLoss::houseProperty),
                           engineOrder(p.order[1], YearLoss::business),
                           engineOrder(p.order[2], YearLoss::otherSources)};
  for (int l = 0; l < kYearLosses; ++l)
    e.losses[static_cast<std::size_t>(l)] = static_cast<int>(p.losses[static_cast<std::size_t>(l)]);
  return e;
}

}  // namespace meridian::suite::computation

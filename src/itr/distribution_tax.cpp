#include "itr/distribution_tax.h"

#include <stdexcept>

#include "suite/shipped_table.h"

namespace meridian::itr {
namespace {

int basisPoints(const std::string& text, const std::string& where) {
  try {
    size_t used = 0;
    const int v = std::stoi(text, &used);
    if (used == text.size() && v >= 0 && v <= 10000) return v;
  } catch (const std::exception&) {
  }
  throw std::runtime_error(where + "\"" + text + "\" is not a rate in basis points (0 to 10000)");
}

CivilDate dateField(const std::string& text, const std::string& where) {
  if (auto d = parseIso(text)) return *d;
  throw std::runtime_error(where + "\"" + text + "\" is not a date yyyy-mm-dd");
}

}  // namespace

std::vector<DistributionTaxRate> parseDistributionTaxRates(std::string_view csv) {
  const std::string list = "distribution_tax.csv";
  std::vector<DistributionTaxRate> out;
  for (const auto& row : suite::shippedRows(
           csv, {"section", "from", "to", "rate_bp", "surcharge_bp", "cess_bp", "gross_up", "source"}, list)) {
    const std::string where = list + ", " + row[0] + " " + row[1] + ": ";
    DistributionTaxRate r;
    if (row[0] == "115-O") r.kind = DistributionKind::dividend;
    else if (row[0] == "115QA") r.kind = DistributionKind::buyBack;
    else throw std::runtime_error(where + "the section is 115-O or 115QA");
    r.from = dateField(row[1], where);
    r.to = dateField(row[2], where);
    if (r.to < r.from) throw std::runtime_error(where + "the last day comes before the first");
    r.rateBp = basisPoints(row[3], where);
    r.surchargeBp = basisPoints(row[4], where);
    r.cessBp = basisPoints(row[5], where);
    r.grossUp = suite::yesNoField(row[6], where);
    if (row[7].empty()) throw std::runtime_error(where + "every row names its source");
    out.push_back(r);
  }
  return out;
}

std::optional<Money> distributionTaxDue(DistributionKind kind, CivilDate on, Money amount) {
  static const auto rates = parseDistributionTaxRates(suite::shippedText("data/distribution_tax.csv"));
  for (const auto& r : rates) {
    if (r.kind != kind || on < r.from || r.to < on) continue;
    // Grossed up, the tax is the rate of the dividend increased by the tax
    // itself: 15 % of D / 0.85.
    const Money base = r.grossUp ? Money::paise(amount.inPaise() * 10000 / (10000 - r.rateBp)) : amount;
    const Money tax = base.atRate(r.rateBp);
    const Money surcharge = tax.atRate(r.surchargeBp);
    return (tax + surcharge + (tax + surcharge).atRate(r.cessBp)).roundedOffToTens();
  }
  return std::nullopt;
}

const char* distributionWords(DistributionKind kind) {
  return kind == DistributionKind::dividend
             ? "Distributed profits of domestic companies"
             : "Distributed income of a domestic company on buy back of shares, not listed on stock exchange";
}

}  // namespace meridian::itr

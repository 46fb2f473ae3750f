#include "suite/computation/gross_total_layout.h"

#include <algorithm>

namespace meridian::suite::computation {
namespace {

constexpr const char* kHeads = "Total of Heads of Income";
constexpr const char* kCurrentYear = "Less: Losses of Current Year Set Off";
constexpr const char* kBroughtForward = "Less: Brought Forward Losses Set Off";
constexpr const char* kGross = "GROSS TOTAL INCOME";
constexpr const char* kAfterSetOff = "Income after Set Off of Losses";

SheetRow totalRow(const std::string& caption, Money amount) {
  return {SheetRow::Kind::total, caption, "", std::nullopt, amount};
}

}  // namespace

std::vector<SheetRow> arrangedGrossTotal(const std::vector<SheetRow>& rows, GrossTotalLayout layout) {
  if (layout == GrossTotalLayout::asComputed || layout == GrossTotalLayout::afterSetOff) return rows;
  const auto at = [&](const char* caption) {
    return std::find_if(rows.begin(), rows.end(),
                        [&](const SheetRow& r) { return r.kind == SheetRow::Kind::total && r.caption == caption; });
  };
  const auto heads = at(kHeads), gross = at(kGross);
  if (heads == rows.end() || gross == rows.end() || gross < heads) return rows;
  const auto amountOf = [&](const char* caption) {
    const auto r = at(caption);
    return r == rows.end() || r > gross ? Money() : r->outer.value_or(Money());
  };
  const Money total = heads->outer.value_or(Money()), currentYear = amountOf(kCurrentYear),
              broughtForward = amountOf(kBroughtForward), law = gross->outer.value_or(Money());

  std::vector<SheetRow> steps;
  const auto step = [&](const char* caption, Money m) {
    if (!m.isZero()) steps.push_back(totalRow(caption, m));
  };
  if (layout == GrossTotalLayout::beforeSetOff) {
    steps.push_back(totalRow(kGross, total));
    step(kCurrentYear, currentYear);
    step(kBroughtForward, broughtForward);
  } else {
    steps.push_back(totalRow(kHeads, total));
    step(kBroughtForward, broughtForward);
    steps.push_back(totalRow(kGross, total + broughtForward));
    step(kCurrentYear, currentYear);
  }
  // The law's figure closes the steps whenever a set-off came after the
  // gross total shown.
  if (steps.back().caption != kGross) steps.push_back(totalRow(kAfterSetOff, law));

  std::vector<SheetRow> out(rows.begin(), heads);
  out.insert(out.end(), steps.begin(), steps.end());
  out.insert(out.end(), gross + 1, rows.end());
  return out;
}

}  // namespace meridian::suite::computation

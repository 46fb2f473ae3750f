// The fixed-asset chart before a business return: an item in a block or at a
// rate the Income-tax Rules do not give for the year goes into no schedule,
// so the practitioner is asked before the return leaves it out.
#include "itr/check_list.h"
#include "suite/assets/depreciation_blocks.h"

namespace meridian::itr {
namespace {

// " 1) Buildings : 5%, 10%, 100%" and the rest, from the year's rates.
std::string allowedBlocks(int year) {
  std::string list = "Income Tax Block with Rates allowed :";
  int n = 0;
  for (const auto& b : suite::assets::DepreciationBlocks::shipped().of(year)) {
    std::string rates;
    for (int r : b.rates) rates += (rates.empty() ? "" : ", ") + std::to_string(r) + "%";
    list += kCrLf + std::string(" ") + std::to_string(++n) + ") " + b.block + " : " + rates;
  }
  return list;
}

}  // namespace

void depreciationChartCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (!isOneOf(r.form, {"ITR-4", "ITR-5", "ITR-6"})) return;
  const std::string what = "Depreciation chart";
  if (y.missingTables.count("dep_itr_it"))
    return c.notExamined(what, "The depreciation chart of the fixed assets (table dep_itr_it) is not kept here.");
  const auto& rules = suite::assets::DepreciationBlocks::shipped();
  if (rules.of(y.year).empty())
    return c.notExamined(what, "The blocks and rates of depreciation for A.Y. " + std::to_string(y.year) +
                                   " are not in the program's list (data/depreciation_blocks.csv).");
  for (const auto& item : y.depreciationChart) {
    if (rules.allowed(item.block, item.ratePercent, y.year)) continue;
    return c.ask(what,
                 allowedBlocks(y.year) + kTwoLines + "Some items found with Other Block or Rate." + kTwoLines +
                     "Figures of such assets does not effect in any Schedule. You are advised to correct the "
                     "Depreciation Chart Details before Proceeding further." +
                     kTwoLines + "To Continue anyway, Click 'Yes'",
                 "cmdproceed");
  }
  c.pass(what);
}

}  // namespace meridian::itr

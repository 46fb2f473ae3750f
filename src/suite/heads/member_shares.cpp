#include "suite/heads/member_shares.h"

namespace meridian::suite::heads::member_shares {

const std::vector<Choice>& taxBasisChoices() {
  static const std::vector<Choice> kChoices{{"M", "Maximum Marginal Rate (s.167B)"},
                                            {"N", "Normal Rates"},
                                            {"X", "Not Chargeable to Tax"}};
  return kChoices;
}

std::optional<engine::AopTaxed> taxedOf(const std::string& code) {
  if (code == "M") return engine::AopTaxed::maximumMarginalRate;
  if (code == "N") return engine::AopTaxed::normalRates;
  if (code == "X") return engine::AopTaxed::notChargeable;
  return std::nullopt;
}

std::string basisCaption(const std::string& code) {
  if (code == "M") return "Max. Marginal Rate";
  if (code == "N") return "Normal Rates";
  if (code == "X") return "Not Chargeable";
  return "";
}

std::vector<Row> read(db::Connection& conn, const std::string& dataSet, int year) {
  std::vector<Row> out;
  if (!conn.hasTable(kTable.table)) return out;
  for (const auto& r : readRows(conn, kTable, dataSet, year))
    out.push_back({r.text("aop_name"), r.text("aop_pan"), r.text("share_pct"), r.text("tax_basis"),
                   r.money("share_inc").value_or(Money())});
  return out;
}

}  // namespace meridian::suite::heads::member_shares

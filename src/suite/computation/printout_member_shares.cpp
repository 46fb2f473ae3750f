#include "suite/computation/printout_member_shares.h"

#include <algorithm>

#include "suite/computation/printout_table.h"
#include "suite/report/utf8_text.h"

namespace meridian::suite::computation {
namespace {

namespace esc = host::esc;
namespace ms = heads::member_shares;

const std::vector<int16_t> kWidths{20, 11, 6, 11, 10, 10, 10};  // 78 columns
const std::string kRight = "0000111";  // the share per cent left, so that it never meets the next column

// A share whose AOP is charged at the maximum marginal rate stays out of
// total income; any other is included (its tax rebated where the AOP paid at
// normal rates). A share whose charge is not stated is shown in neither.
bool exempt(const ms::Row& r) { return r.basis == "M"; }
bool included(const ms::Row& r) { return r.basis == "N" || r.basis == "X"; }

// One AOP: its name and basis broken over as many lines as they need, the
// amounts on the first.
void shareRow(TableOut& t, const ms::Row& r) {
  const auto name = report::wrapToWidth(r.name, kWidths[0] - 1);
  const auto basis = report::wrapToWidth(ms::basisCaption(r.basis), kWidths[3] - 1);
  const std::size_t lines = std::max({name.size(), basis.size(), std::size_t{1}});
  const auto piece = [](const std::vector<std::string>& p, std::size_t k) { return k < p.size() ? p[k] : ""; };
  for (std::size_t k = 0; k < lines; ++k) {
    if (k == 0)
      t.row({piece(name, 0), r.pan, r.sharePercent, piece(basis, 0), r.share, exempt(r) ? r.share : Money(),
             included(r) ? r.share : Money()},
            false, "", kRight);
    else
      t.row({piece(name, k), std::string(), std::string(), piece(basis, k)}, false, "", kRight);
  }
}

}  // namespace

void printMemberShareStatement(host::ReportWriter& rep, const std::vector<ms::Row>& shares, bool borders) {
  if (shares.empty()) return;
  rep.printtext();
  rep.printtext(esc::boldOn + std::string("STATEMENT OF SHARE OF INCOME AS MEMBER OF AOP/BOI") + esc::boldOff);
  TableOut t(rep, kWidths, {"T", "T", "T", "T", "A", "A", "A"}, borders);
  t.heading({"Name of the AOP/BOI", "PAN", "Share (%)", "AOP/BOI Taxed at", "Share of Income",
             "Exempt u/s 86", "Included in Total Income"},
            "1111111", kRight);
  Money share, exemptTotal, includedTotal;
  for (const auto& r : shares) {
    shareRow(t, r);
    share += r.share;
    if (exempt(r)) exemptTotal += r.share;
    if (included(r)) includedTotal += r.share;
  }
  t.row({"Total", "", "", "", share, exemptTotal, includedTotal}, false, "1000111", kRight);
}

}  // namespace meridian::suite::computation

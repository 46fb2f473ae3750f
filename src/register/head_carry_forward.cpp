#include "register/head_carry_forward.h"

#include "suite/dataset/head_copy.h"
#include "suite/returns/register_entry.h"

namespace meridian::reg {

std::string settledDataSet(db::Connection& conn, const std::string& client, int year) {
  const auto entries = returns::readRegister(conn, client, year);
  return entries.empty() ? client : returns::dataSetInUse(entries, entries.size() - 1, client);
}

void offerHeadCarryForward(host::Component& host, ui::Dialogs& dialogs, const std::string& headKey) {
  const suite::dataset::CarriedHead* head = suite::dataset::carriedHead(headKey);
  if (!head) return;
  offerHeadCarryForward(host, dialogs, *head, suite::dataset::headCaption(headKey, host.clientCtx().vT_Year.get()));
}

void offerHeadCarryForward(host::Component& host, ui::Dialogs& dialogs, const suite::dataset::CarriedHead& head,
                           const std::string& caption) {
  host::ClientContext& ctx = host.clientCtx();
  // A rectification corrects the figures of the return it rectifies; it
  // starts from that return's rows, never from last year's.
  if (ctx.vt_RTFlag.get() == "RECTIFICATION") return;
  db::Connection& conn = host.base().DbObj();
  suite::dataset::HeadCopy copy(conn, head);
  if (!copy.installed()) return;
  const std::string client = ctx.vT_Code_No.get();
  const std::string code = ctx.vt_RTCode_No.get().empty() ? client : ctx.vt_RTCode_No.get();
  const int year = ctx.vT_Year.get();
  if (copy.entries(code, year) > 0) return;
  const std::string previous = settledDataSet(conn, client, year - 1);
  if (copy.entries(previous, year - 1) == 0) return;

  if (!dialogs.yesNo("Do you want to Carry Forward Previous Year Particulars of " + caption + "?")) return;
  const ui::Answer figures = dialogs.yesNoCancel("Do you want to Carry Forward Figures Also?");
  if (figures == ui::Answer::cancel) return;
  try {
    copy.carry(previous, code, year, figures == ui::Answer::yes);
  } catch (const std::exception& e) {
    dialogs.exclamation("The previous year's particulars of " + caption + " could not be carried forward; nothing was copied.\n\n" +
                        e.what());
  }
}

}  // namespace meridian::reg

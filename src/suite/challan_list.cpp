#include "suite/challan_list.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/dates.h"
#include "common/years.h"
#include "db/connection.h"

namespace meridian::suite {

ChallanListForm::ChallanListForm(host::Base& base, host::ClientContext& client)
    : host::Screen(base, "ObjChallan", "Challans"), client_(client) {
  add(ui::ControlKind::label, "lblClient");
  addGrid("vsfChallans");
  add(ui::ControlKind::label, "lblTotal");
  add(ui::ControlKind::button, "cmdBack", "&Back");
  on("cmdBack", ui::EventType::click, [this](ui::Event&) { close(); });
}

void ChallanListForm::load() {
  const std::string code = base_.Temp_Code.get();
  const int year = client_.vT_Year.get();
  caption = "Challans of " + code + " for A.Y. " + assessmentYearText(year);
  (*this)["lblClient"].caption = caption;
  ui::Grid& g = grid("vsfChallans");
  g.setColumns({"Date", "BSR Code", "Challan No.", "Type", "Amount"});
  g.rightAligned[4] = true;
  g.clearRows();
  // The challans are the year's advance tax and self-assessment tax as the
  // taxes-paid screen keeps them, in the order they were paid.
  struct Paid {
    std::string iso, bsr, serial, type;
    Money amount;
  };
  std::vector<Paid> paid;
  for (const auto& [table, type] : {std::pair{"adv_tax", "Advance Tax (100)"}, {"self_tax", "Self Assessment Tax (300)"}})
    for (const auto& r : base_.DbObj().query(std::string("SELECT `date`, bsr_code, chsrno, amt FROM ") + table +
                                                 " WHERE code_no = ? AND ass_year = ? ORDER BY srno",
                                             {code, year}))
      paid.push_back({r.text("date"), r.text("bsr_code"), r.text("chsrno"), type, r.money("amt").value_or(Money())});
  std::stable_sort(paid.begin(), paid.end(), [](const Paid& a, const Paid& b) { return a.iso < b.iso; });
  Money total;
  for (const auto& p : paid) {
    const auto d = parseIso(p.iso);
    g.rows.push_back({d ? formatDmy(*d) : "", p.bsr, p.serial, p.type, p.amount.text()});
    total += p.amount;
  }
  (*this)["lblTotal"].caption = "Total : " + total.rupeesText();
}

}  // namespace meridian::suite

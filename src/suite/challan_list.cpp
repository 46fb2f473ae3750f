#include "suite/challan_list.h"

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
  Money total;
  for (const auto& r : base_.DbObj().query(
           "SELECT chl_date, bsr_code, serial_no, tax_type, amount FROM challans WHERE code_no = ? AND ass_year = ? "
           "ORDER BY chl_date, serial_no",
           {code, year})) {
    g.rows.push_back({r.text("chl_date"), r.text("bsr_code"), r.text("serial_no"), r.text("tax_type"), r.text("amount")});
    total += r.money("amount").value_or(Money());
  }
  (*this)["lblTotal"].caption = "Total : " + total.rupeesText();
}

}  // namespace meridian::suite

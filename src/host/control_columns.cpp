#include "host/control_columns.h"

#include "common/dates.h"
#include "host/list_choice.h"

namespace meridian::host {

void showRow(ui::Form& form, const db::Row& row, const ColumnMap& map) {
  for (const ControlColumn& c : map) {
    if (!row.has(c.column)) continue;
    const std::string& value = row.text(c.column);
    if (c.keepWhenBlank && value.empty()) continue;
    ui::Control& control = form[c.control];
    switch (c.shown) {
      case Shown::text: control.text = value; break;
      case Shown::choice: chooseStored(control, value); break;
      case Shown::pin: control.text = value == "0" ? "" : value; break;
      case Shown::tick: control.value = value == "1" ? 1 : 0; break;
      case Shown::date: control.text = value.empty() ? std::string(kEmptyDateMask) : value; break;
    }
  }
}

db::Pairs columnValues(const ColumnMap& map, const std::function<std::string(const std::string& control)>& valueOf,
                       const std::function<bool(const std::string& control)>& only) {
  db::Pairs out;
  for (const ControlColumn& c : map) {
    if (only && !only(c.control)) continue;
    const std::string value = valueOf(c.control);
    if (c.shown == Shown::pin) out.emplace_back(c.column, value.empty() ? 0LL : std::stoll(value));
    else if (c.shown == Shown::tick) out.emplace_back(c.column, value == "1" ? "1" : "0");
    else out.emplace_back(c.column, value);
  }
  return out;
}

}  // namespace meridian::host

#pragma once
// Which control of a screen shows which column of a table, as one table per
// screen that its load, its save and its "last year's particulars" all read,
// so that a column is never written under one name and read under another.
#include <functional>
#include <string>
#include <vector>

#include "db/record_set.h"
#include "db/rows.h"
#include "ui/form.h"

namespace meridian::host {

// How a control holds a column's value.
enum class Shown {
  text,    // the text as stored
  choice,  // a combo box: the entry equal to the value is chosen
  pin,     // a number kept as an integer column: 0 shows as blank, blank is stored as 0
  tick,    // a check box: "1" ticked, anything else not
  date,    // a masked date box: blank shows the mask
};

struct ControlColumn {
  std::string control;
  std::string column;
  Shown shown = Shown::text;
  // A blank stored value leaves the control as it was (a year row that does
  // not say overrides nothing the master said).
  bool keepWhenBlank = false;
};
using ColumnMap = std::vector<ControlColumn>;

// The map of one table out of a screen's table of controls, which names for
// each control the column of each table that keeps it (or none), optionally
// only the controls a flag marks:
//   columnsOf(fields, &Field::yearColumn)
//   columnsOf(fields, &Field::yearColumn, &Field::carried)
template <class Entry>
ColumnMap columnsOf(const std::vector<Entry>& entries, const char* Entry::*column, bool Entry::*only = nullptr) {
  ColumnMap out;
  for (const Entry& e : entries)
    if (e.*column && (!only || e.*only)) out.push_back({e.control, e.*column, e.shown, e.keepWhenBlank});
  return out;
}

// Shows a row in the controls; columns the row does not have are passed over.
// A combo box shows the list entry a stored value stands for, or the value
// itself when it stands for none (host/list_choice.h).
void showRow(ui::Form& form, const db::Row& row, const ColumnMap& map);

// The (column, value) pairs to write, from the values of the controls as the
// screen has checked them: texts as they are, pins as integers, ticks as "1"/"0";
// with `only`, just the controls it accepts (those the user changed, say).
db::Pairs columnValues(const ColumnMap& map, const std::function<std::string(const std::string& control)>& valueOf,
                       const std::function<bool(const std::string& control)>& only = nullptr);

}  // namespace meridian::host

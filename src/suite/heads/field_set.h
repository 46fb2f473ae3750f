#pragma once
// Boxes of a head screen that show one row of a year table (the head's
// figures that are not rows of a list: expenses claimed against other
// income, the reliefs of the year). Amount boxes are the module's amount
// boxes (the page filters their keys); every box is checked again when the
// user leaves it and before a save.
#include <optional>
#include <string>
#include <vector>

#include "common/money.h"
#include "db/record_set.h"
#include "db/rows.h"
#include "suite/heads/cell_type.h"
#include "suite/heads/row_grid.h"
#include "ui/form.h"

namespace meridian::suite::heads {

struct BoxField {
  std::string control;
  std::string caption;
  std::string column;
  CellType type;
};

class FieldSet {
 public:
  FieldSet(ui::Form& form, std::vector<BoxField> fields, const std::string& parent);

  const std::vector<BoxField>& fields() const { return fields_; }
  bool has(const std::string& control) const;

  // Shows the row's values; blanks without a row. Unchanged afterwards.
  void show(const db::Row* row);
  // The box was left with its text: the text it shows now; the refusal, if any.
  std::optional<CellFault> edit(const std::string& control);
  // Every box checked again; the first fault (its row is -1, its col the box's place).
  std::optional<CellFault> firstFault() const;
  bool blank() const;
  db::Pairs pairs() const;
  Money amount(const std::string& control) const;
  // Whether a box differs from what was last shown or saved.
  bool changed() const;
  void markSaved();
  // Puts back what was last shown or saved.
  void revert();

 private:
  const BoxField& field(const std::string& control) const;
  std::string typed(const BoxField& f) const;

  ui::Form* form_;
  std::vector<BoxField> fields_;
  std::vector<std::string> shown_;  // as last shown or saved
};

}  // namespace meridian::suite::heads

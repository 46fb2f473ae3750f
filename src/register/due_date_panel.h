#pragma once
// The due-date masters as the dashboard shows them in due-date mode: the A.Y.
// list, the filing due dates by category and the advance-tax instalment dates
// of the chosen year, both editable, saved on request or when the user leaves
// a changed year.
//
// The panel adds its controls to the form it is given (all inside the frame
// `famduedate`) and registers its own event handlers there, so the host form
// forwards nothing: it calls enter() when it switches to due-date mode and
// leave() before it switches away or closes.
#include <string>
#include <vector>

#include "host/base.h"
#include "host/due_date_store.h"
#include "ui/form.h"

namespace meridian::reg {

class DueDatePanel {
 public:
  // Control names.
  static constexpr const char* frame = "famduedate";
  static constexpr const char* yearList = "cboduedateAY";
  static constexpr const char* filingFrame = "famretduedt";
  static constexpr const char* filingGrid = "vsfDueDt";
  static constexpr const char* instalmentFrame = "famadvtaxduedt";
  static constexpr const char* instalmentGrid = "vsfAdvTaxDueDt";
  static constexpr const char* extensionLabel = "lblAdvTaxDueDtExtn";
  static constexpr const char* sourceLabel = "lblDueDtSource";
  static constexpr const char* saveButton = "cmdSaveDueDt";

  // Filing grid columns.
  enum FilingCol { colPerson = 0, colDueDt = 1, colRevDueDt = 2, colNotification = 3 };
  enum InstalmentCol { colInstalment = 0, colDate = 1 };

  DueDatePanel(ui::Form& form, host::Base& base, const std::string& parent = "");

  // Shows the frame and loads the year (0: the year chosen in the list, else
  // the latest); unsaved changes of the year shown are asked about first.
  void enter(int year = 0);
  // Asks about unsaved changes; false when the user must stay (a refused save).
  // The frame is hidden when the user may go.
  bool leave();

  void load(int year);
  // Checks and writes the year; false (nothing written) when a check refuses.
  bool save();
  // Asks "Do you want to Save Changes Made in A.Y. ..." when the year changed:
  // Yes saves, No discards. False when the save was refused.
  bool confirmLeavingYear();

  int year() const { return year_; }
  bool changed() const;

 private:
  void buildControls(const std::string& parent);
  void onCellEdited(ui::Event& e, bool instalments);
  void onYearChosen();
  void showSource(int row);
  bool refuse(const std::string& grid, int row, int col, const std::string& text);
  std::string rangeMessage(int firstYear) const;
  static bool inRange(const std::string& date, int firstYear);

  ui::Form& form_;
  host::Base& base_;
  ui::Grid* filing_ = nullptr;
  ui::Grid* instalments_ = nullptr;
  int year_ = 0;
  std::vector<int> statcs_;            // StatC of each filing grid row
  std::vector<host::DueDateRow> loaded_;     // as read, by grid row (sources shown to the user)
};

}  // namespace meridian::reg

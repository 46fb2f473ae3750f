#pragma once
// The base of the screens on which a practitioner enters a client's year
// under one head of income (salary, house property, other sources, losses,
// deductions, taxes paid ...). Each is a member of a sibling component
// (ObjSalary, ObjHouseProp ...), kept one instance per component and loaded
// afresh each time it is shown, for the data set (vt_RTCode_No) and year
// (vT_Year) of the working context.
//
// What every such screen does alike lives here:
// - grids of rows with Add, Insert and Delete, typed cells checked as they
//   are left, rows that belong to a row of another grid;
// - boxes for the head's single figures;
// - before the first change, the workspace's return-state guard: a refusal
//   puts the change back and leaves the screen for reading only;
// - Save: every cell checked again, the head's own rules, then one
//   transaction; a refusal or a failure writes nothing and says why;
// - Escape (and Back) ask about unsaved changes: Yes saves, No drops them,
//   Cancel stays.
//
// A screen registers under its member's name with `.kept = true`; the
// sibling component hands that screen out for the member.
#include <memory>
#include <string>
#include <vector>

#include "db/connection.h"
#include "host/component.h"
#include "host/screen.h"
#include "suite/heads/field_set.h"
#include "suite/heads/master_detail.h"
#include "suite/heads/row_grid.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {

// A grid with its frame and its row buttons: cmdAdd<key>, cmdIns<key>, cmdDel<key>.
struct GridSpec {
  std::string name;     // the grid's control name (vsf...)
  std::string key;      // names its buttons
  std::string caption;  // the frame's caption
  std::vector<GridColumn> columns;
  bool accessKeys = false;  // the screen's main grid: Alt+A, Alt+I, Alt+D
  std::string parent;       // "" = the form
};

class HeadScreen : public host::Screen {
 public:
  HeadScreen(host::Component& component, const std::string& member, const std::string& caption);

  void load() override;
  void escape() override;
  // Checks and writes the year; false (nothing written) when refused or failed.
  bool save();
  bool changed() const;
  // The data set and year shown; "" and 0 when no client year is open.
  const std::string& code() const { return code_; }
  int year() const { return year_; }
  // The guard refused a change: the screen shows the year for reading only.
  bool readOnly() const { return readOnly_; }

 protected:
  RowGrid& addRowGrid(GridSpec spec);
  // A grid whose rows belong to the selected row of `master`'s grid.
  RowGrid& addDetailGrid(GridSpec spec, MasterDetail& master, YearTable table, std::string parentColumn);
  MasterDetail& addMasterDetail(RowGrid& master, YearTable table);
  FieldSet& addFields(std::vector<BoxField> fields, const std::string& parent = "");
  // The frame of the totals, and Save and Back: called last by each screen.
  void addCommands();

  // The rows of the year into the grids and boxes.
  virtual void readYear(db::Connection& conn) = 0;
  // The head's own rules across cells and rows: refuse(...) and false to stop.
  virtual bool checkYear() { return true; }
  // Writes the year, inside the save's transaction.
  virtual void writeYear(db::Connection& conn) = 0;
  // After a load, an accepted edit, a row added or deleted: totals and the like.
  virtual void refresh() {}
  // After a save was committed.
  virtual void saved() {}

  // A date that can not fall after the previous year of the year shown: the
  // refusal is `what` followed by that year's last day ("The loan can not
  // have been taken after " -> "... after 31/03/2016.").
  DateRule notAfterPreviousYear(std::string what);
  // The first and last days of the previous year of the year shown.
  CivilDate previousYearStart() const;
  CivilDate previousYearEnd() const;

  // A grid's rows, or a set of boxes (one row), read from and written to its
  // table for the data set and year shown; a set of boxes left blank writes no row.
  void readGrid(db::Connection& conn, const YearTable& table, RowGrid& grid);
  void writeGrid(db::Connection& conn, const YearTable& table, const RowGrid& grid);
  void readFields(db::Connection& conn, const YearTable& table, FieldSet& fields);
  void writeFields(db::Connection& conn, const YearTable& table, const FieldSet& fields);

  // Sets a count of the year's row in `income` (no_of_empr ...), making the
  // row when the year has none yet.
  void setIncomeCount(db::Connection& conn, const std::string& column, int count);
  // Refuses with the words of a fault, the cell or box selected.
  bool refuseAt(RowGrid& grid, const CellFault& fault);
  // Refuses with a cell of a detail row selected, the master row it belongs
  // to selected and its rows shown; false.
  bool refuseAtDetail(MasterDetail& md, RowGrid& detail, int masterRow, int row, std::string_view column,
                      const std::string& message);

  host::Component& component_;

 private:
  bool mayChange();
  void makeReadOnly();
  void onCellEdited(RowGrid& g, ui::Event& e);
  void onSelected(RowGrid& g, ui::Event& e);
  void onRowButton(RowGrid& g, char what);
  void onBoxChanged(FieldSet& f, const std::string& control);
  MasterDetail* masterOf(const RowGrid& g);
  MasterDetail* detailOf(const RowGrid& g);
  void clearChanged();

  std::string member_, title_;
  std::string code_;
  int year_ = 0;
  int statusCode_ = 0;  // of the client, for a year row this screen has to make
  bool asked_ = false, allowed_ = false, readOnly_ = false;
  std::vector<std::unique_ptr<RowGrid>> grids_;
  std::vector<std::unique_ptr<MasterDetail>> masters_;
  std::vector<std::unique_ptr<FieldSet>> fieldSets_;
  std::vector<std::string> rowButtons_;
};

}  // namespace meridian::suite::heads

#pragma once
// Rows that belong to a row of another grid: the allowances of an employer,
// the co-owners and tenants of a house. The detail grid shows the rows of the
// master row selected; the rows of every master row are kept here while the
// user moves between them, follow their master row when rows are added,
// inserted or deleted above it, and are written under the number their
// master row is saved with.
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/heads/row_grid.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {

class MasterDetail {
 public:
  using Rows = std::vector<std::vector<std::string>>;
  struct Detail {
    RowGrid* grid;
    YearTable table;
    std::string parentColumn;  // holds the master row's serial number
    std::vector<Rows> sets;    // by master row
  };

  MasterDetail(RowGrid& master, YearTable masterTable) : master_(master), masterTable_(std::move(masterTable)) {}
  void addDetail(RowGrid& grid, YearTable table, std::string parentColumn);

  RowGrid& master() { return master_; }
  const YearTable& masterTable() const { return masterTable_; }
  bool isDetail(const RowGrid& g) const;

  // Reads the master rows and the rows of each; shows the first master row's.
  void read(db::Connection& conn, const std::string& code, int year);
  // Writes the master rows that hold anything (or have rows of their own),
  // numbered 1, 2 ..., and the rows of each under that number.
  void write(db::Connection& conn, const std::string& code, int year);

  // The master grid's selection moved, or rows came or went there.
  void masterSelected(int row);
  void masterInserted(int at);
  void masterDeleted(int at);

  // The rows of a master row as they stand (the ones shown included).
  const Rows& detailRows(const Detail& d, int masterRow);
  std::vector<Detail>& details() { return details_; }
  int shownFor() const { return shownFor_; }
  // Whether the master row counts as filled: it holds anything or has rows.
  bool filled(int masterRow);
  // The first fault of the detail rows, with the master row it is under.
  struct Fault {
    int masterRow;
    RowGrid* grid;
    CellFault cell;
  };
  std::optional<Fault> firstFault();

 private:
  void stash();
  void showFor(int row);

  RowGrid& master_;
  YearTable masterTable_;
  std::vector<Detail> details_;
  int shownFor_ = -1;
};

}  // namespace meridian::suite::heads

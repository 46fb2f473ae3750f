#pragma once
// Where the rows of a grid live in a year table: the rows of one data set
// (code_no) and year, perhaps narrowed by columns every row of the grid holds
// (a kind of entry, the number of the employer they belong to), numbered in
// the grid's order by a serial column. A save replaces them all: the old rows
// go and the grid's rows are written numbered 1, 2, 3 ... (the caller holds
// the transaction).
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/rows.h"

namespace meridian::suite::heads {

struct YearTable {
  std::string table;
  std::string yearColumn = "ass_year";
  bool yearAsText = false;   // the column holds "2016"
  std::string serialColumn;  // numbers the rows; "" for a table of one row per year
  db::Pairs fixed;           // columns every row of the grid holds
};

// The condition that picks the rows: code, year, the fixed columns, then `also`.
db::Pairs rowsOf(const YearTable& t, const std::string& code, int year, const db::Pairs& also = {});

db::RecordSet readRows(db::Connection& conn, const YearTable& t, const std::string& code, int year,
                       const db::Pairs& also = {});

// Writes the rows, each with the picking columns and the serial number of
// its place.
void insertRows(db::Connection& conn, const YearTable& t, const std::string& code, int year,
                const std::vector<db::Pairs>& rows, const db::Pairs& also = {});
// Deletes the rows picked and writes these.
void replaceRows(db::Connection& conn, const YearTable& t, const std::string& code, int year,
                 const std::vector<db::Pairs>& rows, const db::Pairs& also = {});

}  // namespace meridian::suite::heads

#pragma once
// Copies one head's rows from the year before into a year, as the head's
// carry-forward does: the head's own table and its detail tables, with their
// figures or with every figure 0, in one transaction, by the database
// (INSERT ... SELECT per table). Tables no module has created yet are skipped.
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/dataset/carry_forward_list.h"
#include "suite/dataset/data_set_engine.h"

namespace meridian::suite::dataset {

class HeadCopy {
 public:
  HeadCopy(db::Connection& conn, CarriedHead head);
  // One table copied whole (no figures to clear), as the year-opening steps copy theirs;
  // its year column is the one the year table list gives.
  static CarriedHead wholeTable(const std::string& table);

  // False while no module has created the head's own table.
  bool installed();
  // Rows of the head's own table in the data set's year.
  long long entries(const std::string& code, int year);

  // Copies the rows `from` holds in year - 1 under `to` in `year`. With
  // `withFigures` false every figure column is written as 0. The year's
  // income row of `to` then counts the entries copied (the head's count
  // column). Throws, having written nothing, when a table of the list lacks a
  // column the list names.
  std::vector<TableOutcome> carry(const std::string& from, const std::string& to, int year, bool withFigures);

 private:
  long long copyTable(const CarriedTable& t, const std::string& from, const std::string& to, int year,
                      bool withFigures);
  db::Value yearValue(const CarriedTable& t, int year) const;

  db::Connection& conn_;
  CarriedHead head_;
};

}  // namespace meridian::suite::dataset

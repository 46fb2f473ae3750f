#pragma once
// The remuneration and interest of a firm's partners (part_remu) is kept by
// partner, not by data set, so it cannot be copied like the year tables.
// Each data set keeps its own snapshot in nremutbl (a year table of the list,
// so it travels with the data set); part_remu holds the rows of one data set
// at a time, and the firm's "PARTREMUDS" entry in misc_oth_inf names it.
#include <optional>
#include <string>

#include "db/connection.h"

namespace meridian::suite::dataset {

class PartnerRemuneration {
 public:
  PartnerRemuneration(db::Connection& conn, std::string firm, int year);

  // False when the client has no linked persons, or the installation lacks the tables.
  bool available();

  // Which data set's rows part_remu holds now; "" when none (it was deleted).
  std::string holder();

  // Keeps part_remu's rows as the data set's snapshot.
  void snapshot(const std::string& code);
  // Makes the data set's snapshot the rows of part_remu, saving the rows of the
  // data set that held them first.
  void makeCurrent(const std::string& code);

  // The engine's operations keep the holder right.
  void beforeCopyFrom(const std::string& from);
  void afterDelete(const std::string& code);
  void beforeRelabel(const std::string& from, const std::string& to);

 private:
  void setHolder(const std::string& code);

  db::Connection& conn_;
  std::string firm_;
  int year_;
  std::optional<bool> available_;
};

}  // namespace meridian::suite::dataset

#pragma once
// Copies, deletes and re-labels one data set of a client's year: the rows of
// every year table of the list stored under one data-set code, the partners'
// remuneration snapshot and the head notes files. Each operation is one
// transaction: it happens whole or not at all. Rows are copied by the database
// (INSERT ... SELECT per table), never through the program.
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/dataset/data_set_layout.h"

namespace meridian::suite::dataset {

// A refused operation: the message says why in plain words; nothing was written.
class DataSetRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TableOutcome {
  std::string table;
  long long rows = 0;  // rows copied, deleted or re-labelled (for "replace": re-labelled)
  long long replaced = 0;  // rows of the target removed first
};

struct DataSetReport {
  std::string operation;  // "copy", "delete", "relabel", "replace"
  std::string client;
  int year = 0;
  std::string from, to;  // "delete" names its data set in `from`
  std::vector<TableOutcome> tables;  // every listed table present in the database
  std::vector<std::string> skipped;  // listed tables no module has created yet
  std::vector<std::string> files;    // notes files copied, moved or deleted
  std::vector<std::string> warnings; // file steps that failed after the rows were committed
  long long totalRows() const;
};

class DataSetEngine {
 public:
  // The layout defaults to the one read at start-up for this database.
  DataSetEngine(db::Connection& conn, std::filesystem::path documents,
                std::shared_ptr<const DataSetLayout> layout = nullptr);

  // Copies `from` under `to`. The target must hold nothing unless `replace`
  // is true, in which case its rows and notes are removed first.
  DataSetReport copy(const std::string& client, int year, const std::string& from, const std::string& to,
                     bool replace = false);
  // Removes the data set.
  DataSetReport remove(const std::string& client, int year, const std::string& code);
  // Stores `from` under `to`; the target must hold nothing.
  DataSetReport relabel(const std::string& client, int year, const std::string& from, const std::string& to);
  // Removes `to`, then stores `from` under `to`: the last entry's figures become
  // the previous entry's.
  DataSetReport replace(const std::string& client, int year, const std::string& from, const std::string& to);

  // Tables (and "notes") in which the data set holds something for the year.
  std::vector<std::string> occupiedBy(const std::string& client, int year, const std::string& code);

 private:
  enum class Op { copy, remove, relabel, replace };
  DataSetReport run(Op op, const std::string& client, int year, const std::string& from, const std::string& to,
                    bool replace);

  db::Connection& conn_;
  std::filesystem::path documents_;
  std::shared_ptr<const DataSetLayout> layout_;
};

}  // namespace meridian::suite::dataset

#pragma once
// A database as one compressed file of lines, readable by any engine: a head
// naming the schema's migrations, then per table its columns and its rows
// (every value as text, NULL kept), then an end line with the counts, so
// that a file cut short is recognised. Taken inside one transaction, it is
// the database as of one moment.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"

namespace meridian::suite {

struct DumpCounts {
  size_t tables = 0;
  size_t rows = 0;
};

// Writes the whole database to `file`.
DumpCounts writeDump(db::Connection& conn, const std::filesystem::path& file);

struct DumpReader {
  // The migrations the dump's schema was built by.
  std::function<void(const std::vector<int>& migrations)> onHead;
  std::function<void(const std::string& table, const std::vector<std::string>& columns)> onTable;
  std::function<void(const std::vector<std::optional<std::string>>& row)> onRow;
};

// Reads `file` line by line into the reader; throws when the file is not a
// dump or was cut short. Returns the counts its end line gives.
DumpCounts readDump(const std::filesystem::path& file, const DumpReader& reader);

}  // namespace meridian::suite

#pragma once
// The list of tables that make up a client's data set for a year, read from
// the shipped data/year_tables.csv (see its README for the columns).
#include <string>
#include <string_view>
#include <vector>

namespace meridian::suite::dataset {

enum class YearType { number, text };
enum class TableRole { dataSet, client };

struct YearTable {
  std::string name;        // lower-case
  std::string yearColumn;  // lower-case
  YearType yearType = YearType::number;
  std::string filterColumn;               // empty: every row of the year
  std::vector<std::string> filterValues;  // rows whose filter column holds one of these
  TableRole role = TableRole::dataSet;
};

// Parses the list; throws std::runtime_error naming the line of a bad entry.
std::vector<YearTable> parseYearTables(std::string_view csv);

// The list the program carries, parsed once.
const std::vector<YearTable>& yearTableInventory();

// Column names that hold an assessment year in the year-bound tables.
const std::vector<std::string>& yearColumnNames();

}  // namespace meridian::suite::dataset

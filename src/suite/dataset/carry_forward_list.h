#pragma once
// What a head's carry-forward copies into a year: the head's own table and
// the detail tables that follow it, each with its order, year and figure
// columns, read from the shipped data/carry_forward.csv; and the caption the
// question names the head by, by year (data/carry_forward_captions.csv). See
// data/carry_forward.README.md.
#include <string>
#include <string_view>
#include <vector>

#include "suite/dataset/year_table_inventory.h"

namespace meridian::suite::dataset {

struct CarriedTable {
  std::string table;
  std::string orderColumn;              // the entry's number in the year; "" for none
  std::string yearColumn;
  std::vector<std::string> figures;     // written as 0 when the figures are not carried
  std::string countColumn;              // the head's column of the year's income row; "" for none
};

struct CarriedHead {
  std::string key;                      // "salary", "house", "presumptive" ...
  CarriedTable own;                     // whether the year has entries is asked of this table
  std::vector<CarriedTable> details;    // copied after it, in the order listed
};

struct HeadCaption {
  std::string key;
  int fromYear = 0;
  std::string caption;
};

// Parse the two lists; a bad line throws std::runtime_error naming it.
std::vector<CarriedHead> parseCarryForward(std::string_view csv);
std::vector<HeadCaption> parseHeadCaptions(std::string_view csv);

// One plain sentence per table the list names that disagrees with the year
// table list (not listed there as a data-set table, another year column).
std::vector<std::string> carryForwardProblems(const std::vector<CarriedHead>& heads,
                                              const std::vector<YearTable>& inventory);

// The shipped lists, read once; the list is held against the year table list
// and a disagreement throws, so the program does not start on it.
const std::vector<CarriedHead>& carryForwardList();
// The head of that key, or nullptr when no line names it yet.
const CarriedHead* carriedHead(const std::string& key);
// The caption of the head for the A.Y. (first year); "" for an unknown head.
std::string headCaption(const std::string& key, int year);
std::string headCaption(const std::vector<HeadCaption>& captions, const std::string& key, int year);

}  // namespace meridian::suite::dataset

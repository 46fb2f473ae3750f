#pragma once
// The rules of the client list: which codes a module leaves out (its
// exclusion file), the condition that reads TempClTbl, the column layout kept
// in the settings, and the search rules of the boxes above the columns.
#include <string>
#include <vector>

#include "db/value.h"

namespace meridian::host {

// The exclusion file of a module code under the document folder ("" when the
// module has none).
std::string exclusionFileOf(const std::string& moduleCode);
// The module codes that keep an exclusion file, in the order a list shows them.
const std::vector<std::string>& exclusionModules();

// Codes listed in the module's exclusion file: one per line, trimmed, blank
// lines skipped. A missing file excludes nothing; a line that cannot be a
// client code is skipped and logged. "?" and "" read no file at all.
std::vector<std::string> readExclusions(const std::string& docPath, const std::string& moduleCode);

struct ListQuery {
  std::string sql;  // "Select * From TempClTbl" + condition
  db::Params params;
};

// The read of the list: excluded codes travel as bound values; the filter is
// SQL text written by the program (never typed by a user), with its own values.
ListQuery listQuery(const std::vector<std::string>& excluded, const std::string& filter = "",
                    const db::Params& filterParams = {});

// The default column titles, by column of TempClTbl.
const std::vector<std::string>& defaultColumnTitles();
constexpr const char* kDefaultLayout = "4|1|5|1|6|1|7|1|8|0|9|0|10|1";

// Which columns are shown: the layout "column|flag|column|flag..." over the
// default; a pair naming a column that does not exist is skipped and logged.
std::vector<bool> hiddenColumns(const std::string& layout, size_t columnCount);

}  // namespace meridian::host

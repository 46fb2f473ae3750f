#pragma once
// Summaries of computed figures across clients (the dashboard in mode 4): a
// year's figures of every client, optionally filtered on one head with one or
// two conditions, or every year of one client; printed through the report writer.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "db/record_set.h"
#include "db/value.h"
#include "host/component.h"
#include "ui/form.h"

namespace meridian::reg {

const std::vector<std::string>& summaryHeads();        // "[ALL]", then the 19 heads
const std::vector<std::string>& summaryOperators();    // "(Select)", then the six operators
const std::vector<std::string>& summaryGridTitles();   // "Code No", "Name", then a1..a20

struct SummaryCondition {
  std::string text;  // as shown and logged: "adv_n.a1 > 500000 or adv_n.a1 < 1000"
  std::string sql;   // the same with the values bound
  db::Params params;
};

// The condition on the head at position `head` of the head list (1 =
// Salary); `op1`/`op2` are positions in the operator list (0 = none).
// Returns nothing when no head or no first operator is chosen.
std::optional<SummaryCondition> summaryCondition(int head, int op1, const std::string& value1, int op2,
                                                 const std::string& value2, bool joinWithOr);

// Why the head filter cannot be used as chosen (a condition on a head
// without its amount, a second condition without the first), and the control
// to fix; nothing when it can, or when no head or no condition is chosen.
struct FilterRefusal {
  std::string message;
  std::string control;
};
std::optional<FilterRefusal> summaryFilterRefusal(int head, int op1, const std::string& value1, int op2,
                                                  const std::string& value2);

class SummaryPanel {
 public:
  SummaryPanel(ui::Form& form, host::Component& host, const std::string& parent);
  void setUp();
  void showYear();
  void showAllYears();
  void printPreview();

 private:
  std::optional<SummaryCondition> condition();
  // Tells the user why the head filter cannot be used; true then.
  bool filterRefused();
  std::function<bool(const std::string&)> listedClients();
  void rebuildTempDisp();
  void showSelection();
  void selectOpeningYear();
  db::RecordSet yearRows(int year, const std::optional<SummaryCondition>& cond);
  db::RecordSet openableRows(const db::RecordSet& rows);
  void fillGrid(const db::RecordSet& rows, bool byYear);
  ui::Form& form_;
  host::Component& host_;
  std::string printTitle_;
};

}  // namespace meridian::reg

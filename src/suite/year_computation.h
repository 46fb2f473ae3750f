#pragma once
// The suite's computation engine as the host reaches it (PrjResultCtx's
// NModule1): ITCalcProc computes the year of the data set in use with the
// engine (suite/engine, a pure function of its input), and the client
// context's UpdateTbl writes the year's result tables from that computation.
//
// The engine's input is read from the year's tables by the heads' loader
// (suite/heads/year_input_loader), to which each head adds its own part.
// Until every part of the year is read, and read whole, a computation still
// runs (screens may show it) but the result tables are not rewritten from
// it, so no figures written earlier are replaced by an incomplete computation.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/base.h"
#include "host/contexts.h"
#include "suite/engine/result_context.h"
#include "suite/engine/year_input.h"
#include "suite/engine/year_result.h"

namespace meridian::suite {

// What the year's tables gave the engine, which parts of the year no head
// reads yet, and what the parts read could not carry (in words for the user).
struct LoadedYear {
  engine::YearInput input;
  std::vector<std::string> unread;  // the parts no head reads yet, as partsOfTheYear names them
  std::vector<std::string> notes;
};

// Reads the computation's input for a client's data set and year. Throws
// engine::CannotCompute for a client the engine does not compute.
LoadedYear loadYearFromTables(host::Base& base, const std::string& client, const std::string& dataSet, int year);
LoadedYear loadYearFromDatabase(db::Connection& conn, const std::string& client, const std::string& dataSet, int year);

struct YearComputation {
  std::string code;
  int year = 0;
  std::vector<std::string> unread;
  std::vector<std::string> notes;
  engine::YearResult result;
  engine::ResultContext figures;
};

// The engine's computation of what was loaded for a data set's year; throws
// engine::CannotCompute for a year the engine does not compute.
YearComputation computeLoadedYear(const std::string& dataSet, int year, LoadedYear loaded);

// Writes the result rows of a computation in one transaction: the summary
// row (adv_n) and the year's own MAT/AMT credit row (taxcr115jbc1), each
// replacing the year's earlier one. Throws, writing nothing, when its input
// was incomplete.
void writeResultRows(db::Connection& conn, const YearComputation& c);

class EngineComputation : public host::ComputationEngine {
 public:
  EngineComputation(host::Base& base, host::ClientContext& client, host::ResultContext& results)
      : base_(base), client_(client), results_(results) {}

  // Reads the year's input; the reader of the year tables unless replaced.
  std::function<LoadedYear(host::Base&, const std::string& client, const std::string& dataSet, int year)> loader =
      loadYearFromTables;

  // Computes the data set in use (vt_RTCode_No, else vT_Code_No) for vT_Year
  // and publishes its figures in the result context. Throws, leaving the
  // last computation as it was, when the year cannot be computed.
  void ITCalcProc() override;
  const std::optional<YearComputation>& last() const { return last_; }

  // Writes the result rows (writeResultRows) of the last computation; throws when
  // there is none for the data set and year in use, or its input was incomplete.
  void writeResultTables();

 private:
  host::Base& base_;
  host::ClientContext& client_;
  host::ResultContext& results_;
  std::optional<YearComputation> last_;
};

}  // namespace meridian::suite

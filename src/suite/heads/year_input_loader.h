#pragma once
// A client's stored year read into the computation's YearInput: the person
// (status, residence, sex, date of birth) from the client master and the
// year's particulars, then each head from its year tables. Each head adds
// its own part where its tables are defined, with one line:
//
//   const YearInputPartRegistration registered{"salary", &loadSalaries};
//
// so the loader names no head and a head added later joins it by itself.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

// What the part reads: the data set (code_no of the year tables) and year.
struct YearSource {
  std::string client;   // the master code
  std::string dataSet;  // the client code, or a revision's C^R-2 ...
  int year = 0;
};

// What a part could not carry into the computation, in words for the user
// ("Arrears of rent u/s 25B of house 1 are not computed yet.").
using LoadNotes = std::vector<std::string>;

using YearInputPart = std::function<void(db::Connection&, const YearSource&, engine::YearInput&, LoadNotes&)>;

struct YearInputPartRegistration {
  YearInputPartRegistration(std::string name, YearInputPart part);
};

struct CannotLoadYear : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct LoadedYear {
  engine::YearInput input;
  LoadNotes notes;
};

// Throws CannotLoadYear when there is no such client or its status is one
// the computation does not cover.
LoadedYear loadYearInput(db::Connection& conn, const YearSource& source);

// The names of the parts registered so far ("salary", "house property" ...):
// a caller that needs the whole year tells which parts are not read yet.
std::vector<std::string> yearInputParts();

}  // namespace meridian::suite::heads

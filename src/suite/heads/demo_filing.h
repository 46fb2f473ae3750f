#pragma once
// What the demo's individuals' returns carry besides their figures, as the
// return screen keeps them: the section filed under (s.139(1)), the refund
// paid into the bank, the savings account, and the verification by the
// person, at the city of the address, on the day the return was signed. With
// these a demo client's return can be checked and written without typing.
#include <string>

#include "db/connection.h"

namespace meridian::suite::heads {

struct DemoFiling {
  const char* code;
  int year;             // first year of the A.Y.
  const char* bank;
  const char* ifsc;     // four letters, 0, six letters or digits
  const char* account;
  const char* signedOn;  // dd/mm/yyyy
};

// Writes the particulars of one year of a person of the practice (owner1);
// throws std::invalid_argument for a code that is no person.
void addDemoFiling(db::Connection& conn, const DemoFiling& f);

// The particulars of every individual's year of the demo.
void seedDemoFilings(db::Connection& conn);

}  // namespace meridian::suite::heads

#pragma once
// What the demo's returns carry besides their figures, as the return screen
// keeps them: the section filed under (s.139(1)), the refund paid into the
// bank, the account, and the verification by the person (or, for a firm or
// company, by a partner or director), at the city of the address, on the day
// the return was signed. With
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

// A firm, company or other entity (main_info1) is verified by a person its
// status allows (a partner of a firm, a director of a company, s.140), and
// keeps a current account. Its books are kept (s.44AA) and audited (s.44AB),
// as the year's General Information and audit box say. The return keeps no
// capacity of the signer: the verification holds the name, father's name
// and PAN only.
struct DemoEntityFiling {
  DemoFiling filing;
  const char* accountType;  // "CURRENT", "SAVING" or "CASH CREDIT"
  const char* signer;
  const char* signersFather;
  const char* signersPan;
};
// Throws std::invalid_argument for a code that is no entity of the practice.
void addDemoEntityFiling(db::Connection& conn, const DemoEntityFiling& e);

// Marks a year as one whose accounts are kept under s.44AA and audited under
// s.44AB: the year's General Information, and the audit box of the client
// master (an individual's) or of the year's particulars (an entity's, the
// year row taking the master's address as the client screen keeps it).
void markAccountsAudited(db::Connection& conn, const char* code, int year);

// The particulars of every individual's year of the demo.
void seedDemoFilings(db::Connection& conn);

}  // namespace meridian::suite::heads

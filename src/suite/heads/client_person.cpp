#include "suite/heads/client_person.h"

#include "common/text.h"
#include "db/connection.h"
#include "host/client_particulars.h"

namespace meridian::suite::heads {
namespace {

// By the status code of the year row (vStatus_Read): 0 individual, 1 HUF,
// 2 AOP, 3 trust, 4 co-operative, 5 firm, 6 and 7 companies, 8 BOI, 9 local
// authority, 10 artificial juridical person. Trusts, local authorities and
// artificial juridical persons are computed as an AOP is.
engine::Status statusOfCode(int code) {
  switch (code) {
    case 0: return engine::Status::individual;
    case 1: return engine::Status::huf;
    case 4: return engine::Status::cooperative;
    case 5: return engine::Status::firm;
    case 6:
    case 7: return engine::Status::company;
    default: return engine::Status::aopBoi;
  }
}

}  // namespace

ClientPerson clientPersonOf(host::Base& base, const std::string& code, int year) {
  ClientPerson p;
  const auto who = host::ClientParticulars::load(base, code, year);
  if (!who) return p;
  p.status = statusOfCode(who->statusCode());
  if (p.status == engine::Status::firm) {
    // The client screen marks a limited liability partnership in main_info1.llp.
    const bool llp = upperCase(who->status).find("LIMITED LIABILITY") != std::string::npos ||
                     base.DbObj().scalar("SELECT llp FROM main_info1 WHERE code_no = ?", {code}) == "LLP_Y";
    if (llp) p.status = engine::Status::llp;
  }
  const std::string residence = upperCase(who->residentialStatus);
  if (residence == "NON RESIDENT" || residence == "NON-RESIDENT") p.residence = engine::Residence::nonResident;
  else if (residence == "NOT ORDINARY") p.residence = engine::Residence::notOrdinarilyResident;
  return p;
}

}  // namespace meridian::suite::heads

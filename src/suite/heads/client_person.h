#pragma once
// The kind of person a client is for the year, as the law of the heads asks
// it: status (a limited liability partnership apart from other firms) and
// residence. Read from the client master and the year's particulars.
#include <string>

#include "host/base.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

struct ClientPerson {
  engine::Status status = engine::Status::individual;
  engine::Residence residence = engine::Residence::resident;
  bool individualOrHuf() const { return status == engine::Status::individual || status == engine::Status::huf; }
};

// `code` is the client's master code (not a data set's); a code no client
// has reads as a resident individual.
ClientPerson clientPersonOf(host::Base& base, const std::string& code, int year);

}  // namespace meridian::suite::heads

#pragma once
// Everything the printout of one client year reads, gathered from the
// database: the client, the year computed from its stored tables, the
// signer, the practitioner's particulars, the bank accounts and the
// declaration text.
#include <filesystem>
#include <string>

#include "db/connection.h"
#include "suite/computation/computation_printout.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::computation {

struct PrintoutRequest {
  std::string client;   // master code
  std::string dataSet;  // the client code, or a register entry's C^R-2
  int year = 0;
  // Folder of the practice's documents, where the "Dec277A" declaration is
  // kept; empty for none.
  std::filesystem::path documents;
};

// Throws heads::CannotLoadYear or engine::CannotCompute as the computation
// does; notes name what the stored year holds that is not computed yet.
PrintoutData loadPrintoutData(db::Connection& conn, const PrintoutRequest& r, heads::LoadNotes* notes = nullptr);

// The practitioner's particulars: the first row of bill_othclient.
std::optional<Practitioner> loadPractitioner(db::Connection& conn);

}  // namespace meridian::suite::computation

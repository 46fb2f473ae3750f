#pragma once
// Twenty clients of the demo practice (codes C0801 to C0820) with A.Y.
// 2016-17 entered head by head as a practitioner would have entered it:
// salaried people with a house, pensioners, senior citizens living on
// interest, a salaried woman with a let-out flat and a home loan, a family
// pension, an HUF with a let-out shop, a non-resident with rent in India.
// Some have A.Y. 2015-16 too, so that the carry-forward of particulars and a
// loss brought forward have something to work on. The clients of business
// and capital gains (C0821 on) follow, from demo_business_years.h.
#include "db/connection.h"

namespace meridian::suite::heads {

// Writes the clients and their years; the caller holds the transaction and
// rebuilds the client list afterwards.
void seedDemoHeads(db::Connection& conn);

}  // namespace meridian::suite::heads

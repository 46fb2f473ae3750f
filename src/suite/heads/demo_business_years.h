#pragma once
// Clients of the demo practice whose A.Y. 2016-17 turns on business and
// capital gains (codes C0821 to C0828): a trader u/s 44AD (C0821) and a
// transporter u/s 44AE (C0822), both ITR-4S material; an architect keeping
// accounts (C0823); a partner (C0824) in a firm that is a client too (C0825);
// a company paying the minimum alternate tax (C0826); a retired teacher who
// sold her flat and bought another (s.54, C0827); a salaried man who sold
// listed shares (s.111A, C0828).
#include "db/connection.h"

namespace meridian::suite::heads {

// Writes the clients and their years; the caller holds the transaction.
void seedDemoBusinessYears(db::Connection& conn);

}  // namespace meridian::suite::heads

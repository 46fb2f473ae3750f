#pragma once
// The database's count of changes to the client list table (tempcltbl). Every
// writer of the table marks its change inside the same transaction, so that
// any program holding the list in memory (this server, another server on the
// same office database) sees that it must read the list again, whoever made
// the change: a screen of any session, or the command line.
#include "db/connection.h"

namespace meridian::host {

long long clientListChangeCount(db::Connection& conn);
void markClientListChanged(db::Connection& conn);

}  // namespace meridian::host

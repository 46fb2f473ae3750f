#pragma once
// Work that two users may do at the same moment (numbering a new client,
// say) runs as one transaction that is tried again when the database refuses
// it for the other user's work: a key given meanwhile, a lock the other
// transaction held, a deadlock. Anything else is a real failure and goes on
// up at once.
#include <functional>

#include "db/connection.h"

namespace meridian::db {

// True when the error says another transaction got in the way, so that the
// same work tried again may succeed.
bool isConflict(const DbError& e);

// Runs work inside a transaction of its own and commits it; on a conflict the
// transaction is rolled back and the work run again, up to `attempts` times,
// after a short pause that grows and differs between callers. The last
// conflict is thrown when every attempt met one. Work must not have effects
// outside the database that a second run would repeat.
void inTransactionRetrying(Connection& conn, const std::function<void()>& work, int attempts = 8);

}  // namespace meridian::db

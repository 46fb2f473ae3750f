#pragma once
// Turns an error of the database library into a DbError: what kind of
// failure it is, and a text for the log that names the statement but holds
// none of the values (the database quotes refused values in its messages).
#include <string_view>

#include "db/connection.h"

namespace soci { class soci_error; }

namespace meridian::db {

DbError sqlError(const soci::soci_error& e, std::string_view sql);

}  // namespace meridian::db

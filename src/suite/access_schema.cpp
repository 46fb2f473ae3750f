#include "suite/access_schema.h"

namespace meridian::suite {

std::vector<db::Migration> accessMigrations() {
  return {
      {130, "disabled users and the version of a user's access",
       {
           "ALTER TABLE users ADD COLUMN disabled INTEGER NOT NULL DEFAULT 0",
           // Raised whenever a user's password, rights or standing change:
           // sessions signed in under an older version end.
           "ALTER TABLE users ADD COLUMN access_version INTEGER NOT NULL DEFAULT 1",
       }},
      {131, "failed sign-ins by user name and by address",
       {
           "CREATE TABLE signin_failures (subject VARCHAR(200) NOT NULL PRIMARY KEY, failures INTEGER NOT NULL DEFAULT 0, "
           "last_failure BIGINT NOT NULL DEFAULT 0, locked_until BIGINT NOT NULL DEFAULT 0)",
       }},
  };
}

namespace {
const db::MigrationRegistration registered{accessMigrations};
}  // namespace

}  // namespace meridian::suite

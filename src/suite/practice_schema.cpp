// Tables that keep a busy office's users from getting in each other's way:
// the numbering of client codes, the version of each client row that tells
// a save whether someone else saved the row since it was read, and the
// session that owns each scratch row.
#include "db/migrations.h"

namespace meridian::suite {
namespace {

std::vector<db::Migration> practiceMigrations() {
  return {
      {160, "the highest client number given, per prefix of the code",
       {
           "CREATE TABLE client_code_counter (prefix VARCHAR(32) NOT NULL PRIMARY KEY, last_number BIGINT NOT NULL DEFAULT 0)",
           // Every numbering takes this row's lock first.
           "INSERT INTO client_code_counter (prefix, last_number) VALUES ('*', 0)",
       }},
      {161, "row versions of the client master and the year particulars",
       {
           "ALTER TABLE owner1 ADD COLUMN row_version BIGINT NOT NULL DEFAULT 0",
           "ALTER TABLE main_info1 ADD COLUMN row_version BIGINT NOT NULL DEFAULT 0",
       }},
      {162, "scratch rows of a summary belong to the session that made them",
       {
           "ALTER TABLE temp_disp ADD COLUMN session_key VARCHAR(40) NOT NULL DEFAULT ''",
           "CREATE INDEX temp_disp_session ON temp_disp (session_key)",
       }},
  };
}

const db::MigrationRegistration registered{practiceMigrations};

}  // namespace
}  // namespace meridian::suite

#pragma once
// Numbered schema migrations. Each part of the program owns a range of
// numbers; the program applies every migration the database has not seen, in
// number order, and records it in schema_migrations.
#include <functional>
#include <string>
#include <vector>

#include "db/connection.h"

namespace meridian::db {

struct Migration {
  int version;
  std::string name;
  std::vector<std::string> statements;
  // Rows that come with the database (shipped data), written after the
  // statements in the same transaction, with bound values.
  std::function<void(Connection&)> step = nullptr;
};

// Writes a statement in the dialect of the engine: "{{ID}}" becomes an
// auto-numbered primary key, and CREATE TABLE gets MariaDB's table options
// (binary collation, so that both engines compare text the same way).
std::string inDialect(Engine engine, const std::string& statement);

// Applies the missing migrations; returns how many ran.
int migrate(Connection& conn, const std::vector<Migration>& migrations);

// Each part of the program registers its own migrations where it defines
// them, with one line:
//   const db::MigrationRegistration registered{clientMigrations};
struct MigrationRegistration {
  explicit MigrationRegistration(std::function<std::vector<Migration>()> part);
};

// Every registered migration, in number order; two parts claiming one
// number is a programming error and throws.
const std::vector<Migration>& allMigrations();

}  // namespace meridian::db

#include "db/migrations.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace meridian::db {

std::string inDialect(Engine engine, const std::string& statement) {
  std::string s = statement;
  const std::string idToken = "{{ID}}";
  const std::string id = engine == Engine::sqlite ? "INTEGER PRIMARY KEY AUTOINCREMENT" : "BIGINT PRIMARY KEY AUTO_INCREMENT";
  for (size_t p; (p = s.find(idToken)) != std::string::npos;) s.replace(p, idToken.size(), id);
  if (engine == Engine::mysql && s.rfind("CREATE TABLE", 0) == 0)
    s += " ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin";
  return s;
}

namespace {
std::vector<std::function<std::vector<Migration>()>>& registeredParts() {
  static std::vector<std::function<std::vector<Migration>()>> parts;
  return parts;
}
}  // namespace

MigrationRegistration::MigrationRegistration(std::function<std::vector<Migration>()> part) {
  registeredParts().push_back(std::move(part));
}

const std::vector<Migration>& allMigrations() {
  static const std::vector<Migration> all = [] {
    std::vector<Migration> out;
    for (const auto& part : registeredParts())
      for (auto& m : part()) out.push_back(std::move(m));
    std::sort(out.begin(), out.end(), [](const Migration& a, const Migration& b) { return a.version < b.version; });
    for (size_t i = 1; i < out.size(); ++i)
      if (out[i].version == out[i - 1].version)
        throw std::logic_error("migration " + std::to_string(out[i].version) + " is claimed by \"" + out[i - 1].name +
                               "\" and \"" + out[i].name + "\"");
    return out;
  }();
  return all;
}

int migrate(Connection& conn, const std::vector<Migration>& migrations) {
  conn.execute(inDialect(conn.engine(),
                         "CREATE TABLE IF NOT EXISTS schema_migrations (version INTEGER PRIMARY KEY, name VARCHAR(200) NOT NULL, "
                         "applied_at VARCHAR(20) NOT NULL)"));
  std::set<int> applied;
  for (const Row& r : conn.query("SELECT version FROM schema_migrations")) applied.insert(static_cast<int>(r.integer("version")));

  std::vector<const Migration*> todo;
  for (const auto& m : migrations)
    if (!applied.count(m.version)) todo.push_back(&m);
  std::sort(todo.begin(), todo.end(), [](auto* a, auto* b) { return a->version < b->version; });

  for (const Migration* m : todo) {
    // MariaDB commits DDL as it goes; the record of the migration is written
    // last so that a failed one is tried again on the next start.
    auto tx = conn.begin();
    for (const auto& st : m->statements) conn.execute(inDialect(conn.engine(), st));
    if (m->step) m->step(conn);
    conn.execute("INSERT INTO schema_migrations (version, name, applied_at) VALUES (?, ?, ?)",
                 {m->version, m->name, std::to_string(std::time(nullptr))});
    tx.commit();
  }
  return static_cast<int>(todo.size());
}

}  // namespace meridian::db

#include "client/client_schema.h"
#include "db/migrations.h"
#include "filing/filing_schema.h"
#include "register/due_date_store.h"
#include "register/workspace_schema.h"
#include "suite/access_schema.h"
#include "suite/host_schema.h"

namespace meridian::db {

const std::vector<Migration>& allMigrations() {
  static const std::vector<Migration> all = [] {
    std::vector<Migration> out;
    for (auto part : {suite::hostMigrations, suite::accessMigrations, reg::dueDateMigrations, client::clientMigrations,
                      reg::workspaceMigrations, filing::filingMigrations}) {
      auto ms = part();
      out.insert(out.end(), ms.begin(), ms.end());
    }
    return out;
  }();
  return all;
}

}  // namespace meridian::db

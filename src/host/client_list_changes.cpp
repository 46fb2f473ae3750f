#include "host/client_list_changes.h"

#include <string>

namespace meridian::host {

long long clientListChangeCount(db::Connection& conn) {
  return std::stoll(conn.scalar("SELECT changes FROM client_list_changes WHERE id = 1", {}, "0"));
}

void markClientListChanged(db::Connection& conn) {
  conn.execute("UPDATE client_list_changes SET changes = changes + 1 WHERE id = 1");
}

}  // namespace meridian::host

#include "db/fault_injection.h"

namespace meridian::db {
namespace {
thread_local FaultInjection* active = nullptr;
}  // namespace

FaultInjection::FaultInjection(Connection& conn, int failAt) : conn_(&conn), failAt_(failAt), outer_(active) {
  active = this;
}

FaultInjection::~FaultInjection() { active = outer_; }

void beforeStatement(Connection& conn, std::string_view sql) {
  for (FaultInjection* f = active; f; f = f->outer_) {
    if (f->conn_ != &conn) continue;
    if (++f->seen_ == f->failAt_) {
      f->failed_ = std::string(sql);
      throw DbError("statement " + std::to_string(f->seen_) + " made to fail: " + f->failed_.substr(0, 200));
    }
    return;
  }
}

}  // namespace meridian::db

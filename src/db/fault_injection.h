#pragma once
// Makes one chosen statement fail, so that a test can prove a step that
// writes with several statements leaves nothing behind whichever of them
// fails: run the step once to count its statements, then once for each of
// them with that one failing.
#include <string>
#include <string_view>

#include "db/connection.h"

namespace meridian::db {

class FaultInjection {
 public:
  // From now until this object ends, statements this thread sends on `conn`
  // are counted; the `failAt`-th (from 1) throws DbError instead of running.
  // failAt 0 fails none and only counts.
  FaultInjection(Connection& conn, int failAt);
  ~FaultInjection();
  FaultInjection(const FaultInjection&) = delete;
  FaultInjection& operator=(const FaultInjection&) = delete;

  int statements() const { return seen_; }
  bool fired() const { return failAt_ > 0 && seen_ >= failAt_; }
  // The statement that was made to fail.
  const std::string& failed() const { return failed_; }

 private:
  friend void beforeStatement(Connection& conn, std::string_view sql);
  Connection* conn_;
  int failAt_;
  int seen_ = 0;
  std::string failed_;
  FaultInjection* outer_;
};

// Called by the connection before it sends a statement.
void beforeStatement(Connection& conn, std::string_view sql);

}  // namespace meridian::db

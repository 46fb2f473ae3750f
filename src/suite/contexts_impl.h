#pragma once
// The suite's context objects.
#include <functional>
#include <utility>

#include "db/connection.h"
#include "host/base.h"
#include "host/contexts.h"

namespace meridian::suite {

// The computation engine belongs to its own module of the suite, which this
// installation does not carry yet: asking it to compute says so plainly.
class MissingComputationEngine : public host::ComputationEngine {
 public:
  void ITCalcProc() override;
};

class ClientContextImpl : public host::ClientContext {
 public:
  explicit ClientContextImpl(host::ContextJournal& j) : host::ClientContext(j) {}
  void UpdateTbl() override;
};

class ResultContextImpl : public host::ResultContext {
 public:
  host::ComputationEngine& NModule1() override { return engine_; }

 private:
  MissingComputationEngine engine_;
};

// Answers a client's original and extended due date for a year.
using DueDateLookup =
    std::function<std::pair<host::Date, host::Date>(db::Connection&, host::Base&, const std::string& code, int year)>;

class ReturnContextImpl : public host::ReturnContext {
 public:
  ReturnContextImpl(host::ContextJournal& j, host::Base& base, host::ClientContext& client, DueDateLookup lookup)
      : host::ReturnContext(j), base_(base), client_(client), lookup_(std::move(lookup)) {}
  void GetDueDt(std::optional<int> year = std::nullopt) override;

 private:
  host::Base& base_;
  host::ClientContext& client_;
  DueDateLookup lookup_;
};

}  // namespace meridian::suite

#pragma once
// The suite's context objects.
#include <functional>
#include <utility>

#include "db/connection.h"
#include "host/base.h"
#include "host/contexts.h"
#include "suite/year_computation.h"

namespace meridian::suite {

class ResultContextImpl : public host::ResultContext {
 public:
  ResultContextImpl(host::Base& base, host::ClientContext& client) : engine_(base, client, *this) {}
  EngineComputation& NModule1() override { return engine_; }

 private:
  EngineComputation engine_;
};

class ClientContextImpl : public host::ClientContext {
 public:
  ClientContextImpl(host::ContextJournal& j, host::Base& base) : host::ClientContext(j), base_(base) {}
  // Writes the result tables of the last computation of the year in use.
  void UpdateTbl() override;
  // The rows of the head's own table (as data/carry_forward.csv names it)
  // in the data set and year in use; 0 while no module has created it.
  void SetSHBCnos(const std::string& which) override;
  // The result context is made after this one; start-up hands it over.
  void attach(ResultContextImpl& results) { results_ = &results; }

 private:
  host::Base& base_;
  ResultContextImpl* results_ = nullptr;
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

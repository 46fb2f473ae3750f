#pragma once
// Makes the host objects of one signed-in user's component.
#include <functional>
#include <memory>

#include "host/component.h"
#include "suite/client_access.h"
#include "suite/contexts_impl.h"
#include "suite/data_folder.h"
#include "suite/user_store.h"

namespace meridian::suite {

using ReportWriterMaker = std::function<std::unique_ptr<host::ReportWriter>()>;

class SuiteFactory : public host::HostFactory {
 public:
  SuiteFactory(db::Connection& conn, DataFolder data, User user, ui::Desktop& desktop, ReportWriterMaker reports,
               DueDateLookup dueDates, std::shared_ptr<ClientAccess> access = nullptr);

  std::unique_ptr<host::Base> createBase(host::ContextJournal& journal) override;
  std::unique_ptr<host::ClientContext> createClientContext(host::ContextJournal& journal) override;
  std::unique_ptr<host::ResultContext> createResultContext() override;
  std::unique_ptr<host::ReturnContext> createReturnContext(host::ContextJournal& journal) override;
  std::unique_ptr<host::UtilitiesComponent> createUtilities() override;
  std::unique_ptr<host::SiblingComponent> createSibling(const std::string& progId) override;
  std::unique_ptr<host::ReportWriter> createReportWriter() override;

 private:
  db::Connection& conn_;
  DataFolder data_;
  User user_;
  ui::Desktop& desktop_;
  ReportWriterMaker reports_;
  DueDateLookup dueDates_;
  std::shared_ptr<ClientAccess> access_;
  host::Base* base_ = nullptr;
  ClientContextImpl* client_ = nullptr;
};

}  // namespace meridian::suite

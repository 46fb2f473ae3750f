#include "suite/suite_factory.h"

#include <stdexcept>

#include "suite/base_impl.h"
#include "suite/sibling_modules.h"
#include "suite/utilities_module.h"

namespace meridian::suite {

SuiteFactory::SuiteFactory(db::Connection& conn, DataFolder data, User user, ui::Desktop& desktop,
                           ReportWriterMaker reports, DueDateLookup dueDates, std::shared_ptr<ClientAccess> access)
    : conn_(conn),
      data_(std::move(data)),
      user_(std::move(user)),
      desktop_(desktop),
      reports_(std::move(reports)),
      dueDates_(std::move(dueDates)),
      access_(std::move(access)) {}

std::unique_ptr<host::Base> SuiteFactory::createBase(host::ContextJournal& journal) {
  auto b = std::make_unique<BaseImpl>(journal, conn_, data_, user_, desktop_, access_);
  base_ = b.get();
  return b;
}

std::unique_ptr<host::ClientContext> SuiteFactory::createClientContext(host::ContextJournal& journal) {
  if (!base_) throw std::logic_error("the client context needs the base object first");
  auto c = std::make_unique<ClientContextImpl>(journal, *base_);
  client_ = c.get();
  return c;
}

std::unique_ptr<host::ResultContext> SuiteFactory::createResultContext() {
  if (!client_ || !base_) throw std::logic_error("the result context needs the base object and client context first");
  auto results = std::make_unique<ResultContextImpl>(*base_, *client_);
  client_->attach(*results);
  return results;
}

std::unique_ptr<host::ReturnContext> SuiteFactory::createReturnContext(host::ContextJournal& journal) {
  if (!client_ || !base_) throw std::logic_error("the return context needs the base object and client context first");
  return std::make_unique<ReturnContextImpl>(journal, *base_, *client_, dueDates_);
}

std::unique_ptr<host::UtilitiesComponent> SuiteFactory::createUtilities() {
  if (!base_ || !client_) throw std::logic_error("the utilities module needs the base object and client context");
  return std::make_unique<UtilitiesModule>(*base_, *client_);
}

std::unique_ptr<host::SiblingComponent> SuiteFactory::createSibling(const std::string& progId) {
  const auto& members = siblingMembers();
  auto it = members.find(progId);
  if (it == members.end()) throw std::runtime_error("unknown component " + progId);
  return std::make_unique<SiblingModule>(progId, it->second);
}

std::unique_ptr<host::ReportWriter> SuiteFactory::createReportWriter() {
  if (!reports_) throw std::runtime_error("no report writer is installed");
  return reports_();
}

}  // namespace meridian::suite

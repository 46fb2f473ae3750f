#pragma once
// The loaded module: at start-up it creates the host's objects once, in a
// fixed order, and keeps them for its whole life; every screen reaches them
// through it. One component serves one signed-in user, so two users never
// share a working context.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/base.h"
#include "host/contexts.h"
#include "host/property.h"
#include "host/report_writer.h"
#include "host/screen.h"
#include "host/siblings.h"

namespace meridian::ui { class Desktop; }

namespace meridian::host {

// Makes the host's objects; the suite supplies the real one, tests their own.
class HostFactory {
 public:
  virtual ~HostFactory() = default;
  virtual std::unique_ptr<Base> createBase(ContextJournal& journal) = 0;
  virtual std::unique_ptr<ClientContext> createClientContext(ContextJournal& journal) = 0;
  virtual std::unique_ptr<ResultContext> createResultContext() = 0;
  virtual std::unique_ptr<ReturnContext> createReturnContext(ContextJournal& journal) = 0;
  virtual std::unique_ptr<UtilitiesComponent> createUtilities() = 0;
  virtual std::unique_ptr<SiblingComponent> createSibling(const std::string& progId) = 0;
  virtual std::unique_ptr<ReportWriter> createReportWriter() = 0;
};

// The ProgIDs in the order start-up creates them.
const std::vector<std::string>& startupOrder();

class Component {
 public:
  // Creates every host object in startupOrder(); an object that cannot be
  // created stops start-up with its error.
  Component(HostFactory& factory, ui::Desktop& desktop);
  ~Component();

  ContextJournal& journal() { return journal_; }
  Base& base() { return *base_; }
  ClientContext& clientCtx() { return *clientCtx_; }
  ResultContext& resultCtx() { return *resultCtx_; }
  ReturnContext& returnCtx() { return *returnCtx_; }
  UtilitiesComponent& utilities() { return *utilities_; }
  SiblingComponent& sibling(const std::string& progId);
  ReportWriter& reporter() { return *reporter_; }
  ui::Desktop& desktop() { return *desktop_; }
  // Names this component's rows in the practice's scratch tables (a
  // summary's client list, say), which every user's screens share: random,
  // so that no two components of any server on the database meet.
  const std::string& sessionKey() const { return sessionKey_; }

  // Shows a form inside the main window, maximised, as every screen is shown.
  void showMaximised(const std::shared_ptr<ui::Form>& form);

  // Opens the registered screen by name: the user must hold the right its
  // entry asks for (a refusal is told to the user and gives null); a kept
  // screen is the same instance each time. Throws for a name nobody registered.
  std::shared_ptr<Screen> open(const std::string& name, const OpenRequest& request = {});
  // The kept screen of that name, made on first request; not shown.
  std::shared_ptr<Screen> kept(const std::string& name);

 private:
  ContextJournal journal_;
  ui::Desktop* desktop_;
  std::unique_ptr<Base> base_;
  std::unique_ptr<ClientContext> clientCtx_;
  std::unique_ptr<ResultContext> resultCtx_;
  std::unique_ptr<ReturnContext> returnCtx_;
  std::unique_ptr<UtilitiesComponent> utilities_;
  std::vector<std::unique_ptr<SiblingComponent>> siblings_;
  std::unique_ptr<ReportWriter> reporter_;
  std::map<std::string, std::shared_ptr<Screen>> kept_;
  std::string sessionKey_;
};

}  // namespace meridian::host

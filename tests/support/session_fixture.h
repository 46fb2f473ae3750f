#pragma once
// An application over a fresh test database, and signed-in sessions on it
// whose dialogs are scripted.
#include <memory>

#include "suite/application.h"
#include "support/db_fixture.h"
#include "ui/dialogs.h"

namespace meridian::testsupport {

class SessionTest : public DbTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  suite::Application& app() { return *app_; }
  suite::User makeUser(const std::string& name, bool admin = false);
  // A session of the user; its dialogs are the returned session's script.
  struct Signed {
    std::unique_ptr<ui::ScriptedDialogs> dialogs;
    std::unique_ptr<suite::UserSession> session;
  };
  Signed signIn(const suite::User& user);

 private:
  std::string dataDir_;
  std::unique_ptr<suite::Application> app_;
};

// The clerk signed in on the small practice of client_seed.h.
class PracticeTest : public SessionTest {
 protected:
  void SetUp() override;
  host::Component& comp() { return clerk_.session->component(); }
  ui::ScriptedDialogs& dialogs() { return *clerk_.dialogs; }
  Signed clerk_;
};

}  // namespace meridian::testsupport

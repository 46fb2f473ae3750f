#include "support/session_fixture.h"

#include <filesystem>

#include "support/client_seed.h"
#include "support/recording_report_writer.h"

namespace meridian::testsupport {

void SessionTest::SetUp() {
  DbTest::SetUp();
  if (IsSkipped() || HasFatalFailure()) return;
  dataDir_ = scratchDir("data");
  app_ = std::make_unique<suite::Application>(suite::AppOptions{dataDir_, database().url()});
  app_->reportWriters = [](suite::FinishedReportSink sink) { return std::make_unique<RecordingReportWriter>(sink); };
}

void SessionTest::TearDown() {
  app_.reset();
  if (!dataDir_.empty()) std::filesystem::remove_all(dataDir_);
}

void PracticeTest::SetUp() {
  SessionTest::SetUp();
  if (IsSkipped() || HasFatalFailure()) return;
  seedPractice(conn());
  clerk_ = signIn(makeUser("clerk"));
}

suite::User SessionTest::makeUser(const std::string& name, bool admin) {
  return app_->users().add(name, "password-of-" + name, admin);
}

SessionTest::Signed SessionTest::signIn(const suite::User& user) {
  Signed s;
  s.dialogs = std::make_unique<ui::ScriptedDialogs>();
  s.session = app_->openSession(user, *s.dialogs);
  return s;
}

}  // namespace meridian::testsupport

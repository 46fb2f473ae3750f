// The database sessions behind a Connection: bounded, not pinned by signed-in
// users, replaced when the server drops them between transactions, never
// inside one, and no work at all once an SQLite file is gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <latch>
#include <thread>

#include "db/migrations.h"
#include "register/income_form.h"
#include "common/rights.h"
#include "support/private_mariadb.h"
#include "support/session_fixture.h"

namespace meridian {
namespace {

using testsupport::DbTest;

class ConnectionPool : public testsupport::SessionTest {};

TEST_P(ConnectionPool, SignedInUsersDoNotEachHoldASession) {
  auto clerk = makeUser("clerk");
  std::vector<Signed> signedIn;
  for (int i = 0; i < 30; ++i) {
    signedIn.push_back(signIn(clerk));
    signedIn.back().session->conn().query("SELECT COUNT(*) FROM users");
  }
  // One at a time, they reuse the same session or two.
  EXPECT_LE(app().conn().openSessions(), 2u);
}

TEST_P(ConnectionPool, WhenEverySessionIsBusyTheNextStatementWaitsThenSaysSo) {
  auto pool = db::Connection::open(database().url(), {.maxSessions = 2, .waitForSession = std::chrono::milliseconds(300)});
  std::latch holding(2), release(1);
  auto hold = [&] {
    return std::async(std::launch::async, [&] {
      // Read transactions: SQLite lets several run at once.
      auto tx = pool->beginReading();
      pool->query("SELECT COUNT(*) FROM users");
      holding.count_down();
      release.wait();
      tx.commit();
    });
  };
  auto first = hold(), second = hold();
  holding.wait();
  try {
    pool->query("SELECT 1");
    ADD_FAILURE() << "a third session was opened beyond the bound";
  } catch (const db::DbError& e) {
    EXPECT_EQ(e.kind(), db::DbFailure::busy);
  }
  release.count_down();
  first.get();
  second.get();
  EXPECT_EQ(pool->scalar("SELECT 1"), "1");
  EXPECT_EQ(pool->openSessions(), 2u);
}

TEST_P(ConnectionPool, ATransactionSeesItsOwnWritesAndOthersSeeThemOnlyWhenCommitted) {
  auto other = conn().share();
  std::string seenMeanwhile;
  {
    auto tx = conn().begin();
    conn().execute("INSERT INTO grp_m (code, nm) VALUES ('G1', 'Group One')");
    EXPECT_EQ(conn().scalar("SELECT nm FROM grp_m WHERE code = 'G1'"), "Group One");
    // Another thread on a handle of the same pool is outside the transaction.
    seenMeanwhile = std::async(std::launch::async, [&] { return other->scalar("SELECT COUNT(*) FROM grp_m"); }).get();
    tx.commit();
  }
  EXPECT_EQ(seenMeanwhile, "0");
  EXPECT_EQ(other->scalar("SELECT COUNT(*) FROM grp_m"), "1");
}

MERIDIAN_ON_BOTH_ENGINES(ConnectionPool);

// MariaDB only: the server drops the program's sessions under it.
class DroppedSessions : public DbTest {
 protected:
  // Kills every session of the test database but the killer's own.
  void killProgramSessions() {
    const std::string database = db::ConnectionUrl::parse(this->database().url()).database;
    auto killer = db::Connection::open(this->database().url());
    for (const auto& r : killer->query(
             "SELECT id FROM information_schema.processlist WHERE db = ? AND id <> CONNECTION_ID()", {database}))
      killer->execute("KILL " + std::to_string(std::stoll(r.text(0))));  // a number the server gave
  }
};

TEST_P(DroppedSessions, TheNextReadAndTheNextTransactionWorkAfterTheServerKilledTheSessions) {
  conn().execute("INSERT INTO grp_m (code, nm) VALUES ('G1', 'Group One')");
  killProgramSessions();
  EXPECT_EQ(conn().scalar("SELECT nm FROM grp_m WHERE code = 'G1'"), "Group One");
  killProgramSessions();
  {
    auto tx = conn().begin();
    conn().execute("INSERT INTO grp_m (code, nm) VALUES ('G2', 'Group Two')");
    tx.commit();
  }
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM grp_m"), "2");
}

TEST_P(DroppedSessions, ASessionKilledInsideATransactionFailsItAndWritesNothing) {
  try {
    auto tx = conn().begin();
    conn().execute("INSERT INTO grp_m (code, nm) VALUES ('G1', 'Group One')");
    killProgramSessions();
    conn().execute("INSERT INTO grp_m (code, nm) VALUES ('G2', 'Group Two')");
    tx.commit();
    ADD_FAILURE() << "the transaction went on over a new session";
  } catch (const db::DbError& e) {
    EXPECT_EQ(e.kind(), db::DbFailure::unreachable) << e.what();
  }
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM grp_m"), "0");
}

TEST_P(DroppedSessions, ASignedInUsersNextEventWorksAfterTheKill) {
  const testsupport::ScratchDir dataDir("data");
  suite::Application app({dataDir.path, database().url()});
  auto clerk = app.users().add("clerk", "password-of-clerk");
  ui::ScriptedDialogs dialogs;
  auto session = app.openSession(clerk, dialogs);
  auto income = std::dynamic_pointer_cast<reg::IncomeForm>(session->forms().ObjIncome());
  ASSERT_TRUE(income);
  income->OpenForm(1);
  killProgramSessions();
  // A sign-in and the dashboard's next list load.
  EXPECT_TRUE(app.users().authenticate("clerk", "password-of-clerk"));
  income->reloadClients();
  EXPECT_TRUE(dialogs.shown().empty()) << dialogs.texts().front();
  session.reset();
}

INSTANTIATE_TEST_SUITE_P(MariaDB, DroppedSessions, ::testing::Values(db::Engine::mysql), testsupport::engineName);

TEST(ServerRestart, TheProgramWorksOnAfterItsMariaDbServerRestarts) {
  if (!std::getenv("MERIDIAN_TEST_MARIADB_DIR")) GTEST_SKIP() << "run through ctest";
  testsupport::PrivateMariaDb server;
  ASSERT_TRUE(server.started());
  const std::string url = server.createDatabase("meridian");
  const testsupport::ScratchDir dataDir("data");
  suite::Application app({dataDir.path, url});
  app.users().add("clerk", "password-of-clerk");
  ASSERT_TRUE(app.users().authenticate("clerk", "password-of-clerk"));

  ASSERT_TRUE(server.restart());
  // Sign-ins go on without restarting the program.
  EXPECT_TRUE(app.users().authenticate("clerk", "password-of-clerk"));
  auto tx = app.conn().begin();
  app.conn().execute("INSERT INTO grp_m (code, nm) VALUES ('G1', 'Group One')");
  tx.commit();
  EXPECT_EQ(app.conn().scalar("SELECT COUNT(*) FROM grp_m"), "1");
}

TEST(VanishedDatabase, AFileDeletedUnderTheProgramStopsEveryStatementAndIsToldOnce) {
  const testsupport::ScratchDir dir("vanish");
  const std::string path = dir.path + "/meridian.db";
  auto conn = db::Connection::open("sqlite://" + path);
  db::migrate(*conn, db::allMigrations());
  std::vector<std::string> told;
  conn->whenLost([&](const std::string& why) { told.push_back(why); });
  std::filesystem::remove(path);
  struct Step {
    const char* what;
    std::function<void()> run;
  } steps[] = {
      {"a write", [&] { conn->execute("INSERT INTO grp_m (code, nm) VALUES ('G1', 'One')"); }},
      {"a committed transaction",
       [&] {
         auto tx = conn->begin();
         conn->execute("INSERT INTO grp_m (code, nm) VALUES ('G2', 'Two')");
         tx.commit();
       }},
      {"a read", [&] { conn->query("SELECT * FROM grp_m"); }},
  };
  for (const auto& s : steps) {
    try {
      s.run();
      ADD_FAILURE() << s.what << " was acknowledged";
    } catch (const db::DbError& e) {
      EXPECT_EQ(e.kind(), db::DbFailure::gone) << s.what;
    }
  }
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told.front().find("is gone"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path)) << "an empty database took the vanished one's place";
}

}  // namespace
}  // namespace meridian

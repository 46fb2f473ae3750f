// Backups and their restore: a practice restored into a fresh database has
// the same clients, users and passwords; a dump crosses engines; a cut or
// foreign file is refused; the server's daily backups keep the newest N.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "db/migrations.h"
#include "suite/backup.h"
#include "suite/daily_backups.h"
#include "support/cli_runner.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian {
namespace {

namespace fs = std::filesystem;
using testsupport::DbTest;
using testsupport::dumpTable;
using testsupport::ScratchDir;

// What a practice is to its users: clients, the list, users, rights, passwords.
const std::vector<std::string> kPracticeTables = {"main_info1", "owner1", "tempcltbl", "users", "user_rights",
                                                  "client_passwords", "duedt_master"};

// An empty database to restore into, on either engine.
struct EmptyTarget {
  explicit EmptyTarget(db::Engine engine) {
    if (engine == db::Engine::sqlite) {
      dir.emplace("restore");
      url = "sqlite://" + dir->path + "/meridian.db";
    } else {
      database = testsupport::TestDatabase::create(db::Engine::mysql, false);
      url = database->url();
    }
  }
  std::string url;
  std::optional<ScratchDir> dir;
  std::unique_ptr<testsupport::TestDatabase> database;
};

class Backups : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
    conn().execute("INSERT INTO users (username, pass_hash, created_at) VALUES ('clerk', 'hash-of-clerk', '1')");
    conn().execute("INSERT INTO client_passwords (code_no, pass_hash) VALUES ('F1', 'hash-of-f1')");
  }
  void expectSamePractice(const std::string& url) {
    auto restored = db::Connection::open(url);
    for (const auto& t : kPracticeTables) EXPECT_EQ(dumpTable(*restored, t), dumpTable(conn(), t)) << t;
    EXPECT_EQ(restored->scalar("SELECT COUNT(*) FROM schema_migrations"), conn().scalar("SELECT COUNT(*) FROM schema_migrations"));
  }
  db::Engine otherEngine() const { return GetParam() == db::Engine::sqlite ? db::Engine::mysql : db::Engine::sqlite; }
  ScratchDir dir_{"backups"};
};

TEST_P(Backups, ARestoredBackupHoldsTheSamePractice) {
  for (bool asDump : {false, true}) {
    SCOPED_TRACE(asDump ? "dump" : "engine's own form");
    const auto file = suite::takeBackup(conn(), dir_.path, asDump);
    const bool copy = GetParam() == db::Engine::sqlite && !asDump;
    EXPECT_EQ(file.extension(), copy ? ".db" : ".gz") << file;
    EmptyTarget target(GetParam());
    const auto counts = suite::restoreBackup(file, target.url);
    EXPECT_GT(counts.rows, 0u);
    expectSamePractice(target.url);
  }
}

TEST_P(Backups, ADumpRestoresIntoTheOtherEngine) {
  if (!testsupport::mariadbUnavailableReason().empty()) GTEST_SKIP() << testsupport::mariadbUnavailableReason();
  const auto file = suite::takeBackup(conn(), dir_.path, true);
  EmptyTarget target(otherEngine());
  suite::restoreBackup(file, target.url);
  expectSamePractice(target.url);
}

TEST_P(Backups, RestoreRefusesWhatIsNotAWholeBackupOrATargetThatHoldsData) {
  const auto dump = suite::takeBackup(conn(), dir_.path, true);
  // The same dump cut short.
  std::string whole;
  {
    gzFile in = gzopen(dump.c_str(), "rb");
    char buf[4096];
    int n;
    while ((n = gzread(in, buf, sizeof buf)) > 0) whole.append(buf, static_cast<size_t>(n));
    gzclose(in);
  }
  const fs::path cut = fs::path(dir_.path) / "meridian-20200101-000000.mdump.gz";
  gzFile out = gzopen(cut.c_str(), "wb");
  gzwrite(out, whole.data(), static_cast<unsigned>(whole.size() / 2));
  gzclose(out);

  EmptyTarget forCut(GetParam()), forForeign(GetParam());
  struct Case {
    const char* what;
    fs::path file;
    std::string url;
    const char* messagePart;
  } cases[] = {
      {"a dump cut short", cut, forCut.url, "cut short"},
      {"a database that holds a practice", dump, database().url(), "already"},
      {"a file of another kind", fs::path(dir_.path) / "notes.txt", forForeign.url, "no backup file"},
  };
  for (const auto& c : cases) {
    try {
      suite::restoreBackup(c.file, c.url);
      ADD_FAILURE() << c.what << " was restored";
    } catch (const std::exception& e) {
      EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << c.what << ": " << e.what();
    }
  }
  EXPECT_EQ(dumpTable(conn(), "main_info1").size(), 3u) << "a refused restore touched the practice";
  // The target of the cut dump was never begun.
  if (GetParam() == db::Engine::sqlite) EXPECT_FALSE(fs::exists(forCut.dir->path + "/meridian.db"));
  else EXPECT_TRUE(db::Connection::open(forCut.url)->tables().empty());
}

MERIDIAN_ON_BOTH_ENGINES(Backups);

TEST(BackupDump, TextThatIsNotUtf8IsKeptByteForByte) {
  auto db = testsupport::TestDatabase::create(db::Engine::sqlite);
  const std::string legacy = "Ch\xe2teau \xff\xfe";
  db->conn().execute("INSERT INTO grp_m (code, nm) VALUES ('G1', ?)", {legacy});
  const ScratchDir dir("dump");
  const auto file = suite::takeBackup(db->conn(), dir.path, true);
  EmptyTarget target(db::Engine::sqlite);
  suite::restoreBackup(file, target.url);
  EXPECT_EQ(db::Connection::open(target.url)->scalar("SELECT nm FROM grp_m WHERE code = 'G1'"), legacy);
}

TEST(DailyBackups, OneADayAndOnlyTheNewestKept) {
  auto db = testsupport::TestDatabase::create(db::Engine::sqlite);
  const ScratchDir dir("daily");
  suite::DailyBackups daily(db->conn(), dir.path, 2);
  using namespace std::chrono;
  const auto day1 = system_clock::now() - hours(24 * 10);
  struct Step {
    system_clock::time_point when;
    bool taken;
    size_t kept;
  } steps[] = {{day1, true, 1},
               {day1 + minutes(5), false, 1},
               {day1 + hours(24), true, 2},
               {day1 + hours(48), true, 2},
               {day1 + hours(48) + minutes(1), false, 2}};
  for (const auto& s : steps) {
    EXPECT_EQ(daily.takeIfDue(s.when), s.taken);
    EXPECT_EQ(suite::backupsIn(dir.path).size(), s.kept);
  }
  // The two newest are the ones kept.
  EXPECT_TRUE(suite::hasBackupOfDay(dir.path, day1 + hours(48)));
  EXPECT_TRUE(suite::hasBackupOfDay(dir.path, day1 + hours(24)));
  EXPECT_FALSE(suite::hasBackupOfDay(dir.path, day1));
  // A file that is not a backup is never pruned.
  std::ofstream(fs::path(dir.path) / "notes.txt") << "keep me";
  suite::pruneBackups(dir.path, 1);
  EXPECT_TRUE(fs::exists(fs::path(dir.path) / "notes.txt"));
  EXPECT_EQ(suite::backupsIn(dir.path).size(), 1u);
}

// The commands a practitioner types: a backup, then a restore into a fresh folder.
using testsupport::runCli;

TEST(BackupCommands, AFreshFolderRestoredFromABackupListsTheSameClients) {
  const ScratchDir practice("practice"), fresh("fresh"), kept("kept");
  ASSERT_EQ(runCli({"demo", "--data", practice.path}).code, 0);
  const auto backup = runCli({"backup", "--to", kept.path, "--data", practice.path});
  ASSERT_EQ(backup.code, 0) << backup.err;
  const std::string file = backup.out.substr(backup.out.find(kept.path), backup.out.find('\n') - backup.out.find(kept.path));
  const auto restore = runCli({"restore", file, "--data", fresh.path});
  ASSERT_EQ(restore.code, 0) << restore.err;
  EXPECT_EQ(runCli({"clients", "--module", "?", "--data", fresh.path}).out, runCli({"clients", "--module", "?", "--data", practice.path}).out);
  // Restoring again over the restored practice is refused.
  const auto again = runCli({"restore", file, "--data", fresh.path});
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("exists already"), std::string::npos) << again.err;
}

}  // namespace
}  // namespace meridian

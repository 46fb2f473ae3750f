#include "support/db_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "db/migrations.h"

namespace meridian::testsupport {
namespace fs = std::filesystem;
namespace {

std::string randomSuffix() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  return std::to_string(getpid()) + "_" + std::to_string(rd() % 100000) + "_" + std::to_string(counter++);
}

std::string mariadbPort() {
  const char* dir = std::getenv("MERIDIAN_TEST_MARIADB_DIR");
  if (!dir) return "";
  std::ifstream in(fs::path(dir) / "port");
  std::string port;
  in >> port;
  return port;
}

}  // namespace

std::string mariadbUnavailableReason() {
  if (!std::getenv("MERIDIAN_TEST_MARIADB_DIR"))
    return "MERIDIAN_TEST_MARIADB_DIR is not set: run the tests through ctest, which starts the MariaDB server";
  if (mariadbPort().empty()) return "the test MariaDB server has not started (no port file)";
  return "";
}

std::string engineName(const ::testing::TestParamInfo<db::Engine>& info) {
  return info.param == db::Engine::sqlite ? "SQLite" : "MariaDB";
}

std::string scratchDir(const std::string& hint) {
  fs::path p = fs::temp_directory_path() / ("meridian_test_" + hint + "_" + randomSuffix());
  fs::create_directories(p);
  return p.string();
}

std::unique_ptr<TestDatabase> TestDatabase::create(db::Engine engine, bool migrate) {
  auto t = std::unique_ptr<TestDatabase>(new TestDatabase());
  t->engine_ = engine;
  if (engine == db::Engine::sqlite) {
    t->fileToRemove_ = scratchDir("db");
    t->url_ = "sqlite://" + t->fileToRemove_ + "/test.db";
  } else {
    t->serverUrl_ = "mysql://root@127.0.0.1:" + mariadbPort() + "/mysql";
    t->dropName_ = "t_" + randomSuffix();
    auto admin = db::Connection::open(t->serverUrl_);
    admin->execute("CREATE DATABASE " + t->dropName_ + " CHARACTER SET utf8mb4 COLLATE utf8mb4_bin");
    t->url_ = "mysql://root@127.0.0.1:" + mariadbPort() + "/" + t->dropName_;
  }
  t->conn_ = db::Connection::open(t->url_);
  if (migrate) db::migrate(*t->conn_, db::allMigrations());
  return t;
}

TestDatabase::~TestDatabase() {
  conn_.reset();
  try {
    if (!dropName_.empty()) db::Connection::open(serverUrl_)->execute("DROP DATABASE IF EXISTS " + dropName_);
    if (!fileToRemove_.empty()) fs::remove_all(fileToRemove_);
  } catch (...) {
  }
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::remove_all(path, ignored);
}

std::vector<std::string> dumpTable(db::Connection& conn, const std::string& table) {
  std::vector<std::string> out;
  for (const auto& row : conn.query("SELECT * FROM " + table)) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) line += (row.isNull(i) ? "<null>" : row.text(i)) + "|";
    out.push_back(line);
  }
  std::sort(out.begin(), out.end());
  return out;
}

void DbTest::SetUp() {
  if (GetParam() == db::Engine::mysql) {
    std::string why = mariadbUnavailableReason();
    // Outside ctest there is no server to use; under ctest a missing server is a failure.
    if (!std::getenv("MERIDIAN_TEST_MARIADB_DIR")) GTEST_SKIP() << why;
    if (!why.empty()) FAIL() << why;
  }
  database_ = TestDatabase::create(GetParam());
}

}  // namespace meridian::testsupport

#pragma once
// A fresh, migrated database per test, on SQLite and on the throw-away MariaDB
// server the test run starts (tests/mariadb_fixture.sh).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "db/connection.h"

namespace meridian::testsupport {

// Every row of a table as text, sorted: compare before and after a refused step.
std::vector<std::string> dumpTable(db::Connection& conn, const std::string& table);

class TestDatabase {
 public:
  static std::unique_ptr<TestDatabase> create(db::Engine engine, bool migrate = true);
  ~TestDatabase();
  db::Connection& conn() { return *conn_; }
  const std::string& url() const { return url_; }
  std::vector<std::string> dump(const std::string& table) { return dumpTable(*conn_, table); }

 private:
  db::Engine engine_ = db::Engine::sqlite;
  std::string url_, dropName_, fileToRemove_, serverUrl_;
  std::unique_ptr<db::Connection> conn_;
};

// Why MariaDB tests cannot run here, or "" when they can.
std::string mariadbUnavailableReason();
std::string engineName(const ::testing::TestParamInfo<db::Engine>& info);
std::string scratchDir(const std::string& hint);

// A scratch folder that goes when the test ends, whether it passed or not.
struct ScratchDir {
  explicit ScratchDir(const std::string& hint) : path(scratchDir(hint)) {}
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string path;
};

class DbTest : public ::testing::TestWithParam<db::Engine> {
 protected:
  void SetUp() override;
  db::Connection& conn() { return database_->conn(); }
  TestDatabase& database() { return *database_; }

 private:
  std::unique_ptr<TestDatabase> database_;
};

}  // namespace meridian::testsupport

#define MERIDIAN_ON_BOTH_ENGINES(Suite)                                                             \
  INSTANTIATE_TEST_SUITE_P(Engines, Suite,                                                          \
                           ::testing::Values(::meridian::db::Engine::sqlite, ::meridian::db::Engine::mysql), \
                           ::meridian::testsupport::engineName)

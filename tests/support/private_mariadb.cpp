#include "support/private_mariadb.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "db/connection.h"
#include "support/db_fixture.h"

namespace meridian::testsupport {

PrivateMariaDb::PrivateMariaDb() : dir_(scratchDir("mariadb")) {
  started_ = run("start");
  std::ifstream(std::filesystem::path(dir_) / "port") >> port_;
  started_ = started_ && port_ > 0;
}

PrivateMariaDb::~PrivateMariaDb() {
  run("stop");
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

bool PrivateMariaDb::run(const std::string& command) {
  const std::string line = std::string("'") + MERIDIAN_MARIADB_SCRIPT + "' " + command + " '" + dir_ + "' >/dev/null 2>&1";
  return std::system(line.c_str()) == 0;
}

std::string PrivateMariaDb::createDatabase(const std::string& name) {
  const std::string server = "mysql://root@127.0.0.1:" + std::to_string(port_);
  db::Connection::open(server + "/mysql")->execute("CREATE DATABASE " + name + " CHARACTER SET utf8mb4 COLLATE utf8mb4_bin");
  return server + "/" + name;
}

bool PrivateMariaDb::restart() { return run("restart"); }

}  // namespace meridian::testsupport

#pragma once
// A MariaDB server of one test's own, for tests that stop or restart the
// server under the program (the shared one serves other tests meanwhile).
#include <string>

namespace meridian::testsupport {

class PrivateMariaDb {
 public:
  PrivateMariaDb();  // starts it; started() tells whether it came up
  ~PrivateMariaDb();
  bool started() const { return started_; }
  // A database on it, created empty.
  std::string createDatabase(const std::string& name);
  // Stops the server and starts it again on the same port and data.
  bool restart();

 private:
  bool run(const std::string& command);
  std::string dir_;
  int port_ = 0;
  bool started_ = false;
};

}  // namespace meridian::testsupport

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "host/due_date_store.h"
#include "suite/application.h"
#include "support/cli_runner.h"
#include "support/db_fixture.h"

namespace meridian::cli {
namespace {

using testsupport::runCli;
using Outcome = testsupport::CliOutcome;

// A port some other program holds.
class HeldPort {
 public:
  HeldPort() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(fd_, 1);
    socklen_t len = sizeof a;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
  }
  ~HeldPort() { ::close(fd_); }
  int port() const { return port_; }

 private:
  int fd_;
  int port_ = 0;
};

TEST(CommandLine, BadInputGivesOneLineAndWritesNothing) {
  const std::string data = testsupport::scratchDir("cli");
  HeldPort held;
  struct Case {
    std::vector<std::string> args;
    std::string errorStart;
  } cases[] = {
      {{"serve", "--listen", "127.0.0.1:" + std::to_string(held.port()), "--data", data},
       "meridian: cannot listen on 127.0.0.1:" + std::to_string(held.port())},
      {{"serve", "--listen", "nonsense", "--data", data}, "meridian: listen address must be ADDR:PORT"},
      {{"clients", "--data", data, "--db", "mysql://nobody@127.0.0.1:1/none"}, "meridian: cannot open database mysql://nobody@127.0.0.1:1/none"},
      {{"clients", "--data", data, "--db", "postgres://x/y"}, "meridian: database URL must begin with"},
      {{"clients", "--data", "/proc/meridian-cannot-be-here"}, "meridian: data folder /proc/meridian-cannot-be-here"},
  };
  for (const auto& c : cases) {
    auto o = runCli(c.args);
    SCOPED_TRACE(c.args.front() + " " + c.args[2]);
    EXPECT_EQ(o.code, 1);
    EXPECT_EQ(o.err.rfind(c.errorStart, 0), 0u) << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
  }
  EXPECT_FALSE(std::filesystem::exists(data + "/meridian.db")) << "a refused start writes no database";
  std::filesystem::remove_all(data);
}

TEST(CommandLine, UsersAndAWrongPassword) {
  const std::string data = testsupport::scratchDir("cli");
  EXPECT_EQ(runCli({"user", "add", "clerk", "--password", "first-pass-1", "--data", data}).code, 0);
  auto wrong = runCli({"user", "passwd", "clerk", "--old", "not-it", "--password", "second-pass-2", "--data", data});
  EXPECT_EQ(wrong.code, 1);
  EXPECT_EQ(wrong.err, "meridian: wrong password for clerk\n");
  auto right = runCli({"user", "passwd", "clerk", "--old", "first-pass-1", "--password", "second-pass-2", "--data", data});
  EXPECT_EQ(right.code, 0) << right.err;
  auto again = runCli({"user", "passwd", "clerk", "--old", "first-pass-1", "--password", "third-pass-3", "--data", data});
  EXPECT_EQ(again.code, 1) << "the refused change above must not have happened, and this old password is gone";
  EXPECT_EQ(runCli({"user", "add", "clerk", "--password", "x-pass-12345", "--data", data}).code, 1);
  EXPECT_EQ(runCli({"user", "grant", "clerk", "121", "--data", data}).code, 0);
  EXPECT_NE(runCli({"user", "grant", "clerk", "7", "--data", data}).code, 0) << "only the numbered rights exist";
  EXPECT_EQ(runCli({"--version"}).out, std::string(MERIDIAN_VERSION) + "\n");
  std::filesystem::remove_all(data);
}

TEST(CommandLine, ClientsListsWhatTheGridShows) {
  const std::string data = testsupport::scratchDir("cli");
  ASSERT_EQ(runCli({"demo", "--data", data}).code, 0);
  EXPECT_EQ(runCli({"demo", "--data", data}).code, 1) << "the demo goes only into an empty database";
  auto all = runCli({"clients", "--module", "?", "--data", data});
  auto it = runCli({"clients", "--data", data});
  auto count = [](const std::string& out) { return std::stoi(out.substr(out.rfind(": ") + 2)); };
  EXPECT_EQ(count(all.out) - count(it.out), 3) << "the demo's exclusion file names three clients";
  auto one = runCli({"clients", "--col", "Code=C0001", "--json", "--data", data});
  EXPECT_NE(one.out.find("\"Code\": \"C0001\""), std::string::npos) << one.out;
  EXPECT_EQ(runCli({"clients", "--col", "Nothing=1", "--data", data}).code, 1);
  std::filesystem::remove_all(data);
}

// Runs a command with `input` on standard input.
Outcome runCliWithInput(std::vector<std::string> args, const std::string& input) {
  std::istringstream in(input);
  auto* saved = std::cin.rdbuf(in.rdbuf());
  Outcome o = runCli(std::move(args));
  std::cin.rdbuf(saved);
  return o;
}

TEST(CommandLine, EstimateReadsTheInstalmentDatesThePracticeStored) {
  const std::string data = testsupport::scratchDir("cli-estimate");
  {
    suite::Application a({data, ""});
    host::writeInstalments(a.conn(), 2016, {"15/06/2015", "15/09/2015", "31/12/2015", "15/03/2016"});
  }
  const std::string input = R"({"ay": "2016-17", "status": "Firm", "other": 1000000})";
  auto thirdDate = [](const Outcome& o) {
    return nlohmann::json::parse(o.out)["instalments"][2]["due_date"].get<std::string>();
  };
  const Outcome stored = runCliWithInput({"estimate", "--json", "--data", data}, input);
  ASSERT_EQ(stored.code, 0) << stored.err;
  EXPECT_EQ(thirdDate(stored), "31/12/2015");
  // Without a practice named, the statutory date.
  const Outcome bare = runCliWithInput({"estimate", "--json"}, input);
  ASSERT_EQ(bare.code, 0) << bare.err;
  EXPECT_EQ(thirdDate(bare), "15/12/2015");
  std::filesystem::remove_all(data);
}

}  // namespace
}  // namespace meridian::cli

// The user commands an administrator types on the server's machine.
#include <gtest/gtest.h>

#include <filesystem>

#include "suite/application.h"
#include "suite/signin_throttle.h"
#include "support/cli_runner.h"
#include "support/db_fixture.h"

namespace meridian {
namespace {

using testsupport::runCli;

TEST(UserCommands, DisableResetUnlockAndClientPasswords) {
  const std::string data = testsupport::scratchDir("cli-users");
  ASSERT_EQ(runCli({"demo", "--data", data}).code, 0);
  ASSERT_EQ(runCli({"user", "add", "boss", "--admin", "--password", "boss-password", "--data", data}).code, 0);
  ASSERT_EQ(runCli({"user", "add", "clerk", "--password", "clerk-password", "--data", data}).code, 0);
  {
    suite::Application app({data, ""});
    suite::SignInThrottle throttle(app.conn());
    for (int i = 0; i < 10; ++i) throttle.failed("clerk", "10.0.0.9");
  }
  struct Step {
    std::vector<std::string> args;
    int code;
    std::string says;
  } steps[] = {
      {{"user", "list"}, 0, "sign-in locked: clerk"},
      {{"user", "unlock", "clerk"}, 0, "sign-in of clerk unlocked"},
      {{"user", "disable", "clerk"}, 0, "user clerk disabled"},
      {{"user", "list"}, 0, "clerk\t100\tdisabled"},
      {{"user", "enable", "clerk"}, 0, "user clerk enabled"},
      {{"user", "reset", "clerk"}, 0, "one-time password of clerk: "},
      {{"user", "disable", "boss"}, 1, "at least one active user must keep right 199"},
      {{"user", "revoke", "boss", "199"}, 1, "at least one active user must keep right 199"},
      {{"user", "client-password", "NOSUCH", "--password", "x"}, 1, "there is no client NOSUCH"},
      {{"user", "client-password", "C0001", "--password", "c-secret"}, 0, "client C0001 is protected"},
      {{"user", "client-password", "C0001", "--clear"}, 0, "client C0001 has no password now"},
      {{"user", "disable", "ghost"}, 1, "no user named ghost"},
  };
  for (auto& s : steps) {
    auto args = s.args;
    args.insert(args.end(), {"--data", data});
    const auto o = runCli(args);
    SCOPED_TRACE(s.args[1] + " " + s.args[2 % s.args.size()]);
    EXPECT_EQ(o.code, s.code) << o.err;
    EXPECT_NE((o.out + o.err).find(s.says), std::string::npos) << o.out << o.err;
  }
  suite::Application app({data, ""});
  auto clerk = app.users().find("clerk");
  EXPECT_FALSE(clerk->disabled);
  EXPECT_TRUE(clerk->mustChangePassword);
  EXPECT_FALSE(app.users().authenticate("clerk", "clerk-password")) << "the reset replaced the password";
  EXPECT_FALSE(app.users().clientHasPassword("C0001"));
  std::filesystem::remove_all(data);
}

}  // namespace
}  // namespace meridian

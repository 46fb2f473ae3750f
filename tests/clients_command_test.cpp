// `meridian clients`: the practice's list, or with --user the list that
// user's dashboard shows after their own Client List Selection.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "host/client_selection.h"
#include "suite/data_folder.h"
#include "suite/demo_practice.h"
#include "suite/settings_store.h"
#include "suite/user_store.h"
#include "support/cli_runner.h"
#include "support/db_fixture.h"

namespace meridian {
namespace {

using testsupport::runCli;

class ClientsCommand : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    suite::seedDemoPractice(conn(), suite::DataFolder::open(data_.path), {.clients = 40});
    for (const char* user : {"clerk", "partner"})
      ASSERT_EQ(clients({}, {"user", "add", user, "--password", "a-long-password-1"}).code, 0);
    suite::SettingsStore settings(conn(), suite::UserStore(conn()).find("clerk")->id);
    host::saveSelection([&](const std::string& section, const std::string& key,
                            const std::string& value) { settings.save(section, key, value); },
                        "IT", {"INDIVIDUAL", "Family Sharma"});
  }
  testsupport::CliOutcome clients(std::vector<std::string> args, std::vector<std::string> command = {"clients"}) {
    command.insert(command.end(), args.begin(), args.end());
    for (const auto& a : {"--data", data_.path.c_str(), "--db", database().url().c_str()}) command.push_back(a);
    return runCli(command);
  }
  // Code to status, as the command prints them.
  std::map<std::string, std::string> listed(std::vector<std::string> args) {
    args.push_back("--json");
    const auto out = clients(args);
    EXPECT_EQ(out.code, 0) << out.err;
    std::map<std::string, std::string> codes;
    for (const auto& row : nlohmann::json::parse(out.out)) codes[row["Code"]] = row["Status"];
    return codes;
  }
  testsupport::ScratchDir data_{"clients-command"};
};

TEST_P(ClientsCommand, AUsersSelectionNarrowsOnlyThatUsersList) {
  const auto practice = listed({});
  // The clerk's selection, worked from the seeded groups: the individuals of "Family Sharma".
  std::set<std::string> family;
  for (const auto& r : conn().query("SELECT t.c_code FROM grp_trans t JOIN grp_m m ON m.code = t.code_no "
                                    "WHERE m.nm = 'Family Sharma'"))
    if (practice.count(r.text(0)) && practice.at(r.text(0)) == "INDIVIDUAL") family.insert(r.text(0));
  ASSERT_FALSE(family.empty()) << "the demo has individuals in the group";
  ASSERT_LT(family.size(), practice.size());

  const auto clerk = listed({"--user", "clerk"});
  std::set<std::string> clerkCodes;
  for (const auto& [code, status] : clerk) clerkCodes.insert(code);
  EXPECT_EQ(clerkCodes, family);
  EXPECT_EQ(listed({"--user", "partner"}), practice) << "a user without a selection sees the practice's list";
  EXPECT_GT(listed({"--module", "?", "--user", "clerk"}).size(), practice.size())
      << "a module code without an exclusion file keeps no selection";

  const auto named = clients({"--user", "clerk"});
  EXPECT_NE(named.err.find("Client List Selection of clerk : Status INDIVIDUAL, Group Family Sharma"), std::string::npos)
      << named.err;
  EXPECT_NE(named.out.find("No. of Records : " + std::to_string(family.size()) + "\n"), std::string::npos) << named.out;
}

TEST_P(ClientsCommand, AnUnknownUserIsRefusedAndNothingListed) {
  const auto out = clients({"--user", "nobody"});
  EXPECT_NE(out.code, 0);
  EXPECT_EQ(out.out, "");
  EXPECT_NE(out.err.find("no user \"nobody\""), std::string::npos) << out.err;
}

MERIDIAN_ON_BOTH_ENGINES(ClientsCommand);

}  // namespace
}  // namespace meridian

#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <thread>

#include "db/conflict_retry.h"
#include "suite/client_codes.h"
#include "suite/client_register.h"
#include "support/session_fixture.h"

namespace meridian::suite {
namespace {

TEST(ClientCodePattern, FollowsMostOfThePracticesCodes) {
  struct Case {
    const char* name;
    std::vector<std::string> codes;
    CodePattern pattern;
    const char* next;  // after the highest code in the pattern
  } cases[] = {
      {"zero-padded with a letter", {"C0001", "C0356", "C0002"}, {"C", 4}, "C0357"},
      {"plain numbers", {"1", "2", "41"}, {"", 1}, "42"},
      {"numbers outgrow the padding", {"C9999", "C0001"}, {"C", 4}, "C10000"},
      {"most codes win over the highest", {"A1", "A2", "A3", "Z900"}, {"A", 1}, "A4"},
      {"a tie goes to the higher number", {"A1", "B7"}, {"B", 1}, "B8"},
      {"codes without a number are passed over", {"VICT", "SHAH", "K0012"}, {"K", 4}, "K0013"},
      {"a prefix of several characters", {"IT-001", "IT-002", "X1"}, {"IT-", 3}, "IT-003"},
      {"an empty practice", {}, {"C", 4}, "C0001"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CodePattern p = practicePattern(c.codes);
    EXPECT_EQ(p, c.pattern);
    long long highest = 0;
    for (const auto& code : c.codes)
      if (auto n = numberInPattern(code, p)) highest = std::max(highest, *n);
    EXPECT_EQ(codeInPattern(p, highest + 1), c.next);
  }
  EXPECT_FALSE(numberInPattern("C0012X", {"C", 4}));
  EXPECT_FALSE(numberInPattern("D0012", {"C", 4}));
}

class ClientCodes : public testsupport::PracticeTest {
 protected:
  // A new individual saved through the client register without a code.
  std::string saveNewClient(host::Component& c, const std::string& firstName) {
    auto f = std::dynamic_pointer_cast<ClientRegisterForm>(c.open("frmclreg"));
    (*f)["txtfnm"].text = firstName;
    if (!f->save()) return "";
    const std::string code = f->code();
    c.desktop().close(*f);
    return code;
  }
  void seedDemoLikeCodes() {
    for (const char* code : {"C0001", "C0355", "C0356"})
      conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES (?, 'X', 'HUF')", {code});
  }
};

TEST_P(ClientCodes, FollowThePatternAndAreNeverGivenAgain) {
  seedDemoLikeCodes();
  EXPECT_EQ(saveNewClient(comp(), "ANIL"), "C0357");
  EXPECT_EQ(conn().scalar("SELECT f_nm FROM owner1 WHERE code = 'C0357'"), "ANIL");
  dialogs().answer(ui::Answer::yes);
  ASSERT_TRUE(deleteClient(comp(), "C0357"));
  EXPECT_EQ(saveNewClient(comp(), "BINA"), "C0358") << "a deleted client's code is not given again";
  // A code typed by hand above the counter moves the numbering on.
  conn().execute("INSERT INTO owner1 (code, f_nm) VALUES ('C0400', 'TYPED')");
  EXPECT_EQ(saveNewClient(comp(), "CHARU"), "C0401");
}

// Six users each save new clients without codes at the same moment: every
// save succeeds, and no two clients get one code.
TEST_P(ClientCodes, SixUsersSavingAtOnceGetDistinctCodes) {
  seedDemoLikeCodes();
  constexpr int users = 6, clientsEach = 8;
  std::vector<Signed> sessions;
  for (int u = 0; u < users; ++u) sessions.push_back(signIn(makeUser("desk" + std::to_string(u))));
  std::mutex m;
  std::vector<std::string> codes, failures;
  std::vector<std::thread> threads;
  for (int u = 0; u < users; ++u)
    threads.emplace_back([&, u] {
      for (int i = 0; i < clientsEach; ++i) {
        std::string code;
        try {
          code = saveNewClient(sessions[static_cast<size_t>(u)].session->component(), "USER" + std::to_string(u));
        } catch (const std::exception& e) {
          code = "";
          std::lock_guard lock(m);
          failures.push_back(e.what());
        }
        std::lock_guard lock(m);
        if (code.empty()) failures.push_back("user " + std::to_string(u) + ": a save did not go through");
        else codes.push_back(code);
      }
    });
  for (auto& t : threads) t.join();
  EXPECT_TRUE(failures.empty()) << failures.front();
  const std::set<std::string> distinct(codes.begin(), codes.end());
  EXPECT_EQ(distinct.size(), codes.size());
  EXPECT_EQ(codes.size(), static_cast<size_t>(users * clientsEach));
  EXPECT_EQ(*distinct.begin(), "C0357");
  EXPECT_EQ(*distinct.rbegin(), "C0" + std::to_string(356 + users * clientsEach));
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM owner1 WHERE f_nm LIKE 'USER%'"), std::to_string(users * clientsEach));
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM tempcltbl WHERE name LIKE 'USER%'"), std::to_string(users * clientsEach));
}

MERIDIAN_ON_BOTH_ENGINES(ClientCodes);

}  // namespace
}  // namespace meridian::suite

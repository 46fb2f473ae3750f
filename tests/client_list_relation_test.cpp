#include <gtest/gtest.h>

#include "suite/client_list_table.h"
#include "support/client_seed.h"
#include "support/session_fixture.h"

namespace meridian::suite {
namespace {

using testsupport::SessionTest;

class ClientListRelation : public SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  std::string relation(const std::string& code) {
    return conn().scalar("SELECT fnm FROM tempcltbl WHERE codeno = ?", {code});
  }
};

// The list's relation is "S/o " or "D/o " by sex before the father's name,
// except where the list row already says "W/o ": that stays through a
// refresh of the row and a rebuild of the whole list.
TEST_P(ClientListRelation, AWifeOfRelationSurvivesRefreshAndRebuild) {
  struct Case {
    const char* name;
    const char* code;
    const char* sex;
    const char* listed;  // the list row's relation before
    const char* expected;
  } cases[] = {
      {"a son", "P1", "MALE", "S/o MOHAN", "S/o MOHAN"},
      {"a daughter", "I1", "FEMALE", "S/o SURESH", "D/o SURESH"},
      {"a wife", "I1", "FEMALE", "W/o ANIL RAO", "W/o ANIL RAO"},
      {"a wife in capitals", "I1", "FEMALE", "W/O ANIL RAO", "W/O ANIL RAO"},
      {"no relation typed", "P1", "MALE", "", "S/o MOHAN"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    conn().execute("UPDATE owner1 SET sex = ? WHERE code = ?", {c.sex, c.code});
    for (const char* how : {"refresh", "refresh through the firm", "rebuild"}) {
      SCOPED_TRACE(how);
      conn().execute("UPDATE tempcltbl SET fnm = ? WHERE codeno = ?", {c.listed, c.code});
      if (std::string(how) == "rebuild") rebuildClientList(conn());
      else if (std::string(how) == "refresh") refreshClientListRow(conn(), c.code);
      else refreshClientListRow(conn(), "F1");  // P1 is the firm's partner; I1 is untouched
      const bool rewritten = std::string(how) != "refresh through the firm" || std::string(c.code) == "P1";
      EXPECT_EQ(relation(c.code), rewritten ? c.expected : c.listed);
    }
  }
}

MERIDIAN_ON_BOTH_ENGINES(ClientListRelation);

}  // namespace
}  // namespace meridian::suite

// The transaction rules every multi-statement save leans on.
#include <gtest/gtest.h>

#include "db/fault_injection.h"
#include "support/db_fixture.h"

namespace meridian {
namespace {

using testsupport::DbTest;

class Transactions : public DbTest {
 protected:
  void insert(db::Connection& c, const char* code) { c.execute("INSERT INTO grp_m (code, nm) VALUES (?, 'g')", {code}); }
  // What another user sees: only what has been committed.
  std::string committed() {
    auto other = db::Connection::open(database().url());
    std::string codes;
    for (const auto& r : other->query("SELECT code FROM grp_m ORDER BY code")) codes += r.text(0);
    return codes;
  }
};

TEST_P(Transactions, AJoinedTransactionCommitsOnlyWithTheOutermost) {
  {
    auto outer = conn().begin();
    insert(conn(), "A");
    auto inner = conn().begin();
    insert(conn(), "B");
    inner.commit();
    EXPECT_EQ(committed(), "") << "the inner commit joined the outer transaction";
  }  // the outer one ends without committing
  EXPECT_EQ(committed(), "");
  auto outer = conn().begin();
  insert(conn(), "C");
  outer.commit();
  EXPECT_EQ(committed(), "C");
}

// A step inside that failed and whose error was caught further up must not
// let the outer commit keep the half it wrote.
TEST_P(Transactions, AnInnerStepThatEndsUncommittedRefusesTheOuterCommit) {
  {
    auto outer = conn().begin();
    insert(conn(), "A");
    {
      auto inner = conn().begin();
      insert(conn(), "B");
    }
    EXPECT_THROW(outer.commit(), db::DbError);
  }
  EXPECT_EQ(committed(), "");
  auto next = conn().begin();
  insert(conn(), "C");
  next.commit();
  EXPECT_EQ(committed(), "C") << "the refusal is not carried into the next transaction";
}

TEST_P(Transactions, FaultInjectionFailsTheChosenStatementOfItsConnectionOnly) {
  auto other = db::Connection::open(database().url());
  {
    db::FaultInjection fault(conn(), 2);
    insert(conn(), "A");
    insert(*other, "X");  // another connection is not counted
    EXPECT_THROW(insert(conn(), "B"), db::DbError);
    EXPECT_TRUE(fault.fired());
    EXPECT_NE(fault.failed().find("INSERT INTO grp_m"), std::string::npos);
    insert(conn(), "C");
    EXPECT_EQ(fault.statements(), 3);
  }
  EXPECT_EQ(committed(), "ACX") << "the failed statement never reached the database";
}

MERIDIAN_ON_BOTH_ENGINES(Transactions);

}  // namespace
}  // namespace meridian

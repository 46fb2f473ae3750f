#pragma once
// A database on either engine with the demo practice's heads of income, as
// the printout tests start from.
#include "suite/heads/demo_heads.h"
#include "support/db_fixture.h"

namespace meridian::suite::computation {

class DemoHeadsTest : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    auto tx = conn().begin();
    heads::seedDemoHeads(conn());
    tx.commit();
  }
};

}  // namespace meridian::suite::computation

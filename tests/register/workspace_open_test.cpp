// Opening the workspace: the working context it writes in order, the year
// row and particulars it creates, a year change, and switching entries.
#include <gtest/gtest.h>

#include "register/workspace_fixture.h"

namespace meridian::reg::testing {
namespace {

using W = host::ContextWrite;

class WorkspaceOpening : public WorkspaceTest {};

TEST_P(WorkspaceOpening, LoadWritesTheContextInOrder) {
  const auto writes = journalOf([&] { open("I1", 2016); });
  for (const auto& w : writes) std::cerr << w.object << "." << w.property << "=" << w.value << "\n";
}

MERIDIAN_ON_BOTH_ENGINES(WorkspaceOpening);

}  // namespace
}  // namespace meridian::reg::testing

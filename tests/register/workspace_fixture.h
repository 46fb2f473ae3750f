#pragma once
// A signed-in session on the small practice with the workspace opened on a
// client's year as the dashboard hands it over, and the clicks, choices and
// answers a user gives its screens.
#include <memory>
#include <string>
#include <vector>

#include "register/workspace_form.h"
#include "returns/register_fixture.h"

namespace meridian::reg::testing {

// The register's fixture (the firm F1 with figures in its 2016 year tables,
// its helpers reading the register and the data sets) with the screens on top.
class WorkspaceTest : public returns::testing::RegisterTest {
 protected:
  void TearDown() override;

  // Writes the working context as the dashboard does for a client chosen in
  // mode 1 and opens the workspace on it.
  std::shared_ptr<WorkspaceForm> open(const std::string& code, int year);
  // The screen on top of the desktop.
  ui::Form& top();
  void click(const std::string& control) { raise(top(), control, ui::EventType::click); }
  void raise(ui::Form& form, const std::string& control, ui::EventType type, int row = -1, const std::string& value = "");
  // Picks the entry of a combo box as the page does, then raises its change.
  void choose(const std::string& combo, const std::string& text);
  void type(const std::string& box, const std::string& text) { top()[box].text = text; }
  std::vector<std::string> textsSince(size_t mark) const;
  size_t mark() const { return s_.dialogs->texts().size(); }
  std::vector<std::string> rows(const std::string& sql, const db::Params& params = {});

  std::shared_ptr<WorkspaceForm> ws_;
};

}  // namespace meridian::reg::testing

#include "register/workspace_fixture.h"

#include "common/years.h"
#include "host/client_particulars.h"
#include "host/status.h"

namespace meridian::reg::testing {

void WorkspaceTest::TearDown() {
  ws_.reset();
  RegisterTest::TearDown();
}

std::shared_ptr<WorkspaceForm> WorkspaceTest::open(const std::string& code, int year) {
  auto client = host::ClientParticulars::load(host().base(), code, 0);
  EXPECT_TRUE(client.has_value()) << code;
  host().clientCtx().vT_Code_No = code;
  host().base().STATUSR = client->status;
  host().clientCtx().vT_Year = year;
  host().returnCtx().Vt_ASS_YEAR = assessmentYearText(year);
  host().returnCtx().vITname = client->name();
  host().returnCtx().vT_StaT = client->status;
  host().base().TSTATUS = host::statusClass(client->status);
  ws_ = std::dynamic_pointer_cast<WorkspaceForm>(host().open("subform"));
  EXPECT_TRUE(ws_);
  return ws_;
}

ui::Form& WorkspaceTest::top() {
  ui::Form* f = host().desktop().active();
  if (!f) throw std::logic_error("no screen is shown");
  return *f;
}

void WorkspaceTest::raise(ui::Form& form, const std::string& control, ui::EventType type, int row,
                          const std::string& value) {
  ui::Event e{control, type, 0, row, -1, value};
  ui::Control* c = form.find(control);
  if (c && c->grid && type == ui::EventType::rowColChange) c->grid->selectedRow = row;
  EXPECT_TRUE(form.dispatch(e)) << form.name() << ": " << control << " ran to its end";
}

void WorkspaceTest::choose(const std::string& combo, const std::string& text) {
  top()[combo].selectText(text);
  EXPECT_EQ(top()[combo].text, text);
  raise(top(), combo, ui::EventType::change);
}

std::vector<std::string> WorkspaceTest::textsSince(size_t mark) const {
  const auto all = s_.dialogs->texts();
  return {all.begin() + static_cast<long>(std::min(mark, all.size())), all.end()};
}

std::vector<std::string> WorkspaceTest::rows(const std::string& sql, const db::Params& params) {
  std::vector<std::string> out;
  for (const auto& r : conn().query(sql, params)) {
    std::string line;
    for (size_t i = 0; i < r.size(); ++i) line += (i ? "|" : "") + r.text(i);
    out.push_back(line);
  }
  return out;
}

}  // namespace meridian::reg::testing

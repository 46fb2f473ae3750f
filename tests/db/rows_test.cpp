// Rows written by name and pairs: every value bound, names checked, and the
// reserved word `range` usable as a column on both engines.
#include <gtest/gtest.h>

#include "db/rows.h"
#include "host/control_columns.h"
#include "support/db_fixture.h"

namespace meridian {
namespace {

using testsupport::DbTest;

class Rows : public DbTest {};

TEST_P(Rows, UpsertInsertsThenUpdatesTheSameRow) {
  const db::Pairs key = {{"code_no", "C1"}, {"ass_year", "2016"}};
  db::upsertRow(conn(), "new_tab", key, {{"range", "R-1"}, {"pin", 600001}, {"city", "O'Neill \\ town"}});
  db::upsertRow(conn(), "new_tab", key, {{"range", "R-2"}});
  EXPECT_EQ(database().dump("new_tab").size(), 1u);
  auto row = conn().query("SELECT `range`, pin, city FROM new_tab WHERE code_no = 'C1'");
  ASSERT_EQ(row.size(), 1u);
  EXPECT_EQ(row.front().text("range"), "R-2");
  EXPECT_EQ(row.front().text("pin"), "600001") << "columns not named keep their value";
  EXPECT_EQ(row.front().text("city"), "O'Neill \\ town") << "values are bound, never spliced";
}

TEST_P(Rows, UpdateAndDeleteTouchOnlyTheMatchingRows) {
  for (const char* code : {"A", "B", "C"}) db::insertRow(conn(), "grp_m", {{"code", code}, {"nm", "old"}});
  EXPECT_EQ(db::updateWhere(conn(), "grp_m", {{"nm", "new"}}, {{"code", "B"}}), 1);
  EXPECT_EQ(db::deleteWhere(conn(), "grp_m", {{"code", "A"}}), 1);
  EXPECT_EQ(database().dump("grp_m"), (std::vector<std::string>{"B|new|", "C|old|"}));
}

TEST_P(Rows, NamesThatAreNotIdentifiersAndEmptyConditionsAreRefused) {
  db::insertRow(conn(), "grp_m", {{"code", "A"}, {"nm", "x"}});
  const auto before = database().dump("grp_m");
  EXPECT_THROW(db::insertRow(conn(), "grp_m; DROP TABLE users", {{"code", "Z"}}), std::logic_error);
  EXPECT_THROW(db::updateWhere(conn(), "grp_m", {{"nm = 'y', code", "Z"}}, {{"code", "A"}}), std::logic_error);
  EXPECT_THROW(db::deleteWhere(conn(), "grp_m", {}), std::logic_error) << "a condition-less delete empties nothing";
  EXPECT_THROW(db::upsertRow(conn(), "grp_m", {}, {{"nm", "y"}}), std::logic_error);
  EXPECT_EQ(database().dump("grp_m"), before);
  EXPECT_TRUE(conn().hasTable("users"));
}

// A row shown in a screen's controls and written back from them comes out as
// it went in, for every way a control holds a column.
TEST_P(Rows, ControlsShowAndGiveBackTheirColumns) {
  using host::Shown;
  const host::ColumnMap map = {{"txtcity", "city", Shown::text},     {"cbostate", "state", Shown::choice},
                               {"txtpin", "pin", Shown::pin},        {"chkaudit", "auditc", Shown::tick},
                               {"txtdob", "dob", Shown::date},       {"txtnote", "ind_not", Shown::text, true}};
  db::upsertRow(conn(), "new_tab", {{"code_no", "C1"}, {"ass_year", "2016"}},
                {{"city", "PUNE"}, {"state", "GOA"}, {"pin", 0}, {"auditc", "1"}, {"dob", ""}, {"ind_not", ""}});
  ui::Form f("f", "f");
  for (const char* n : {"txtcity", "txtpin", "txtdob", "txtnote"}) f.add(ui::ControlKind::textBox, n);
  f.add(ui::ControlKind::comboBox, "cbostate").items = {"DELHI", "GOA"};
  f.add(ui::ControlKind::checkBox, "chkaudit");
  f["txtnote"].text = "kept";
  host::showRow(f, conn().query("SELECT * FROM new_tab").front(), map);
  EXPECT_EQ(f["txtcity"].text, "PUNE");
  EXPECT_EQ(f["cbostate"].listIndex, 1);
  EXPECT_EQ(f["txtpin"].text, "") << "a PIN of 0 shows blank";
  EXPECT_EQ(f["chkaudit"].value, 1);
  EXPECT_EQ(f["txtdob"].text, "__/__/____");
  EXPECT_EQ(f["txtnote"].text, "kept") << "a blank value leaves a keep-when-blank control alone";

  const db::Pairs back = host::columnValues(map, [&f](const std::string& c) {
    return c == "chkaudit" ? (f[c].value ? "1" : "0") : c == "txtdob" ? "" : f[c].text;
  });
  db::upsertRow(conn(), "new_tab", {{"code_no", "C2"}, {"ass_year", "2016"}}, back);
  EXPECT_EQ(conn().scalar("SELECT pin FROM new_tab WHERE code_no = 'C2'"), "0") << "a blank PIN is stored as 0";
  EXPECT_EQ(conn().scalar("SELECT auditc FROM new_tab WHERE code_no = 'C2'"), "1");
  EXPECT_EQ(conn().scalar("SELECT state FROM new_tab WHERE code_no = 'C2'"), "GOA");
}

MERIDIAN_ON_BOTH_ENGINES(Rows);

}  // namespace
}  // namespace meridian

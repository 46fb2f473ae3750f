// A grid whose per-column lists are shorter than its titles (a screen that
// set the titles itself, or a list trimmed after a column was added) renders
// its missing columns with the defaults instead of reading past the lists.
#include <gtest/gtest.h>

#include <functional>

#include "web/render_form.h"

namespace meridian::web {
namespace {

class GridForm : public ui::Form {
 public:
  GridForm() : ui::Form("frmgrid", "Grid") {
    ui::Control& g = addGrid("grd");
    g.grid->setColumns({"Name", "City", "Amount"});
    g.grid->rows.push_back({"ASHA", "PUNE", "1500"});
  }
};

int count(const std::string& s, const std::string& what) {
  int n = 0;
  for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
  return n;
}

TEST(RenderGrid, ShortColumnListsTakeTheDefaults) {
  struct Case {
    const char* what;
    std::function<void(ui::Grid&)> trim;
    int headings;         // <th data-col=...> in the title row
    bool amountGrouped;   // third column right-aligned and grouped
  };
  const std::vector<Case> cases = {
      {"no hidden list", [](ui::Grid& g) { g.hidden.clear(); }, 3, false},
      {"hidden list of one: first hidden, rest shown", [](ui::Grid& g) { g.hidden = {true}; }, 2, false},
      {"no widths", [](ui::Grid& g) { g.widths.clear(); }, 3, false},
      {"widths for the first column only", [](ui::Grid& g) { g.widths = {20}; }, 3, false},
      {"alignment for two columns", [](ui::Grid& g) { g.rightAligned = {false, false}; }, 3, false},
      {"alignment for all three", [](ui::Grid& g) { g.rightAligned = {false, false, true}; }, 3, true},
      {"search boxes with no texts", [](ui::Grid& g) { g.searchBoxes = true; g.search.clear(); }, 3, false},
      {"titles set without setColumns",
       [](ui::Grid& g) {
         g.titles = {"Name", "City", "Amount", "Mobile"};
         g.hidden = {false};
         g.widths = {};
       },
       4, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    GridForm f;
    c.trim(f.grid("grd"));
    const std::string html = renderForm(f);
    const size_t head = html.find("<thead>");
    const std::string thead = html.substr(head, html.find("</tr>", head) - head);
    EXPECT_EQ(count(thead, "</th>"), c.headings);
    EXPECT_EQ(html.find("1,500") != std::string::npos, c.amountGrouped);
    const bool firstHidden = !f.grid("grd").hidden.empty() && f.grid("grd").hidden[0];
    EXPECT_EQ(html.find(">ASHA<") != std::string::npos, !firstHidden);
  }
}

TEST(RenderGrid, AWidthGivenIsRenderedAsItsStep) {
  GridForm f;
  f.grid("grd").widths = {20};
  const std::string html = renderForm(f);
  EXPECT_NE(html.find("class=\"w20\" data-col=\"0\""), std::string::npos);
  EXPECT_NE(html.find("<th data-col=\"1\">City</th>"), std::string::npos);
}

}  // namespace
}  // namespace meridian::web

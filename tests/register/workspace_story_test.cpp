// The firm F1 followed through the workspace and the entry form, click by
// click: original, a revised return in each revise mode, a rectification
// request, an order with refunds, and the delete of the last entry; the
// register's rows, the data sets and the working context checked at each step.
#include <gtest/gtest.h>

#include "filing/entry_form.h"
#include "register/workspace_fixture.h"

namespace meridian::reg::testing {
namespace {

using ui::Answer;
using W = host::ContextWrite;
using returns::testing::concat;

class WorkspaceStory : public WorkspaceTest {
 protected:
  // What opening an entry writes after the register has switched: the status
  // of the firm's year (code 5), its maximum marginal rate and trust flags.
  static std::vector<W> statusWrites() {
    return {{"ReturnCtx", "vStatus_Read", "0"}, {"ReturnCtx", "vStatus_Read", "5"},
            {"ReturnCtx", "vMRR", "False"},     {"ReturnCtx", "vPDT", "False"}};
  }
  std::vector<W> dueDates() {
    return {{"ReturnCtx", "VDue_Dt", host::contextText(host().returnCtx().VDue_Dt.get())},
            {"ReturnCtx", "VODue_Dt", host::contextText(host().returnCtx().VODue_Dt.get())}};
  }
  filing::EntryForm& entryForm() {
    auto* form = dynamic_cast<filing::EntryForm*>(&top());
    if (!form) throw std::logic_error("the entry form is not on top");
    return *form;
  }
  // The return frame filled as the user does: mode, filing date, acknowledgement.
  void fileReturn(int mode, const std::string& date, const std::string& ack) {
    EXPECT_EQ(entryForm().frameShown(), "famret");
    click("optrettyp1_" + std::to_string(mode));
    type("txtfieldsM0", date);
    type("txtfieldsM1", ack);
    click("cmdsaveR");
  }
  void reviseWith(const char* option) {
    EXPECT_EQ(entryForm().frameShown(), "famrevise");
    top()[option].value = 1;
    click("cmdupdateRev");
  }
  std::vector<std::string> gridColumn(int col) {
    std::vector<std::string> out;
    const ui::Grid& g = ws_->grid("vsRevOrd");
    for (int r = 0; r < g.rowCount(); ++r) out.push_back(g.textMatrix(r, col));
    return out;
  }
};

TEST_P(WorkspaceStory, OriginalRevisionsRectificationOrderAndTheDeleteOfTheLastEntry) {
  // 1. The dashboard hands the firm's 2016 over: the year gets its original return.
  auto writes = journalOf([&] { open("F1", 2016); });
  const auto original = dataSet("F1");
  EXPECT_EQ(registerRows(), (std::vector<std::string>{"F1|2016|1|R|N|||0||||0|0|||||0|0"}));
  EXPECT_EQ(ws_->caption, "Income Tax calculation for Assessment Year 2016-17 of SHAH AND SONS");
  EXPECT_EQ(gridColumn(0), (std::vector<std::string>{"Original"}));
  EXPECT_EQ(gridColumn(1), (std::vector<std::string>{"O"}));
  EXPECT_FALSE((*ws_)["cmddelrevord"].enabled) << "the original is never deleted";
  EXPECT_FALSE((*ws_)["imLocked"].visible) << "nothing filed, nothing locked";

  // 2. A revised return whose data is saved separately; the unfiled original
  //    is completed first in the entry form.
  size_t m = mark();
  answer({Answer::yes});
  click("cmdaddRev");
  EXPECT_EQ(textsSince(m), (std::vector<std::string>{"Do you want to Revise the Return?",
                                                     "Please furnish details of previously filed Return."}));
  EXPECT_EQ(top().caption, "Edit Details of Original Return");
  fileReturn(4, "25/07/2016", "111111111111111");
  EXPECT_EQ(top().caption, "Revise Return") << "the revision options follow the saved filing details";
  answer({Answer::yes});
  writes = journalOf([&] { reviseWith("optrevise2"); });
  EXPECT_EQ(&top(), ws_.get());
  EXPECT_EQ(writes, concat(switchWrites("R-2", "F1^R-2", "LNF", "25/07/2016", 1, true), statusWrites()));
  EXPECT_EQ(registerRows(), (std::vector<std::string>{"F1|2016|1|R|N|25/07/2016|111111111111111|4||||0|0|||||0|0",
                                                      "F1|2016|2|R|Y|||0||||0|0|||||0|0"}));
  auto revised = dataSet("F1^R-2");
  EXPECT_EQ(revised["income_salary"], original.at("income_salary"));
  EXPECT_EQ(gridColumn(3), (std::vector<std::string>{"F1", "F1^R-2"}));
  EXPECT_EQ(ws_->returnRegister().selected(), 1);
  EXPECT_TRUE((*ws_)["cmddelrevord"].enabled);
  conn().execute("UPDATE income_salary SET salary = 650000 WHERE code_no = 'F1^R-2' AND empr_num = 1");

  // 3. The portal reports the revised return filed and e-verified.
  ws_->UpdateRetDetFromActOL(2, false, "222222222222222", "10/01/2017", "11/01/2017");
  EXPECT_EQ(registerRows()[1], "F1|2016|2|R|Y|10/01/2017|222222222222222|6|11/01/2017|||0|0|||||0|0");
  EXPECT_EQ(gridColumn(2), (std::vector<std::string>{"25/07/2016", "10/01/2017"}));
  EXPECT_TRUE((*ws_)["imLocked"].visible);
  EXPECT_EQ((*ws_)["imLocked"].caption, "Locked");

  // 4. A second revision made in the data of the one before: the filed last
  //    return asks before anything changes.
  m = mark();
  answer({Answer::yes, Answer::yes});
  click("cmdaddRev");
  answer({Answer::yes});
  writes = journalOf([&] { reviseWith("optrevise1"); });
  EXPECT_EQ(textsSince(m),
            (std::vector<std::string>{
                "Revised Return has already been filed. Data of Revised Return Filed earlier could not be retrieved if you "
                "make any changes.\n\nDo you still want to make changes?",
                "Do you want to Revise the Return?",
                "All the changes you will make now for Revised Return will be made in Previously Filed Return and You will "
                "not be able to retrieve data for Previously Filed Return.\n\nDo you want to Continue?"}));
  EXPECT_EQ(writes, concat(switchWrites("R-3", "F1^R-2", "LNF", "10/01/2017", 2, true), statusWrites()));
  EXPECT_EQ(registerRows()[2], "F1|2016|3|R|N|||0||||0|0|||||0|0");
  EXPECT_TRUE(dataSet("F1^R-3").empty()) << "no data set of its own";
  EXPECT_EQ(gridColumn(3), (std::vector<std::string>{"F1", "F1^R-2", "F1^R-2"}));

  // 5. A rectification request: the revision is completed first, then the
  //    request gets a data set of its own.
  m = mark();
  answer({Answer::yes});
  click("cmdaddRect");
  fileReturn(4, "15/02/2017", "333333333333333");
  EXPECT_EQ(top().caption, "Rectification Request");
  type("txtfieldsR0", "01/03/2017");
  type("txtfieldsR1", "CPC/1617/G3/1500000001");
  writes = journalOf([&] { click("cmdupdateRect"); });
  EXPECT_EQ(textsSince(m), (std::vector<std::string>{
                               "Do you really want to 'Submit Online Rectification Request to rectify intimation order "
                               "issued under section 143 (1) by CPC, Bangalore' ?",
                               "Please furnish details of previously filed Return."}));
  EXPECT_EQ(writes, concat(switchWrites("Z-4", "F1^Z-4", "RECTIFICATION", "15/02/2017", 3, false), statusWrites()));
  EXPECT_EQ(registerRows()[2], "F1|2016|3|R|N|15/02/2017|333333333333333|4||||0|0|||||0|0");
  EXPECT_EQ(registerRows()[3], "F1|2016|4|Z|Y|01/03/2017|CPC/1617/G3/1500000001|||||0||||||0|0");
  EXPECT_EQ(dataSet("F1^Z-4")["income_salary"], dataSet("F1^R-2")["income_salary"]);

  // 6. An order u/s 143(3) with interest and two refunds typed into the grid.
  click("cmdaddOrd");
  EXPECT_EQ(top().caption, "Add New Order");
  choose("cbosection", "143(3)");
  type("txtfieldsO0", "20/12/2018");
  type("txtfieldsO1", "27/12/2018");
  type("txtfieldsO2", "31/03/2019");
  type("txtfieldsO4", "1500");
  type("txtfieldsO5", "300");
  const std::pair<int, const char*> cells[][3] = {{{1, "05/01/2019"}, {2, "10000"}, {3, "800"}},
                                                  {{1, "02/01/2019"}, {2, "2000"}, {3, ""}}};
  for (int row = 0; row < 2; ++row)
    for (auto [col, value] : cells[row]) {
      ui::Event e{"vsRefunds", ui::EventType::cellEdited, 0, row, col, value};
      EXPECT_TRUE(top().dispatch(e));
    }
  writes = journalOf([&] { click("cmdupdateO"); });
  EXPECT_EQ(writes, concat(switchWrites("A-5", "F1^Z-4", "", "15/02/2017", 3, false), statusWrites()));
  EXPECT_EQ(registerRows()[4], "F1|2016|5|A|N|||0||||2||2018-12-20|27/12/2018|31/03/2019||1500|300");
  EXPECT_EQ(dataSet("F1^A-5")["nordrefs"],
            (std::vector<std::string>{"2016|1|2019-01-05|10000|800", "2016|2|2019-01-02|2000|0"}));
  EXPECT_EQ(gridColumn(0).back(), "Order (U/s 143(3) Dated 20/12/2018)");
  EXPECT_EQ(gridColumn(2).back(), "20/12/2018");

  // 7. Switching between the entries names each one's data set.
  writes = journalOf([&] { raise(*ws_, "vsRevOrd", ui::EventType::rowColChange, 0); });
  EXPECT_EQ(writes, concat(concat(switchWrites("O-1", "F1", "", "", 0, true), statusWrites()), dueDates()));
  EXPECT_EQ(host().clientCtx().vt_RTCode_No.get(), "F1");
  choose("cbotypeofret", "Rectification (Filed on 01/03/2017 No. CPC/1617/G3/1500000001)");
  EXPECT_EQ(host().clientCtx().vt_RTCode_No.get(), "F1^Z-4");
  EXPECT_EQ(host().clientCtx().vt_RTFlag.get(), "RECTIFICATION");
  raise(*ws_, "vsRevOrd", ui::EventType::rowColChange, 4);

  // 8. The order, the last entry, goes without posting: its refunds go with it.
  const std::string order = "\"Order (U/s 143(3) Dated 20/12/2018)\"";
  const std::string rect = "\"Rectification (Filed on 01/03/2017 No. CPC/1617/G3/1500000001)\"";
  m = mark();
  answer({Answer::yes, Answer::yes, Answer::no, Answer::yes});
  writes = journalOf([&] { click("cmddelrevord"); });
  EXPECT_EQ(textsSince(m),
            (std::vector<std::string>{
                "Do you really want to Delete " + order + " ?",
                "All the changes made in the " + order + " will be deleted. Do you really want to Delete " + order + " ?",
                "Do you want to Post Updated Data of Last Return " + order + " to Previous Return " + rect + " ?",
                "You will not be able to restore data of Last Return " + order +
                    ", if you have lost data of Previous Return " + rect + "\nDo you still want to Delete Last Return " +
                    order + "\nwithout Overwriting to Previous Return " + rect + " ?"}));
  EXPECT_EQ(writes, concat(switchWrites("Z-4", "F1^Z-4", "RECTIFICATION", "15/02/2017", 3, false), statusWrites()));
  EXPECT_EQ(registerRows().size(), 4u);
  EXPECT_TRUE(dataSet("F1^A-5").empty());
  EXPECT_EQ(gridColumn(0).size(), 4u);
  EXPECT_EQ(ws_->returnRegister().selected(), 3) << "the new last entry is in use";
  auto originalNow = dataSet("F1");
  EXPECT_EQ(originalNow["nremutbl"], (std::vector<std::string>{"P1|2016|0|0|0|120000|0|0|0"}))
      << "the partners' figures of the original were kept when another data set came into use";
  originalNow.erase("nremutbl");
  EXPECT_EQ(originalNow, original) << "the original's figures never moved";
}

MERIDIAN_ON_BOTH_ENGINES(WorkspaceStory);

}  // namespace
}  // namespace meridian::reg::testing

// One firm's year through its whole register: original, a revised return
// saved separately, a revised return made in the previous data, a
// rectification request, an order with refunds, and the deletes that unwind it.
#include <gtest/gtest.h>

#include "returns/register_fixture.h"

namespace meridian::returns::testing {
namespace {

using ui::Answer;
using W = host::ContextWrite;

class RegisterStory : public RegisterTest {};

TEST_P(RegisterStory, OriginalRevisionsRectificationOrderAndDeletes) {
  // 1. A year without a register gets its original return.
  enterYear();
  auto writes = journalOf([&] { openRegister(); });
  EXPECT_EQ(writes, switchWrites("O-1", "F1", "ONF", "", 0, true));
  EXPECT_EQ(registerRows(), (std::vector<std::string>{"F1|2016|1|R|N|||0||||0|0|||||0|0"}));
  EXPECT_EQ(reg_->listTexts(), (std::vector<std::string>{"Original"}));
  EXPECT_FALSE(reg_->canDelete());
  EXPECT_EQ(reg_->caption(), "Income Tax calculation for Assessment Year 2016-17 of SHAH AND SONS");
  const auto original = dataSet("F1");

  // 2. Revised return, data saved separately: the unfiled original is completed first.
  forms_->filing = {4, Verification::notChosen, "25/07/2016", "111111111111111"};
  forms_->option = ReviseMode::savedSeparately;
  answer({Answer::yes, Answer::yes});
  writes = journalOf([&] { ASSERT_TRUE(reg_->addRevision(*forms_)); });
  EXPECT_EQ(forms_->opened, (std::vector<std::string>{"return 1", "revise"}));
  EXPECT_EQ(dialogs().texts(),
            (std::vector<std::string>{
                "Do you want to Revise the Return?", "Please furnish details of previously filed Return.",
                "All the changes you will make now for Revised Return will be saved separately and You will be able to "
                "view Previously Filed Return also.\n\nDo you want to Continue?"}));
  const std::vector<W> dueDates = {{"ReturnCtx", "VDue_Dt", host::contextText(host().returnCtx().VDue_Dt.get())},
                                   {"ReturnCtx", "VODue_Dt", host::contextText(host().returnCtx().VODue_Dt.get())}};
  EXPECT_EQ(writes, concat(dueDates, switchWrites("R-2", "F1^R-2", "LNF", "25/07/2016", 1, true)));
  EXPECT_EQ(registerRows(), (std::vector<std::string>{"F1|2016|1|R|N|25/07/2016|111111111111111|4||||0|0|||||0|0",
                                                      "F1|2016|2|R|Y|||0||||0|0|||||0|0"}));
  EXPECT_EQ(conn().scalar("SELECT retdate FROM pending WHERE code_no = 'F1' AND assyear = '2016-17'"), "25/07/2016");
  auto revised = dataSet("F1^R-2");
  EXPECT_EQ(revised["income_salary"], original.at("income_salary"));
  EXPECT_EQ(revised["new_tab"], original.at("new_tab"));
  EXPECT_EQ(revised["nremutbl"], (std::vector<std::string>{"P1|2016|0|0|0|120000|0|0|0"}))
      << "the partners' remuneration travels with the copy";
  EXPECT_EQ(conn().scalar("SELECT dt_tax_det FROM income WHERE code_no = 'F1^R-2'"), "todate");
  EXPECT_EQ(conn().scalar("SELECT dt_tax_det FROM income WHERE code_no = 'F1'"), "");
  // The revision's own work does not touch the original.
  conn().execute("UPDATE income_salary SET salary = 650000 WHERE code_no = 'F1^R-2' AND empr_num = 1");
  conn().execute("UPDATE part_remu SET remun = 150000 WHERE code = 'P1'");

  // 3. The revised return is filed online and e-verified.
  dialogs().clear();
  writes = journalOf([&] { recordOnlineFiling(host(), dialogs(), 2, false, "222222222222222", "10/01/2017", "11/01/2017"); });
  EXPECT_EQ(writes, (std::vector<W>{{"ReturnCtx", "vRev_Dt", "10/01/2017"}, {"ReturnCtx", "vrev_srno", "2"}}));
  EXPECT_TRUE(dialogs().texts().empty()) << "the date of computation is \"todate\": nothing to ask";
  EXPECT_EQ(registerRows()[1], "F1|2016|2|R|Y|10/01/2017|222222222222222|6|11/01/2017|||0|0|||||0|0");
  EXPECT_EQ(database().dump("itrvdet"), (std::vector<std::string>{"F1|2016|6|11/01/2017||||"}));
  EXPECT_EQ(database().dump("pending"), (std::vector<std::string>{"F1||2016-17|10/01/2017|2||0||"}));
  reg_->load();

  // 4. A second revision made in the data of the one before: a filed last
  //    return asks before anything changes.
  forms_->option = ReviseMode::inPreviousReturn;
  answer({Answer::yes, Answer::yes, Answer::yes});
  writes = journalOf([&] { ASSERT_TRUE(reg_->addRevision(*forms_)); });
  EXPECT_EQ(dialogs().texts(),
            (std::vector<std::string>{
                "Revised Return has already been filed. Data of Revised Return Filed earlier could not be retrieved if you "
                "make any changes.\n\nDo you still want to make changes?",
                "Do you want to Revise the Return?",
                "All the changes you will make now for Revised Return will be made in Previously Filed Return and You will "
                "not be able to retrieve data for Previously Filed Return.\n\nDo you want to Continue?"}));
  EXPECT_EQ(writes, switchWrites("R-3", "F1^R-2", "LNF", "10/01/2017", 2, true));
  EXPECT_EQ(registerRows()[2], "F1|2016|3|R|N|||0||||0|0|||||0|0");
  EXPECT_TRUE(dataSet("F1^R-3").empty()) << "no data set of its own";
  dialogs().clear();
  recordOnlineFiling(host(), dialogs(), 3, true, "333333333333333", "15/02/2017", "");
  EXPECT_EQ(registerRows()[2], "F1|2016|3|R|N|15/02/2017|333333333333333|4||||0|0|||||0|0");

  // 5. A rectification request against the intimation, with its own data set.
  reg_->load();
  dialogs().clear();
  forms_->opened.clear();
  forms_->rectification = {"01/03/2017", "CPC/1617/G3/1500000001", "", ""};
  answer({Answer::yes});
  writes = journalOf([&] { ASSERT_TRUE(reg_->addRectification(*forms_)); });
  EXPECT_EQ(dialogs().texts(),
            (std::vector<std::string>{"Do you really want to 'Submit Online Rectification Request to rectify intimation "
                                      "order issued under section 143 (1) by CPC, Bangalore' ?"}));
  EXPECT_EQ(forms_->opened, (std::vector<std::string>{"rectification"}));
  EXPECT_EQ(writes, concat({{"ReturnCtx", "vRev_Dt", "15/02/2017"}, {"ReturnCtx", "vrev_srno", "3"}},
                           switchWrites("Z-4", "F1^Z-4", "RECTIFICATION", "15/02/2017", 3, false)));
  EXPECT_EQ(registerRows()[3], "F1|2016|4|Z|Y|01/03/2017|CPC/1617/G3/1500000001|||||0||||||0|0");
  auto rectified = dataSet("F1^Z-4");
  EXPECT_EQ(rectified["income_salary"], dataSet("F1^R-2")["income_salary"]);
  EXPECT_EQ(rectified["nremutbl"], (std::vector<std::string>{"P1|2016|0|0|0|150000|0|0|0"}))
      << "the revision's partners' figures, in use when the copy was made";
  conn().execute("UPDATE income_salary SET salary = 700000 WHERE code_no = 'F1^Z-4' AND empr_num = 1");

  // 6. An order u/s 143(3) with interest and two refunds.
  dialogs().clear();
  forms_->order.section = 2;
  forms_->order.orderDate = "20/12/2018";
  forms_->order.serviceDate = "27/12/2018";
  forms_->order.interestUpTo = "31/03/2019";
  forms_->order.tax234B = 1500;
  forms_->order.tax234C = 300;
  forms_->order.refunds = {{"05/01/2019", 10000, 800}, {"02/01/2019", 2000, 0}, {"", 0, 0}};
  writes = journalOf([&] { ASSERT_TRUE(reg_->addOrder(*forms_)); });
  EXPECT_TRUE(dialogs().texts().empty());
  EXPECT_EQ(writes, concat({{"ReturnCtx", "vRev_Dt", "15/02/2017"}, {"ReturnCtx", "vrev_srno", "3"}},
                           switchWrites("A-5", "F1^Z-4", "", "15/02/2017", 3, false)));
  EXPECT_EQ(registerRows()[4], "F1|2016|5|A|N|||0||||2||2018-12-20|27/12/2018|31/03/2019||1500|300");
  EXPECT_EQ(dataSet("F1^A-5")["nordrefs"],
            (std::vector<std::string>{"2016|1|2019-01-05|10000|800", "2016|2|2019-01-02|2000|0"}));
  const auto refunds = readRefunds(conn(), "F1^A-5", 2016);
  ASSERT_EQ(refunds.size(), 2u);
  EXPECT_EQ(refunds[0].grantDate, "02/01/2019") << "read by grant date";
  EXPECT_EQ(reg_->listTexts(),
            (std::vector<std::string>{"Original (Filed on 25/07/2016 No. 111111111111111)",
                                      "Revised (Filed on 10/01/2017 No. 222222222222222)",
                                      "Revised (Filed on 15/02/2017 No. 333333333333333)",
                                      "Rectification (Filed on 01/03/2017 No. CPC/1617/G3/1500000001)",
                                      "Order (U/s 143(3) Dated 20/12/2018)"}));

  // 7. The order goes without posting: its refunds go with it.
  dialogs().clear();
  const std::string order = "\"Order (U/s 143(3) Dated 20/12/2018)\"";
  const std::string rect = "\"Rectification (Filed on 01/03/2017 No. CPC/1617/G3/1500000001)\"";
  answer({Answer::yes, Answer::yes, Answer::no, Answer::yes});
  writes = journalOf([&] { ASSERT_TRUE(reg_->deleteLast()); });
  EXPECT_EQ(dialogs().texts(),
            (std::vector<std::string>{
                "Do you really want to Delete " + order + " ?",
                "All the changes made in the " + order + " will be deleted. Do you really want to Delete " + order + " ?",
                "Do you want to Post Updated Data of Last Return " + order + " to Previous Return " + rect + " ?",
                "You will not be able to restore data of Last Return " + order +
                    ", if you have lost data of Previous Return " + rect + "\nDo you still want to Delete Last Return " +
                    order + "\nwithout Overwriting to Previous Return " + rect + " ?"}));
  EXPECT_EQ(writes, switchWrites("Z-4", "F1^Z-4", "RECTIFICATION", "15/02/2017", 3, false));
  EXPECT_EQ(registerRows().size(), 4u);
  EXPECT_TRUE(dataSet("F1^A-5").empty());

  // 8. The rectification goes with posting: its figures become the revision's.
  dialogs().clear();
  const std::string rev = "\"Revised (Filed on 15/02/2017 No. 333333333333333)\"";
  const auto rectificationFigures = dataSet("F1^Z-4");
  answer({Answer::yes, Answer::yes, Answer::yes, Answer::yes, Answer::yes});
  writes = journalOf([&] { ASSERT_TRUE(reg_->deleteLast()); });
  EXPECT_EQ(dialogs().texts(),
            (std::vector<std::string>{
                "Rectification Return has already been filed. Data of Rectification Return Filed earlier could not be "
                "retrieved if you make any changes.\n\nDo you still want to make changes?",
                "Do you really want to Delete " + rect + " ?",
                "All the changes made in the " + rect + " will be deleted. Do you really want to Delete " + rect + " ?",
                "Do you want to Post Updated Data of Last Return " + rect + " to Previous Return " + rev + " ?",
                "It will Overwrite Updated Data of Last Return " + rect + "\nin Previous Return " + rev + "\nConfirm ?"}));
  EXPECT_EQ(writes, switchWrites("R-3", "F1^R-2", "", "10/01/2017", 2, true));
  EXPECT_EQ(registerRows().size(), 3u);
  EXPECT_EQ(dataSet("F1^R-2"), rectificationFigures);
  EXPECT_TRUE(dataSet("F1^Z-4").empty());
  auto originalNow = dataSet("F1");
  EXPECT_EQ(originalNow["nremutbl"], (std::vector<std::string>{"P1|2016|0|0|0|120000|0|0|0"}))
      << "the original's partners' figures were kept when the revision came into use";
  originalNow.erase("nremutbl");
  EXPECT_EQ(originalNow, original) << "the original's figures never moved";
  EXPECT_EQ(conn().scalar("SELECT remun FROM part_remu WHERE code = 'P1'"), "150000");
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(host().base().DocPath.get()) / "ITData" / "F1^R-2"));
}

MERIDIAN_ON_BOTH_ENGINES(RegisterStory);

}  // namespace
}  // namespace meridian::returns::testing

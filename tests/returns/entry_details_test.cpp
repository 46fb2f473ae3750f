// The entry form's save routines: their checks in order, with their exact
// words, and what a save writes.
#include <gtest/gtest.h>

#include "suite/returns/order_sections.h"
#include "returns/register_fixture.h"
#include "common/dates.h"

namespace meridian::returns::testing {
namespace {

using ui::Answer;

class EntryDetails : public RegisterTest {
 protected:
  void SetUp() override {
    RegisterTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    enterYear();
  }
  void addEntry(int srNo, const char* typ, const char* filedOn, int section = 0, const char* orderDt = "",
                const char* assessment = "") {
    RegisterEntry e;
    e.codeNo = "F1";
    e.asYear = 2016;
    e.srNo = srNo;
    e.typ = typ;
    e.ackDt = filedOn;
    e.ackNo = *filedOn ? "ACK" : "";
    e.secSrNo = section;
    e.orderDt = orderDt;
    if (e.isOrder()) e.asMt = assessment;
    insertEntry(conn(), e);
  }
  // Runs a save with fresh dialogs; returns whether it saved and what was shown.
  template <class Save>
  std::pair<bool, std::vector<std::string>> run(Save save, std::vector<Answer> answers = {}) {
    ui::ScriptedDialogs d(std::move(answers));
    bool saved = save(d);
    return {saved, d.texts()};
  }
};

OrderDetails validOrder() {
  OrderDetails o;
  o.section = 2;
  o.orderDate = "20/12/2018";
  return o;
}

TEST_P(EntryDetails, OrderChecksInTheirOrder) {
  struct Case {
    const char* name;
    std::vector<std::tuple<int, const char*, const char*>> existing;  // section, order date, choice
    std::function<void(OrderDetails&)> change;
    const char* refusal;  // nullptr: saved
  };
  const Case cases[] = {
      {"no section", {}, [](OrderDetails& o) { o.section = 0; }, "Specify Section."},
      {"no date", {}, [](OrderDetails& o) { o.orderDate = "__/__/____"; }, "Specify Date of Order."},
      {"before the return it follows", {}, [](OrderDetails& o) { o.orderDate = "25/07/2016"; },
       "Date of Order should be after 25/07/2016."},
      {"before the previous order", {{1, "2018-03-15", ""}}, [](OrderDetails& o) { o.orderDate = "14/03/2018"; },
       "Date of Order should be on or after 15/03/2018 (i.e. Date of Previous Order)."},
      {"served before the order", {}, [](OrderDetails& o) { o.serviceDate = "19/12/2018"; },
       "Date of Service for interest calculation u/s 220(2) should be on or after 20/12/2018."},
      {"interest up to a day before service",
       {},
       [](OrderDetails& o) {
         o.serviceDate = "27/12/2018";
         o.interestUpTo = "26/12/2018";
       },
       "Date upto which interest to be calculated u/s 220(2) should be on or after 27/12/2018."},
      {"interest up to a day before the order", {}, [](OrderDetails& o) { o.interestUpTo = "19/12/2018"; },
       "Date upto which interest to be calculated u/s 220(2) should be on or after 20/12/2018."},
      {"234B up to the order's own date", {}, [](OrderDetails& o) { o.assessedUpTo = "20/12/2018"; },
       "Date of Assessment Order u/s 143(1)/143(3) upto which 234B is chargeable should be before 20/12/2018"},
      {"a malformed date", {}, [](OrderDetails& o) { o.serviceDate = "31/02/2019"; }, "Invalid date entry."},
      {"a refund without its date", {}, [](OrderDetails& o) { o.refunds = {{"", 0, 500}}; },
       "Specify Date of Grant of Refund."},
      {"143(1) after 148", {{3, "2018-03-15", "Re-Assessment"}}, [](OrderDetails& o) { o.section = 1; },
       "Assessment Order u/s 148 or 153A has already been done."},
      {"re-assessment u/s 148 after 143(3)", {{2, "2018-03-15", ""}},
       [](OrderDetails& o) {
         o.section = 3;
         o.assessment = kReAssessment;
       },
       "Only Re-Computation is allowed."},
      {"re-assessment u/s 153A after 153A", {{4, "2018-03-15", "Re-Assessment"}},
       [](OrderDetails& o) {
         o.section = 4;
         o.assessment = kReAssessment;
       },
       "Only Re-Computation is allowed."},
      {"re-assessment u/s 148 after 154", {{5, "2018-03-15", ""}},
       [](OrderDetails& o) {
         o.section = 3;
         o.assessment = kReAssessment;
       },
       nullptr},
      {"re-computation u/s 148 after 143(3)", {{2, "2018-03-15", ""}}, [](OrderDetails& o) { o.section = 3; }, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    conn().execute("DELETE FROM nrevordr");
    addEntry(1, "R", "25/07/2016");
    int sr = 2;
    for (auto [section, date, choice] : c.existing) addEntry(sr++, "A", "", section, date, choice);
    host().returnCtx().vRev_Dt = parseDmy("25/07/2016");
    const auto before = registerRows();
    OrderDetails o = validOrder();
    c.change(o);
    auto [saved, texts] = run([&](ui::Dialogs& d) { return saveOrder(host(), d, o); });
    EXPECT_EQ(saved, c.refusal == nullptr);
    if (c.refusal) {
      EXPECT_EQ(texts, std::vector<std::string>{c.refusal});
      EXPECT_EQ(registerRows(), before);
    } else {
      EXPECT_EQ(registerRows().size(), before.size() + 1);
    }
  }
}

TEST_P(EntryDetails, EditingAnOrderComparesItWithTheOthersOnly) {
  addEntry(1, "R", "25/07/2016");
  addEntry(2, "A", "", 3, "2018-03-15", "Re-Assessment");
  conn().execute("INSERT INTO nordrefs (code_no, ass_year, srno, grantdt, taxa, inta) VALUES ('F1^A-2', 2016, 1, '2018-04-01', 5, 0)");
  host().returnCtx().vRev_Dt = parseDmy("25/07/2016");
  OrderDetails o;
  o.section = 3;
  o.assessment = kReAssessment;
  o.orderDate = "15/03/2018";
  o.tax234B = 700;
  o.refunds = {{"10/04/2018", 900, 40}};
  auto [saved, texts] = run([&](ui::Dialogs& d) { return saveOrder(host(), d, o, 2); });
  EXPECT_TRUE(saved) << texts.front();
  EXPECT_EQ(registerRows(), (std::vector<std::string>{"F1|2016|1|R|N|25/07/2016|ACK|0||||0|0|||||0|0",
                                                      "F1|2016|2|A|N|||0||||3|Re-Assessment|2018-03-15||||700|0"}));
  EXPECT_EQ(database().dump("nordrefs"), (std::vector<std::string>{"F1^A-2|2016|1|2018-04-10|900|40|"}))
      << "the refunds are rewritten whole";
}

TEST_P(EntryDetails, RectificationChecksAndEdit) {
  addEntry(1, "R", "25/07/2016");
  host().returnCtx().vRev_Dt = parseDmy("25/07/2016");
  struct Case {
    RectificationDetails d;
    const char* refusal;
  } cases[] = {
      {{"", "CPC/1"}, "Specify Date of CPC Order."},
      {{"25/07/2016", "CPC/1"}, "Date of CPC Order should be after 25/07/2016."},
      {{"26/07/2016", ""}, "Specify Reference No. of CPC Order."},
      {{"26/07/2016", "CPC/1", "30/02/2017"}, "Invalid date entry."},
  };
  for (const auto& c : cases) {
    auto [saved, texts] = run([&](ui::Dialogs& d) { return saveRectification(host(), d, c.d); });
    EXPECT_FALSE(saved);
    EXPECT_EQ(texts, std::vector<std::string>{c.refusal});
  }
  EXPECT_EQ(registerRows().size(), 1u);
  host().returnCtx().vRev_Dt = host::Date{};
  auto [saved, texts] = run([&](ui::Dialogs& d) { return saveRectification(host(), d, {"02/04/2016", "CPC/1"}); });
  EXPECT_TRUE(saved) << "without a filed return the bound is the first day of the year";
  run([&](ui::Dialogs& d) { return saveRectification(host(), d, {"05/09/2016", "CPC/2", "06/09/2016", "R-77"}, 2); });
  EXPECT_EQ(registerRows()[1], "F1|2016|2|Z|Y|05/09/2016|CPC/2|||06/09/2016|R-77|0||||||0|0");
}

ReturnFilingDetails filedWithDsc() {
  ReturnFilingDetails d;
  d.mode = 4;
  d.filingDate = "25/07/2016";
  d.ackNo = "111";
  return d;
}

TEST_P(EntryDetails, ReturnFilingChecksInTheirOrder) {
  addEntry(1, "R", "");
  struct Case {
    std::function<void(ReturnFilingDetails&)> change;
    const char* refusal;
  } cases[] = {
      {[](ReturnFilingDetails& d) { d.mode = -1; }, "Select Return Type."},
      {[](ReturnFilingDetails& d) { d.filingDate = ""; }, "Specify Date of Return Filing."},
      {[](ReturnFilingDetails& d) { d.filingDate = "31/03/2016"; }, "Return Filing Date should be on or after 01/04/2016"},
      {[](ReturnFilingDetails& d) { d.ackNo = ""; }, "Specify Acknowledgement No."},
      {[](ReturnFilingDetails& d) { d.mode = 3; }, "Specify 'e-Verified'."},
      {[](ReturnFilingDetails& d) {
         d.mode = 3;
         d.verification = Verification::sendItrV;
       },
       "Specify Dispatch Date of Form ITR-V."},
      {[](ReturnFilingDetails& d) {
         d.mode = 3;
         d.verification = Verification::sendItrV;
         d.postDate = "24/07/2016";
       },
       "'Dispatch Date of Form ITR-V' should be greater than or equal to Date of Return Filing."},
      {[](ReturnFilingDetails& d) {
         d.mode = 3;
         d.verification = Verification::eVerified;
         d.postDate = "24/07/2016";
       },
       "'e-Verified On' should be greater than or equal to Date of Return Filing."},
      {[](ReturnFilingDetails& d) {
         d.postDate = "01/08/2016";
         d.receiptDate = "31/07/2016";
       },
       "ITR-V Receipt Date should be greater than or equal to Dispatch Date of Form ITR-V."},
      {[](ReturnFilingDetails& d) { d.processDate = "24/07/2016"; },
       "Process Date should be greater than or equal to Date of Return Filing."},
  };
  const auto before = registerRows();
  for (const auto& c : cases) {
    ReturnFilingDetails d = filedWithDsc();
    c.change(d);
    auto [saved, texts] = run([&](ui::Dialogs& dl) { return saveReturnDetails(host(), dl, 1, d); });
    EXPECT_FALSE(saved);
    EXPECT_EQ(texts, std::vector<std::string>{c.refusal});
    EXPECT_EQ(registerRows(), before);
    EXPECT_TRUE(database().dump("pending").empty());
  }
}

TEST_P(EntryDetails, ReturnFilingWritesTheRegisterAndTheFilingDetails) {
  addEntry(1, "R", "");
  conn().execute("UPDATE income SET dt_tax_det = '31/07/2016' WHERE code_no = 'F1' AND ass_year = 2016");
  ReturnFilingDetails d = filedWithDsc();
  d.mode = 3;
  d.verification = Verification::sendItrV;
  d.postDate = "01/08/2016";
  d.receiptDate = "10/08/2016";
  d.receiptNo = "RCPT-9";
  d.processStatus = "Refund";
  auto [saved, texts] = run([&](ui::Dialogs& dl) { return saveReturnDetails(host(), dl, 1, d); }, {Answer::yes});
  EXPECT_TRUE(saved);
  EXPECT_EQ(texts, std::vector<std::string>{"Do you want to change Date of Computation 31/07/2016 with 25/07/2016"});
  EXPECT_EQ(conn().scalar("SELECT dt_tax_det FROM income WHERE code_no = 'F1' AND ass_year = 2016"), "25/07/2016");
  EXPECT_EQ(registerRows()[0], "F1|2016|1|R|N|25/07/2016|111|5|01/08/2016|10/08/2016|RCPT-9|0|0|||||0|0");
  EXPECT_EQ(database().dump("pending"), (std::vector<std::string>{"F1||2016-17|25/07/2016|1||0||"}));
  EXPECT_EQ(database().dump("itrvdet"), (std::vector<std::string>{"F1|2016|5|01/08/2016|10/08/2016|RCPT-9||"}));
  EXPECT_EQ(database().dump("itretstproc"), (std::vector<std::string>{"F1|2016|1|Refund|"}));

  // A revised return: the original's details are its own row only, and the
  // revision may not be dated before the original.
  addEntry(2, "R", "");
  ReturnFilingDetails early = filedWithDsc();
  early.filingDate = "24/07/2016";
  auto refused = run([&](ui::Dialogs& dl) { return saveReturnDetails(host(), dl, 2, early); });
  EXPECT_EQ(refused.second, std::vector<std::string>{"Return Filing Date should be on or after 25/07/2016"});
  ReturnFilingDetails again = filedWithDsc();
  again.ackNo = "112";
  run([&](ui::Dialogs& dl) { return saveReturnDetails(host(), dl, 1, again); }, {Answer::no});
  EXPECT_EQ(database().dump("itrvdet"), (std::vector<std::string>{"F1|2016|5|01/08/2016|10/08/2016|RCPT-9||"}))
      << "only the last return writes the filing details";
  EXPECT_EQ(registerRows()[0], "F1|2016|1|R|N|25/07/2016|112|4||||0|0|||||0|0");

  // Set back to "Not Filed", the last return leaves the pending list.
  run([&](ui::Dialogs& dl) { return saveReturnDetails(host(), dl, 2, filedWithDsc()); });
  EXPECT_EQ(database().dump("pending").size(), 1u);
  ReturnFilingDetails notFiled;
  notFiled.mode = 0;
  run([&](ui::Dialogs& dl) { return saveReturnDetails(host(), dl, 2, notFiled); });
  EXPECT_TRUE(database().dump("pending").empty());
  EXPECT_EQ(registerRows()[1], "F1|2016|2|R|N|||0||||0|0|||||0|0");
}

TEST_P(EntryDetails, AnOnlineFilingRecordsItsModeByYearSignatureAndVerification) {
  struct Case {
    int year;
    bool dsc;
    const char* everifiedOn;
    const char* mode;
  } cases[] = {
      {2016, true, "", "4"}, {2014, false, "", "3"}, {2014, false, "01/10/2014", "3"},
      {2015, false, "", "5"}, {2016, false, "11/01/2017", "6"},
  };
  for (const auto& c : cases) {
    enterYear(c.year);
    conn().execute("DELETE FROM nrevordr");
    conn().execute("DELETE FROM itrvdet");
    RegisterEntry e;
    e.codeNo = "F1";
    e.asYear = c.year;
    e.srNo = 1;
    insertEntry(conn(), e);
    ui::ScriptedDialogs d;
    recordOnlineFiling(host(), d, 1, c.dsc, "ACK-1", "15/09/" + std::to_string(c.year), c.everifiedOn);
    EXPECT_EQ(conn().scalar("SELECT uptyp FROM nrevordr WHERE code_no = 'F1' AND asyear = ?", {c.year}), c.mode);
    EXPECT_EQ(conn().scalar("SELECT typ FROM itrvdet WHERE code_no = 'F1' AND ass_year = ?", {c.year}), c.mode);
    EXPECT_EQ(conn().scalar("SELECT postdt FROM itrvdet WHERE code_no = 'F1' AND ass_year = ?", {c.year}), c.everifiedOn);
  }
}

MERIDIAN_ON_BOTH_ENGINES(EntryDetails);

}  // namespace
}  // namespace meridian::returns::testing

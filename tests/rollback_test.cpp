// Every save that writes with several statements leaves the whole database as
// it was when any one of its statements fails, and says that it failed.
#include <gtest/gtest.h>

#include <functional>

#include "client/client_info_form.h"
#include "db/fault_injection.h"
#include "host/screen_registry.h"
#include "register/credit_transfer.h"
#include "register/due_date_panel.h"
#include "suite/client_register.h"
#include "suite/heads/head_screen.h"
#include "support/client_seed.h"
#include "support/session_fixture.h"

namespace meridian {
namespace {

class RollbackOnFailure : public testsupport::PracticeTest {
 protected:

  std::map<std::string, std::vector<std::string>> everyTable() {
    std::map<std::string, std::vector<std::string>> out;
    for (const auto& t : conn().tables()) out[t] = database().dump(t);
    return out;
  }

  // A head screen of a sibling shown afresh for I1's A.Y. 2016-17.
  std::shared_ptr<ui::Form> showHeadScreen(const char* progId, const char* member) {
    comp().clientCtx().vT_Code_No = "I1";
    comp().clientCtx().vt_RTCode_No = "I1";
    comp().clientCtx().vT_Year = 2016;
    auto form = comp().sibling(progId).object(member);
    if (form->loaded) comp().desktop().close(*form);
    comp().showMaximised(form);
    return form;
  }

  // Runs the step with its first statement failing, then its second, and so
  // on until it runs to its end. `prepare` opens what the step needs, outside
  // the count; `act` is the step, true when it says it succeeded.
  void eachStatementFailing(db::Connection& stepConn, const std::function<void()>& prepare,
                            const std::function<bool()>& act) {
    std::map<std::string, std::vector<std::string>> before;
    for (int n = 1; n < 1000; ++n) {
      prepare();
      // Opening a screen may rebuild a scratch table; what counts is the save.
      if (n == 1) before = everyTable();
      bool succeeded = false, fired = false;
      std::string failed;
      {
        db::FaultInjection fault(stepConn, n);
        try {
          succeeded = act();
        } catch (const std::exception&) {
        }
        fired = fault.fired();
        failed = fault.failed();
      }
      if (!fired) {
        EXPECT_TRUE(succeeded);
        EXPECT_NE(everyTable(), before) << "the step writes something, so the runs above proved something";
        EXPECT_GT(n, 3) << "a multi-statement step";
        return;
      }
      SCOPED_TRACE("statement " + std::to_string(n) + ": " + failed);
      EXPECT_FALSE(succeeded) << "a failed step says so";
      ASSERT_EQ(everyTable(), before);
    }
    FAIL() << "the step never ran to its end";
  }
};

TEST_P(RollbackOnFailure, ClientInformationSave) {
  std::shared_ptr<client::ClientInfoForm> form;
  eachStatementFailing(
      clerk_.session->conn(),
      [&] {
        EXPECT_EQ(comp().returnCtx().vITname.get(), "") << "the working context follows only a finished save";
        comp().clientCtx().vT_Code_No = "F1";
        comp().clientCtx().vt_RTCode_No = "F1";
        comp().clientCtx().vT_Year = 2016;
        form = std::dynamic_pointer_cast<client::ClientInfoForm>(comp().open("frmsetup2"));
        (*form)["chkResAssInState1"].value = 1;             // asks nothing about the state
        (*form)["chkaudit"].value = 1;                      // the partner's audit flag follows
        (*form)["txtnm"].text = "SHAH AND SONS LLP";
        (*form)["txtaadhaar"].text = "123412341234";
      },
      [&] { return form->save(); });
  EXPECT_EQ(conn().scalar("SELECT auditc FROM owner1 WHERE code = 'P1'"), "1");
  EXPECT_EQ(conn().scalar("SELECT name FROM tempcltbl WHERE codeno = 'F1'"), "SHAH AND SONS LLP");
}

TEST_P(RollbackOnFailure, ClientRegisterSave) {
  struct Case {
    const char* name;
    std::string code;  // "" for a new client, numbered by the program
    std::function<void(ui::Form&)> edit;
  } cases[] = {
      {"new partner of a firm", "",
       [](ui::Form& f) {
         f["txtfnm"].text = "NEW";
         f["txtlinkedto"].text = "F1";
       }},
      {"edited firm", "F1", [](ui::Form& f) { f["txtnm"].text = "SHAH BROTHERS"; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::shared_ptr<suite::ClientRegisterForm> form;
    eachStatementFailing(
        clerk_.session->conn(),
        [&] {
          form = std::dynamic_pointer_cast<suite::ClientRegisterForm>(comp().open("frmclreg", {.code = c.code}));
          c.edit(*form);
        },
        [&] { return form->save(); });
  }
  EXPECT_EQ(conn().scalar("SELECT compnm FROM tempcltbl WHERE codeno = 'P1'"), "SHAH BROTHERS");
}

TEST_P(RollbackOnFailure, ClientRegisterDelete) {
  conn().execute("INSERT INTO adv_tax (code_no, ass_year, srno, amt) VALUES ('F1^R-1', 2016, 1, 100)");
  conn().execute("INSERT INTO new_tab (code_no, ass_year) VALUES ('F1', '2016')");
  eachStatementFailing(
      clerk_.session->conn(), [&] { dialogs().answer(ui::Answer::yes); },
      [&] { return suite::deleteClient(comp(), "F1"); });
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM adv_tax WHERE code_no LIKE 'F1^%'"), "0");
}

TEST_P(RollbackOnFailure, DueDatesSave) {
  ui::Form form("income", "Income Tax");
  form.attach(nullptr, &dialogs());
  reg::DueDatePanel panel(form, comp().base());
  using P = reg::DueDatePanel;
  eachStatementFailing(
      clerk_.session->conn(),
      [&] {
        panel.load(2016);
        ui::Event due{P::filingGrid, ui::EventType::cellEdited, 0, 0, P::colDueDt, "30/09/2016"};
        ui::Event instalment{P::instalmentGrid, ui::EventType::cellEdited, 0, 1, P::colDate, "16/09/2015"};
        form.dispatch(due);
        form.dispatch(instalment);
      },
      [&] { return panel.save(); });
}

TEST_P(RollbackOnFailure, ComputationSettingsSave) {
  conn().execute("INSERT INTO income (code_no, ass_year) VALUES ('I1', 2016)");
  std::shared_ptr<host::Screen> form;
  eachStatementFailing(
      clerk_.session->conn(),
      [&] {
        comp().clientCtx().vT_Code_No = "I1";
        comp().clientCtx().vt_RTCode_No = "I1";
        comp().clientCtx().vT_Year = 2016;
        form = comp().open("frmsetup1");
        (*form)["Check1"].value = 0;
        (*form)["txtint234a"].text = "900";
        (*form)["txtpsr"].text = "KAVITA RAO";
        (*form)["chkbord"].value = 1;
      },
      [&] {
        ui::Event back{"cmdback", ui::EventType::click};
        return form->dispatch(back) && !form->loaded;
      });
  EXPECT_EQ(conn().scalar("SELECT a234 FROM income WHERE code_no = 'I1'"), "0");
}

TEST_P(RollbackOnFailure, CreditTransfer) {
  for (auto [code, year] : {std::pair{"F1", 2008}, {"F1^R-1", 2009}, {"F1", 2010}})
    conn().execute("INSERT INTO mat_taxcredit (code_no, ass_year, taxnormal, tax115jb, creditutil) VALUES (?, ?, 1, 2, 3)",
                   {code, year});
  eachStatementFailing(conn(), [] {}, [&] { return reg::transferCredits(conn(), "F1"); });
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM taxcr115jbc1"), "3");
}

TEST_P(RollbackOnFailure, SalarySave) {
  std::shared_ptr<ui::Form> form;
  auto send = [&](ui::Event e) { ASSERT_TRUE(form->dispatch(e)); };
  auto cell = [&](const char* grid, int col, const char* text) {
    send({grid, ui::EventType::cellEdited, 0, 0, col, text});
  };
  eachStatementFailing(
      clerk_.session->conn(),
      [&] {
        form = showHeadScreen("PrjSalary.Forms", "ObjSalary");
        send({"cmdAddEmp", ui::EventType::click});
        cell("vsfEmployers", 0, "ACME");
        cell("vsfEmployers", 2, "Others");
        cell("vsfEmployers", 7, "400000");
        send({"cmdAddExempt", ui::EventType::click});
        cell("vsfExemptAllow", 0, "HRA");
        cell("vsfExemptAllow", 1, "50000");
        send({"cmdAddOther", ui::EventType::click});
        cell("vsfOtherAllow", 0, "Special Allowance");
      },
      [&] { return dynamic_cast<suite::heads::HeadScreen&>(*form).save(); });
  EXPECT_EQ(conn().scalar("SELECT no_of_empr FROM income WHERE code_no = 'I1' AND ass_year = 2016"), "1");
}

TEST_P(RollbackOnFailure, DepreciationChartSave) {
  std::shared_ptr<ui::Form> form;
  auto send = [&](ui::Event e) { ASSERT_TRUE(form->dispatch(e)); };
  auto item = [&](int row, const char* name, const char* block, const char* rate, const char* opening) {
    send({"cmdAddDep", ui::EventType::click});
    send({"vsfDepChart", ui::EventType::cellEdited, 0, row, 0, name});
    send({"vsfDepChart", ui::EventType::cellEdited, 0, row, 1, block});
    send({"vsfDepChart", ui::EventType::cellEdited, 0, row, 2, rate});
    send({"vsfDepChart", ui::EventType::cellEdited, 0, row, 3, opening});
  };
  eachStatementFailing(
      clerk_.session->conn(),
      [&] {
        form = showHeadScreen("PrjAccounts.Forms", "ObjNewFATR");
        item(0, "OFFICE", "Buildings", "10", "500000");
        item(1, "LATHE", "Machinary and plant", "15", "80000");
      },
      [&] { return dynamic_cast<suite::heads::HeadScreen&>(*form).save(); });
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM dep_itr_it WHERE code_no = 'I1' AND t_year = 2016"), "2");
}

MERIDIAN_ON_BOTH_ENGINES(RollbackOnFailure);

}  // namespace
}  // namespace meridian

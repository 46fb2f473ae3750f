#pragma once
// A signed-in session with the firm F1 of the seeded practice open in A.Y.
// 2016-17, figures in its year tables, and an entry form that answers the
// register from a script, as a user at frmRevOrd would.
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "suite/returns/entry_forms.h"
#include "suite/returns/order_details.h"
#include "suite/returns/rectification_details.h"
#include "suite/returns/return_details.h"
#include "suite/returns/return_register.h"
#include "support/session_fixture.h"

namespace meridian::returns::testing {

class ScriptedEntryForms : public EntryForms {
 public:
  ScriptedEntryForms(host::Component& h, ui::Dialogs& d) : host_(h), dialogs_(d) {}
  // Each frame is saved at once with the details set below; `then` runs when the save succeeded.
  void completeReturn(int srNo, Saved then) override;
  void chooseReviseMode(std::function<void(ReviseMode)> then) override;
  void openRectification(Saved then) override;
  void openOrder(Saved then) override;

  ReturnFilingDetails filing;
  ReviseMode option = ReviseMode::none;
  RectificationDetails rectification;
  OrderDetails order;
  std::vector<std::string> opened;  // which frame the register asked for, in order

 private:
  host::Component& host_;
  ui::Dialogs& dialogs_;
};

class RegisterTest : public testsupport::SessionTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  host::Component& host() { return s_.session->component(); }
  ui::ScriptedDialogs& dialogs() { return *s_.dialogs; }
  db::Connection& sessionConn() { return s_.session->conn(); }
  // Puts F1 and 2016 in the working context, as the dashboard and the year list do.
  void enterYear(int year = 2016);
  // Opens the register as the workspace does, on its last entry.
  void openRegister();
  void answer(std::initializer_list<ui::Answer> answers);
  // Runs a step with the context journal on; returns the writes it made.
  std::vector<host::ContextWrite> journalOf(const std::function<void()>& step);
  // The six writes of switching to an entry.
  static std::vector<host::ContextWrite> switchWrites(const std::string& type, const std::string& code,
                                                      const std::string& flag, const std::string& revDate,
                                                      int revSrNo, bool isReturn);
  // nrevordr of F1's 2016, each row its nineteen values in column order.
  std::vector<std::string> registerRows();
  // The year's rows of the data set, table by table.
  std::map<std::string, std::vector<std::string>> dataSet(const std::string& code);
  void seedFigures(const std::string& code, long long salary);
  // An entry of F1's register: filed on the date given ("" for not filed),
  // with an acknowledgement "ACK<srNo>"; an order u/s the section, dated 15/03/2018.
  static RegisterEntry entry(int year, int srNo, const char* typ, const char* flag, const char* filedOn,
                             int section = 0);

  Signed s_;
  std::unique_ptr<ReturnRegister> reg_;
  std::unique_ptr<ScriptedEntryForms> forms_;
};

// The writes of one step followed by those of the next.
inline std::vector<host::ContextWrite> concat(std::vector<host::ContextWrite> a,
                                              const std::vector<host::ContextWrite>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace meridian::returns::testing

namespace meridian::host {
inline void PrintTo(const ContextWrite& w, std::ostream* os) { *os << w.object << "." << w.property << "=" << w.value; }
}  // namespace meridian::host

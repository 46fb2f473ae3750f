// The workspace's head and task buttons: a sibling module's form, one of this
// module's screens, bank accounts and cards, the computation, the return and
// the e-return.
#include "common/dates.h"
#include "common/text.h"
#include "common/years.h"
#include "db/rows.h"
#include "host/screen_registry.h"
#include "register/head_carry_forward.h"
#include "register/workspace_form.h"
#include "suite/return_forms.h"
#include "suite/sibling_modules.h"

namespace meridian::reg {

using suite::eFilingAvailable;
using suite::returnFormsAvailable;

namespace {

// The columns of an account or card copied between years; named on both
// sides, since other modules add columns of their own to these tables.
std::string accountColumns(bool cards) {
  return cards ? "srno, cardnm, issuedby, cardno, defcc"
               : "srno, banknm, bankadd, micr, actyp, acno, bankcode, bankbrcode, defbank";
}

// The computation's interest rules (ss.234A, 234B) were brought up to date
// on this day; a system clock before it is wrong.
constexpr CivilDate kInterestRulesDate{std::chrono::year{2017}, std::chrono::February, std::chrono::day{24}};

// The caption as the user reads it: access-key marks gone, "&&" an ampersand.
std::string plainCaption(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return trimmed(out);
}

// "24 February 2017", as the host's long date format shows a day.
std::string longDate(const CivilDate& d) {
  static const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
  const unsigned day = static_cast<unsigned>(d.day());
  return (day < 10 ? "0" : "") + std::to_string(day) + " " + months[static_cast<unsigned>(d.month()) - 1] + " " +
         std::to_string(static_cast<int>(d.year()));
}

// Clears the in-process flag however the run ends.
class InProcess {
 public:
  explicit InProcess(host::Base& base) : base_(base) { base_.vFlagInProcess = true; }
  ~InProcess() { base_.vFlagInProcess = false; }

 private:
  host::Base& base_;
};

}  // namespace

void WorkspaceForm::notInstalled(const std::string& what) {
  dialogs().info("The " + what + " screen is not part of this installation yet.");
}

void WorkspaceForm::openScreen(const std::string& name, const std::string& what, const host::OpenRequest& request) {
  if (!host::ScreenRegistry::instance().find(name)) return notInstalled(what);
  if (host_.open(name, request)) headOpened_ = true;
}

void WorkspaceForm::openSibling(const WorkspaceButton& b, const char* progId, const std::string& member) {
  host::ClientContext& ctx = host_.clientCtx();
  base_.Temp_Code = ctx.vT_Code_No.get();
  if (b.counts) ctx.SetSHBCnos(b.counts);
  if (b.carry) offerHeadCarryForward(host_, dialogs(), b.carry);
  auto form = host_.sibling(progId).object(member);
  if (!form || dynamic_cast<suite::AbsentModuleForm*>(form.get())) return notInstalled(plainCaption(b.caption));
  headOpened_ = true;
  host_.showMaximised(form);
}

void WorkspaceForm::buttonClicked(const WorkspaceButton& b) {
  if (!CanNavigate()) return;
  if (b.guarded && !CheckReturn()) return;
  const int year = host_.clientCtx().vT_Year.get();
  const int status = host_.returnCtx().vStatus_Read.get();
  const bool limitedLiability = host_.returnCtx().vT_StaT.get().find("LIMITED LIABILITY") != std::string::npos;
  const AlternateTax alternate = alternateTaxOf(status, limitedLiability, year);
  const std::string control = b.control;
  const std::string what = plainCaption((*this)[control].caption);

  if (control == "cmdpinf") {
    if (base_.CheckPass(100)) openScreen(b.screen, what);
  } else if (control == "cmdcomp") {
    computation();
  } else if (control == "cmdbank" || control == "cmdcc") {
    bankOrCards(control == "cmdcc");
  } else if (control == "cmd29BC") {
    openScreen(alternate == AlternateTax::amt ? "frm29C" : "frm29B", what);
  } else if (control == "cmdmatamt") {
    openSibling(b, b.progId, alternate == AlternateTax::amt ? "ObjAMT_Cal" : "ObjMat_Cal");
  } else if (control == "Command6") {
    openSibling(b, b.progId, deductionsMember(year));
  } else if (control == "cmdgen") {
    openSibling(b, returnComponent(year), generalInformationMember(status));
  } else if (b.progId) {
    openSibling(b, b.progId, b.member);
  } else if (b.screen) {
    openScreen(b.screen, what);
  } else {
    // Forms other than returns, final accounts and fringe benefit tax belong
    // to components of the suite this installation does not carry.
    base_.Temp_Code = host_.clientCtx().vT_Code_No.get();
    notInstalled(what);
  }
}

// ---- bank accounts and credit cards ---------------------------------------------

void WorkspaceForm::bankOrCards(bool cards) {
  if (!base_.CheckPass(100) || !CheckReturn()) return;
  db::Connection& conn = base_.DbObj();
  const std::string client = host_.clientCtx().vT_Code_No.get();
  const int year = host_.clientCtx().vT_Year.get();
  const std::string table = cards ? "credit_details" : "bank_details";
  const std::string what = cards ? "Credit Card Details" : "Bank Details";
  auto rowsIn = [&](int yr) {
    return conn.exists("SELECT 1 FROM " + table + " WHERE code_no = ? AND yr = ?", {client, yr});
  };
  const returns::RegisterEntry& e = register_->inUse();
  if (!e.isRectification() && !e.isOrder() && !rowsIn(year)) {
    const int from = rowsIn(year - 1) ? year - 1 : rowsIn(0) ? 0 : -1;
    if (from >= 0 &&
        dialogs().yesNo("Do you want to Import " + what + " from " + (from ? "Previous Year" : "Master Details") + "?")) {
      auto tx = conn.begin();
      const std::string columns = accountColumns(cards);
      conn.execute("INSERT INTO " + table + " (code_no, yr, " + columns + ") SELECT code_no, ?, " + columns +
                       " FROM " + table + " WHERE code_no = ? AND yr = ?",
                   {year, client, from});
      tx.commit();
    }
  }
  base_.BankCCDet(cards ? "C" : "B", client, year, [this, cards, alive = std::weak_ptr<char>(alive_)] {
    if (!alive.expired()) afterBankOrCards(cards);
  });
}

void WorkspaceForm::afterBankOrCards(bool cards) {
  db::Connection& conn = base_.DbObj();
  const std::string client = host_.clientCtx().vT_Code_No.get();
  const std::string code = host_.clientCtx().vt_RTCode_No.get();
  const int year = host_.clientCtx().vT_Year.get();
  const std::string table = cards ? "credit_details" : "bank_details";
  const std::string columns = accountColumns(cards);
  // The year's accounts become the client's master details; a year left
  // empty leaves the master as it was.
  if (!conn.exists("SELECT 1 FROM " + table + " WHERE code_no = ? AND yr = ?", {client, year})) return;
  try {
    auto tx = conn.begin();
    db::deleteWhere(conn, table, {{"code_no", client}, {"yr", 0}});
    conn.execute("INSERT INTO " + table + " (code_no, yr, " + columns + ") SELECT code_no, 0, " + columns + " FROM " + table +
                     " WHERE code_no = ? AND yr = ?",
                 {client, year});
    auto chosen = conn.query("SELECT * FROM " + table + " WHERE code_no = ? AND yr = ? AND " +
                                 (cards ? "defcc" : "defbank") + " = 'Y'",
                             {client, year});
    if (!chosen.empty()) {
      const db::Row& r = chosen.front();
      const db::Pairs values = cards ? db::Pairs{{"card_name", r.text("cardnm")}, {"card_no", r.text("cardno")},
                                                 {"issuedby", r.text("issuedby")}}
                                     : db::Pairs{{"banknm", r.text("banknm")}, {"micr", r.text("micr")},
                                                 {"actyp", r.text("actyp")}, {"acno", r.text("acno")},
                                                 {"bankcode", r.text("bankcode")}};
      db::updateWhere(conn, "new_tab", values, {{"code_no", code}, {"ass_year", std::to_string(year)}});
      if (conn.exists("SELECT 1 FROM owner1 WHERE code = ?", {client}))
        db::updateWhere(conn, "owner1", values, {{"code", client}});
      else
        db::updateWhere(conn, "main_info1", values, {{"code_no", client}});
    }
    tx.commit();
  } catch (const std::exception& ex) {
    dialogs().exclamation(std::string("The client's master details could not be brought up to date: ") + ex.what());
  }
}

// ---- computation, return, e-return ------------------------------------------------

void WorkspaceForm::computation() {
  const CivilDate now = today();
  if (now < kInterestRulesDate)
    dialogs().info("Your System Date is " + longDate(now) + ". Which is wrong for Calculation under Section 234A & 234B.");
  if (!CanNavigate()) return;
  InProcess running(base_);
  openScreen("Form1", "Computation");
}

void WorkspaceForm::returnOrEFile(bool eFile) {
  if (!CanNavigate()) return;
  const returns::RegisterEntry& e = register_->inUse();
  if (e.isOrder()) return dialogs().info("Not available in case of Order.");
  const std::string form = (*this)["cborets"].text;
  if (form.empty()) {
    refuse("Please Select a Return Form.", "cborets");
    return;
  }
  const int year = host_.clientCtx().vT_Year.get();
  const std::string ay = assessmentYearText(year);
  if (!eFile && !returnFormsAvailable(year)) return dialogs().info("ITR Forms for A.Y. " + ay + " have not been notified yet.");
  if (eFile && !eFilingAvailable(year)) return dialogs().info("E-Filing Rules for A.Y. " + ay + " have not been notified yet.");
  if (e.filed() && !dialogs().yesNo(eFile ? "Do you really want to Generate e-File for the Return Filed earlier?"
                                          : "Do you really want to Generate Form for the Return Filed earlier ?"))
    return;
  if (eFile && e.isReturn() && !e.isOriginal()) {
    const returns::RegisterEntry& original = register_->entries().front();
    if (original.ackDt.size() != 10)
      return dialogs().info("In case of Revised Return, Please Enter Date of Filing of Original Return.");
    if (original.ackNo.empty())
      return dialogs().info("In case of Revised Return, Please Enter Acknowledgement Receipt No. of Filing of Original Return.");
  }

  InProcess running(base_);
  dialogs().progress("Computing A.Y. " + ay, 0, 1);
  try {
    host_.resultCtx().NModule1().ITCalcProc();
  } catch (const std::exception& ex) {
    dialogs().progress("", 1, 1);
    dialogs().exclamation(std::string("The year could not be computed, so no return was produced: ") + ex.what());
    return;
  }
  dialogs().progress("Computing A.Y. " + ay, 1, 1);
  const std::string what = eFile ? "e-Return Filing" : "Return Form";
  if (year >= kFirstYearOfReturnScreen) {
    openScreen("frmitr2013", what, {.mode = eFile ? 2 : 1, .code = host_.clientCtx().vT_Code_No.get()});
    return;
  }
  // Returns of earlier years come from the return components of the suite.
  auto older = host_.sibling(returnComponent(year)).object(eFile ? "EFile" : "ReturnForm");
  if (!older || dynamic_cast<suite::AbsentModuleForm*>(older.get())) return notInstalled(what + " of A.Y. " + ay);
  host_.showMaximised(older);
}

namespace {
const host::ScreenRegistration registered{
    {.name = "subform", .make = [](host::Component& c) { return std::make_shared<WorkspaceForm>(c); }}};
}  // namespace

}  // namespace meridian::reg

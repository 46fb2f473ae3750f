#include "itr/return_screen.h"

#include <chrono>

#include "common/text.h"
#include "common/years.h"
#include "db/connection.h"
#include "host/screen_registry.h"
#include "itr/efile/screen_efile.h"

namespace meridian::itr {

namespace {

const char* const kCommon = "(Common)";
const char* const kSpecify = "(Specify)";
const std::vector<std::string> kBankColumns{"Bank Name", "IFSC Code", "Account No.", "Account Type", "Default"};

std::string upperCaseText(const std::string& s) { return upperCase(trimmed(s)); }
std::string trimmedText(const std::string& s) { return trimmed(s); }

CivilDate today() {
  return std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
}

}  // namespace

ReturnScreen::ReturnScreen(host::Component& component)
    : Screen(component.base(), "frmitr2013", "Return Filing"), host_(component) {
  build();
}

void ReturnScreen::build() {
  using K = ui::ControlKind;
  add(K::label, "lblfamily");
  add(K::frame, "famoptsITRs1to4", "Return Form");
  for (int i = 0; i < 6; ++i) {
    add(K::option, optionName(i), "", "famoptsITRs1to4");
    on(optionName(i), ui::EventType::click, [this, i](ui::Event&) { optionClicked(i); });
  }
  add(K::label, "lblreasons", "", "famoptsITRs1to4").multiline = true;
  add(K::label, "lblform");

  add(K::frame, "famsection", "Filing Section");
  add(K::comboBox, "cbosection", "Section", "famsection");
  for (const auto& s : filingSections()) (*this)["cbosection"].addItem(s.text);
  add(K::comboBox, "cbosection1", "Furnished u/s", "famsection");
  for (const char* s : {"", "139(4A)", "139(4B)", "139(4C)", "139(4D)", "139(4E)", "139(4F)"})
    (*this)["cbosection1"].addItem(s);
  add(K::textBox, "txtnoticeno", "Notice No. u/s 139(9)", "famsection");
  addDateBox("txtnoticedate", "Notice Date", "famsection");
  addDateBox("txtdate92cd", "Date of order u/s 92CD", "famsection");

  add(K::frame, "famrefund", "Refund and Bank Accounts");
  add(K::comboBox, "cborefm", "Refund By", "famrefund");
  for (auto m : {RefundMode::none, RefundMode::bankDeposit, RefundMode::cheque})
    (*this)["cborefm"].addItem(refundModeCaption(m));
  addGrid("vsBA", "famrefund");
  grid("vsBA").setColumns(kBankColumns);
  grid("vsBA").editable = true;
  // What is typed into an account's cell is kept as the row's; the bank,
  // IFSC, type and default flag in capitals, the account number as typed.
  on("vsBA", ui::EventType::cellEdited, [this](ui::Event& e) {
    auto& g = grid("vsBA");
    if (e.row < 0 || e.row >= g.rowCount() || e.col < 0 || e.col >= g.cols()) return;
    g.setTextMatrix(e.row, e.col, e.col == 2 ? trimmedText(e.value) : upperCaseText(e.value));
    g.changed = true;
  });
  on("vsBA", ui::EventType::rowColChange, [this](ui::Event& e) {
    grid("vsBA").selectedRow = e.row;
    grid("vsBA").selectedCol = e.col;
  });
  add(K::button, "cmdaddbank", "&Add Account", "famrefund");
  add(K::button, "cmddelbank", "&Remove Account", "famrefund");
  on("cmdaddbank", ui::EventType::click, [this](ui::Event&) {
    auto& g = grid("vsBA");
    g.rows.push_back({"", "", "", "SAVING", g.rows.empty() ? "DEF" : ""});
    // The new account's first cell takes the keyboard.
    g.selectedRow = g.rowCount() - 1;
    g.selectedCol = 0;
    focus = "vsBA";
  });
  on("cmddelbank", ui::EventType::click, [this](ui::Event&) {
    auto& g = grid("vsBA");
    if (g.selectedRow < 0 || g.selectedRow >= g.rowCount()) return refuse("Please select an account to remove.", "vsBA"), void();
    g.rows.erase(g.rows.begin() + g.selectedRow);
    g.selectedRow = -1;
  });

  add(K::frame, "famverification", "Verification");
  add(K::textBox, "txtnm", "Name", "famverification");
  add(K::textBox, "txtfnm", "Father's Name", "famverification");
  add(K::textBox, "txtPAN", "PAN", "famverification").maxLength = 10;
  add(K::textBox, "txtPlace", "Place", "famverification");
  addDateBox("txtDate", "Date", "famverification");
  add(K::textBox, "txtCapacity", "Capacity", "famverification").maxLength = 255;

  add(K::frame, "famtrp", "Return Preparer");
  add(K::comboBox, "cbotrp", "Return Preparer", "famtrp");
  add(K::textBox, "txttrpamt", "Amount payable to TRP", "famtrp");

  add(K::frame, "famcontact", "Second Mobile and E-mail");
  add(K::comboBox, "cbomobno2", "Mobile No. 2", "famcontact");
  add(K::textBox, "txtmobno2", "", "famcontact").maxLength = 10;
  add(K::comboBox, "cboaltemail", "Secondary E-mail", "famcontact");
  add(K::textBox, "txtemail2", "", "famcontact");
  for (const char* c : {"cbomobno2", "cboaltemail"}) {
    (*this)[c].addItem(kCommon);
    (*this)[c].addItem(kSpecify);
  }

  add(K::label, "lblchecks").multiline = true;
  add(K::button, "cmdproceed", "&E-File");
  add(K::button, "cmdclose", "&Close");
  on("cmdproceed", ui::EventType::click, [this](ui::Event&) { proceed(); });
  on("cmdclose", ui::EventType::click, [this](ui::Event&) { close(); });
}

void ReturnScreen::opened(const host::OpenRequest& request) {
  electronic_ = request.mode != 1;
  const auto& ctx = host_.clientCtx();
  dataSet_ = ctx.vt_RTCode_No.get().empty() ? ctx.vT_Code_No.get() : ctx.vt_RTCode_No.get();
  if (dataSet_.empty()) dataSet_ = request.code;
  year_ = ctx.vT_Year.get();
  (*this)["cmdproceed"].caption = electronic_ ? "&E-File" : "&Preview";
  if (dataSet_.empty() || year_ == 0) {
    dialogs().info("Please open a client and an assessment year first.");
    for (const auto& c : controls()) c->enabled = c->name == "cmdclose";
    return;
  }
  db::Connection& conn = base_.DbObj();
  review_ = reviewReturn(conn, {dataSet_, year_, "", electronic_, today()});
  caption = std::string("Return Filing (") + (electronic_ ? "Electronically" : "Paper") + ") for A.Y. " +
            assessmentYearText(year_) + " of " + review_.year.clientName;
  preparers_.clear();
  (*this)["cbotrp"].clear();
  (*this)["cbotrp"].addItem("(Select)");
  for (const auto& r : conn.query("SELECT srno, trpnm, trpid FROM trp_master ORDER BY trpnm")) {
    preparers_.push_back({static_cast<int>(r.integer("srno")), r.text("trpnm"), r.text("trpid"), Money()});
    (*this)["cbotrp"].addItem(r.text("trpnm"));
  }
  showForms();
  showParticulars();
}

void ReturnScreen::showForms() {
  const Applicability& a = review_.forms;
  (*this)["lblfamily"].caption = a.family;
  (*this)["famoptsITRs1to4"].visible = a.choices;
  accepted_ = -1;
  form_ = a.choices ? "" : a.fixedForm;
  const std::string stored = base_.GetMiscOthInf(dataSet_, year_, kChosenFormKey);
  for (const auto& o : a.options) {
    ui::Control& c = (*this)[optionName(o.index)];
    c.caption = o.caption;
    c.visible = o.visible;
    c.tooltip = o.reasonText();
    c.cssClass = o.usable() ? "" : "refused";
    c.value = 0;
  }
  // The form kept for the year when it still applies, else the one a
  // practitioner would file.
  for (const auto& code : {stored, a.preferredForm()}) {
    for (const auto& o : a.options)
      if (accepted_ < 0 && o.visible && o.usable() && o.code == code) accepted_ = o.index;
  }
  if (accepted_ >= 0) {
    (*this)[optionName(accepted_)].value = 1;
    form_ = a.options[static_cast<size_t>(accepted_)].code;
  }
  std::string reasons;
  for (const auto& o : a.options)
    if (o.visible && !o.usable()) reasons += (reasons.empty() ? "" : "\n") + formCodeOfCaption(o.caption) + ": " + o.reasonText();
  for (const auto& n : a.notExamined) reasons += (reasons.empty() ? "" : "\n") + n;
  (*this)["lblreasons"].caption = reasons;
  (*this)["lblform"].caption = form_.empty() ? "No return form applies." : "Return Form : " + form_;
  (*this)["cbosection1"].visible = form_ == "ITR-7";
}

void ReturnScreen::showParticulars() {
  const FilingParticulars& f = review_.particulars;
  const FilingSection* s = f.section();
  (*this)["cbosection"].selectText(s ? s->text : "");
  (*this)["cbosection1"].selectText(f.furnishedUnder);
  (*this)["txtnoticeno"].text = f.noticeNo;
  showDate("txtnoticedate", f.noticeDate ? formatDmy(*f.noticeDate) : "");
  showDate("txtdate92cd", f.date92CD ? formatDmy(*f.date92CD) : "");
  (*this)["cborefm"].selectText(refundModeCaption(f.refundMode));
  auto& g = grid("vsBA");
  g.clearRows();
  for (const auto& a : f.bankAccounts)
    g.rows.push_back({a.bankName, a.ifsc, a.accountNo, a.accountType, a.isDefault ? "DEF" : ""});
  (*this)["txtnm"].text = f.verification.name;
  (*this)["txtfnm"].text = f.verification.fatherName;
  (*this)["txtPAN"].text = f.verification.pan;
  (*this)["txtPlace"].text = f.verification.place;
  showDate("txtDate", formatDmy(f.verification.date.value_or(today())));
  (*this)["txtCapacity"].text = f.verification.capacity;
  (*this)["cbotrp"].selectText(f.preparer ? f.preparer->name : "(Select)");
  (*this)["txttrpamt"].text = f.preparer && !f.preparer->amount.isZero() ? f.preparer->amount.text() : "";
  (*this)["cbomobno2"].selectText(f.mobile2Common ? kCommon : kSpecify);
  (*this)["txtmobno2"].text = f.mobile2;
  (*this)["cboaltemail"].selectText(f.email2Common ? kCommon : kSpecify);
  (*this)["txtemail2"].text = f.email2;
}

void ReturnScreen::optionClicked(int index) {
  if (index == accepted_) return;
  const auto& options = review_.forms.options;
  if (index < 0 || static_cast<size_t>(index) >= options.size()) return;
  const FormOption& o = options[static_cast<size_t>(index)];
  if (!o.usable() || !o.visible) {
    (*this)[optionName(index)].value = 0;
    if (accepted_ >= 0) (*this)[optionName(accepted_)].value = 1;
    dialogs().info(refusalMessage(o));
    return;
  }
  if (accepted_ >= 0) (*this)[optionName(accepted_)].value = 0;
  (*this)[optionName(index)].value = 1;
  accepted_ = index;
  form_ = o.code;
  (*this)["lblform"].caption = "Return Form : " + form_;
  (*this)["cbosection1"].visible = form_ == "ITR-7";
}

FilingParticulars ReturnScreen::typedParticulars() {
  FilingParticulars f = review_.particulars;
  const int item = (*this)["cbosection"].listIndex;
  f.sectionCode = item >= 0 && static_cast<size_t>(item) < filingSections().size() ? filingSections()[static_cast<size_t>(item)].code : "";
  f.furnishedUnder = form_ == "ITR-7" ? text("cbosection1") : "";
  f.noticeNo = text("txtnoticeno");
  f.noticeDate = parseDmy(completeTypedDate((*this)["txtnoticedate"].text));
  f.date92CD = parseDmy(completeTypedDate((*this)["txtdate92cd"].text));
  const int refund = (*this)["cborefm"].listIndex;
  f.refundMode = refund == 1 ? RefundMode::bankDeposit : refund == 2 ? RefundMode::cheque : RefundMode::none;
  f.bankAccounts.clear();
  int serial = 0;
  for (const auto& row : grid("vsBA").rows) {
    BankAccount a;
    a.serial = ++serial;
    a.bankName = upperCaseText(row.at(0));
    a.ifsc = upperCaseText(row.at(1));
    a.accountNo = trimmedText(row.at(2));
    a.accountType = upperCaseText(row.at(3));
    a.isDefault = upperCaseText(row.at(4)) == "DEF" || upperCaseText(row.at(4)) == "Y";
    f.bankAccounts.push_back(a);
  }
  f.verification = {text("txtnm"),
                    text("txtfnm"),
                    upperCaseText(text("txtPAN")),
                    text("txtPlace"),
                    parseDmy(completeTypedDate((*this)["txtDate"].text)),
                    text("txtCapacity")};
  const int trp = (*this)["cbotrp"].listIndex;
  if (trp > 0 && static_cast<size_t>(trp) <= preparers_.size()) {
    f.preparer = preparers_[static_cast<size_t>(trp - 1)];
    f.preparer->amount = Money::parse(text("txttrpamt")).value_or(Money());
  } else {
    f.preparer.reset();
  }
  f.mobile2Common = text("cbomobno2") != kSpecify;
  f.mobile2 = text("txtmobno2");
  f.email2Common = text("cboaltemail") != kSpecify;
  f.email2 = text("txtemail2");
  return f;
}

bool ReturnScreen::keep() {
  if (dataSet_.empty() || year_ == 0) return false;
  try {
    FilingParticulars f = typedParticulars();
    db::Connection& conn = base_.DbObj();
    auto tx = conn.begin();
    saveFilingParticulars(conn, f);
    if (!form_.empty()) base_.SetMiscOthInf(dataSet_, year_, kChosenFormKey, form_);
    tx.commit();
    review_.particulars = f;
    return true;
  } catch (const std::exception& e) {
    dialogs().exclamation(std::string("The filing particulars could not be saved, nothing was written: ") + e.what());
    return false;
  }
}

void ReturnScreen::proceed() {
  if (form_.empty()) return refuse("No return form applies to this client year: " + (*this)["lblreasons"].caption,
                                   "famoptsITRs1to4"), void();
  if (auto gate = yearNotNotified(year_, form_, electronic_)) return dialogs().info(*gate);
  if (!electronic_) {
    if (auto paper = paperFilingRefusal(review_.year, form_, text("cbosection1") == "139(4B)")) return dialogs().info(*paper);
  }
  if (!keep()) return;
  const auto results = runFilingChecks(review_.year, review_.particulars,
                                       {form_, electronic_, today(), dataSet_.find("^R") != std::string::npos});
  std::string notes;
  for (const auto& r : results) {
    switch (r.outcome) {
      case CheckOutcome::passed: break;
      case CheckOutcome::stopped:
        (*this)["lblchecks"].caption = "Stopped: " + r.message;
        refuse(r.message, r.focus);
        return;
      case CheckOutcome::asked:
        if (!dialogs().yesNo(r.message, "", r.defaultNo ? ui::Answer::no : ui::Answer::yes)) {
          if (!r.sectionOnYes.empty()) continue;  // the section stays as chosen
          focus = r.focus;
          (*this)["lblchecks"].caption = "Stopped at: " + r.check;
          return;
        }
        if (!r.sectionOnYes.empty()) {
          if (const FilingSection* s = filingSectionOfCode(r.sectionOnYes)) (*this)["cbosection"].selectText(s->text);
          if (!keep()) return;
        }
        break;
      case CheckOutcome::warned: dialogs().info(r.message); break;
      case CheckOutcome::notExamined: notes += (notes.empty() ? "" : "\n") + r.check + ": " + r.message; break;
    }
  }
  const std::string done = "All checks before the return have passed for " + form_ + ".";
  (*this)["lblchecks"].caption = notes.empty() ? done : done + "\nNot examined:\n" + notes;
  if (!notes.empty()) dialogs().exclamation(done + "\n\nNot examined:\n" + notes);
  else if (!electronic_) dialogs().info(done);
  if (electronic_) efile::eFileFromReturnScreen(host_, dialogs(), dataSet_, year_, form_, review_.particulars);
}

void ReturnScreen::unload() {
  if (loaded && !dataSet_.empty() && year_ != 0) keep();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "frmitr2013", .make = [](host::Component& c) { return std::make_shared<ReturnScreen>(c); }}};
}  // namespace

}  // namespace meridian::itr

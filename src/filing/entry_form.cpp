#include "filing/entry_form.h"

#include "common/dates.h"
#include "common/money.h"
#include "common/text.h"
#include "filing/intimation_reader.h"
#include "host/screen_registry.h"
#include "suite/returns/order_details.h"
#include "suite/returns/order_sections.h"
#include "suite/returns/rectification_details.h"
#include "suite/returns/return_details.h"
#include "suite/returns/return_register.h"
#include "suite/returns/revise_mode.h"

namespace meridian::filing {
namespace {

using returns::RegisterEntry;

// The filing modes of `optrettyp1`, by the code each option stands for.
constexpr const char* kModeOptions[] = {"Not Filed", "Unknown", "Paper", "eReturn without DSC", "eReturn with DSC"};
std::string modeOption(int i) { return "optrettyp1_" + std::to_string(i); }

// From A.Y. 2015-16 a return filed without a signature is verified either by
// sending ITR-V or electronically (as the return frame's save tells apart).
constexpr int kFirstYearOfEVerification = 2015;
constexpr const char* kSendItrV = "Send ITR-V";
constexpr const char* kEVerified = "e-Verified";

constexpr const char* kProcessingStatuses[] = {"Nil Refund/Demand", "Refund", "Demand", "Demand (Tax Payable)", "Other"};

constexpr const char* kRefunds = "vsRefunds";
constexpr int kRefundRows = 5;
enum RefundColumn { colSr, colGranted, colTax, colInterest };

struct Section {
  int code;
  std::string text;
};
std::vector<Section> sections() {
  std::vector<Section> out;
  for (int code = 1;; ++code) {
    std::string text = returns::orderSectionText(code);
    if (text.empty()) return out;
    out.push_back({code, std::move(text)});
  }
}

std::string shownDate(const std::string& stored) {
  if (auto iso = parseIso(stored)) return formatDmy(*iso);
  return stored;
}

long long wholeRupees(const std::string& text) {
  auto m = Money::parse(trimmed(text));
  return m ? m->wholeRupees() : 0;
}

}  // namespace

EntryForm::EntryForm(host::Component& host) : host::Screen(host.base(), "frmRevOrd", "Return / Order"), host_(host) {
  add(ui::ControlKind::label, "lblClient");
  buildReturnFrame();
  buildReviseFrame();
  buildRectificationFrame();
  buildOrderFrame();
  add(ui::ControlKind::button, "cmdcancel", "&Cancel");
  on("cmdcancel", ui::EventType::click, [this](ui::Event&) { close(); });
}

void EntryForm::buildReturnFrame() {
  add(ui::ControlKind::frame, "famret").visible = false;
  add(ui::ControlKind::frame, "famrettyp", "Mode of Filing", "famret");
  for (int i = 0; i < 5; ++i) {
    add(ui::ControlKind::option, modeOption(i), kModeOptions[i], "famrettyp");
    on(modeOption(i), ui::EventType::click, [this, i](ui::Event&) {
      for (int j = 0; j < 5; ++j) (*this)[modeOption(j)].value = j == i ? 1 : 0;
      modeChanged();
    });
  }
  addDateBox("txtfieldsM0", "Date of Return Filing", "famret");
  add(ui::ControlKind::textBox, "txtfieldsM1", "Acknowledgement No.", "famret").maxLength = 20;
  ui::Control& evr = add(ui::ControlKind::comboBox, "cboEVR", "e-Verification", "famret");
  evr.items = {kSendItrV, kEVerified};
  on("cboEVR", ui::EventType::change, [this](ui::Event&) { modeChanged(); });
  addDateBox("txtfieldsM2", "ITR-V Dispatch Date", "famret");
  addDateBox("txtfieldsM3", "ITR-V Receipt Date", "famret");
  add(ui::ControlKind::textBox, "txtfieldsM4", "ITR-V Receipt No.", "famret").maxLength = 20;
  addDateBox("txtfieldsM5", "Process Date", "famret");
  ui::Control& proc = add(ui::ControlKind::comboBox, "cboProcStat", "Processing Status", "famret");
  for (const char* s : kProcessingStatuses) proc.addItem(s);
  add(ui::ControlKind::button, "cmdsaveR", "&Save", "famret");
  add(ui::ControlKind::button, "cmdpick", "&Pick from Login", "famret");
  on("cmdsaveR", ui::EventType::click, [this](ui::Event&) { saveReturn(); });
  on("cmdpick", ui::EventType::click, [this](ui::Event&) {
    dialogs().info("Picking the filing details from the department's portal is not part of this installation yet.");
  });
}

void EntryForm::buildReviseFrame() {
  add(ui::ControlKind::frame, "famrevise", "How should the Revised Return keep its data?").visible = false;
  add(ui::ControlKind::option, "optrevise2", "Save the Revised Return's data separately", "famrevise");
  add(ui::ControlKind::option, "optrevise1", "Make the changes in the data of the Previously Filed Return", "famrevise");
  add(ui::ControlKind::button, "cmdupdateRev", "&Continue", "famrevise");
  on("cmdupdateRev", ui::EventType::click, [this](ui::Event&) {
    const returns::ReviseMode option = (*this)["optrevise2"].value   ? returns::ReviseMode::savedSeparately
                                       : (*this)["optrevise1"].value ? returns::ReviseMode::inPreviousReturn
                                                                     : returns::ReviseMode::none;
    const returns::ReviseMode mode = returns::confirmReviseMode(dialogs(), option);
    if (mode == returns::ReviseMode::none) return;
    auto next = std::move(revised_);
    close();
    if (next) next(mode);
  });
}

void EntryForm::buildRectificationFrame() {
  add(ui::ControlKind::frame, "famrect").visible = false;
  addDateBox("txtfieldsR0", "Date of CPC Order", "famrect");
  add(ui::ControlKind::textBox, "txtfieldsR1", "Reference No. of CPC Order", "famrect").maxLength = 40;
  addDateBox("txtfieldsR2", "Date of Rectification Request", "famrect");
  add(ui::ControlKind::textBox, "txtfieldsR3", "Rectification Request No.", "famrect").maxLength = 40;
  add(ui::ControlKind::button, "cmdupdateRect", "&Save", "famrect");
  add(ui::ControlKind::button, "cmdreadpdf", "Read &Intimation (PDF)", "famrect");
  on("cmdupdateRect", ui::EventType::click, [this](ui::Event&) { saveRectification(); });
  on("cmdreadpdf", ui::EventType::click, [this](ui::Event&) { readIntimation(); });
}

void EntryForm::buildOrderFrame() {
  add(ui::ControlKind::frame, "famorder").visible = false;
  ui::Control& section = add(ui::ControlKind::comboBox, "cbosection", "Section", "famorder");
  for (const auto& s : sections()) section.addItem(s.text);
  on("cbosection", ui::EventType::change, [this](ui::Event&) { sectionChanged(); });
  add(ui::ControlKind::frame, "famasmt", "", "famorder").visible = false;
  add(ui::ControlKind::option, "optasmt0", returns::kReComputation, "famasmt");
  add(ui::ControlKind::option, "optasmt1", returns::kReAssessment, "famasmt");
  addDateBox("txtfieldsO0", "Date of Order", "famorder");
  addDateBox("txtfieldsO1", "Date of Service (interest u/s 220(2) from)", "famorder");
  addDateBox("txtfieldsO2", "Interest u/s 220(2) calculated up to", "famorder");
  addDateBox("txtfieldsO3", "Assessment Order u/s 143(1)/143(3) up to which 234B is charged", "famorder");
  add(ui::ControlKind::textBox, "txtfieldsO4", "Interest u/s 234B", "famorder").validateData = 4;
  add(ui::ControlKind::textBox, "txtfieldsO5", "Interest u/s 234C", "famorder").validateData = 4;
  add(ui::ControlKind::frame, "famrefunds", "Refunds Granted", "famorder");
  ui::Grid& g = *addGrid(kRefunds, "famrefunds").grid;
  g.setColumns({"Sr.", "Date of Grant", "Refund of Tax", "Interest on Refund"});
  g.frozenCols = 1;
  g.editable = true;
  g.rightAligned = {false, false, true, true};
  on(kRefunds, ui::EventType::cellEdited, [this](ui::Event& e) { refundEdited(e); });
  on(kRefunds, ui::EventType::rowColChange, [](ui::Event&) {});
  add(ui::ControlKind::button, "cmdupdateO", "&Save", "famorder");
  add(ui::ControlKind::button, "cmdcomputeO", "Co&mpute", "famorder");
  add(ui::ControlKind::label, "lblPrevOrder", "", "famorder");
  add(ui::ControlKind::label, "lblOrderFigures", "", "famorder");
  on("cmdupdateO", ui::EventType::click, [this](ui::Event&) { saveOrder(); });
  on("cmdcomputeO", ui::EventType::click, [this](ui::Event&) { computeOrder(); });
}

std::string EntryForm::frameShown() {
  for (const char* f : {"famret", "famrevise", "famrect", "famorder"})
    if ((*this)[f].visible) return f;
  return "";
}

void EntryForm::show(const char* frame, const std::string& title) {
  for (const char* f : {"famret", "famrevise", "famrect", "famorder"}) (*this)[f].visible = std::string(f) == frame;
  caption = title;
  (*this)["lblClient"].caption = "Client : " + host_.clientCtx().vT_Code_No.get() + " " + host_.returnCtx().vITname.get() +
                                 "    Assessment Year : " + host_.returnCtx().Vt_ASS_YEAR.get();
}

std::optional<RegisterEntry> EntryForm::entry(int srNo) {
  for (auto& e : returns::readRegister(base_.DbObj(), host_.clientCtx().vT_Code_No.get(), host_.clientCtx().vT_Year.get()))
    if (e.srNo == srNo) return e;
  return std::nullopt;
}

// ---- return ------------------------------------------------------------------

void EntryForm::completeReturn(int srNo, Saved then) {
  auto e = entry(srNo);
  if (!e) return dialogs().info("The entry " + std::to_string(srNo) + " is no longer in the register.");
  srNo_ = srNo;
  then_ = std::move(then);
  show("famret", e->isOriginal() ? "Edit Details of Original Return" : "Edit Details of Revise Return");
  showReturn(*e);
}

void EntryForm::showReturn(const RegisterEntry& e) {
  int mode = e.upTyp.empty() ? 0 : std::atoi(e.upTyp.c_str());
  const bool verifiedApart = mode == 5 || mode == 6;
  if (verifiedApart) mode = 3;
  for (int i = 0; i < 5; ++i) (*this)[modeOption(i)].value = i == mode ? 1 : 0;
  (*this)["cboEVR"].clear();
  (*this)["cboEVR"].items = {kSendItrV, kEVerified};
  if (verifiedApart) (*this)["cboEVR"].selectText(e.upTyp == "6" ? kEVerified : kSendItrV);
  showDate("txtfieldsM0", e.ackDt);
  (*this)["txtfieldsM1"].text = e.ackNo;
  showDate("txtfieldsM2", e.postDt);
  showDate("txtfieldsM3", e.acptDt);
  (*this)["txtfieldsM4"].text = e.acptNo;
  const int year = host_.clientCtx().vT_Year.get();
  showDate("txtfieldsM5", base_.DbObj().scalar("SELECT procdt FROM itrvdet WHERE code_no = ? AND ass_year = ?",
                                              {e.codeNo, year}));
  const std::string status = base_.DbObj().scalar(
      "SELECT procstat FROM itretstproc WHERE code_no = ? AND ass_year = ? AND srno = ?", {e.codeNo, year, e.srNo});
  (*this)["cboProcStat"].selectText(status);
  modeChanged();
  focus = modeOption(mode);
}

void EntryForm::modeChanged() {
  int mode = -1;
  for (int i = 0; i < 5; ++i)
    if ((*this)[modeOption(i)].value) mode = i;
  const bool filed = mode >= 1;
  const bool verifiedApart = mode == 3 && host_.clientCtx().vT_Year.get() >= kFirstYearOfEVerification;
  for (const char* box : {"txtfieldsM0", "txtfieldsM1", "txtfieldsM2", "txtfieldsM3", "txtfieldsM4", "txtfieldsM5",
                          "cboProcStat"})
    (*this)[box].enabled = filed;
  (*this)["cboEVR"].visible = verifiedApart;
  const bool everified = verifiedApart && (*this)["cboEVR"].text == kEVerified;
  (*this)["txtfieldsM2"].caption = everified ? "e-Verified On" : "ITR-V Dispatch Date";
  for (const char* itrv : {"txtfieldsM3", "txtfieldsM4"}) (*this)[itrv].enabled = filed && !everified;
}

void EntryForm::saveReturn() {
  returns::ReturnFilingDetails d;
  for (int i = 0; i < 5; ++i)
    if ((*this)[modeOption(i)].value) d.mode = i;
  const std::string evr = (*this)["cboEVR"].text;
  d.verification = evr == kEVerified   ? returns::Verification::eVerified
                   : evr == kSendItrV  ? returns::Verification::sendItrV
                                       : returns::Verification::notChosen;
  for (auto [box, field] : {std::pair{"txtfieldsM0", &d.filingDate}, {"txtfieldsM2", &d.postDate},
                            {"txtfieldsM3", &d.receiptDate}, {"txtfieldsM5", &d.processDate}}) {
    auto typed = typedDate(box);
    if (!typed) return;
    *field = *typed;
  }
  d.ackNo = text("txtfieldsM1");
  d.receiptNo = text("txtfieldsM4");
  d.processStatus = (*this)["cboProcStat"].text;
  if (!returns::saveReturnDetails(host_, dialogs(), srNo_, d)) return;
  saved();
}

// ---- revision options --------------------------------------------------------

void EntryForm::chooseReviseMode(std::function<void(returns::ReviseMode)> then) {
  revised_ = std::move(then);
  show("famrevise", "Revise Return");
  (*this)["optrevise1"].value = (*this)["optrevise2"].value = 0;
  focus = "optrevise2";
}

// ---- rectification -----------------------------------------------------------

void EntryForm::openRectification(Saved then) {
  srNo_ = 0;
  then_ = std::move(then);
  show("famrect", "Rectification Request");
  showRectification(nullptr);
}

void EntryForm::showRectification(const RegisterEntry* e) {
  showDate("txtfieldsR0", e ? e->ackDt : "");
  (*this)["txtfieldsR1"].text = e ? e->ackNo : "";
  showDate("txtfieldsR2", e ? e->acptDt : "");
  (*this)["txtfieldsR3"].text = e ? e->acptNo : "";
  focus = "txtfieldsR0";
}

void EntryForm::readIntimation() {
  auto path = dialogs().prompt("The intimation or rectification order received from the department (" +
                                   std::string(kPdfFilter) + "): the full path of the PDF file",
                               "Read Intimation", false);
  if (!path || trimmed(*path, kWhitespace).empty()) return;
  returns::RectificationDetails d;
  if (!fillFromIntimation(host_, dialogs(), trimmed(*path, kWhitespace), d)) return;
  showDate("txtfieldsR0", d.cpcOrderDate);
  (*this)["txtfieldsR1"].text = d.referenceNo;
  if (!d.secondDate.empty()) showDate("txtfieldsR2", d.secondDate);
}

void EntryForm::saveRectification() {
  returns::RectificationDetails d;
  for (auto [box, field] : {std::pair{"txtfieldsR0", &d.cpcOrderDate}, {"txtfieldsR2", &d.secondDate}}) {
    auto typed = typedDate(box);
    if (!typed) return;
    *field = *typed;
  }
  d.referenceNo = text("txtfieldsR1");
  d.secondNo = text("txtfieldsR3");
  if (!returns::saveRectification(host_, dialogs(), d, srNo_)) return;
  saved();
}

// ---- order -------------------------------------------------------------------

void EntryForm::openOrder(Saved then) {
  srNo_ = 0;
  then_ = std::move(then);
  show("famorder", "Add New Order");
  showOrder(nullptr);
}

void EntryForm::showOrder(const RegisterEntry* e) {
  ui::Control& section = (*this)["cbosection"];
  section.selectText(e ? returns::orderSectionText(e->secSrNo) : "");
  (*this)["optasmt0"].value = !e || e->asMt != returns::kReAssessment;
  (*this)["optasmt1"].value = e && e->asMt == returns::kReAssessment;
  showDate("txtfieldsO0", e ? shownDate(e->orderDt) : "");
  showDate("txtfieldsO1", e ? e->dt2 : "");
  showDate("txtfieldsO2", e ? e->dt3 : "");
  showDate("txtfieldsO3", e ? e->dt4 : "");
  (*this)["txtfieldsO4"].text = e ? std::to_string(e->tax234B) : "";
  (*this)["txtfieldsO5"].text = e ? std::to_string(e->tax234C) : "";
  ui::Grid& g = grid(kRefunds);
  g.clearRows();
  if (e)
    for (const auto& r : returns::readRefunds(base_.DbObj(), e->ownCode(), host_.clientCtx().vT_Year.get()))
      g.rows.push_back({"", r.grantDate, std::to_string(r.tax), std::to_string(r.interest)});
  while (g.rowCount() < kRefundRows || !g.rows.back()[colGranted].empty()) g.rows.push_back({"", "", "", ""});
  for (int i = 0; i < g.rowCount(); ++i) g.rows[static_cast<size_t>(i)][colSr] = std::to_string(i + 1);
  (*this)["cmdcomputeO"].visible = e != nullptr;
  (*this)["lblPrevOrder"].caption = "";
  (*this)["lblOrderFigures"].caption = "";
  sectionChanged();
  focus = "cbosection";
}

void EntryForm::sectionChanged() {
  int code = 0;
  for (const auto& s : sections())
    if (s.text == (*this)["cbosection"].text) code = s.code;
  (*this)["famasmt"].visible = returns::offersAssessmentChoice(code);
}

void EntryForm::refundEdited(ui::Event& e) {
  ui::Grid& g = grid(kRefunds);
  if (e.row < 0 || e.row >= g.rowCount() || e.col <= colSr || e.col > colInterest) return;
  std::string value = trimmed(e.value, kWhitespace);
  if (e.col == colGranted) {
    if (!value.empty() && !parseDmy(value)) {
      refuse("Invalid date. Enter date in dd/mm/yyyy.", kRefunds);
      value.clear();
    }
  } else if (!value.empty()) {
    auto m = Money::parse(value);
    if (!m || m->isNegative()) {
      refuse("Enter the amount in rupees.", kRefunds);
      value.clear();
    } else {
      value = std::to_string(m->wholeRupees());
    }
  }
  g.setTextMatrix(e.row, e.col, value);
  if (e.row == g.rowCount() - 1 && !value.empty()) g.rows.push_back({std::to_string(g.rowCount() + 1), "", "", ""});
}

void EntryForm::saveOrder() {
  returns::OrderDetails d;
  for (const auto& s : sections())
    if (s.text == (*this)["cbosection"].text) d.section = s.code;
  d.assessment = (*this)["optasmt1"].value ? returns::kReAssessment : returns::kReComputation;
  for (auto [box, field] : {std::pair{"txtfieldsO0", &d.orderDate}, {"txtfieldsO1", &d.serviceDate},
                            {"txtfieldsO2", &d.interestUpTo}, {"txtfieldsO3", &d.assessedUpTo}}) {
    auto typed = typedDate(box);
    if (!typed) return;
    *field = *typed;
  }
  d.tax234B = wholeRupees(text("txtfieldsO4"));
  d.tax234C = wholeRupees(text("txtfieldsO5"));
  const ui::Grid& g = grid(kRefunds);
  for (const auto& row : g.rows)
    if (!row[colGranted].empty() || !row[colTax].empty() || !row[colInterest].empty())
      d.refunds.push_back({row[colGranted], wholeRupees(row[colTax]), wholeRupees(row[colInterest])});
  if (!returns::saveOrder(host_, dialogs(), d, srNo_)) return;
  saved();
}

void EntryForm::computeOrder() {
  const std::string client = host_.clientCtx().vT_Code_No.get();
  const int year = host_.clientCtx().vT_Year.get();
  // The assessment the order follows: a re-assessment (148, 153A) first,
  // else a regular assessment (143(1), 143(3)), latest first.
  std::string previous;
  for (const char* sections : {"(secsrno = 3 OR secsrno = 4)", "(secsrno = 1 OR secsrno = 2)"}) {
    auto rows = base_.DbObj().query(std::string("SELECT secsrno, orderdt FROM nrevordr WHERE code_no = ? AND asyear = ? "
                                                "AND typ = 'A' AND srno <> ? AND ") +
                                        sections + " ORDER BY orderdt DESC",
                                    {client, year, srNo_});
    if (rows.empty()) continue;
    previous = "Previous assessment order: u/s " + returns::orderSectionText(static_cast<int>(rows.front().integer("secsrno"))) +
               " dated " + shownDate(rows.front().text("orderdt"));
    break;
  }
  (*this)["lblPrevOrder"].caption = previous.empty() ? "No previous assessment order." : previous;
  try {
    host_.resultCtx().NModule1().ITCalcProc();
    const auto& f = host_.resultCtx().figures;
    auto figure = [&](const char* name) { return f.count(name) ? f.at(name).groupedRupees() : std::string("0"); };
    (*this)["lblOrderFigures"].caption = "Tax payable before advance tax: " + figure("Vtaxbefadvtax") +
                                         "    TDS and TCS: " + figure("Vall_tds_tot");
  } catch (const std::exception& ex) {
    (*this)["lblOrderFigures"].caption = std::string("The order could not be computed: ") + ex.what();
  }
}

// ---- editing -----------------------------------------------------------------

void EntryForm::editEntry(int srNo, Saved then) {
  auto e = entry(srNo);
  if (!e) return dialogs().info("The entry " + std::to_string(srNo) + " is no longer in the register.");
  srNo_ = srNo;
  then_ = std::move(then);
  if (e->isOrder()) {
    show("famorder", "Edit Details of Order");
    showOrder(&*e);
  } else if (e->isRectification()) {
    show("famrect", "Rectification Request");
    showRectification(&*e);
  } else {
    show("famret", e->isOriginal() ? "Edit Details of Original Return" : "Edit Details of Revise Return");
    showReturn(*e);
  }
}

void EntryForm::saved() {
  auto next = std::move(then_);
  close();
  if (next) next();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "frmRevOrd", .make = [](host::Component& c) { return std::make_shared<EntryForm>(c); }}};
}  // namespace

}  // namespace meridian::filing

#include "register/summary_panel.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <tuple>
#include <unordered_set>

#include "common/money.h"
#include "common/text.h"
#include "common/years.h"
#include "db/conflict_retry.h"
#include "db/connection.h"
#include "db/rows.h"
#include "host/client_list.h"
#include "host/client_particulars.h"
#include "host/client_selection.h"
#include "register/summary_print.h"
#include "ui/grid_view.h"

namespace meridian::reg {
namespace {

// The summaries are the income-tax module's: its exclusion file and its selection.
constexpr const char* kModule = "IT";

const char* const kOperatorSql[] = {"", " > ", " < ", " >= ", " <= ", " = ", " <> "};

// An amount as the condition shows it: whole rupees without decimals.
std::string shownAmount(Money m) { return m.inPaise() % 100 == 0 ? m.rupeesText() : m.text(); }

}  // namespace

const std::vector<std::string>& summaryHeads() {
  static const std::vector<std::string> heads = {
      "[ALL]",        "Salary",      "House Property", "Business",          "STCG",
      "LTCG",         "Other Sources", "Gross Total Income", "Deductions",  "Total Income",
      "Agricultural Income", "Rebate", "Surcharge",    "Tax Payable",       "Relief",
      "Balance Tax Payable", "Advance Tax", "Interest Payable", "Self Assessment Tax", "Tax Refundable"};
  return heads;
}

const std::vector<std::string>& summaryOperators() {
  static const std::vector<std::string> ops = {"(Select)",
                                               "> (Greater Than)",
                                               "< (Less Than)",
                                               ">= (Greater Than Or Equal To)",
                                               "<= (Less Than Or Equal To)",
                                               "= (Equal To)",
                                               "!= (Not Equal To)"};
  return ops;
}

const std::vector<std::string>& summaryGridTitles() {
  static const std::vector<std::string> titles = {
      "Code No",       "Name",          "Salary",        "House Property",      "Business",
      "STCG",          "LTCG",          "Other Sources", "Gross Total Income",  "Deductions",
      "Total Income",  "Agricultural Income", "Rebate",  "Surcharge",           "Tax Payable",
      "Relief",        "Balance Tax Payable", "Advance Tax", "Interest Payable", "Self Assessment Tax",
      "Tax Payable",   "Tax Refundable"};
  return titles;
}

std::optional<SummaryCondition> summaryCondition(int head, int op1, const std::string& value1, int op2,
                                                 const std::string& value2, bool joinWithOr) {
  const auto amount1 = Money::parse(value1);
  if (head < 1 || head > 19 || op1 < 1 || op1 > 6 || !amount1) return std::nullopt;
  const std::string column = "adv_n.a" + std::to_string(head);
  // The figures are whole rupees; they are compared in paise so that a
  // typed amount with paise compares exactly.
  const std::string inPaise = column + " * 100";
  SummaryCondition c;
  c.text = column + kOperatorSql[op1] + shownAmount(*amount1);
  c.sql = inPaise + kOperatorSql[op1] + "?";
  c.params.emplace_back(amount1->inPaise());
  const auto amount2 = Money::parse(value2);
  if (op2 >= 1 && op2 <= 6 && amount2) {
    const char* join = joinWithOr ? " or " : " and ";
    c.text += join + column + kOperatorSql[op2] + shownAmount(*amount2);
    c.sql += join + inPaise + kOperatorSql[op2] + "?";
    c.params.emplace_back(amount2->inPaise());
  }
  return c;
}

std::optional<FilterRefusal> summaryFilterRefusal(int head, int op1, const std::string& value1, int op2,
                                                  const std::string& value2) {
  // "[ALL]" filters nothing, whatever the condition lists hold.
  if (head < 1 || head >= static_cast<int>(summaryHeads().size()) || (op1 < 1 && op2 < 1)) return std::nullopt;
  const std::string& name = summaryHeads()[static_cast<size_t>(head)];
  if (op1 < 1) return FilterRefusal{"Please select the condition for " + name + ".", "Combo2"};
  for (const auto& [op, value, box] : {std::tuple{op1, &value1, "Text2"}, std::tuple{op2, &value2, "Text3"}}) {
    if (op < 1) continue;
    if (!Money::parse(*value)) return FilterRefusal{"Please enter the amount " + name + " is to be compared with.", box};
  }
  return std::nullopt;
}

SummaryPanel::SummaryPanel(ui::Form& form, host::Component& host, const std::string& parent) : form_(form), host_(host) {
  auto& f = form;
  f.add(ui::ControlKind::comboBox, "cbosummrepAY", "Assessment Year", parent);
  f.add(ui::ControlKind::comboBox, "cbogroup", "Group", parent);
  f.add(ui::ControlKind::comboBox, "Combo1", "Head", parent);
  f.add(ui::ControlKind::comboBox, "Combo2", "Condition", parent);
  f.add(ui::ControlKind::textBox, "Text2", "Value", parent).validateData = 4;
  f.add(ui::ControlKind::option, "Option1", "Or", parent);
  f.add(ui::ControlKind::option, "Option2", "And", parent).value = 1;
  f.add(ui::ControlKind::comboBox, "Combo3", "Second condition", parent);
  f.add(ui::ControlKind::textBox, "Text3", "Value", parent).validateData = 4;
  f.add(ui::ControlKind::button, "cmdshow", "&Show", parent);
  f.add(ui::ControlKind::button, "Command1", "Show All Year Details", parent);
  f.add(ui::ControlKind::button, "cmdprev", "&Print Preview", parent);
  f.add(ui::ControlKind::label, "lblSumSelection", "", parent).visible = false;
  ui::Control& grid = f.addGrid("vsfsummary", parent);
  grid.cssClass = "summary";
  grid.grid->sortable = true;
  f.on("cmdshow", ui::EventType::click, [this](ui::Event&) { showYear(); });
  f.on("Command1", ui::EventType::click, [this](ui::Event&) { showAllYears(); });
  f.on("cmdprev", ui::EventType::click, [this](ui::Event&) { printPreview(); });
}

void SummaryPanel::setUp() {
  auto fill = [&](const char* name, const std::vector<std::string>& items) {
    ui::Control& c = form_[name];
    c.clear();
    for (const auto& i : items) c.addItem(i);
    c.selectIndex(0);
  };
  fill("Combo1", summaryHeads());
  fill("Combo2", summaryOperators());
  fill("Combo3", summaryOperators());
  std::vector<std::string> groups = {"[ALL]"};
  for (const auto& r : host_.base().DbObj().query("Select * from grp_m order by nm")) groups.push_back(r.text("nm"));
  fill("cbogroup", groups);
  form_.grid("vsfsummary").setColumns(summaryGridTitles());
  showSelection();
  selectOpeningYear();
}

// The summaries open on the year the user is working in, when a client's
// year was chosen; otherwise on the latest year any client of the user's
// list has figures for, so that the first "Show" shows something. With no
// figures at all the list keeps the last year whose computations are
// complete.
void SummaryPanel::selectOpeningYear() {
  ui::Control& years = form_["cbosummrepAY"];
  // Only a year the list holds: any other would leave the list with no choice.
  const auto choose = [&](int year) {
    const std::string entry = assessmentYearText(year);
    if (std::find(years.items.begin(), years.items.end(), entry) == years.items.end()) return false;
    years.selectText(entry);
    return true;
  };
  if (choose(host_.clientCtx().vT_Year.get())) return;
  // Year by year from the latest, each client's row read once at most: no
  // scratch list of the whole practice is built just to open the screen.
  const auto wanted = listedClients();
  db::Connection& conn = host_.base().DbObj();
  for (const auto& y : conn.query("select distinct assyear from adv_n order by assyear desc")) {
    const int year = std::atoi(y.text("assyear").c_str());
    const auto rows = conn.query(
        "select code_no from adv_n where assyear = ? and (code_no in (select code_no from main_info1) or "
        "code_no in (select code from owner1))",
        {y.text("assyear")});
    const bool listed = std::any_of(rows.begin(), rows.end(), [&](const db::Row& r) { return wanted(r.text("code_no")); });
    if (listed && choose(year)) return;
  }
}

// Names the user's selection above the grid, so a short summary is not taken
// for the whole practice's.
void SummaryPanel::showSelection() {
  const auto selection = host::selectionOf(host_.base(), kModule);
  ui::Control& line = form_["lblSumSelection"];
  line.visible = selection.active();
  line.caption =
      selection.active() ? "Client List Selection : " + selection.describe() + " (only these clients are summarised)" : "";
}

std::optional<SummaryCondition> SummaryPanel::condition() {
  return summaryCondition(form_["Combo1"].listIndex, form_["Combo2"].listIndex, trimmed(form_["Text2"].text),
                          form_["Combo3"].listIndex, trimmed(form_["Text3"].text), form_["Option1"].value == 1);
}

bool SummaryPanel::filterRefused() {
  const auto refusal = summaryFilterRefusal(form_["Combo1"].listIndex, form_["Combo2"].listIndex, trimmed(form_["Text2"].text),
                                            form_["Combo3"].listIndex, trimmed(form_["Text3"].text));
  if (!refusal) return false;
  form_.dialogs().info(refusal->message);
  form_.focus = refusal->control;
  return true;
}

// Whether a client is on the user's list: not excluded from the module, in
// the user's own Client List Selection (which narrows the summary as it
// narrows their list), and in the chosen group.
std::function<bool(const std::string&)> SummaryPanel::listedClients() {
  db::Connection& conn = host_.base().DbObj();
  auto excluded = host::readExclusions(host_.base().DocPath.get(), kModule);
  const auto selected = host::selectedCodes(conn, host::selectionOf(host_.base(), kModule));
  std::optional<std::unordered_set<std::string>> only;
  if (selected) only.emplace(selected->begin(), selected->end());
  const int group = form_["cbogroup"].listIndex;
  std::string groupCode;
  if (group > 0)
    groupCode = conn.scalar("Select code from grp_m where nm = ? order by nm", {form_["cbogroup"].text});
  return [&conn, excluded = std::move(excluded), only = std::move(only), group, groupCode](const std::string& code) {
    if (std::find(excluded.begin(), excluded.end(), code) != excluded.end()) return false;
    if (only && !only->count(code)) return false;
    return group <= 0 || conn.exists("select 1 from grp_trans where code_no = ? and c_code = ?", {groupCode, code});
  };
}

// Runs inside the caller's transaction, which also reads and then drops the
// rows: they are this session's alone and never outlive the step, so there
// is nothing of the session's to clear first.
void SummaryPanel::rebuildTempDisp() {
  db::Connection& conn = host_.base().DbObj();
  const std::string& session = host_.sessionKey();
  const auto wanted = listedClients();
  for (bool person : {false, true})
    for (const auto& r : conn.query(person ? "select * from owner1" : "select * from main_info1")) {
      const auto client = host::ClientParticulars::fromMaster(r, person);
      if (wanted(client.code))
        db::insertRow(conn, "temp_disp", {{"session_key", session},
                                          {"code_no", client.code},
                                          {"name", client.name()},
                                          {"status", client.status}});
    }
}

void SummaryPanel::fillGrid(const db::RecordSet& rows, bool byYear) {
  ui::Grid& g = form_.grid("vsfsummary");
  std::vector<std::string> titles = summaryGridTitles();
  if (byYear) titles[1] = "Assessment Year";
  g.setColumns(titles);
  for (size_t c = 2; c < titles.size(); ++c) g.rightAligned[c] = true;
  g.clearRows();
  for (const auto& r : rows) {
    std::vector<std::string> cells = {r.text("code_no"),
                                      byYear ? assessmentYearText(static_cast<int>(r.integer("assyear"))) : r.text("name")};
    for (int a = 1; a <= 20; ++a) cells.push_back(r.text("a" + std::to_string(a)));
    g.rows.push_back(std::move(cells));
  }
  ui::applySort(g);
  g.selectedRow = g.rows.empty() ? -1 : g.visibleRow(0);
  if (g.rows.empty()) form_.dialogs().info("No records to display.");
}

// The year's rows of the clients the session listed in temp_disp.
db::RecordSet SummaryPanel::yearRows(int year, const std::optional<SummaryCondition>& cond) {
  db::Connection& conn = host_.base().DbObj();
  const std::string& session = host_.sessionKey();
  if (!cond)
    return conn.query(
        "select adv_n.*, temp_disp.name from temp_disp, adv_n where adv_n.code_no = temp_disp.code_no and "
        "adv_n.assyear = ? and temp_disp.session_key = ? ORDER BY temp_disp.name",
        {std::to_string(year), session});
  db::Params p = cond->params;
  p.emplace_back(std::to_string(year));
  p.emplace_back(session);
  return conn.query("select adv_n.*,temp_disp.name from adv_n,temp_disp where (" + cond->sql +
                        ") and adv_n.assyear=? and adv_n.code_no = temp_disp.code_no and temp_disp.session_key = ? "
                        "ORDER BY temp_disp.name",
                    p);
}

// A password-protected client's figures show only once its password was
// given; a client whose password is not given is left out.
db::RecordSet SummaryPanel::openableRows(const db::RecordSet& rows) {
  std::vector<db::Row> kept;
  for (const auto& r : rows)
    if (host_.base().CheckClpass(r.text("code_no"))) kept.push_back(r);
  if (kept.size() == rows.size()) return rows;
  auto cols = std::make_shared<db::Columns>(rows.columns().names());
  return db::RecordSet(cols, std::move(kept));
}

void SummaryPanel::showYear() {
  if (filterRefused()) return;
  showSelection();
  const int year = yearOfEntry(form_["cbosummrepAY"].text);
  db::Connection& conn = host_.base().DbObj();
  const auto cond = condition();
  db::RecordSet rows;
  // Two users' summaries at one moment may lock each other's scratch rows on
  // a server database; the step is then tried again.
  db::inTransactionRetrying(conn, [&] {
    rebuildTempDisp();
    rows = yearRows(year, cond);
    conn.execute("delete from temp_disp where session_key = ?", {host_.sessionKey()});
  });
  printTitle_ = "Summarized Details for the Assessment Year " + assessmentYearText(year);
  fillGrid(openableRows(rows), false);
}

void SummaryPanel::showAllYears() {
  ui::Grid& g = form_.grid("vsfsummary");
  if (g.selectedRow < 0 || g.textMatrix(g.selectedRow, 0).empty()) {
    form_.dialogs().info("Please select a Client");
    return;
  }
  if (filterRefused()) return;
  const std::string code = g.textMatrix(g.selectedRow, 0);
  const std::string name = g.textMatrix(g.selectedRow, 1);
  if (!host_.base().CheckClpass(code)) return;
  auto cond = condition();
  db::Params p = {code};
  std::string sql = "select * from adv_n where code_no=?";
  if (cond) {
    sql += " and (" + cond->sql + ")";
    p.insert(p.end(), cond->params.begin(), cond->params.end());
  }
  printTitle_ = "Summarized Computation of " + name;
  fillGrid(host_.base().DbObj().query(sql + " order by assyear", p), true);
}

void SummaryPanel::printPreview() {
  ui::Grid& g = form_.grid("vsfsummary");
  host::ReportWriter& rep = host_.reporter();
  rep.WinModeReport = true;
  rep.SetCol130 = true;
  rep.NewReport();
  for (int r = 0; r < g.rowCount(); ++r) rep.ClientCodes.push_back(g.textMatrix(r, 0));
  rep.printtext(host::esc::boldOn + printTitle_ + host::esc::boldOff);
  rep.printtext();
  printSummaryTable(rep, g);
  rep.SelectHF(host::hfFooter, 0, true);
  rep.InsertPgNo_TB(1, 1, "", "");
  rep.SelectHF(host::hfBody);
  rep.showreport();
}

}  // namespace meridian::reg

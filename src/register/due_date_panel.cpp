#include "register/due_date_panel.h"

#include "common/dates.h"
#include "common/text.h"
#include "common/years.h"
#include "db/connection.h"
#include "host/due_date_categories.h"

namespace meridian::reg {
namespace {

// The notification column holds at most 255 characters.
std::string fitNotification(const std::string& v) { return cutToChars(v, 255); }

bool blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

}  // namespace

DueDatePanel::DueDatePanel(ui::Form& form, host::Base& base, const std::string& parent) : form_(form), base_(base) {
  buildControls(parent);
  form_.on(yearList, ui::EventType::click, [this](ui::Event&) { onYearChosen(); });
  form_.on(yearList, ui::EventType::change, [this](ui::Event&) { onYearChosen(); });
  form_.on(filingGrid, ui::EventType::cellEdited, [this](ui::Event& e) { onCellEdited(e, false); });
  form_.on(instalmentGrid, ui::EventType::cellEdited, [this](ui::Event& e) { onCellEdited(e, true); });
  form_.on(filingGrid, ui::EventType::rowColChange, [this](ui::Event& e) {
    filing_->selectedRow = e.row;
    filing_->selectedCol = e.col;
    showSource(e.row);
  });
  form_.on(saveButton, ui::EventType::click, [this](ui::Event&) { save(); });
}

void DueDatePanel::buildControls(const std::string& parent) {
  ui::Control& f = form_.add(ui::ControlKind::frame, frame, "Due Dates", parent);
  f.visible = false;
  ui::Control& years = form_.add(ui::ControlKind::comboBox, yearList, "", frame);
  for (auto& text : assessmentYearTexts(years::kDueDates)) years.addItem(std::move(text));

  form_.add(ui::ControlKind::frame, filingFrame, "Income-Tax Return Filing Due Dates", frame);
  filing_ = form_.addGrid(filingGrid, filingFrame).grid.get();
  filing_->setColumns({"Person", "Original Due Date", "Extended Due Date", "Notification No."});
  filing_->frozenCols = 1;  // the categories are the rows' titles, never typed into
  form_.add(ui::ControlKind::label, sourceLabel, "", filingFrame);

  form_.add(ui::ControlKind::frame, instalmentFrame, "Advance Tax Installment Due Dates", frame);
  instalments_ = form_.addGrid(instalmentGrid, instalmentFrame).grid.get();
  instalments_->setColumns({"Installment", "Date"});
  instalments_->frozenCols = 1;
  form_.add(ui::ControlKind::label, extensionLabel, "", instalmentFrame);

  form_.add(ui::ControlKind::button, saveButton, "&Save", frame);
}

void DueDatePanel::enter(int year) {
  if (!confirmLeavingYear()) return;
  form_[frame].visible = true;
  if (year == 0) year = yearOfEntry(form_[yearList].text);
  load(year == 0 ? years::kDueDates.last : year);
}

bool DueDatePanel::leave() {
  if (!confirmLeavingYear()) return false;
  form_[frame].visible = false;
  return true;
}

void DueDatePanel::load(int year) {
  year_ = year;
  form_[yearList].selectText(assessmentYearText(year));

  auto& conn = base_.DbObj();
  const auto stored = host::readDueDates(conn, year);
  auto& g = *filing_;
  g.clearRows();
  g.editable = true;
  statcs_.clear();
  loaded_.clear();
  for (const auto& cat : host::categoriesOf(year)) {
    auto it = stored.find(cat.statc);
    host::DueDateRow d;
    if (it != stored.end()) d = it->second;
    d.statc = cat.statc;
    g.rows.push_back({cat.text, d.dueDt, d.revDueDt, d.notification});
    statcs_.push_back(cat.statc);
    loaded_.push_back(std::move(d));
  }
  g.changed = false;
  form_[sourceLabel].caption.clear();

  const auto dates = host::readInstalments(conn, year).value_or(host::defaultInstalments(year));
  auto& a = *instalments_;
  a.clearRows();
  a.editable = true;
  for (size_t i = 0; i < dates.size(); ++i) a.rows.push_back({host::instalmentNames()[i], dates[i]});
  a.changed = false;
  form_[instalmentFrame].visible = year >= host::kFirstInstalmentYear;
  form_[extensionLabel].caption = host::instalmentExtensionNote(year);
}

bool DueDatePanel::changed() const { return filing_->changed || instalments_->changed; }

void DueDatePanel::onCellEdited(ui::Event& e, bool instalments) {
  const char* name = instalments ? instalmentGrid : filingGrid;
  auto& g = instalments ? *instalments_ : *filing_;
  if (e.row < 0 || e.row >= g.rowCount() || e.col <= 0 || e.col >= g.cols()) return;
  const std::string before = g.textMatrix(e.row, e.col);

  if (!instalments && e.col == colNotification) {
    std::string v = fitNotification(e.value);
    if (v != before) g.changed = true;
    g.setTextMatrix(e.row, e.col, std::move(v));
    return;
  }
  const std::string date = base_.ConvertDate(e.value);
  if (date != before) g.changed = true;
  g.setTextMatrix(e.row, e.col, date);
  // Filing dates fall in the year after the A.Y.'s first year; instalments in the year before.
  const int firstYear = instalments ? year_ - 1 : year_;
  if (!date.empty() && !inRange(date, firstYear)) refuse(name, e.row, e.col, rangeMessage(firstYear));
}

void DueDatePanel::onYearChosen() {
  const int chosen = yearOfEntry(form_[yearList].text);
  if (chosen == 0 || chosen == year_) return;
  if (!confirmLeavingYear()) {
    form_[yearList].selectText(assessmentYearText(year_));
    return;
  }
  load(chosen);
}

bool DueDatePanel::confirmLeavingYear() {
  if (!changed()) return true;
  if (form_.dialogs().yesNo("Do you want to Save Changes Made in A.Y. " + assessmentYearText(year_),
                            "Confirmation"))
    return save();
  load(year_);  // No: the edits are dropped
  return true;
}

bool DueDatePanel::save() {
  if (year_ == 0) return false;  // nothing loaded yet
  auto& g = *filing_;
  for (int r = 0; r < g.rowCount(); ++r)
    if (blank(g.textMatrix(r, colDueDt))) return refuse(filingGrid, r, colDueDt, "Please Specify Due Date.");
  for (int r = 0; r < g.rowCount(); ++r)
    for (int c : {colDueDt, colRevDueDt}) {
      const std::string& d = g.textMatrix(r, c);
      if ((c == colDueDt || !blank(d)) && !inRange(d, year_)) return refuse(filingGrid, r, c, rangeMessage(year_));
    }
  const bool instalments = year_ >= host::kFirstInstalmentYear;
  auto& a = *instalments_;
  std::array<std::string, 4> dates;
  if (instalments)
    for (int r = 0; r < 4; ++r) {
      dates[static_cast<size_t>(r)] = a.textMatrix(r, colDate);
      if (blank(dates[static_cast<size_t>(r)])) return refuse(instalmentGrid, r, colDate, "Please Specify Due Date.");
      if (!inRange(dates[static_cast<size_t>(r)], year_ - 1))
        return refuse(instalmentGrid, r, colDate, rangeMessage(year_ - 1));
    }

  std::vector<host::DueDateRow> rows;
  for (int r = 0; r < g.rowCount(); ++r) {
    host::DueDateRow d;
    d.statc = statcs_[static_cast<size_t>(r)];
    d.dueDt = g.textMatrix(r, colDueDt);
    d.revDueDt = g.textMatrix(r, colRevDueDt);
    d.notification = g.textMatrix(r, colNotification);
    rows.push_back(std::move(d));
  }
  auto& conn = base_.DbObj();
  // The two lists of the year are one save: neither is written without the other.
  auto tx = conn.begin();
  auto written = host::writeDueDates(conn, year_, rows);
  if (instalments) host::writeInstalments(conn, year_, dates);
  tx.commit();
  // The grids already show what was written; only the sources may have changed.
  loaded_ = std::move(written);
  g.changed = a.changed = false;
  form_[sourceLabel].caption.clear();
  return true;
}

void DueDatePanel::showSource(int row) {
  std::string text;
  if (row >= 0 && row < static_cast<int>(loaded_.size())) {
    const auto& d = loaded_[static_cast<size_t>(row)];
    if (!d.confidence.empty()) text = "Confidence: " + d.confidence;
    if (!d.sourceUrl.empty()) text += (text.empty() ? "" : "  ") + std::string("Source: ") + d.sourceUrl;
  }
  form_[sourceLabel].caption = text;
}

bool DueDatePanel::refuse(const std::string& grid, int row, int col, const std::string& text) {
  form_.dialogs().info(text);
  auto& g = form_.grid(grid);
  g.selectedRow = row;
  g.selectedCol = col;
  form_.focus = grid;
  return false;
}

std::string DueDatePanel::rangeMessage(int firstYear) const {
  return "Date should be between 01/04/" + std::to_string(firstYear) + " and 31/03/" + std::to_string(firstYear + 1);
}

bool DueDatePanel::inRange(const std::string& date, int firstYear) {
  auto d = parseDmy(date);
  if (!d) return false;
  namespace c = std::chrono;
  const c::year_month_day from{c::year{firstYear}, c::April, c::day{1}};
  const c::year_month_day to{c::year{firstYear + 1}, c::March, c::day{31}};
  return *d >= from && *d <= to;
}

}  // namespace meridian::reg

#include "suite/heads/head_screen.h"

#include <stdexcept>

#include "common/years.h"
#include "host/client_particulars.h"
#include "host/return_state_guard.h"
#include "host/status.h"

namespace meridian::suite::heads {

HeadScreen::HeadScreen(host::Component& component, const std::string& member, const std::string& caption)
    : host::Screen(component.base(), member, caption), component_(component), member_(member), title_(caption) {
  add(ui::ControlKind::label, "lblClient");
}

RowGrid& HeadScreen::addRowGrid(GridSpec spec) {
  const std::string frame = "fam" + spec.key;
  add(ui::ControlKind::frame, frame, spec.caption, spec.parent);
  grids_.push_back(std::make_unique<RowGrid>(*this, spec.name, std::move(spec.columns), frame));
  RowGrid& g = *grids_.back();
  struct Button {
    const char* prefix;
    const char* caption;
    const char* withKey;
    char what;
  };
  for (const Button b : {Button{"cmdAdd", "Add", "&Add", 'a'}, Button{"cmdIns", "Insert", "&Insert", 'i'},
                         Button{"cmdDel", "Delete", "&Delete", 'd'}}) {
    const std::string name = b.prefix + spec.key;
    add(ui::ControlKind::button, name, spec.accessKeys ? b.withKey : b.caption, frame).tooltip =
        std::string(b.caption) + " a row of " + spec.caption;
    rowButtons_.push_back(name);
    on(name, ui::EventType::click, [this, &g, what = b.what](ui::Event&) { onRowButton(g, what); });
  }
  on(g.name(), ui::EventType::cellEdited, [this, &g](ui::Event& e) { onCellEdited(g, e); });
  on(g.name(), ui::EventType::rowColChange, [this, &g](ui::Event& e) { onSelected(g, e); });
  return g;
}

MasterDetail& HeadScreen::addMasterDetail(RowGrid& master, YearTable table) {
  masters_.push_back(std::make_unique<MasterDetail>(master, std::move(table)));
  return *masters_.back();
}

RowGrid& HeadScreen::addDetailGrid(GridSpec spec, MasterDetail& master, YearTable table, std::string parentColumn) {
  RowGrid& g = addRowGrid(std::move(spec));
  master.addDetail(g, std::move(table), std::move(parentColumn));
  return g;
}

FieldSet& HeadScreen::addFields(std::vector<BoxField> fields, const std::string& parent) {
  fieldSets_.push_back(std::make_unique<FieldSet>(*this, std::move(fields), parent));
  FieldSet& f = *fieldSets_.back();
  for (const auto& box : f.fields())
    on(box.control, ui::EventType::change, [this, &f, control = box.control](ui::Event&) { onBoxChanged(f, control); });
  return f;
}

void HeadScreen::addCommands() {
  add(ui::ControlKind::button, "cmdSave", "&Save");
  add(ui::ControlKind::button, "cmdBack", "&Back");
  on("cmdSave", ui::EventType::click, [this](ui::Event&) { save(); });
  on("cmdBack", ui::EventType::click, [this](ui::Event&) { escape(); });
}

MasterDetail* HeadScreen::masterOf(const RowGrid& g) {
  for (auto& m : masters_)
    if (&m->master() == &g) return m.get();
  return nullptr;
}

MasterDetail* HeadScreen::detailOf(const RowGrid& g) {
  for (auto& m : masters_)
    if (m->isDetail(g)) return m.get();
  return nullptr;
}

void HeadScreen::load() {
  auto& client = component_.clientCtx();
  code_ = client.vt_RTCode_No.get().empty() ? client.vT_Code_No.get() : client.vt_RTCode_No.get();
  year_ = client.vT_Year.get();
  asked_ = allowed_ = readOnly_ = false;
  for (auto& g : grids_) g->grid().editable = true;
  for (const auto& b : rowButtons_) (*this)[b].enabled = true;
  if (find("cmdSave")) (*this)["cmdSave"].enabled = true;
  for (auto& f : fieldSets_)
    for (const auto& box : f->fields()) (*this)[box.control].locked = false;

  if (code_.empty() || year_ == 0) {
    caption = title_;
    (*this)["lblClient"].caption = "No client year is open.";
    for (auto& g : grids_) g->showTexts({});
    for (auto& f : fieldSets_) f->show(nullptr);
    makeReadOnly();
    return;
  }
  const std::string master = client.vT_Code_No.get().empty() ? code_ : client.vT_Code_No.get();
  const auto who = host::ClientParticulars::load(base_, master, year_);
  const std::string name = who ? who->name() : "";
  statusCode_ = who ? who->statusCode() : 0;
  caption = title_ + " : " + (name.empty() ? code_ : name) + " (A.Y. " + assessmentYearText(year_) + ")";
  (*this)["lblClient"].caption = "Client : " + code_ + (name.empty() ? "" : "  " + name) +
                                 "    Assessment Year : " + assessmentYearText(year_);
  readYear(base_.DbObj());
  clearChanged();
  refresh();
}

void HeadScreen::clearChanged() {
  for (auto& g : grids_) g->changed = false;
  for (auto& f : fieldSets_) f->markSaved();
}

bool HeadScreen::changed() const {
  for (const auto& g : grids_)
    if (g->changed) return true;
  for (const auto& f : fieldSets_)
    if (f->changed()) return true;
  return false;
}

void HeadScreen::makeReadOnly() {
  readOnly_ = true;
  for (auto& g : grids_) g->grid().editable = false;
  for (const auto& b : rowButtons_) (*this)[b].enabled = false;
  if (find("cmdSave")) (*this)["cmdSave"].enabled = false;
  for (auto& f : fieldSets_)
    for (const auto& box : f->fields()) (*this)[box.control].locked = true;
}

bool HeadScreen::mayChange() {
  if (readOnly_) return false;
  if (!asked_) {
    asked_ = true;
    allowed_ = host::mayChangeOpenReturn(base_);
    if (!allowed_) makeReadOnly();
  }
  return allowed_;
}

bool HeadScreen::refuseAt(RowGrid& grid, const CellFault& fault) {
  if (fault.row >= 0) grid.select(fault.row, fault.col);
  return refuse(fault.message, grid.name(), fault.icon);
}

bool HeadScreen::refuseAtDetail(MasterDetail& md, RowGrid& detail, int masterRow, int row, std::string_view column,
                                const std::string& message) {
  md.master().select(masterRow);
  md.masterSelected(masterRow);
  detail.select(row, detail.columnIndex(column));
  return refuse(message, detail.name());
}

void HeadScreen::onSelected(RowGrid& g, ui::Event& e) {
  if (MasterDetail* md = masterOf(g)) md->masterSelected(g.selectedRow());
}

void HeadScreen::onCellEdited(RowGrid& g, ui::Event& e) {
  if (e.row < 0 || e.row >= g.rowCount() || e.col < 0 || e.col >= static_cast<int>(g.columns().size())) return;
  // Nothing changes before the workspace lets it: the cell shows what it held.
  if (!mayChange()) return;
  g.select(e.row, e.col);
  if (auto fault = g.edit(e.row, e.col, e.value)) {
    refuseAt(g, *fault);
    return;
  }
  refresh();
}

void HeadScreen::onRowButton(RowGrid& g, char what) {
  if (!mayChange()) return;
  MasterDetail* asDetail = detailOf(g);
  if (asDetail && asDetail->shownFor() < 0 && what != 'd') {
    refuse("Select a row of the list above first.", asDetail->master().name());
    return;
  }
  MasterDetail* asMaster = masterOf(g);
  switch (what) {
    case 'a':
      g.addRow();
      if (asMaster) asMaster->masterInserted(g.selectedRow());
      break;
    case 'i':
      g.insertRow();
      if (asMaster) asMaster->masterInserted(g.selectedRow());
      break;
    default: {
      const int at = g.selectedRow();
      if (at < 0 || at >= g.rowCount()) {
        refuse("Select the row to delete.", g.name());
        return;
      }
      const bool holdsSomething = asMaster ? asMaster->filled(at) : !g.blank(at);
      if (holdsSomething &&
          !dialogs().yesNo("Do you want to delete the selected row?", "Confirmation", ui::Answer::no))
        return;
      g.deleteSelectedRow();
      if (asMaster) asMaster->masterDeleted(at);
    }
  }
  focus = g.name();
  refresh();
}

void HeadScreen::onBoxChanged(FieldSet& f, const std::string& control) {
  if (!mayChange()) {
    f.revert();
    return;
  }
  if (auto fault = f.edit(control)) {
    refuse(fault->message, control, fault->icon);
    return;
  }
  refresh();
}

bool HeadScreen::save() {
  if (readOnly_ || !mayChange()) return false;
  for (auto& g : grids_) {
    if (detailOf(*g)) continue;
    if (auto fault = g->firstFault()) return refuseAt(*g, *fault);
  }
  for (auto& m : masters_)
    if (auto fault = m->firstFault()) {
      m->master().select(fault->masterRow);
      m->masterSelected(fault->masterRow);
      return refuseAt(*fault->grid, fault->cell);
    }
  for (auto& f : fieldSets_)
    if (auto fault = f->firstFault())
      return refuse(fault->message, f->fields()[static_cast<size_t>(fault->col)].control, fault->icon);
  if (!checkYear()) return false;

  db::Connection& conn = base_.DbObj();
  try {
    auto tx = conn.begin();
    writeYear(conn);
    tx.commit();
  } catch (const std::exception& e) {
    dialogs().critical("The " + title_ + " details could not be saved; nothing was changed.\n" + e.what());
    return false;
  }
  clearChanged();
  saved();
  if (desktop()) desktop()->statusLine = title_ + " of " + code_ + " for A.Y. " + assessmentYearText(year_) + " saved.";
  return true;
}

void HeadScreen::escape() {
  if (!readOnly_ && changed()) {
    switch (dialogs().yesNoCancel("Do you want to save the changes?", title_, ui::Answer::yes)) {
      case ui::Answer::yes:
        if (!save()) return;
        break;
      case ui::Answer::no: break;
      default: return;
    }
  }
  close();
}

CivilDate HeadScreen::previousYearStart() const { return std::chrono::year{year_ - 1} / std::chrono::April / 1; }
CivilDate HeadScreen::previousYearEnd() const { return std::chrono::year{year_} / std::chrono::March / 31; }

DateRule HeadScreen::notAfterPreviousYear(std::string what) {
  return [this, what = std::move(what)](const CivilDate& d) -> std::optional<std::string> {
    if (year_ > 0 && d > previousYearEnd()) return what + formatDmy(previousYearEnd()) + ".";
    return std::nullopt;
  };
}

void HeadScreen::readGrid(db::Connection& conn, const YearTable& table, RowGrid& grid) {
  grid.show(readRows(conn, table, code_, year_));
}

void HeadScreen::writeGrid(db::Connection& conn, const YearTable& table, const RowGrid& grid) {
  std::vector<db::Pairs> rows;
  for (int r : grid.filledRows()) rows.push_back(grid.pairsOf(r));
  replaceRows(conn, table, code_, year_, rows);
}

void HeadScreen::readFields(db::Connection& conn, const YearTable& table, FieldSet& fields) {
  const auto rows = readRows(conn, table, code_, year_);
  fields.show(rows.empty() ? nullptr : &rows.front());
}

void HeadScreen::writeFields(db::Connection& conn, const YearTable& table, const FieldSet& fields) {
  std::vector<db::Pairs> rows;
  if (!fields.blank()) rows.push_back(fields.pairs());
  replaceRows(conn, table, code_, year_, rows);
}

void HeadScreen::setIncomeCount(db::Connection& conn, const std::string& column, int count) {
  const db::Pairs key{{"code_no", code_}, {"ass_year", year_}};
  if (conn.exists("SELECT 1 FROM income WHERE code_no = ? AND ass_year = ?", {code_, year_})) {
    db::updateWhere(conn, "income", {{column, count}}, key);
    return;
  }
  // The workspace makes the year row when it opens the year; a screen reached
  // another way makes it with the client's status.
  db::Pairs row = key;
  row.emplace_back("status", statusCode_);
  row.emplace_back(column, count);
  db::insertRow(conn, "income", row);
}

}  // namespace meridian::suite::heads

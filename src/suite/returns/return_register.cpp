#include "common/paths.h"
#include "suite/returns/return_register.h"

#include <filesystem>

#include "common/dates.h"
#include "common/years.h"
#include "suite/data_folder.h"
#include "suite/dataset/data_set_engine.h"
#include "suite/dataset/partner_remuneration.h"

namespace meridian::returns {
namespace {

constexpr int kUnlockFiledReturn = 121;

// Revision of a belated return (s.139(4)) became possible only with the
// amendment of s.139(5) by the Finance Act, 2016, from A.Y. 2017-18.
constexpr int kFirstYearBelatedReturnsMayBeRevised = 2017;

std::string quotedText(const RegisterEntry& e) { return "\"" + e.listText() + "\""; }

// The return flag of the working context for the entry in use.
std::string returnFlag(const RegisterEntry& e) {
  if (e.isRectification()) return "RECTIFICATION";
  if (e.isOrder()) return e.orderDt.empty() ? "ANF" : "";
  if (e.filed()) return "";
  return e.isOriginal() ? "ONF" : "LNF";
}

}  // namespace

ReturnRegister::ReturnRegister(host::Component& host, ui::Dialogs& dialogs) : host_(host), dialogs_(dialogs) {}

void ReturnRegister::load() {
  client_ = host_.clientCtx().vT_Code_No.get();
  year_ = host_.clientCtx().vT_Year.get();
  db::Connection& conn = host_.base().DbObj();
  entries_ = readRegister(conn, client_, year_);
  if (entries_.empty()) {
    RegisterEntry original;
    original.codeNo = client_;
    original.asYear = year_;
    original.srNo = 1;
    auto tx = conn.begin();
    insertEntry(conn, original);
    // The register of earlier versions is replaced by this one.
    if (conn.hasTable("rev_ret")) conn.execute("DELETE FROM rev_ret WHERE code_no = ?", {client_});
    tx.commit();
    entries_ = {original};
  }
  if (selected_ >= static_cast<int>(entries_.size())) selected_ = -1;
}

std::vector<std::string> ReturnRegister::listTexts() const {
  std::vector<std::string> out;
  for (const auto& e : entries_) out.push_back(e.listText());
  return out;
}

std::string ReturnRegister::dataSetOf(int index) const {
  return dataSetInUse(entries_, static_cast<size_t>(index), client_);
}

bool ReturnRegister::canDelete() const { return selected_ >= 0 && !inUse().isOriginal(); }

std::string ReturnRegister::caption() const {
  return "Income Tax calculation for Assessment Year " + assessmentYearText(year_) + " of " +
         host_.returnCtx().vITname.get();
}

bool ReturnRegister::has(const char* typ) const {
  for (const auto& e : entries_)
    if (e.typ == typ) return true;
  return false;
}

void ReturnRegister::switchTo(int index) {
  const RegisterEntry& e = entries_.at(static_cast<size_t>(index));
  const std::string code = dataSetOf(index);
  db::Connection& conn = host_.base().DbObj();
  {
    // The partners' figures of the data set become the ones in use.
    auto tx = conn.begin();
    suite::dataset::PartnerRemuneration(conn, client_, year_).makeCurrent(code);
    tx.commit();
  }
  selected_ = index;
  host::ClientContext& client = host_.clientCtx();
  host::ReturnContext& ret = host_.returnCtx();
  client.vT_RTType = e.kindLetter() + "-" + std::to_string(e.srNo);
  client.vt_RTCode_No = code;
  client.vt_RTFlag = returnFlag(e);
  const RegisterEntry* previous = lastFiledReturnBefore(entries_, e.srNo);
  ret.vRev_Dt = previous ? parseDmy(previous->ackDt) : host::Date{};
  ret.vrev_srno = previous ? previous->srNo : 0;
  ret.vrev_Return = std::string(e.isReturn() ? "Y" : "N");
  if (safePathComponent(code))
    std::filesystem::create_directories(std::filesystem::path(host_.base().DocPath.get()) / "ITData" / code);
}

bool ReturnRegister::filedEntryGuard() {
  if (!confirmFiledEntry()) return false;
  // A filed return is changed only by a user who may unlock filed returns.
  return !inUse().filed() || host_.base().CheckPass(kUnlockFiledReturn);
}

bool ReturnRegister::confirmFiledEntry() {
  const RegisterEntry& e = inUse();
  if (!e.filed()) return true;
  if (selected_ == static_cast<int>(entries_.size()) - 1) {
    if (!ask(e.returnWord() + " has already been filed. Data of " + e.returnWord() +
                 " Filed earlier could not be retrieved if you make any changes.\n\nDo you still want to make changes?",
             ui::Answer::no))
      return false;
  } else {
    refuse(std::string(e.isOriginal() ? "Return" : e.returnWord()) + " has already been filed.");
    return false;
  }
  return true;
}

void ReturnRegister::completed() {
  ++changes_;
  if (changed) changed();
}

void ReturnRegister::afterLastReturnFiled(EntryForms& forms, std::function<void()> next) {
  const RegisterEntry* last = lastReturn(entries_);
  if (last && last->filed()) return next();
  refuse("Please furnish details of previously filed Return.");
  if (!last) return;
  forms.completeReturn(last->srNo, later([this, next] {
    load();
    const RegisterEntry* completedReturn = lastReturn(entries_);
    if (completedReturn && completedReturn->filed()) next();
  }));
}

void ReturnRegister::handLastFiledReturnToTheForm() {
  const RegisterEntry* last = lastFiledReturnBefore(entries_, entries_.back().srNo + 1);
  host_.returnCtx().vRev_Dt = last ? parseDmy(last->ackDt) : host::Date{};
  host_.returnCtx().vrev_srno = last ? last->srNo : 0;
}

bool ReturnRegister::addRevision(EntryForms& forms) {
  const int before = changes_;
  if (!filedEntryGuard()) return false;
  if (has("Z")) {
    refuse("Return can not be revised after processing any Rectification Request.");
    return false;
  }
  if (has("A")) {
    refuse("Return can not be revised after processing any Order.");
    return false;
  }
  if (!ask("Do you want to Revise the Return?")) return false;
  afterLastReturnFiled(forms, [this, &forms] { revise(forms); });
  return changes_ != before;
}

void ReturnRegister::revise(EntryForms& forms) {
  if (entries_.size() == 1 && year_ < kFirstYearBelatedReturnsMayBeRevised) {
    host_.returnCtx().GetDueDt();
    // A return filed within a due date the Board extended under s.119 is a
    // return under s.139(1), which s.139(5) lets the assessee revise: the
    // extended date, when there is one, is the one that counts.
    const host::Date due = host_.returnCtx().VODue_Dt.get() ? host_.returnCtx().VODue_Dt.get()
                                                             : host_.returnCtx().VDue_Dt.get();
    const auto filedOn = parseDmy(entries_.front().ackDt);
    if (due && filedOn && *filedOn > *due &&
        !ask("Return filed on " + entries_.front().ackDt + " which is after the Due Date " + formatDmy(*due) +
             ". Return filed after due date can not be revised. Do you want to Revise the Return?"))
      return;
  }
  forms.chooseReviseMode(later([this](ReviseMode mode) {
    if (mode != ReviseMode::none) addRevisedReturn(mode);
  }));
}

void ReturnRegister::addRevisedReturn(ReviseMode mode) {
  load();
  db::Connection& conn = host_.base().DbObj();
  RegisterEntry revised;
  revised.codeNo = client_;
  revised.asYear = year_;
  revised.srNo = nextSrNo(conn, client_, year_);
  revised.flagYN = mode == ReviseMode::savedSeparately ? "Y" : "N";
  const std::string earlier = dataSetInUse(entries_, entries_.size() - 1, client_);
  const std::string worksOn = mode == ReviseMode::savedSeparately ? revised.ownCode() : earlier;
  {
    auto tx = conn.begin();
    insertEntry(conn, revised);
    // The copy's notes files are put in place when it ends; should the commit
    // below still fail they stay behind under the new code, and the next
    // revision of that number replaces them.
    if (mode == ReviseMode::savedSeparately)
      suite::dataset::DataSetEngine(conn, host_.base().DocPath.get()).copy(client_, year_, earlier, worksOn, true);
    conn.execute("UPDATE income SET dt_tax_det = 'todate' WHERE code_no = ? AND ass_year = ?", {worksOn, year_});
    tx.commit();
  }
  load();
  switchToLast();
  completed();
}

bool ReturnRegister::addRectification(EntryForms& forms) {
  if (has("A")) {
    refuse("Rectification of Return is not available after processing any order.");
    return false;
  }
  if (!ask("Do you really want to 'Submit Online Rectification Request to rectify intimation order issued under "
           "section 143 (1) by CPC, Bangalore' ?"))
    return false;
  const int before = changes_;
  addThroughForm(forms, &EntryForms::openRectification);
  return changes_ != before;
}

bool ReturnRegister::addOrder(EntryForms& forms) {
  const int before = changes_;
  addThroughForm(forms, &EntryForms::openOrder);
  return changes_ != before;
}

void ReturnRegister::addThroughForm(EntryForms& forms, void (EntryForms::*open)(EntryForms::Saved)) {
  afterLastReturnFiled(forms, [this, &forms, open] {
    handLastFiledReturnToTheForm();
    (forms.*open)(later([this] {
      load();
      switchToLast();
      completed();
    }));
  });
}

bool ReturnRegister::deleteLast() {
  const RegisterEntry& e = inUse();
  if (e.isOriginal()) {
    refuse("You can not Delete Original Return.");
    return false;
  }
  if (selected_ != static_cast<int>(entries_.size()) - 1) {
    refuse("You can Delete Only Last Revised Return or Rectification Request or Order.");
    return false;
  }
  if (!filedEntryGuard()) return false;
  const std::string x = quotedText(e);
  if (!ask("Do you really want to Delete " + x + " ?", ui::Answer::no)) return false;

  enum class DataStep { none, post, drop } step = DataStep::none;
  if (e.isOrder() || e.keepsOwnDataSet()) {
    const std::string y = quotedText(entries_[static_cast<size_t>(selected_) - 1]);
    if (!ask("All the changes made in the " + x + " will be deleted. Do you really want to Delete " + x + " ?",
             ui::Answer::no))
      return false;
    if (ask("Do you want to Post Updated Data of Last Return " + x + " to Previous Return " + y + " ?")) {
      if (!ask("It will Overwrite Updated Data of Last Return " + x + "\nin Previous Return " + y + "\nConfirm ?",
               ui::Answer::no))
        return false;
      step = DataStep::post;
    } else {
      if (!ask("You will not be able to restore data of Last Return " + x + ", if you have lost data of Previous Return " +
                   y + "\nDo you still want to Delete Last Return " + x + "\nwithout Overwriting to Previous Return " + y +
                   " ?",
               ui::Answer::no))
        return false;
      step = DataStep::drop;
    }
  }

  db::Connection& conn = host_.base().DbObj();
  {
    auto tx = conn.begin();
    suite::dataset::DataSetEngine engine(conn, host_.base().DocPath.get());
    // An order works on the data set before it, so whatever was changed under
    // it is already there: posting has nothing to carry over, and only the
    // rows kept under the order's own code (its refunds) go.
    if (step == DataStep::post && e.keepsOwnDataSet())
      engine.replace(client_, year_, e.ownCode(), dataSetOf(selected_ - 1));
    else if (step != DataStep::none)
      engine.remove(client_, year_, e.ownCode());
    conn.execute("DELETE FROM nrevordr WHERE code_no = ? AND asyear = ? AND srno = ?", {client_, year_, e.srNo});
    tx.commit();
  }
  load();
  switchToLast();
  completed();
  return true;
}

}  // namespace meridian::returns

#pragma once
// The register of one client's returns and orders for the open year, as the
// workspace shows it in `cbotypeofret`: the entries, the one in use and the
// commands that add, delete and switch entries. Each command speaks to the
// user through the Dialogs port and writes the working context through the
// host's context objects; the screens only wire their controls to it.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "suite/returns/entry_forms.h"
#include "suite/returns/register_entry.h"
#include "host/component.h"
#include "ui/dialogs.h"

namespace meridian::returns {

// The single line of the list in the workspace states that keep no register.
constexpr const char* kNoRegister = "Not Applicable";

class ReturnRegister {
 public:
  ReturnRegister(host::Component& host, ui::Dialogs& dialogs);

  // Reads the entries of the client and year in context; a year without any
  // gets its original return. Selects nothing: call switchTo.
  void load();
  const std::vector<RegisterEntry>& entries() const { return entries_; }
  std::vector<std::string> listTexts() const;
  int selected() const { return selected_; }
  const RegisterEntry& inUse() const { return entries_.at(static_cast<size_t>(selected_)); }
  // The data set the entry at `index` works on.
  std::string dataSetOf(int index) const;
  // `cmddelrevord` is enabled only on an entry other than the original.
  bool canDelete() const;
  // "Income Tax calculation for Assessment Year 2016-17 of <name>".
  std::string caption() const;

  // Selecting an entry: the working context names its data set.
  void switchTo(int index);
  void switchToLast() { switchTo(static_cast<int>(entries_.size()) - 1); }

  // Before a revision is added and before an entry is deleted: the question
  // (or refusal) about a filed entry, then the right to unlock filed returns.
  bool filedEntryGuard();
  // The question part alone: true for an entry not filed, or when the user
  // goes on with the last filed one; an earlier filed entry is refused.
  bool confirmFiledEntry();

  // The commands. Each returns true when its entry was added (or deleted)
  // before it returned; one that waits for the entry form to be saved
  // returns false and finishes when the form is saved. Either way `changed`
  // runs once the register uses its new last entry. The entry forms must
  // outlive the register.
  bool addRevision(EntryForms& forms);       // cmdaddRev
  bool addRectification(EntryForms& forms);  // cmdaddRect
  bool addOrder(EntryForms& forms);          // cmdaddOrd
  bool deleteLast();                         // cmddelrevord
  std::function<void()> changed;

 private:
  bool has(const char* typ) const;
  // The last return must be filed before anything follows it: runs `next`
  // now, or once the return frame has completed it.
  void afterLastReturnFiled(EntryForms& forms, std::function<void()> next);
  void revise(EntryForms& forms);
  void addRevisedReturn(ReviseMode mode);
  void handLastFiledReturnToTheForm();
  // The entry form opened for a new entry after the last return is filed;
  // on a save the register shows and uses the new entry.
  void addThroughForm(EntryForms& forms, void (EntryForms::*open)(EntryForms::Saved));
  // A step to run after the user saved a form: nothing when the register is gone by then.
  template <class F>
  auto later(F step) {
    return [alive = std::weak_ptr<char>(alive_), step](auto&&... args) {
      if (alive.lock()) step(std::forward<decltype(args)>(args)...);
    };
  }
  void completed();
  void refuse(const std::string& text) { dialogs_.info(text); }
  bool ask(const std::string& text, ui::Answer def = ui::Answer::yes) {
    return dialogs_.yesNo(text, "", def);
  }

  host::Component& host_;
  ui::Dialogs& dialogs_;
  std::string client_;
  int year_ = 0;
  std::vector<RegisterEntry> entries_;
  int selected_ = -1;
  int changes_ = 0;
  std::shared_ptr<char> alive_ = std::make_shared<char>();
};

}  // namespace meridian::returns

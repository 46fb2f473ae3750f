#pragma once
// subform: the assessment-year workspace of one client. It shows the year
// list, the register of the year's returns and orders with the data set in
// use, the head and task buttons, and the year's figures; it decides,
// before any data of a filed return changes, whether the user may go on.
#include <functional>
#include <memory>
#include <string>

#include "host/component.h"
#include "host/screen.h"
#include "host/workspace.h"
#include "register/workspace_buttons.h"
#include "suite/returns/return_register.h"

namespace meridian::reg {

class WorkspaceForm : public host::Screen, public host::Workspace {
 public:
  explicit WorkspaceForm(host::Component& host);
  ~WorkspaceForm() override;

  void load() override;
  void unload() override;
  void activated() override;

  // The host's public members.
  void GetFigs() override;
  bool CanNavigate() override;
  bool CheckReturn() override;
  void SetButtons_Comp() override;
  void UpdateRetDetFromActOL(int srNo, bool withDsc, const std::string& ackNo, const std::string& filingDate,
                             const std::string& everifiedOn) override;

  // A new year from the year list (first four characters of the entry).
  void yearChanged(int year);
  // The entry of the register at that position becomes the one in use.
  void entryChosen(int index);
  const returns::ReturnRegister& returnRegister() const { return *register_; }
  // "Y" while editing of a filed return is locked.
  const std::string& lockTag() const { return lockTag_; }

  // Today's date, as the computation button checks the system clock; tests set it.
  std::function<CivilDate()> today;

 private:
  // Building the screen.
  void buildYearAndRegister();
  void buildButtons();
  void buildReturnAndFigures();

  // Opening a year or an entry of it: the steps after the register chose
  // the entry (switched: the register has already written the context).
  void openEntry(int index, bool switched);
  void showRegister();
  void showLock();
  void showReturnForms();
  void recomputeLeftYear(int year);

  // The buttons.
  void buttonClicked(const WorkspaceButton& b);
  void openSibling(const WorkspaceButton& b, const char* progId, const std::string& member);
  void openScreen(const std::string& name, const std::string& what, const host::OpenRequest& request = {});
  void notInstalled(const std::string& what);
  void bankOrCards(bool cards);
  void afterBankOrCards(bool cards);
  void computation();
  void returnOrEFile(bool eFile);
  void unlock();

  // The register's commands.
  void addRevision();
  void addRectification();
  void addOrder();
  void editEntry();
  void deleteEntry();
  void registerChanged();

  host::Component& host_;
  std::unique_ptr<ui::Dialogs> dialogsOfForm_;
  std::unique_ptr<returns::EntryForms> entryForms_;
  std::unique_ptr<returns::ReturnRegister> register_;
  std::string lockTag_ = "Y";
  bool clientInMaster_ = false;
  bool headOpened_ = false;
  // Steps left waiting on another screen do nothing once the workspace is gone.
  std::shared_ptr<char> alive_ = std::make_shared<char>();
};

}  // namespace meridian::reg

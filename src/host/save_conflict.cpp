#include "host/save_conflict.h"

namespace meridian::host {

std::string conflictQuestion(const std::string& code) {
  return "Client " + code + " was changed by another user after you opened it.\n\n"
         "Yes: save your changes over theirs (what you did not change keeps their entries)\n"
         "No: drop your changes and show the client as it is saved now\n"
         "Cancel: keep your changes on the screen, unsaved";
}

ConflictChoice askAboutConflict(ui::Dialogs& dialogs, const std::string& code, RowChange change) {
  if (change == RowChange::gone) {
    dialogs.exclamation("Client " + code + " was deleted by another user while it was open here: your changes are not saved.");
    return ConflictChoice::gone;
  }
  switch (dialogs.yesNoCancel(conflictQuestion(code), "", ui::Answer::cancel, ui::Icon::exclamation)) {
    case ui::Answer::yes:
      return ConflictChoice::saveOver;
    case ui::Answer::no:
      return ConflictChoice::reload;
    default:
      return ConflictChoice::keepOnScreen;
  }
}

}  // namespace meridian::host

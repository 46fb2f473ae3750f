#pragma once
// What a client screen asks when its save finds the client's row changed or
// deleted by another user since it was read: the same words and the same
// three choices on every screen that saves a client.
#include <string>

#include "host/versioned_row.h"
#include "ui/dialogs.h"

namespace meridian::host {

enum class ConflictChoice {
  saveOver,      // Yes: this user's changes go on top of the row as it is now
  reload,        // No: drop this user's changes, show the row as saved
  keepOnScreen,  // Cancel: nothing written, the typed values stay
  gone,          // the row was deleted: told, nothing written
};

std::string conflictQuestion(const std::string& code);

// Tells of a deleted client or asks the question; `change` is never `none`.
ConflictChoice askAboutConflict(ui::Dialogs& dialogs, const std::string& code, RowChange change);

}  // namespace meridian::host

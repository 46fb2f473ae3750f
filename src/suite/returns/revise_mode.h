#pragma once
// `cmdupdateRev` of the entry form: the user picks how the revised return
// treats the data of the return it revises, and confirms what that means.
#include "suite/returns/entry_forms.h"
#include "ui/dialogs.h"

namespace meridian::returns {

// The mode to store: `option` once confirmed; none when no option was picked
// (the user is told to pick one) or the user did not confirm.
ReviseMode confirmReviseMode(ui::Dialogs& dialogs, ReviseMode option);

}  // namespace meridian::returns

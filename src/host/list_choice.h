#pragma once
// A stored value shown in a combo box whose list spells it differently: the
// entry is found without regard to case, blanks or "&" and "and", and
// through the other names a value is known by (ORISSA is ODISHA, SINGLE is
// UNMARRIED). A value that matches no entry is kept and shown as stored,
// never replaced by a blank.
#include <string>

#include "ui/control.h"

namespace meridian::host {

// The list entry the stored value stands for, or "" when none does.
std::string listEntryFor(const std::vector<std::string>& items, const std::string& stored);

// Selects that entry, or shows the stored value itself when there is none.
void chooseStored(ui::Control& combo, const std::string& stored);

}  // namespace meridian::host

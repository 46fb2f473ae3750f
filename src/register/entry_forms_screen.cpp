#include "register/entry_forms_screen.h"

#include <stdexcept>

namespace meridian::reg {

returns::EntryFormScreen* EntryFormsOnScreen::open() {
  // The desktop keeps the form while it is shown; a refused right gives none.
  auto screen = host_.open("frmRevOrd");
  if (!screen) return nullptr;
  auto* form = dynamic_cast<returns::EntryFormScreen*>(screen.get());
  if (!form) throw std::logic_error("frmRevOrd is not the register's entry form");
  return form;
}

void EntryFormsOnScreen::completeReturn(int srNo, Saved then) {
  if (auto* f = open()) f->completeReturn(srNo, std::move(then));
}
void EntryFormsOnScreen::chooseReviseMode(std::function<void(returns::ReviseMode)> then) {
  if (auto* f = open()) f->chooseReviseMode(std::move(then));
}
void EntryFormsOnScreen::openRectification(Saved then) {
  if (auto* f = open()) f->openRectification(std::move(then));
}
void EntryFormsOnScreen::openOrder(Saved then) {
  if (auto* f = open()) f->openOrder(std::move(then));
}
void EntryFormsOnScreen::editEntry(int srNo, Saved then) {
  if (auto* f = open()) f->editEntry(srNo, std::move(then));
}

}  // namespace meridian::reg

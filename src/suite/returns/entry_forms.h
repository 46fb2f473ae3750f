#pragma once
// The entry form frmRevOrd as the register's commands need it: the workspace
// opens it in one of its modes, and the command goes on when the user saves.
// A screen cannot hold up the event that opened it, so each call takes what
// is to happen after the save; a form closed without saving never calls it,
// and the command then ends with nothing added.
#include <functional>

namespace meridian::returns {

// How a revised return treats the data of the return it revises.
enum class ReviseMode { none = 0, inPreviousReturn = 1, savedSeparately = 2 };

class EntryForms {
 public:
  using Saved = std::function<void()>;
  virtual ~EntryForms() = default;
  // The return frame on the entry, to complete its filing details.
  virtual void completeReturn(int srNo, Saved then) = 0;
  // The revision options; `then` gets the mode the user confirmed.
  virtual void chooseReviseMode(std::function<void(ReviseMode)> then) = 0;
  // The rectification or order frame for a new entry.
  virtual void openRectification(Saved then) = 0;
  virtual void openOrder(Saved then) = 0;
};

// The entry form as a screen: the workspace also opens it on an entry of the
// register to edit its details.
class EntryFormScreen : public EntryForms {
 public:
  virtual void editEntry(int srNo, Saved then) = 0;
};

}  // namespace meridian::returns

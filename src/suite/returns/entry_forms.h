#pragma once
// The entry form frmRevOrd as the register's commands need it: the workspace
// opens it in one of its modes and learns whether the user saved. The screen
// implements this; its save buttons call the register's save routines.

namespace meridian::returns {

// How a revised return treats the data of the return it revises.
enum class ReviseMode { none = 0, inPreviousReturn = 1, savedSeparately = 2 };

class EntryForms {
 public:
  virtual ~EntryForms() = default;
  // The return frame on the entry, to complete its filing details; true when saved.
  virtual bool completeReturn(int srNo) = 0;
  // The revision options; what the user confirmed, none when cancelled.
  virtual ReviseMode chooseReviseMode() = 0;
  // The rectification or order frame for a new entry; true when one was saved.
  virtual bool openRectification() = 0;
  virtual bool openOrder() = 0;
};

}  // namespace meridian::returns

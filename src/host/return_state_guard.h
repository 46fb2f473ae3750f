#pragma once
// Before any screen changes data of the open year, the return in use must
// allow it: a filed return asks first (and an earlier filed one refuses), and
// a return locked after filing needs the right to unlock it. The workspace
// decides this and installs itself here while it is open; a head screen asks
// through Component::returnStateGuard() and stops when the answer is false.
// With no workspace open nothing stops a change.
namespace meridian::host {

class ReturnStateGuard {
 public:
  virtual ~ReturnStateGuard() = default;
  // True when the user may go on changing the year's data; false after the
  // user was told why not (or declined).
  virtual bool mayChange() = 0;
};

}  // namespace meridian::host

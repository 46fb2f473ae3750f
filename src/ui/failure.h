#pragma once
// A step that failed where its handler did not expect it (a lost database,
// a full disk, a refused write, a fault in the program) is told to the user:
// a plain sentence and a short reference, the same reference the log line
// carries with the detail. Transactions roll back as the failure leaves
// them, so the data stays as it was, and the screen stays usable.
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

#include "ui/dialogs.h"

namespace meridian::ui {

// Thrown on after the user was told, so that callers further up end quietly.
class AlreadyTold : public std::runtime_error {
 public:
  AlreadyTold() : std::runtime_error("the user was told already") {}
};

// A fresh reference such as "E-7K3Q9M": short enough to read out on the phone.
std::string failureReference();
// The plain sentence for a failure (without the reference).
std::string failureSentence(const std::exception& e);
// Logs the failure of `where` and shows its message; returns the reference.
std::string tellFailure(Dialogs& dialogs, const std::exception& e, const std::string& where);
// Runs work; a failure is told and ends it. True when work ran to its end.
bool runTold(Dialogs& dialogs, const std::string& where, const std::function<void()>& work);

}  // namespace meridian::ui

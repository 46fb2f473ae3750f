#pragma once
// What the entry form's save routines share: the client and year in context,
// the connection, the user's dialogs, and the dates the checks compare with.
#include <optional>
#include <string>

#include "db/connection.h"
#include "common/dates.h"
#include "host/component.h"
#include "ui/dialogs.h"

namespace meridian::returns {

struct RegisterScope {
  RegisterScope(host::Component& h, ui::Dialogs& d)
      : host(h), dialogs(d), client(h.clientCtx().vT_Code_No.get()), year(h.clientCtx().vT_Year.get()) {}

  host::Component& host;
  ui::Dialogs& dialogs;
  std::string client;
  int year;

  db::Connection& conn() { return host.base().DbObj(); }
  // Entries dated within the year must fall after the last filed return, or
  // after the first day of the assessment year when none was filed.
  CivilDate lowerBound() const;
  // Tells the user why the step stops; always false, for `return refuse(...)`.
  bool refuse(const std::string& text) {
    dialogs.info(text);
    return false;
  }
};

// A typed date: empty text is no date; anything else must be a real date.
struct TypedDate {
  std::optional<CivilDate> date;
  bool malformed = false;
};
TypedDate typedDate(const std::string& text);

// Asks to move the data set's date of computation to the filing date, when
// it holds another real date.
void offerDateOfComputation(RegisterScope& s, const std::string& dataSet, const std::string& filingDate);

}  // namespace meridian::returns

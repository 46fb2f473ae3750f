#pragma once
// The due date a client year's computation runs on: the client's category
// row of the due-date masters for the A.Y., with its extension, as the
// return context's GetDueDt serves it to the screens.
#include <optional>
#include <string>

#include "common/dates.h"
#include "db/connection.h"

namespace meridian::suite::computation {

struct ReturnDueDate {
  CivilDate due;                        // the extended date where the masters hold one
  std::optional<CivilDate> original;    // the date before an extension; none when not extended
  std::string notification;             // the order that extended it
  CivilDate for234a;                    // the date interest u/s 234A runs from the day after
};

// An order that extends the due date "not for s.234A" (as the masters' note
// says of such orders) leaves interest u/s 234A running from the original
// date; every other extension moves it too.
bool extensionSpares234a(const std::string& notification);

// Nothing when the masters hold no dated row for the client's category.
std::optional<ReturnDueDate> returnDueDateOf(db::Connection& conn, const std::string& client, int year);

}  // namespace meridian::suite::computation

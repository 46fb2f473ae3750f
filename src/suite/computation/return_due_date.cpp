#include "suite/computation/return_due_date.h"

#include "common/text.h"
#include "host/client_due_date.h"
#include "suite/heads/year_input_loader.h"
#include "suite/settings_store.h"

namespace meridian::suite::computation {
namespace {

// The computation reads the due date of the client's category, so that a
// return filed by an extended date carries its losses and interest u/s 234A
// starts where the extension leaves it.
void loadDueDatePart(db::Connection& conn, const heads::YearSource& source, engine::YearInput& in,
                     heads::LoadNotes&) {
  const auto due = returnDueDateOf(conn, source.client, source.year);
  if (!due) return;
  in.dueDate = due->due;
  if (due->for234a != due->due) in.dueDateFor234a = due->for234a;
}

const heads::YearInputPartRegistration registered{"due date", &loadDueDatePart};

}  // namespace

bool extensionSpares234a(const std::string& notification) {
  return lowerCase(notification).find("not for s.234a") != std::string::npos;
}

std::optional<ReturnDueDate> returnDueDateOf(db::Connection& conn, const std::string& client, int year) {
  ClientValues values(conn);
  const auto row = host::clientDueDateRow(
      conn, [&](const std::string& key) { return values.yearValue(client, year, key); }, client, year);
  if (!row) return std::nullopt;
  const auto original = parseDmy(row->dueDt);
  if (!original) return std::nullopt;
  ReturnDueDate d{*original, std::nullopt, "", *original};
  const auto extended = parseDmy(row->revDueDt);
  if (!extended || *extended == *original) return d;
  d.due = *extended;
  d.original = *original;
  d.notification = row->notification;
  if (!extensionSpares234a(row->notification)) d.for234a = *extended;
  return d;
}

}  // namespace meridian::suite::computation

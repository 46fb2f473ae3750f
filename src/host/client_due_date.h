#pragma once
// The due date of a client's return for an A.Y.: the client's category row of
// that year's list, chosen from what the client master and the year options
// say about the client, and the dates stored for that row.
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "db/connection.h"
#include "host/base.h"
#include "host/due_date_store.h"
#include "host/property.h"

namespace meridian::host {

// What decides a client's category.
struct ClientFacts {
  std::string status;  // status text ("INDIVIDUAL", "FIRM", "PRIVATE LTD." ...)
  bool audited = false;
  bool report92E = false;
  bool hasBusiness = false;
  bool workingPartnerOfAuditedFirm = false;
  bool gujarat = false, jammuKashmir = false, uttarakhand = false;
  bool eFiler = false;  // required to e-file (A.Y. 2015-16 option)
};

// Year option under which the client's report u/s 92E is kept ("Y"/"1" = yes).
inline constexpr const char* kReport92EKey = "REPORT92E";

// A year value of the client (GetMiscOthInf) by key.
using YearOption = std::function<std::string(const std::string& key)>;

// Reads the facts of a client (code of main_info1 or owner1) for an A.Y.
ClientFacts readClientFacts(db::Connection& conn, host::Base& base, const std::string& code, int year);
ClientFacts readClientFacts(db::Connection& conn, const YearOption& option, const std::string& code, int year);

// The StatC of the client's row in the A.Y.'s list; nullopt when no row fits.
std::optional<int> clientCategory(int year, const ClientFacts& facts);

// Original and extended due date of the client's return for the A.Y.; the
// extended one is empty when there is none, both when the year has no date
// stored for the client's category.
std::pair<host::Date, host::Date> clientDueDates(db::Connection& conn, host::Base& base, const std::string& code,
                                                 int year);

// The stored row of the client's category for the A.Y. (dates as text and the
// notification of an extension); nullopt when no row fits or none is stored.
std::optional<DueDateRow> clientDueDateRow(db::Connection& conn, const YearOption& option, const std::string& code,
                                           int year);

}  // namespace meridian::host

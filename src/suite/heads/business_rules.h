#pragma once
// The rules of business income that the business screens check as the user
// saves and that the year's loader follows: presumptive income of a business
// u/s 44AD, of a profession u/s 44ADA and of goods carriages u/s 44AE, each
// the presumptive figure or the higher income the client declares. The
// presumptive figures themselves come from the computation engine, so a
// screen shows what the computation will take.
#include <optional>
#include <string>
#include <vector>

#include "common/money.h"
#include "suite/engine/year_law.h"
#include "suite/heads/cell_type.h"
#include "suite/heads/client_person.h"

namespace meridian::suite::heads {

namespace business_codes {
inline constexpr const char* business = "B";
inline constexpr const char* profession = "P";
inline constexpr const char* section44ad = "0";  // business_44adaf.part_num
inline constexpr const char* section44ada = "1";
}  // namespace business_codes

// B business, P profession.
const std::vector<Choice>& businessNatures();
// 0 s.44AD, 1 s.44ADA.
const std::vector<Choice>& presumptiveSections();
// Sections under which an expense debited is not allowed.
const std::vector<Choice>& disallowanceSections();
// 1 heavy goods vehicle, 0 other goods vehicle.
const std::vector<Choice>& vehicleClasses();

// The presumptive figures of one business.
struct PresumptiveEntry {
  bool profession = false;  // s.44ADA rather than s.44AD
  Money turnover;           // turnover, or gross receipts of a profession
  Money digital;            // of which received by account payee cheque, draft or electronic clearing
  Money declared;           // income the client declares; nil takes the presumptive figure
};

// The refusal of an entry as the law does not allow it, with the column it
// concerns; nothing when it stands. `natureIsProfession` is the business's.
struct EntryFault {
  std::string column;
  std::string message;
};
std::optional<EntryFault> presumptiveFault(const PresumptiveEntry& e, bool natureIsProfession, const ClientPerson& who,
                                           const engine::YearLaw& law);
// The income presumed (rate on turnover) and the income taken (the higher of
// it and the income declared).
Money presumedIncome(const PresumptiveEntry& e, const ClientPerson& who, const engine::YearLaw& law);
Money presumptiveIncomeTaken(const PresumptiveEntry& e, const ClientPerson& who, const engine::YearLaw& law);

// One goods carriage u/s 44AE.
struct Vehicle {
  bool heavy = false;
  int tons = 0;    // counts where the year presumes a heavy vehicle's income by weight
  int months = 0;  // months or parts of months owned
  Money declaredPerMonth;
};
std::optional<EntryFault> vehicleFault(const Vehicle& v, const engine::YearLaw& law);
// The income presumed for a month, and for the months owned (the declared
// figure where higher).
Money presumedPerMonth(const Vehicle& v, const engine::YearLaw& law);
Money vehicleIncomeTaken(const Vehicle& v, const engine::YearLaw& law);
// The refusal of more vehicles than the section allows, or nothing.
std::optional<std::string> vehicleCountRefusal(int vehicles, const engine::YearLaw& law);

}  // namespace meridian::suite::heads

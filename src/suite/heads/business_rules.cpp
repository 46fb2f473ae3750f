#include "suite/heads/business_rules.h"

#include <algorithm>

#include "common/years.h"
#include "suite/engine/heads.h"

namespace meridian::suite::heads {
namespace {

std::string rupees(Money m) { return "Rs. " + m.groupedRupees(); }

// s.44AD reaches a resident individual, HUF or partnership firm other than a
// limited liability partnership (Explanation (a)); s.44ADA a resident
// individual or such a firm, not a HUF (sub-section (1)).
bool eligible(const PresumptiveEntry& e, const ClientPerson& who) {
  if (who.residence == engine::Residence::nonResident) return false;
  if (who.status == engine::Status::individual || who.status == engine::Status::firm) return true;
  return who.status == engine::Status::huf && !e.profession;
}

engine::YearInput inputFor(const ClientPerson& who, const engine::YearLaw& law) {
  engine::YearInput in;
  in.year = law.year;
  in.status = who.status;
  in.residence = who.residence;
  return in;
}

}  // namespace

const std::vector<Choice>& businessNatures() {
  static const std::vector<Choice> list = {{business_codes::business, "Business"},
                                           {business_codes::profession, "Profession"}};
  return list;
}

const std::vector<Choice>& presumptiveSections() {
  static const std::vector<Choice> list = {{business_codes::section44ad, "44AD"},
                                           {business_codes::section44ada, "44ADA"}};
  return list;
}

const std::vector<Choice>& disallowanceSections() {
  static const std::vector<Choice> list = {
      {"36", "36(1)(va) Employees' contributions not paid in time"},
      {"37", "37(1) Personal or capital expenditure"},
      {"40AI", "40(a)(i) Tax not deducted (non-resident)"},
      {"40AIA", "40(a)(ia) Tax not deducted (resident)"},
      {"40B", "40(b) Partners' interest or remuneration above the limit"},
      {"40A2", "40A(2)(b) Excessive payment to a related person"},
      {"40A3", "40A(3) Payment otherwise than by account payee cheque"},
      {"43B", "43B Sums not paid by the due date"},
      {"14A", "14A Expenditure on exempt income"},
      {"OTH", "Other"},
  };
  return list;
}

const std::vector<Choice>& vehicleClasses() {
  static const std::vector<Choice> list = {{"1", "Heavy"}, {"0", "Other"}};
  return list;
}

Money presumedIncome(const PresumptiveEntry& e, const ClientPerson& who, const engine::YearLaw& law) {
  engine::YearInput in = inputFor(who, law);
  if (e.profession) in.business.presumptive44ada = {e.turnover, Money()};
  else in.business.presumptive44ad = {e.turnover, std::min(e.digital, e.turnover), Money()};
  const engine::BusinessFigures f = engine::businessOf(in, law);
  return e.profession ? f.presumptive44ada : f.presumptive44ad;
}

Money presumptiveIncomeTaken(const PresumptiveEntry& e, const ClientPerson& who, const engine::YearLaw& law) {
  return std::max(presumedIncome(e, who, law), e.declared);
}

std::optional<EntryFault> presumptiveFault(const PresumptiveEntry& e, bool natureIsProfession, const ClientPerson& who,
                                           const engine::YearLaw& law) {
  const std::string section = e.profession ? "44ADA" : "44AD";
  if (e.profession && law.p44adaRate == 0)
    return EntryFault{"part_num", "Section 44ADA is not in force for A.Y. " + assessmentYearText(law.year) + "."};
  if (e.profession != natureIsProfession)
    return EntryFault{"part_num", e.profession ? "Section 44ADA is for a profession, not a business."
                                               : "Section 44AD is for a business, not a profession."};
  if (!eligible(e, who))
    return EntryFault{"part_num", "Presumptive income u/s " + section + " is for a resident individual" +
                                      (e.profession ? "" : ", HUF") +
                                      " or partnership firm (not a limited liability partnership)."};
  const Money limit = e.profession ? law.p44adaReceiptsLimit : law.p44adTurnoverLimit;
  if (e.turnover > limit)
    return EntryFault{"turnover", std::string(e.profession ? "Gross receipts" : "Turnover") + " of " +
                                      rupees(e.turnover) + (e.profession ? " exceed" : " exceeds") +
                                      " the limit of " + rupees(limit) + " of s." + section + "."};
  if (e.digital > e.turnover)
    return EntryFault{"turnover_dig", "The part received by banking channels can not exceed the turnover."};
  const Money presumed = presumedIncome(e, who, law);
  if (!e.declared.isZero() && e.declared < presumed)
    return EntryFault{"tic", "The income declared can not be less than the presumptive income of " +
                                 rupees(presumed) + " u/s " + section +
                                 "; a lower profit is shown from the books as the business's net profit."};
  return std::nullopt;
}

Money presumedPerMonth(const Vehicle& v, const engine::YearLaw& law) {
  engine::YearInput in = inputFor({}, law);
  in.business.presumptive44ae.push_back({v.heavy, 1, v.tons, Money()});
  return engine::businessOf(in, law).presumptive44ae;
}

Money vehicleIncomeTaken(const Vehicle& v, const engine::YearLaw& law) {
  return std::max(presumedPerMonth(v, law), v.declaredPerMonth) * v.months;
}

std::optional<EntryFault> vehicleFault(const Vehicle& v, const engine::YearLaw& law) {
  if (v.heavy && law.p44aeHeavyPerTon > Money() && v.tons <= 0)
    return EntryFault{"tons", "Please specify the weight in tons of a heavy goods vehicle: its income is presumed by "
                              "its weight for A.Y. " + assessmentYearText(law.year) + "."};
  const Money presumed = presumedPerMonth(v, law);
  if (!v.declaredPerMonth.isZero() && v.declaredPerMonth < presumed)
    return EntryFault{"profit", "The income declared per month can not be less than the presumptive " +
                                    rupees(presumed) + " of s.44AE."};
  return std::nullopt;
}

std::optional<std::string> vehicleCountRefusal(int vehicles, const engine::YearLaw& law) {
  if (vehicles <= law.p44aeMaxVehicles) return std::nullopt;
  return "Section 44AE applies only to an owner of not more than " + std::to_string(law.p44aeMaxVehicles) +
         " goods carriages.";
}

}  // namespace meridian::suite::heads

#include "itr/form_applicability.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "common/years.h"
#include "suite/return_forms.h"

namespace meridian::itr {

namespace {

const char* const kCrLf = "\r\n";

// The option array, by index, from the shared list of forms (the workspace
// lists the same forms): each index holds the first form of the list that
// names it; ITR-5 shares ITR-4's option and takes it over for a firm.
constexpr int kOptionCount = 6;
const char* const kFirmForm = "ITR-5";
struct OptionDef {
  std::string code, caption;
  int firstYear = 0, lastYear = 0;
};
const std::vector<OptionDef>& optionDefs() {
  static const std::vector<OptionDef> defs = [] {
    std::vector<OptionDef> d(kOptionCount);
    for (const auto& f : suite::returnFormList())
      if (f.option >= 0 && d[static_cast<size_t>(f.option)].code.empty()) d[static_cast<size_t>(f.option)] = {f.form, f.caption, f.firstYear, f.lastYear};
    for (int i = 0; i < kOptionCount; ++i)
      if (d[static_cast<size_t>(i)].code.empty())
        throw std::runtime_error("data/return_forms.csv offers no form as option " + std::to_string(i));
    return d;
  }();
  return defs;
}
const suite::ReturnFormSpan& firmFormSpan() {
  for (const auto& f : suite::returnFormList())
    if (f.form == kFirmForm && f.option >= 0) return f;
  throw std::runtime_error("data/return_forms.csv offers ITR-5 as no option");
}
constexpr int kOptionOf2A = 5;

// The years the return screen produces returns for.
constexpr YearRange kServedYears{2013, 2016};

using Forms = std::vector<std::string>;
const Forms kNoBusiness{"ITR-1", "ITR-2", "ITR-2A"};
const Forms kBusinessNotFirms{"ITR-3"};
const Forms kBusinessNotPresumptive{"ITR-4S"};
const Forms kOneAndSugam{"ITR-1", "ITR-4S"};
const Forms kSimpleForms{"ITR-1", "ITR-4S", "ITR-2A"};
const Forms kAllButFour{"ITR-1", "ITR-2", "ITR-3", "ITR-4S", "ITR-2A"};

struct Flags {
  bool individual = false, firm = false;
};

// One refusal rule: its reason, the forms it refuses, the years it applies
// to, the tables it needs, and the fact of the year it tests.
struct Rule {
  std::string reason;
  Forms forms;
  std::function<bool(const ReturnYear&, const Flags&)> applies;
  int fromYear = 0, untilYear = 9999;
  std::vector<std::string> tables = {};
  bool needsComputation = false;
  // What the rule reads that no screen of this program keeps: the rule is
  // then reported as not examined, with these words.
  std::string unkept = {};
};

// "Income ... \"Business or Profession\"." with its qualifier: the rules for
// ITR-3 and ITR-4S say what besides firms or presumptive income refuses them.
std::string qualified(const std::string& reason, const char* qualifier) {
  return reason.substr(0, reason.size() - 1) + " (" + qualifier + ").";
}
const char* const kNotFirms = "Other than from Firms in which Partner";
const char* const kNotPresumptive = "Other than Presumptive Business Income";

bool hasPart(const ReturnYear& y, engine::LossPart p) { return y.broughtForwardParts.count(static_cast<int>(p)) > 0; }

std::vector<Rule> buildRules() {
  std::vector<Rule> r;
  auto add = [&](Rule rule) { r.push_back(std::move(rule)); };
  add({"Not an 'Individual'.", {"ITR-1"}, [](const ReturnYear&, const Flags& f) { return !f.individual && !f.firm; }});
  add({"Return is being filed by a representative assessee and same can not be shown.", kOneAndSugam,
       [](const ReturnYear& y, const Flags&) { return y.representativeAssessee; }, 0, 9999, {"geninfo_miscinf"}});
  add({"More than one House Property.", kOneAndSugam, [](const ReturnYear& y, const Flags&) { return y.houses > 1; },
       0, 9999, {"income_house"}});
  add({"Loss under the Head \"House Property\" can not be set-off.", kOneAndSugam,
       [](const ReturnYear& y, const Flags&) { return y.houseLossNotAbsorbed(); }, 0, 9999, {}, true});

  // Business or profession, commission, and specified business: each refuses
  // the forms without the head, ITR-3 when other than from firms, and ITR-4S
  // when other than presumptive.
  struct BusinessKind {
    std::string reason;
    std::function<bool(const ReturnYear&)> present, beyondPresumptive;
    std::vector<std::string> tables;
  };
  const std::vector<BusinessKind> kinds{
      {"Income under the Head \"Business or Profession\".", [](const ReturnYear& y) { return y.ownBusinessIncome(); },
       [](const ReturnYear& y) { return y.businessBeyondPresumptive(); },
       {"income_business", "business_44adaf", "business_44ae"}},
      {"Income from \"Commission\" under the Head \"Business or Profession\".",
       [](const ReturnYear& y) { return y.commissionRows > 0; }, [](const ReturnYear& y) { return y.commissionRows > 0; },
       {"comms"}},
      {"Income from \"Specified Business u/s 35AD\" under the Head \"Business or Profession\".",
       [](const ReturnYear& y) { return y.specifiedBusiness35AD; },
       [](const ReturnYear& y) { return y.specifiedBusiness35AD; }, {"business_35ad"}},
  };
  for (const auto& k : kinds) {
    auto present = k.present;
    auto beyond = k.beyondPresumptive;
    add({k.reason, kNoBusiness, [present](const ReturnYear& y, const Flags&) { return present(y); }, 0, 9999, k.tables});
    add({qualified(k.reason, kNotFirms), kBusinessNotFirms,
         [present](const ReturnYear& y, const Flags&) { return present(y); }, 0, 9999, k.tables});
    add({qualified(k.reason, kNotPresumptive), kBusinessNotPresumptive,
         [beyond](const ReturnYear& y, const Flags&) { return beyond(y); }, 0, 9999, k.tables});
  }
  const std::string firms = "Income from \"Firms in which Partner\" under the Head \"Business or Profession\".";
  add({firms, kNoBusiness, [](const ReturnYear& y, const Flags&) { return !y.firms.empty(); }, 0, 9999,
       {"business_firm"}});
  add({qualified(firms, kNotPresumptive), kBusinessNotPresumptive,
       [](const ReturnYear& y, const Flags&) { return !y.firms.empty(); }, 0, 9999, {"business_firm"}});
  // A share of an AOP or BOI that s.86 includes in total income is computed
  // as business income; an exempt share is exempt income, counted there.
  const std::string aops =
      "Share of Income from \"AOP/BOI\" included in Total Income under the Head \"Business or Profession\".";
  const auto includedAopShare = [](const ReturnYear& y, const Flags&) {
    return std::any_of(y.aopShares.begin(), y.aopShares.end(),
                       [](const AopShare& a) { return (a.basis == "N" || a.basis == "X") && a.share > Money(); });
  };
  add({aops, kNoBusiness, includedAopShare, 0, 9999, {"memsharedet"}});
  add({qualified(aops, kNotPresumptive), kBusinessNotPresumptive, includedAopShare, 0, 9999, {"memsharedet"}});
  add({"Income under the Head \"Capital Gains\".", kSimpleForms,
       [](const ReturnYear& y, const Flags&) {
         return y.capitalGainRows > 0 || (y.result && !y.result->capitalGains.total().isZero());
       },
       0, 9999, {"capital", "capital_deemed", "capital_deemn"}});
  add({"Loss under the Head \"Other Sources\".", {"ITR-1"},
       [](const ReturnYear& y, const Flags&) { return y.otherSourcesLoss(); }, 0, 9999, {}, true});
  add({"Loss under the Head \"Other Sources\" can not be set-off.", {"ITR-4S"},
       [](const ReturnYear& y, const Flags&) { return y.otherSourcesLoss(); }, 0, 9999, {}, true});
  add({"Income from \"Owning and Maintaing Race Horse(s)\" under the Head \"Other Sources\".", kOneAndSugam,
       [](const ReturnYear& y, const Flags&) { return y.result && !y.result->otherSources.raceHorses.isZero(); }, 0,
       9999, {}, true});
  add({"Income from \"Winnings from Lottery/Horse Race\" under the Head \"Other Sources\".", kOneAndSugam,
       [](const ReturnYear& y, const Flags&) { return y.winnings(); }, 0, 9999, {}, true});
  add({"Special Rate Income can not be shown.", kOneAndSugam,
       [](const ReturnYear& y, const Flags&) { return y.specialRateRows > 0; }, 0, 9999, {"sprtothinc"}});
  add({"Income from outside India can not be shown.", kSimpleForms,
       [](const ReturnYear& y, const Flags&) { return y.foreignIncomeRows > 0; }, 2015, 9999, {"taxrelsch"}});
  add({"Pass Through Income can not be shown.", kOneAndSugam,
       [](const ReturnYear& y, const Flags&) { return y.passThroughRows > 0; }, 2016, 9999, {"schpti"}});
  add({"Capital Gain from \"Depreciable Assets\" can not be shown.", {"ITR-2", "ITR-3"},
       [](const ReturnYear& y, const Flags&) { return y.depreciableAssetGains > 0; }, 0, 9999, {"capital_depr"}});

  // Losses brought forward, by the losses table's part.
  using P = engine::LossPart;
  auto broughtForward = [&](const std::string& head, Forms forms, std::vector<P> parts, int from = 0) {
    add({"Brought Forward Losses under the Head \"" + head + "\" can not be shown.", std::move(forms),
         [parts](const ReturnYear& y, const Flags&) {
           return std::any_of(parts.begin(), parts.end(), [&](P p) { return hasPart(y, p); });
         },
         from, 9999, {"losses"}});
  };
  broughtForward("Speculative Business", kAllButFour, {P::speculation});
  broughtForward("Capital Gain", kSimpleForms, {P::capitalGain});
  broughtForward("Short Term Capital Gain", kSimpleForms, {P::shortTerm});
  broughtForward("Long Term Capital Gain", kSimpleForms, {P::longTerm});
  broughtForward("Specified Business", kAllButFour, {P::specifiedBusiness});
  broughtForward("Owning and Maintaing Race Horse(s)", kOneAndSugam, {P::raceHorses});
  broughtForward("Unabsorbed Depreciation", kAllButFour, {P::unabsorbedDepreciation});
  broughtForward("Business or Profession", {"ITR-1", "ITR-2", "ITR-4S", "ITR-2A"}, {P::business}, 2015);
  broughtForward("House Property", kOneAndSugam, {P::houseProperty});

  add({"Agriculture income in excess of Rs. 5,000.", kOneAndSugam,
       [](const ReturnYear& y, const Flags&) { return y.agricultural() > Money::rupees(5000); }, 2015, 9999, {}, true});
  add({"Income from agriculture/exempt income not included in total income in excess of Rs. 5,000.", kOneAndSugam,
       [](const ReturnYear& y, const Flags&) { return y.exemptIncomeWithAllowances() > Money::rupees(5000); }, 0, 2014,
       {}, true});
  add({"Claiming relief under section 90.", kSimpleForms,
       [](const ReturnYear& y, const Flags&) { return !y.relief90.isZero(); }, 0, 9999, {"income_relief"}});
  add({"Claiming relief under section 90A.", kSimpleForms,
       [](const ReturnYear& y, const Flags&) { return !y.relief90A.isZero(); }, 0, 9999, {"income_relief"}});
  add({"Claiming relief under section 91.", kSimpleForms,
       [](const ReturnYear& y, const Flags&) { return !y.relief91.isZero(); }, 0, 9999, {"income_relief"}});
  add({"Resident having any asset (including financial interest in any entity) located outside India or signing "
       "authority in any account located outside India.",
       kSimpleForms, [](const ReturnYear& y, const Flags&) { return y.resident && y.foreignAssetRows > 0; }, 0, 9999,
       {"schresfa"}});
  add({"Liable to maintain accounts as per section 44AA.", {"ITR-4S"},
       [](const ReturnYear& y, const Flags&) { return y.liable44AA; }, 0, 9999, {"geninfo_miscinf"}});
  add({"Liable for audit under section 44AB.", {"ITR-4S"},
       [](const ReturnYear& y, const Flags&) { return y.audit44AB; }, 0, 9999, {"geninfo_miscinf"}});
  add({"AMT Calculation u/s 115JC can not be shown.", kAllButFour,
       [](const ReturnYear& y, const Flags&) { return y.amtShown(); }, 0, 9999, {}, true});
  add({"AMT Credit to be Carried Forward can not be shown.", kAllButFour,
       [](const ReturnYear& y, const Flags&) { return y.amtCreditCarried(); }, 0, 9999, {}, true});
  return r;
}

const std::vector<Rule>& rules() {
  static const std::vector<Rule> list = buildRules();
  return list;
}

int optionIndexOf(const std::string& code) {
  for (int i = 0; i < kOptionCount; ++i)
    if (code == optionDefs()[static_cast<size_t>(i)].code) return i;
  return -1;
}

}  // namespace

std::string FormOption::reasonText() const {
  std::string text;
  for (const auto& r : reasons) text += (text.empty() ? "" : kCrLf) + r;
  return text;
}

std::string formFamily(int status, int year, bool mrr) {
  switch (status) {
    case 0: return year >= 2015 ? "ITR-1/2A/2/3/4S/4(As Applicable)" : "ITR-1/2/3/4S/4(As Applicable)";
    case 1: return year >= 2015 ? "ITR-2A/2/3/4S/4(As Applicable)" : "ITR-2/3/4S/4(As Applicable)";
    case 3: return "ITR-7";
    case 5: return year >= 2016 && !mrr ? "ITR-4S/5(As Applicable)" : "ITR-5";
    case 6:
    case 7: return "ITR-6";
    default: return "ITR-5";
  }
}

bool isFamilyOfChoices(const std::string& family) { return family.find("(As Applicable)") != std::string::npos; }

std::string formCodeOfCaption(const std::string& caption) {
  std::string c;
  for (char ch : caption)
    if (ch != '&') c += ch;
  if (c == "SAHAJ(ITR-1)") return "ITR-1";
  if (c == "SUGAM(ITR-4S)") return "ITR-4S";
  return c;
}

std::string xmlStatusCode(const std::string& s, const std::string& form, int year, bool electronic) {
  const bool itr5 = form == "ITR-5";
  if (s == "I")
    return (form == "ITR-1" || form == "ITR-2" || form == "ITR-2A" || form == "ITR-3" || form == "ITR-4S" ||
            form == "ITR-4")
               ? "I"
               : "-";
  if (s == "H")
    return (form == "ITR-2" || form == "ITR-2A" || form == "ITR-3" || form == "ITR-4S" || form == "ITR-4") ? "H" : "-";
  if (s == "AOP" || s == "BOI") return !itr5 ? "-" : year >= 2014 ? (electronic ? "8" : "7") : "6";
  if (s == "PDT") return itr5 && year >= 2014 ? (electronic ? "7" : "6") : "-";
  if (s == "TRUST") return form != "ITR-7" ? "-" : electronic ? "7" : year >= 2014 ? "05" : "08";
  if (s == "COS") return itr5 ? "4" : "-";
  if (s == "COB") return itr5 ? "3" : "-";
  if (s == "FIRM") return form == "ITR-4S" && year >= 2016 ? "F" : itr5 ? "1" : "-";
  if (s == "LLP") return itr5 ? "5" : "-";
  if (s == "PVT" || s == "PVT_F") return form == "ITR-6" ? "7" : "-";
  if (s == "PUB" || s == "PUB_F") return form == "ITR-6" ? "6" : "-";
  if (s == "LA") return itr5 ? "2" : "-";
  if (s == "AJP") return !itr5 ? "-" : year >= 2014 ? (electronic ? "9" : "8") : "6";
  return "-";
}

const FormOption* Applicability::option(const std::string& code) const {
  for (const auto& o : options)
    if (o.code == code) return &o;
  return nullptr;
}

std::vector<std::string> Applicability::usableForms() const {
  if (!choices) return {fixedForm};
  std::vector<std::string> forms;
  for (const auto& o : options)
    if (o.visible && o.usable()) forms.push_back(o.code);
  return forms;
}

std::vector<std::string> formsOfFamily(const std::string& family) {
  std::string list = family.substr(0, family.find('('));
  if (list.rfind("ITR-", 0) == 0) list = list.substr(4);
  std::vector<std::string> forms;
  for (size_t from = 0; from <= list.size();) {
    const size_t slash = std::min(list.find('/', from), list.size());
    if (slash > from) forms.push_back("ITR-" + list.substr(from, slash - from));
    from = slash + 1;
  }
  return forms;
}

std::string Applicability::preferredForm() const {
  if (!choices) return fixedForm;
  for (const auto& code : formsOfFamily(family))
    if (const FormOption* o = option(code); o && o->visible && o->usable()) return code;
  return "";
}

Applicability decideForms(const ReturnYear& y, int status, bool mrr) {
  Applicability a;
  a.family = formFamily(status, y.year, mrr);
  a.choices = isFamilyOfChoices(a.family);
  if (!a.choices) {
    a.fixedForm = a.family;
    return a;
  }
  const Flags flags{a.family.rfind("ITR-1/", 0) == 0, a.family == "ITR-4S/5(As Applicable)"};
  for (int i = 0; i < kOptionCount; ++i)
    a.options.push_back({i, optionDefs()[static_cast<size_t>(i)].code, optionDefs()[static_cast<size_t>(i)].caption});
  for (const auto& rule : rules()) {
    if (y.year < rule.fromYear || y.year > rule.untilYear) continue;
    std::vector<std::string> missing;
    for (const auto& t : rule.tables)
      if (y.missingTables.count(t)) missing.push_back(t);
    if (rule.needsComputation && !y.result)
      a.notExamined.push_back(rule.reason + " Not examined: the year could not be computed (" + y.computationNote +
                              ").");
    if (!rule.unkept.empty()) a.notExamined.push_back(rule.reason + " Not examined: " + rule.unkept + ".");
    if (!missing.empty()) {
      std::string tables;
      for (const auto& t : missing) tables += (tables.empty() ? "" : ", ") + t;
      a.notExamined.push_back(rule.reason + " Not examined from the missing table(s) " + tables + ".");
    }
    if (!rule.applies(y, flags)) continue;
    for (const auto& form : rule.forms) a.options[optionIndexOf(form)].reasons.push_back(rule.reason);
  }
  for (auto& o : a.options) {
    if (o.index <= 2) o.visible = !flags.firm;
    if (o.index == kOptionOf2A) o.visible = !flags.firm;
    // A form not prescribed for the year (ITR-2A before A.Y. 2015-16) is not offered.
    const OptionDef& d = optionDefs()[static_cast<size_t>(o.index)];
    if (y.year < d.firstYear || y.year > d.lastYear) o.visible = false;
  }
  if (flags.firm) {
    const suite::ReturnFormSpan& firm = firmFormSpan();
    a.options[static_cast<size_t>(firm.option)].caption = firm.caption;
    a.options[static_cast<size_t>(firm.option)].code = firm.form;
  }
  return a;
}

std::string refusalMessage(const FormOption& o) {
  std::string caption;
  for (char ch : o.caption)
    if (ch != '&') caption += ch;
  return caption + " can not be used :" + kCrLf + o.reasonText();
}

std::optional<std::string> yearNotNotified(int year, const std::string& form, bool electronic) {
  if (year >= kServedYears.first && year <= kServedYears.last) return std::nullopt;
  const std::string ay = assessmentYearText(year);
  if (electronic) return "e-Filing Rules of Form " + form + " for A.Y. " + ay + " has not been notified yet.";
  return "New Form " + form + " for A.Y. " + ay + " has not been notified yet. Please keep checking for updates.";
}

namespace {
bool isVerySenior(const ReturnYear& y) {
  if (!y.birth) return false;
  const auto eightieth = makeDate(static_cast<unsigned>(y.birth->day()), static_cast<unsigned>(y.birth->month()),
                                  static_cast<int>(y.birth->year()) + 80);
  // Born on 29 February: the birthday of a common year is 1 March.
  const CivilDate birthday = eightieth ? *eightieth : *makeDate(1, 3, static_cast<int>(y.birth->year()) + 80);
  const CivilDate limit = y.year >= 2016 ? *makeDate(1, 4, y.year) : *makeDate(31, 3, y.year);
  return birthday <= limit;
}
}  // namespace

std::optional<std::string> paperFilingRefusal(const ReturnYear& y, const std::string& form, bool filedUnder139_4B) {
  const std::string mandatory = "E-Filing is mandatory.";
  if (form == "ITR-4S" && y.statusCode == "FIRM" && y.year >= 2016)
    return "E-Filing of Form [" + form + "] is mandatory for 'Partnership Firm (Other than LLP)'.";
  if (y.year >= 2015 && form != "ITR-1" && form != "ITR-2A" && form != "ITR-2" && form != "ITR-4S")
    return "E-Filing of Form [" + form + "] is mandatory.";
  const bool verySenior =
      (form == "ITR-1" || form == "ITR-2A" || form == "ITR-2") && y.statusCode == "I" && isVerySenior(y);
  const Money limit = Money::rupees(500000);
  if (!verySenior) {
    if (y.totalIncome().roundedToRupee() > limit) return std::string("Total Income exceeds Rs. 5,00,000.") + kCrLf + mandatory;
    if (y.balance().isNegative())
      return "Claiming Refund of Rs. " + (-y.balance()).rupeesText() + "." + kCrLf + mandatory;
  }
  if (form == "ITR-6") return std::string("E-Filing of Form ITR-6 is mandatory.");
  if (form == "ITR-7" && filedUnder139_4B && y.year >= 2014) {
    return std::string("E-Filing of Form ITR-7 is mandatory for Return filed u/s 139(4B).");
  }
  if (form == "ITR-7" && y.totalIncome().roundedToRupee() > limit)
    return std::string("Total Income exceeds Rs. 5,00,000.") + kCrLf + mandatory;
  const std::pair<const char*, Money> reliefs[] = {{"90", y.relief90}, {"90A", y.relief90A}, {"91", y.relief91}};
  for (const auto& [section, amount] : reliefs)
    if (!amount.isZero())
      return std::string("Claiming Relief U/s ") + section + " of Rs. " + amount.rupeesText() + "." + kCrLf + mandatory;
  const bool personAudit = form == "ITR-4" && (y.statusCode == "I" || y.statusCode == "H");
  const bool firmAudit = form == "ITR-5" && (y.statusCode == "FIRM" || y.statusCode == "LLP");
  if ((personAudit || firmAudit) && y.audit44AB) return mandatory;
  if (y.foreignAssetRows > 0)
    return std::string("Having assets (including financial interest in any entity) located outside India or signing "
                       "authority in any account located outside India.") +
           kCrLf + mandatory;
  return std::nullopt;
}

}  // namespace meridian::itr

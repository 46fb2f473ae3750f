#include "suite/engine/chapter_via.h"

#include <algorithm>

#include "suite/tax/rupee_rate.h"

namespace meridian::engine {
namespace {

enum class Who { individual, residentIndividual, individualOrHuf, residentIndividualOrHuf, nonCompany, company,
                 cooperative, anyone };

struct Section {
  const char* code;
  Who who;
  bool partC;  // Part C: deductions in respect of certain incomes
};

// In the order of the return's schedule.
const Section kSections[] = {
    {"80C", Who::individualOrHuf, false},        {"80CCC", Who::individual, false},
    {"80CCD(1)", Who::individual, false},        {"80CCD(1B)", Who::individual, false},
    {"80CCD(2)", Who::individual, false},        {"80CCG", Who::residentIndividual, false},
    {"80D", Who::individualOrHuf, false},        {"80DD", Who::residentIndividualOrHuf, false},
    {"80DDB", Who::residentIndividualOrHuf, false}, {"80E", Who::individual, false},
    {"80EE", Who::individual, false},            {"80G", Who::anyone, false},
    {"80GG", Who::individual, false},            {"80GGA", Who::anyone, false},
    {"80GGB", Who::company, false},              {"80GGC", Who::nonCompany, false},
    {"80IA", Who::anyone, true},                 {"80IAB", Who::anyone, true},
    {"80IB", Who::anyone, true},                 {"80IC", Who::anyone, true},
    {"80ID", Who::anyone, true},                 {"80IE", Who::anyone, true},
    {"80JJA", Who::anyone, true},                {"80JJAA", Who::anyone, true},
    {"80LA", Who::anyone, true},                 {"80P", Who::cooperative, true},
    {"80QQB", Who::residentIndividual, true},    {"80RRB", Who::residentIndividual, true},
    {"80TTA", Who::individualOrHuf, false},      {"80U", Who::residentIndividual, false},
};

bool eligible(Who who, const YearInput& in) {
  const bool resident = in.residence != Residence::nonResident;
  const bool individual = in.status == Status::individual;
  const bool huf = in.status == Status::huf;
  switch (who) {
    case Who::individual:
      return individual;
    case Who::residentIndividual:
      return individual && resident;
    case Who::individualOrHuf:
      return individual || huf;
    case Who::residentIndividualOrHuf:
      return (individual || huf) && resident;
    case Who::nonCompany:
      return in.status != Status::company;
    case Who::company:
      return in.status == Status::company;
    case Who::cooperative:
      return in.status == Status::cooperative;
    case Who::anyone:
      return true;
  }
  return false;
}

Money claimOf(const YearInput& in, const char* code) {
  auto it = in.deductions.claimed.find(code);
  return it == in.deductions.claimed.end() ? Money() : std::max(Money(), it->second);
}

bool claimed(const YearInput& in, const Section& s) {
  if (std::string_view(s.code) == "80G") {
    const Donations& d = in.deductions.donations;
    return d.full + d.half + d.fullLimited + d.halfLimited > Money();
  }
  if (std::string_view(s.code) == "80D" && claimOf(in, "80D_parents") > Money()) return true;
  return claimOf(in, s.code) > Money();
}

// s.80G(1), (4): donations in full or half; those within the qualifying
// limit count only up to a tenth of gross total income as adjusted, the
// donations allowed in full taking the limit first.
Money donationsAllowed(const Donations& d, Money adjustedGti, const YearLaw& law) {
  const Money limit = std::max(Money(), tax::rupeesAtRate(adjustedGti, law.qualifying80g));
  const Money fullLimited = std::min(d.fullLimited, limit);
  const Money halfLimited = std::min(d.halfLimited, limit - fullLimited);
  return d.full + tax::rupeesAtRate(d.half, 5000) + fullLimited + tax::rupeesAtRate(halfLimited, 5000);
}

// s.80GG: the least of the year's sum per month, a quarter of total income,
// and rent above a tenth of total income (total income before this deduction).
Money rentAllowed(Money rent, Money incomeBefore, const YearLaw& law) {
  const Money income = std::max(Money(), incomeBefore);
  const Money overTenth = rent - tax::rupeesAtRate(income, law.rentExcess80gg);
  return std::max(Money(), std::min({law.monthly80gg * 12, tax::rupeesAtRate(income, law.incomeShare80gg), overTenth}));
}

}  // namespace

bool isKnownSection(std::string_view code) {
  if (code == "80D_parents") return true;
  return std::any_of(std::begin(kSections), std::end(kSections), [code](const Section& s) { return s.code == code; });
}

std::vector<DeductionLine> chapterVIA(const YearInput& in, const DeductionBase& base, const YearLaw& law) {
  const DeductionClaims& dc = in.deductions;
  // ss.80CCD(1) and (2): a tenth of salary, or of gross total income for one
  // who has no salary (s.80CCD(1)(b)).
  const Money salaryBase = base.salary > Money() ? base.salary : base.grossTotalIncome;
  const Money ccdCap = tax::rupeesAtRate(salaryBase, law.share80ccd);
  Money room80cce = law.limit80cce;  // ss.80C, 80CCC and 80CCD(1) together (s.80CCE)
  const auto within80cce = [&room80cce](Money m) {
    const Money a = std::min(m, room80cce);
    room80cce -= a;
    return a;
  };

  std::vector<DeductionLine> lines;
  Money others;  // all but ss.80G and 80GG, for their own bases
  for (const Section& s : kSections) {
    if (!claimed(in, s)) continue;
    const std::string_view code = s.code;
    DeductionLine line{s.code, claimOf(in, s.code), Money(), s.partC};
    Money a;
    if (code == "80C" || code == "80CCC") {
      a = within80cce(line.claimed);
    } else if (code == "80CCD(1)") {
      // s.80CCD(1A) (A.Y. 2015-16 only): no more than its own limit, inside
      // the limit of s.80CCE.
      Money own = std::min(line.claimed, ccdCap);
      if (law.limit80ccd1a > Money()) own = std::min(own, law.limit80ccd1a);
      a = within80cce(own);
    } else if (code == "80CCD(1B)") {
      a = std::min(line.claimed, law.limit80ccd1b);
    } else if (code == "80CCD(2)") {
      // The employer's contribution: a tenth of salary, outside s.80CCE (its proviso).
      a = base.salary > Money() ? std::min(line.claimed, tax::rupeesAtRate(base.salary, law.share80ccd)) : Money();
    } else if (code == "80CCG") {
      // The claim is the amount invested; half of it, within the cap, for gross
      // total income up to the year's limit.
      if (base.grossTotalIncome <= law.income80ccg)
        a = std::min(tax::rupeesAtRate(line.claimed, law.share80ccg), law.limit80ccg);
    } else if (code == "80D") {
      // s.80D(2), (3): the family and the parents each within their own limit,
      // higher where the insured is a senior citizen.
      const Money parents = claimOf(in, "80D_parents");
      line.claimed += parents;
      a = std::min(claimOf(in, "80D"), dc.selfSenior ? law.limit80dSenior : law.limit80dGeneral) +
          std::min(parents, dc.parentsSenior ? law.limit80dSenior : law.limit80dGeneral);
    } else if (code == "80DD") {
      a = std::min(line.claimed, dc.severeDisability ? law.limit80ddSevere : law.limit80dd);
    } else if (code == "80U") {
      a = std::min(line.claimed, dc.severeDisability ? law.limit80uSevere : law.limit80u);
    } else if (code == "80DDB") {
      const Money cap = base.ageClass >= 2 ? law.limit80ddbVerySenior
                        : (base.ageClass >= 1 || dc.selfSenior) ? law.limit80ddbSenior
                                                                : law.limit80ddb;
      a = std::min(line.claimed, cap);
    } else if (code == "80EE") {
      a = std::min(line.claimed, law.limit80ee);
    } else if (code == "80QQB") {
      a = std::min(line.claimed, law.limit80qqb);
    } else if (code == "80RRB") {
      a = std::min(line.claimed, law.limit80rrb);
    } else if (code == "80TTA") {
      a = std::min({line.claimed, law.limit80tta, base.savingsInterest});
    } else if (code != "80G" && code != "80GG") {
      a = line.claimed;  // no limit of its own
    }
    line.allowed = eligible(s.who, in) ? a : Money();
    if (code != "80G" && code != "80GG") others += line.allowed;
    lines.push_back(line);
  }

  const Money ordinaryIncome = base.grossTotalIncome - base.specialIncome;
  Money rent;
  for (DeductionLine& line : lines) {
    if (line.section == "80GG" && eligible(Who::individual, in)) {
      line.allowed = rentAllowed(line.claimed, ordinaryIncome - others, law);
      rent = line.allowed;
    }
  }
  for (DeductionLine& line : lines) {
    if (line.section != "80G") continue;
    const Donations& d = dc.donations;
    line.claimed = d.full + d.half + d.fullLimited + d.halfLimited;
    line.allowed = donationsAllowed(d, ordinaryIncome - others - rent, law);
  }

  // s.80A(2): together never above the income they may reach.
  Money room = std::max(Money(), ordinaryIncome);
  for (DeductionLine& line : lines) {
    line.allowed = std::min(line.allowed, room);
    room -= line.allowed;
  }
  return lines;
}

}  // namespace meridian::engine

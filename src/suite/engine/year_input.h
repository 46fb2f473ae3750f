#pragma once
// Everything the computation of one client year reads: the heads of income,
// losses brought forward, deductions claimed, taxes paid and the dates that
// decide interest. The JSON of `meridian compute` fills it field for field,
// and so does the loader of the heads' year tables (suite/heads).
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/money.h"
#include "suite/engine/sez_deduction_rules.h"

namespace meridian::engine {

// The persons the computation covers. A firm and an LLP differ only where the
// law parts them (ss.44AD and 44ADA exclude an LLP).
enum class Status { individual, huf, aopBoi, cooperative, firm, llp, company };
enum class Residence { resident, nonResident, notOrdinarilyResident };
enum class Sex { male, female };

struct SalaryInput {  // one employer
  Money gross;                   // salary u/s 17(1)
  Money exemptAllowances;        // allowances exempt u/s 10
  Money perquisites;             // s.17(2)
  Money profitsInLieu;           // s.17(3)
  Money entertainmentAllowance;  // deduction claimed u/s 16(ii)
  Money professionalTax;         // s.16(iii)
};

enum class HouseUse { selfOccupied, letOut, deemedLetOut };
struct HouseInput {
  HouseUse use = HouseUse::letOut;
  Money rent;  // rent received or receivable, or the expected rent of a deemed let-out house
  Money unrealisedRent;
  Money municipalTax;   // paid by the owner during the year
  Money interest;       // on capital borrowed for the house, s.24(b)
  bool loanBefore1999 = false;
  int sharePercent = 100;  // the client's share as co-owner (s.26)
};

struct GoodsCarriage {  // s.44AE
  bool heavy = false;
  int months = 0;  // months or parts of months owned
  int tons = 0;    // gross or unladen weight of a heavy vehicle (counts where the year charges by weight)
  Money declared;  // income the client declares from it, if higher
};

struct BusinessInput {
  Money netProfit;    // ordinary business or profession, a loss negative
  Money speculation;  // a loss negative
  struct { Money turnover, digitalTurnover, declared; } presumptive44ad;
  struct { Money receipts, declared; } presumptive44ada;
  std::vector<GoodsCarriage> presumptive44ae;
  Money firmShareExempt;   // share of a firm's profit, exempt u/s 10(2A)
  Money firmRemuneration;  // salary, bonus, commission and interest from firms, s.28(v)
  Money specifiedBusiness; // s.35AD businesses after their capital expenditure, a loss negative
  // s.32: `netProfit` is the profit and loss account's, after the
  // depreciation the books debit; that is added back and the depreciation
  // the Act allows (the fixed-asset chart) taken instead.
  Money depreciationDebited;
  Money depreciationAllowed;
  // Income of a business arising for the first time that the s.234C proviso
  // leaves out of an instalment: taken off the head's whole income, since it
  // may be presumptive income (ss.44AD, 44ADA, 44AE) as well as net profit.
  Money firstTimeLeftOut;
};

// An undertaking whose profits from export are deducted u/s 10A or 10AA.
struct ExportUnit {
  ExportSection section = ExportSection::s10aa;
  int firstYear = 0;  // A.Y. (its first calendar year) of the previous year it began to manufacture or provide services
  Money profit;       // of the undertaking, included in the business income
  Money exportTurnover, totalTurnover;
  Money reserve;      // credited to the re-investment reserve (s.10AA(1)(iii), (2))
  Money claimed;      // the deduction claimed; nil: as the law gives it
};

// How an association of persons or body of individuals of which the client is
// a member is charged on its own total income; it decides what s.86 does
// with the member's share.
enum class AopTaxed { maximumMarginalRate, normalRates, notChargeable };
struct MemberShareInput {  // the share in one AOP or BOI, computed u/s 67A
  Money share;
  AopTaxed taxed = AopTaxed::maximumMarginalRate;
};

struct CapitalGainsInput {  // a loss negative
  Money stcg111a, stcgOther, ltcgIndexed, ltcgWithoutIndexation;
};

// Gains and winnings that arose within one period between advance-tax dates,
// the tax deducted on those winnings (ss.194B, 194BB), and business income
// that arose for the first time (proviso to s.234C(1), clause (c), from
// A.Y. 2017-18).
struct IncomeArising {
  CapitalGainsInput capitalGains;
  Money winnings;
  Money winningsTds;
  Money businessFirstTime;
  Money dividendDomestic;  // clause (d): dividends of s.115BBDA
};
// The periods of the return's schedule: up to the first advance-tax date,
// from each date to the next, and from the last date to 31 March.
inline constexpr std::size_t kArisingPeriods = 5;

struct OtherSourcesInput {
  Money savingsInterest, otherInterest, dividendTaxable, familyPension, winnings;
  Money other;  // a loss negative
  Money raceHorses;  // owning and maintaining race horses (s.74A(3)), a loss negative
  // Dividends received from domestic companies: exempt u/s 10(34) except
  // what s.115BBDA charges above its threshold.
  Money dividendDomestic;
  // Cash credits, investments, money and expenditure unexplained (ss.68, 69,
  // 69A, 69B, 69C, 69D), taxed u/s 115BBE.
  Money unexplained115bbe;
};

// Income a business trust (s.115UA) or an investment fund (s.115UB) passes
// through to its unit holder: chargeable in the holder's hands under the head
// it was of in the trust's or fund's hands (Schedule PTI), its exempt part
// exempt. A capital gain's rate class is not recorded: a short-term gain is
// taken at the normal rates, a long-term one at the rate of s.112.
struct PassThroughIncome {
  Money houseProperty, shortTerm, longTerm, otherSources, exempt;
};

// The head under which income of another person included in the client's
// (ss.60 to 64) was computed. It stays under that head in the client's
// computation, so it takes the head's losses and keeps its rate (a minor's
// gain u/s 111A clubbed is still taxed at that section's rate).
enum class ClubbedHead { salary, houseProperty, business, stcg111a, stcgOther, ltcgIndexed, ltcgWithoutIndexation,
                         otherSources };
inline constexpr std::size_t kClubbedHeads = 8;

// Income of another person included in the client's; a minor child's income
// earns the exemption of s.10(32), up to the year's figure for each child.
struct ClubbedIncome {
  bool minorChild = false;
  Money amount;  // as computed under its head, a loss negative
  ClubbedHead head = ClubbedHead::otherSources;
  std::string child;  // the minor's name, which groups the exemption; empty: this entry alone
};

enum class LossKind { houseProperty, business, speculation, unabsorbedDepreciation, stcl, ltcl, raceHorses,
                      specifiedBusiness };
struct BroughtForwardLoss {
  LossKind kind = LossKind::business;
  int year = 0;  // A.Y. for which the loss was computed
  Money amount;
};

// Donations u/s 80G by the share allowed and whether the qualifying limit of
// s.80G(4) applies to them.
struct Donations {
  Money full, half, fullLimited, halfLimited;
};

struct DeductionClaims {
  std::map<std::string, Money> claimed;  // section code ("80C", "80D") to the amount claimed
  Donations donations;                   // s.80G
  bool selfSenior = false;               // s.80D: the client (or spouse) is a senior citizen
  bool parentsSenior = false;            // s.80D: a parent is a senior citizen
  bool severeDisability = false;         // ss.80DD and 80U: the higher figure
};

struct TaxCredit {  // MAT or AMT credit brought forward
  int year = 0;     // A.Y. in which it arose
  Money amount;
};

enum class InterestChoice { charge, none, byHand };
struct InterestOption {
  InterestChoice choice = InterestChoice::charge;
  Money byHand;  // the figure typed in when not computed
};

// Which self-assessment tax (s.140A) reduces the tax interest runs on. For
// s.234A the payments made by the due date count unless the practitioner
// counts every payment made before the return, or none; for s.234B each
// payment stops interest on what it paid (s.234B(2)) unless none is counted.
enum class SelfAssessment234a { byDueDate, allBeforeReturn, none };
struct SelfAssessmentForInterest {
  SelfAssessment234a for234a = SelfAssessment234a::byDueDate;
  bool for234b = true;
};

// The heads a loss of the year may be set off against (s.71), as the
// practitioner orders them; clubbed income is part of other sources.
enum class SetOffHead { salary, houseProperty, business, shortTerm, longTerm, otherSources };
// Per loss of the year, the heads in the order chosen. A head the law closes
// to that loss is passed over; heads not named follow in the law's order, as
// a loss of the year must be set off as far as income allows.
// The losses themselves are set off in the order of `losses` (0 house
// property, 1 business, 2 other sources): the first takes the income of a
// head before the others, so a loss that cannot be carried forward (other
// sources) may be placed first.
struct SetOffPriority {
  std::vector<SetOffHead> houseProperty, business, otherSources;
  std::array<int, 3> losses{0, 1, 2};
};

// Unabsorbed depreciation brought forward (s.32(2)) as the practitioner
// spread it over the heads of the year; salaries and winnings take none.
struct DepreciationSpread {
  Money houseProperty, business, speculation, shortTerm, longTerm, otherSources;
};

struct DatedPayment {
  CivilDate date;
  Money amount;
};

struct TaxesPaid {
  Money tds, tcs;
  std::vector<DatedPayment> advance, selfAssessment;
};

struct YearInput {
  int year = 0;  // first calendar year of the A.Y.: 2016 for 2016-17
  Status status = Status::individual;
  Residence residence = Residence::resident;
  Sex sex = Sex::male;
  std::optional<CivilDate> dob;

  std::vector<SalaryInput> salaries;
  std::vector<HouseInput> houses;
  BusinessInput business;
  std::vector<MemberShareInput> memberShares;
  std::vector<ExportUnit> exportUnits;  // ss.10A, 10AA
  CapitalGainsInput capitalGains;
  OtherSourcesInput otherSources;
  std::vector<ClubbedIncome> clubbed;
  PassThroughIncome passThrough;
  Money agricultural;
  // When the capital gains and winnings arose (s.234C(1), proviso); all zero:
  // taken as arising before the first advance-tax date.
  std::array<IncomeArising, kArisingPeriods> arising{};
  std::vector<BroughtForwardLoss> lossesBroughtForward;
  std::optional<DepreciationSpread> depreciationSpread;  // none: the law's order alone
  DeductionClaims deductions;
  Money bookProfit;           // s.115JB, companies
  bool smallCompany = false;  // turnover within the reduced company rate's limit, where the year has one
  std::vector<TaxCredit> taxCreditsBroughtForward;
  Money relief89, relief90, relief91;
  TaxesPaid taxesPaid;
  std::optional<CivilDate> dueDate;     // for filing the return; default below
  // Where an order extended the due date but not for s.234A: the date before
  // the extension, from which interest u/s 234A still runs. None: `dueDate`.
  std::optional<CivilDate> dueDateFor234a;
  std::optional<CivilDate> filingDate;  // none: taken as filed on the due date
  std::array<InterestOption, 3> interest{};  // ss.234A, 234B, 234C
  SelfAssessmentForInterest selfAssessmentForInterest;
  std::optional<std::array<CivilDate, 4>> instalmentDates;  // advance-tax due dates; default the statutory ones
  std::optional<SetOffPriority> setOffPriority;  // none: the law's order below
};

// 31 July of the A.Y. (30 September for a company): the due date of s.139(1)
// for a person whose accounts need no audit, used when none is given.
CivilDate defaultDueDate(const YearInput& in);

// The four statutory advance-tax dates of the A.Y.: 15 June, 15 September and
// 15 December of the previous year, 15 March (s.211).
std::array<CivilDate, 4> statutoryInstalmentDates(int year);

bool isIndividual(Status s);
// Persons taxed on the scale of individuals (Paragraph A of Part I).
bool onIndividualScale(Status s);

}  // namespace meridian::engine

#pragma once
// What the computation of one client year gives: each head as computed, the
// set-off of losses, Chapter VI-A, the tax and its parts, MAT or AMT with its
// credit, interest and the balance. Every amount is in whole rupees except
// where a field says otherwise.
#include <array>
#include <string>
#include <vector>

#include "suite/engine/clubbed_income.h"
#include "suite/engine/member_share.h"
#include "suite/engine/sez_deduction.h"
#include "suite/engine/year_input.h"

namespace meridian::engine {

struct SalaryFigures {  // one employer
  Money gross;          // s.17(1) + (2) + (3)
  Money exemptAllowances;
  Money entertainment;    // allowed u/s 16(ii)
  Money professionalTax;  // allowed u/s 16(iii)
  Money income;           // chargeable under the head
};

struct HouseFigures {  // one house, the client's share
  HouseUse use = HouseUse::letOut;
  Money annualValue;  // rent less unrealised rent (nil for a self-occupied house)
  Money municipalTax;
  Money netAnnualValue;
  Money standardDeduction;  // s.24(a)
  Money interestClaimed, interestAllowed;  // s.24(b)
  Money income;  // a loss negative
};

struct BusinessFigures {
  Money ordinary;     // non-speculative business and profession, a loss negative
  Money speculation;  // a loss negative
  Money presumptive44ad, presumptive44ada, presumptive44ae;  // income taken under each section
  bool applied44ad = false, applied44ada = false, applied44ae = false;
  Money firmRemuneration, firmShareExempt;
  // s.35AD businesses: a profit is part of `ordinary`; a loss is not, since
  // it meets only the profit of such a business (s.73A).
  Money specified;
  Money depreciationAllowed;  // s.32, deducted in `ordinary`; what a loss of the year leaves of it is carried apart (s.32(2))
};

struct CapitalGainFigures {  // after losses of the year within the head (s.70)
  Money stcg111a, stcgOther, ltcgIndexed, ltcgWithoutIndexation;
  Money stclLeft, ltclLeft;  // losses of the year the head could not absorb
  Money total() const { return stcg111a + stcgOther + ltcgIndexed + ltcgWithoutIndexation; }
};

// Incomes of other sources taxed apart, each at its own rate on the whole of
// it: no deduction of Chapter VI-A reaches them (ss.115BB, 115BBDA(2),
// 115BBE(2)), nor any unused exemption limit (that meets only the gains of
// ss.111A and 112), and no loss meets them, except that before A.Y. 2017-18
// losses met unexplained income (see `YearLaw::unexplainedSetOffBarred`).
// Every figure read apart from income at normal rates is read from here.
struct TaxedApart {
  Money winnings;           // s.115BB (s.58(4): no loss, no expense)
  Money dividends115bbda;   // dividends from domestic companies above the s.115BBDA threshold
  Money unexplained115bbe;  // cash credits, investments, money, expenditure (ss.68 to 69D), s.115BBE
  Money total() const { return winnings + dividends115bbda + unexplained115bbe; }
};

struct OtherSourceFigures {
  Money interest, dividend, familyPension, familyPensionDeduction, clubbed, clubbedExemption, other;
  TaxedApart apart;
  Money normal;    // all but the incomes taxed apart, a loss negative
  // Race horses: a profit is part of `normal`; a loss is not, since it meets
  // only the income of that activity (s.74A(3)).
  Money raceHorses;
};

// The incomes that set-off works on. Capital gains are kept by rate, since
// each bears its own tax.
struct IncomePots {
  Money salary, houseProperty, business, speculation, otherSources;
  TaxedApart apart;  // part of other sources
  Money stcgOther, ltcgIndexed, stcg111a, ltcgWithoutIndexation;
  Money total() const;
  // The head of other sources whole: normal rates and taxed apart.
  Money otherSourcesWhole() const { return otherSources + apart.total(); }
  Money atSpecialRates() const { return ltcgIndexed + stcg111a + ltcgWithoutIndexation + apart.total(); }
};

// Loss heads as the losses table numbers them (column `part`).
enum class LossPart {
  houseProperty = 0,
  business = 1,
  unabsorbedDepreciation = 2,
  speculation = 3,
  capitalGain = 4,
  shortTerm = 5,
  longTerm = 6,
  raceHorses = 7,
  specifiedBusiness = 8,
};
LossPart partOf(LossKind kind);
// "HOUSE PROPERTY", "ORDINARY BUSINESS" ... as the losses table prints them.
const char* lossPartCaption(LossPart part);

// One row of the losses table (TmpTblLosses): a loss of an earlier year brought
// forward, or the loss of this year.
struct LossRow {
  LossPart part = LossPart::business;
  int year = 0;  // A.Y. of the loss
  Money broughtForward;  // BFLossAmt
  Money currentYear;     // CYLossAmt
  Money setOff;          // TotAmtSetOff
  Money carried;         // CarryAmt: carried to the next year
};

struct SetOffFigures {
  IncomePots afterCurrentYear;  // after losses of the year against other heads (s.71)
  IncomePots afterBroughtForward;
  Money currentYearSetOff;   // losses of the year set off against other heads
  Money broughtForwardSetOff;
  std::vector<LossRow> rows;  // earlier years oldest first, then this year's losses
  Money currentYearCarried() const;
};

struct DeductionLine {
  std::string section;  // "80C", "80CCD(1B)", "80G" ...
  Money claimed, allowed;
  bool partC = false;  // a deduction in respect of certain incomes (Part C of Chapter VI-A)
};

// One line of the tax as it was worked: a slice of the scale, the flat rate
// of a firm or company, a part of income at a special rate, or (with
// agricultural income joined for the rate) the tax on the exemption limit
// and the agricultural income that comes off the scale tax.
enum class RateBasis {
  slab,
  flat,
  agriculturalOffset,
  ltcgIndexed,
  ltcgWithoutIndexation,
  stcg111a,
  winnings,
  dividend115bbda,
  unexplained115bbe,
};
struct RatedIncome {
  RateBasis basis = RateBasis::slab;
  Money from, upTo;  // the slice of the scale (slab)
  bool open = false;  // the scale's last slice, no upper end
  Money income;
  int rate = 0;  // basis points
  Money tax;     // rounded to the rupee; subtracted for agriculturalOffset
};

struct TaxFigures {
  Money normalIncome, specialIncome;  // parts of total income
  Money taxNormal, taxSpecial;
  std::vector<RatedIncome> working;  // the tax at normal rates, then at special rates
  Money tax() const { return taxNormal + taxSpecial; }
  Money rebate87a;
  Money rebate110;  // on a member's share of an AOP or BOI taxed at normal rates (ss.86(b), 110)
  Money surcharge, educationCess, sheCess;
  Money liability() const { return tax() - rebate87a - rebate110 + surcharge + educationCess + sheCess; }
};

enum class AlternateKind { none, mat, amt };
struct AlternateTaxFigures {
  AlternateKind kind = AlternateKind::none;
  Money base;  // book profit (s.115JB) or adjusted total income (s.115JC)
  Money tax, surcharge, educationCess, sheCess;
  Money total() const { return tax + surcharge + educationCess + sheCess; }
  bool payable = false;  // exceeds the tax on total income, and so is the tax
  Money creditBroughtForward, creditUsed, creditArisen, creditLapsed;
  std::vector<TaxCredit> creditsCarried;  // into the next year, oldest first
};

// Why no advance tax was owed, when none was.
enum class AdvanceTaxOwed { owed, seniorWithoutBusiness, belowLimit };

struct InstalmentFigures {
  CivilDate dueDate;
  Money due;         // falling due on the date
  Money cumulativeDue;
  Money paid;        // advance tax paid in the period up to the date
  Money paidByDate;  // cumulative
  Money interest;    // s.234C
  Money interestOn;  // the shortfall it ran on, rounded down (Rule 119A(b)); 0 when none was charged
  int months = 0;    // the months it ran
  int monthlyRate = 0;  // basis points a month
};

// One stretch of interest u/s 234A or 234B as charged: the amount it ran on,
// rounded down as Rule 119A(b) takes it, the months counted and the rate.
struct InterestPeriod {
  CivilDate from, to;
  Money on;
  int months = 0;
  int monthlyRate = 0;  // basis points a month
  Money interest;
};

struct InterestFigures {
  Money s234a, s234b, s234c;
  Money total() const { return s234a + s234b + s234c; }
  AdvanceTaxOwed owed = AdvanceTaxOwed::owed;
  std::vector<InstalmentFigures> instalments;
  int months234a = 0, months234b = 0;
  // The interest as computed, stretch by stretch (empty when none ran); the
  // year's options may still leave it out or take a typed amount instead.
  std::vector<InterestPeriod> working234a, working234b;
};

struct YearResult {
  int year = 0;
  int ageClass = 0;
  std::vector<SalaryFigures> salaries;
  std::vector<HouseFigures> houses;
  PassThroughIncome passThrough;  // ss.115UA, 115UB: each part is inside its head's figures
  BusinessFigures business;
  MemberShareFigures memberShares;  // part of the business head where included
  CapitalGainFigures capitalGains;
  OtherSourceFigures otherSources;
  // Income of others included (ss.60 to 64): each head above holds its part
  // (other sources and capital gains), or `heads` adds it (salary, house
  // property, business).
  ClubbedFigures clubbed;
  IncomePots heads;  // each head as computed, before losses cross heads
  SetOffFigures setOff;
  Money grossTotalIncome;
  ExportDeductions exportDeductions;  // ss.10A, 10AA, after the gross total income
  std::vector<DeductionLine> deductions;
  Money deductionsTotal;
  Money totalIncome;  // rounded to ten (s.288A)
  Money agricultural;
  Money exemptIncome;  // shown apart, not taxed
  TaxFigures tax;
  AlternateTaxFigures alternate;
  Money grossTaxPayable;  // the higher of the two taxes
  Money taxAfterCredit;
  Money relief89, relief90, relief91;
  Money relief() const { return relief89 + relief90 + relief91; }
  Money netTax;
  InterestFigures interest;
  Money tds, tcs, advanceTax, selfAssessmentTax;
  Money taxesPaid() const { return tds + tcs + advanceTax + selfAssessmentTax; }
  Money balance;  // positive payable, negative refundable
};

}  // namespace meridian::engine

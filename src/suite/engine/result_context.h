#pragma once
// The computed figures of the open year under the names the return, the
// printout and the filing checks read them by (the result context of the
// host), each a typed value.
#include <array>
#include <vector>

#include "suite/engine/year_law.h"
#include "suite/engine/year_result.h"

namespace meridian::engine {

struct DeductionVar {  // one entry of vDedVars
  std::string section;
  Money claimed, allowed;
};

// Losses of the year by head, as the filing checks test them.
struct LossVars {
  Money houseProperty, business, speculation, otherSources, shortTerm, longTerm;  // losses of the year
  Money housePropertyNotAbsorbed;  // left after set-off against other heads
  Money otherSourcesNotAbsorbed;
};

struct OtherSourceVars {
  Money interest, dividend, familyPension, familyPensionDeduction, other, winnings, raceHorses;
};

// The advance-tax grid of the estimated computation; `status` reads
// "BELOWLIMIT" when no advance tax was owed for being below the limit and
// "SENIOR" for a resident senior citizen without business income.
struct AdvanceTaxGrid {
  std::string status;
  std::vector<InstalmentFigures> rows;
};

// s.44AE sums of the year, per month.
struct Rate44AE {
  Money heavyPerMonth, heavyPerTon, otherPerMonth;
};

struct ResultContext {
  Money vTot_ITTAX;  // tax on total income before rebate (the alternate tax when that is payable)
  Money vRebt_Tot, vRebtUs87A, vRebt88E;
  Money vSurcharge;  // surcharge and both cesses together, as the host keeps them
  Money VEducess;    // education cess and secondary and higher education cess
  Money vShEduCess;
  Money vRel89, vRel90, vRel90A, vRel91, vTotRelief;
  std::array<Money, 4> vGrossRelAmts{};  // 89, 90, 90A, 91
  Money vAD_Tax1, vAD_Tax2, vAD_Tax3;    // interest u/ss 234A, 234B, 234C
  Money vAD_Tax5;                        // income at special rates
  Money vAD_Tax6, vAD_Tax7;              // tax at normal and at special rates
  Money vINT_Payable;
  Money Vall_tds_tot;  // TDS with TCS, as the host keeps it
  Money vall_tcs_tot, Vtot_adv_tax, vtot_self_tax;
  Money vi_tax_tot;  // balance: positive payable, negative refundable
  Money VChVIADedTot, vDedUs10A_AA;
  std::vector<DeductionVar> vDedVars;
  int vdedcnt = 0;
  Money vRoundedOffToNearest10, vTot_Tax_Inc;
  Money vSpIncInGTI;
  std::vector<HouseFigures> VHouseVars;
  int vTotHouNos = 0;
  std::vector<SalaryFigures> vsalvars;
  int vTotEmpNos = 0;
  BusinessFigures VBusVars;
  OtherSourceVars vOthVars;
  LossVars vLossVars;
  Money vAgri_Var, vEX_Income;
  AlternateTaxFigures vArrVals115JB, vArrVals115JC;
  AdvanceTaxGrid vArrValsAdvTaxInt;
  Rate44AE vGetRate44AE;
};

ResultContext resultContextOf(const YearResult& r, const YearLaw& law);

}  // namespace meridian::engine

#pragma once
// One transfer of a capital asset as the law computes its gain (ss.45 to 55):
// short- or long-term by the months held (s.2(42A), by kind of asset and
// year), the full value of the consideration (the stamp-duty value of land or
// a building when higher, s.50C), cost and improvement indexed for a long-term
// asset (s.48), the rate class the gain is taxed in (s.111A, s.112 with and
// without indexation, exempt u/s 10(38)), and the exemptions of ss.54, 54B,
// 54EC and 54F. The capital-gains screen shows these figures and refuses what
// the law does not allow; the year's computation is loaded from them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/money.h"
#include "suite/heads/cell_type.h"
#include "suite/heads/cost_inflation_index.h"

namespace meridian::suite::heads {

enum class AssetKind {
  residentialHouse,     // RH
  landOrBuilding,       // LB: land (agricultural land too) or a building other than a residential house
  listedEquitySttPaid,  // EQ: listed equity share or unit of an equity-oriented fund, STT paid
  listedSecurity,       // LS: other listed share or security (other than a unit or bond)
  listedBond,           // LD: listed bond or debenture, zero coupon bond
  debtFundUnit,         // MF: unit of a fund other than an equity-oriented fund
  unlistedShare,        // UN
  otherBond,            // BD: bond or debenture not listed
  other,                // OT: jewellery, art and any other capital asset
};

// The kinds as the screen offers them, by their stored codes.
const std::vector<Choice>& assetKindChoices();
std::optional<AssetKind> assetKindOf(std::string_view code);
// 54, 54B, 54EC, 54F.
const std::vector<Choice>& exemptionSectionChoices();

// How the gain of a transfer is taxed.
enum class GainClass { stcg111a, stcgOther, ltcgIndexed, ltcgWithoutIndexation, exempt10_38 };

struct Improvement {
  CivilDate date;
  Money amount;
};

struct ExemptionClaim {
  std::string section;  // a code of exemptionSectionChoices()
  std::optional<CivilDate> newAssetDate;
  Money invested;  // cost of the new asset, or the sum invested or deposited
};

struct Transfer {
  AssetKind kind = AssetKind::other;
  CivilDate acquired, transferred;
  Money consideration, stampValue, expenses, cost;
  std::vector<Improvement> improvements;
  std::vector<ExemptionClaim> exemptions;
};

// Who transfers: the exemptions of ss.54, 54B and 54F reach only individuals and HUFs.
struct Transferor {
  int year = 0;  // A.Y.
  bool individualOrHuf = false;
};

// A transfer entered as the law does not allow: which column (of the
// transfer, an improvement or an exemption claim, by the table's column
// name) and which row of the improvements or claims (-1 for the transfer).
struct TransferFault {
  enum class Part { transfer, improvement, exemption };
  Part part = Part::transfer;
  int row = -1;
  std::string column;
  std::string message;
};

std::optional<TransferFault> faultOf(const Transfer& t, const Transferor& who);

struct TransferGain {
  bool longTerm = false;
  Money fullValue;       // the consideration, or the stamp-duty value when higher (s.50C)
  Money costDeducted;    // cost and improvement, indexed where the gain is
  Money gain;            // before exemptions; a loss negative
  std::vector<Money> exemptions;  // by claim, in order
  Money exempt;          // their total, never above the gain
  Money taxable;         // the gain less the exemptions
  GainClass rateClass = GainClass::stcgOther;
};

// The gain of a transfer that faultOf() accepts.
TransferGain gainOf(const Transfer& t, const Transferor& who, const CostInflationIndex& cii);

// The date `months` months after `d` (the last day of a shorter month).
CivilDate monthsAfter(const CivilDate& d, int months);

}  // namespace meridian::suite::heads

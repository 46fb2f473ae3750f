#pragma once
// One client year as the return screen judges it: the status of the return,
// the engine's figures of the stored year, and the facts of the heads'
// tables that the forms and the checks turn on. Read once when the screen
// opens (or `meridian check` runs); the form rules and the checks read this
// and nothing else, so the screen and the command agree.
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/money.h"
#include "db/connection.h"
#include "suite/assets/depreciation.h"
#include "suite/engine/year_result.h"
#include "suite/geninfo/general_info.h"
#include "suite/heads/profit_and_loss_items.h"

namespace meridian::itr {

// The return screen's status code from the master's status number (0 to 10)
// and the host flags vMRR and vPDT: "I", "H", "AOP", "PDT", "TRUST", "COS",
// "COB", "FIRM", "LLP", "PVT", "PVT_F", "PUB", "PUB_F", "BOI", "LA", "AJP".
std::string returnStatusCode(int status, bool mrr, bool pdt);

// A firm's partner or a member of an AOP, as far as the checks need one.
struct FirmShare {
  int serial = 0;
  std::string name, pan;
  std::string auditApplies, section92EApplies;  // "Y", "N" or "" when not stated
  Money salary, interest;  // as the partner's year states them
  Money shareOfProfit;     // exempt u/s 10(2A)
  // What the firm's own rows (part_remu) pay this partner, when the firm is a
  // client of the practice and lists the client among its partners.
  std::optional<Money> firmsSalary, firmsInterest;
};

// An AOP or BOI of which the client is a member, with the member's share of
// its income (memsharedet); basis: how it is taxed, M, N, X or "".
struct AopShare {
  std::string name, pan, basis;
  Money share;
};

// A partner of a firm or a member of an association: a person the client
// register links to the client (owner1), with the share of profit the
// firm's rows for the year give (part_remu).
struct MemberFacts {
  std::string code, status;
  long long shareTenThousandths = 0;  // 50.25 % is 502500
  std::string dpin;                   // designated partner's identification number
  Money remuneration, interest;       // what the firm's row for the year pays (salary, bonus, commission; interest)
};

// A key person of a company's year (General Information -> Key Persons).
struct KeyPersonFacts {
  std::string name, designation, din;
};

struct HouseShares {
  int house = 0;
  int clientShare = 100;
  int coOwnersShare = 0;  // total of the co-owners' shares
  bool hasCoOwnerRows = false;
};

// A capital asset transferred in the year (table capital) and the exemptions
// claimed on its gain (capital_exem), as far as the checks need them.
struct CapitalAssetFacts {
  int serial = 0;
  bool kindGiven = false;       // the type of asset is stated
  bool longTerm = false;        // held long enough for a long-term gain
  bool landOrBuilding = false;  // land, a building, or both
  struct Claim {
    std::string section;  // "54", "54B", "54EC", "54F"; "" when not stated
    bool newAssetDateGiven = false;
  };
  std::vector<Claim> claims;
};

// A capital gain deemed to arise in the year: an exemption of an earlier
// transfer withdrawn (capital_deemed), or an amount not used for the new
// asset within the time (capital_deemn, with the first year of the previous
// year of the original transfer, 0 when not given).
struct DeemedGainFacts {
  bool longTerm = false;
  bool unused = false;
  int previousYear = 0;
  std::string section;  // "" when not stated
};

// Tax-credit entries of one kind (TDS on salary, other TDS, TCS, TDS on the
// sale of immovable property u/s 194IA).
struct CreditEntries {
  int entries = 0;
  int beyondDeducted = 0;  // claiming more credit than was deducted
  int spouseClaims = 0;    // with an amount claimed in the hands of the spouse
};

struct ReturnYear {
  std::string dataSet, client;
  int year = 0;
  std::string clientName, pan;
  int statusNumber = 0;    // vStatus_Read, 0 to 10
  std::string statusCode;  // returnStatusCode
  bool resident = true;
  std::optional<CivilDate> birth;
  std::string phone, mobile, email;

  // The computation of the stored year; nothing when it could not be made
  // (then `computationNote` says why and the rules that need it say so).
  std::optional<engine::YearInput> input;
  std::optional<engine::YearResult> result;
  std::string computationNote;

  // From geninfo_miscinf.
  bool representativeAssessee = false, liable44AA = false, audit44AB = false;
  bool auditTicked = false;  // the year's audit tick in General Information (new_tab.auditc)
  // General Information: the no-account figures (geninfo_balpl) when
  // entered, and whether Schedule AL is marked as given (itrschal.detgiven).
  std::optional<suite::geninfo::NoAccountFigures> noAccount;
  bool assetsAndLiabilitiesGiven = false;

  // From the heads' tables.
  int houses = 0;
  std::vector<HouseShares> houseShares;
  int businesses = 0;                // income_business rows
  int businessesOutsidePresumptive = 0;  // of them, with no s.44AD figures
  // Of the businesses with no presumptive figures at all, those whose
  // depreciation debited to the profit and loss account is nil (every row
  // saved before the column was added reads so).
  int businessesWithoutBooksDepreciation = 0;
  int presumptive44AD = 0;           // business_44adaf rows u/s 44AD
  int goodsCarriages = 0;            // business_44ae rows
  int heavyCarriages = 0;
  int unclassifiedCarriages = 0;     // neither heavy (1) nor other (0)
  int commissionRows = 0;            // comms
  bool specifiedBusiness35AD = false;  // business_35ad serial 1
  // The amounts of other heads, exempt income and partners' payments within
  // the businesses' accounts, added up (business_plitems); nothing when the
  // table is not kept.
  std::optional<suite::heads::ProfitAndLossItems> profitAndLossItems;
  Money exemptIncomeEntered;  // the exempt incomes of the other sources screen (incitemdet)
  std::vector<FirmShare> firms;      // business_firm
  std::vector<AopShare> aopShares;   // memsharedet
  std::vector<MemberFacts> members;  // the client's partners or members
  std::vector<KeyPersonFacts> keyPersons;  // geninfo_schh_13
  // The clauses of s.115JB a company's book profit is adjusted by
  // (tbmatadddedn), as "A:fb" (flag and clause).
  std::vector<std::string> bookProfitClauses;
  int capitalGainRows = 0;           // capital, capital_deemed, capital_deemn
  std::vector<CapitalAssetFacts> capitalAssets;
  std::vector<DeemedGainFacts> deemedGains;
  // A trust's application of its income (appfund): the income of a business
  // held under trust as in the undertaking's accounts, and the income
  // entered as chargeable u/s 11(4); nothing when the year has no row.
  struct TrustBusiness {
    Money inAccounts, chargeable;
  };
  std::optional<TrustBusiness> trustBusiness;
  int depreciableAssetGains = 0;     // capital_depr
  int specialRateRows = 0;           // sprtothinc
  int passThroughRows = 0;           // schpti
  int foreignAssetRows = 0;          // schresfa
  int foreignIncomeRows = 0;         // taxrelsch (Schedule FSI), its income rows
  // A row of Schedule FSI: the country, the taxpayer's number there, the
  // head ("SAL", "HP", "BP", "CG", "OS") and the income; the section of the
  // relief ("90", "90A", "91").
  struct ForeignIncome {
    std::string country, tin, head, reliefSection;
    Money income;
  };
  std::vector<ForeignIncome> foreignIncome;
  std::set<int> broughtForwardParts; // losses.part of the year
  Money relief90, relief90A, relief91;  // income_relief
  std::vector<suite::assets::ChartItem> depreciationChart;  // dep_itr_it

  // A company's distributions (geninfo_schj) and the tax paid on each
  // (dist_tax): the kind as kept ("N" dividend, "Y" buy-back), the amount
  // distributed or paid and, on a buy-back, the amount received on issue.
  struct Distribution {
    int serial = 0;
    std::string kind;
    std::optional<CivilDate> date;
    Money amount, received, taxPaid;
  };
  std::vector<Distribution> distributions;

  // Schedule 5A (incsec5a): each head's income received and the part
  // apportioned in the hands of the spouse; nothing when not filled.
  struct Apportioned {
    Money received, spouse;
  };
  struct Schedule5A {
    Apportioned houseProperty, business, capitalGains, otherSources, tds;
  };
  std::optional<Schedule5A> schedule5A;

  // TDS and TCS entries by kind (table tds, its section from secdesc_items).
  CreditEntries salaryTds, otherTds, tcs, immovableTds;

  // Tables the rules and checks read that this database does not hold;
  // what depends on them is reported as not examined.
  std::set<std::string> missingTables;

  // The figures the rules read, with nil when there is no computation.
  Money totalIncome() const;
  Money balance() const;  // payable positive, refund negative
  bool houseLossNotAbsorbed() const;
  bool otherSourcesLoss() const;
  bool winnings() const;
  bool ownBusinessIncome() const;  // business or profession other than from firms
  bool businessBeyondPresumptive() const;
  Money agricultural() const;
  Money exemptIncomeWithAllowances() const;
  bool amtShown() const;
  bool amtCreditCarried() const;
};

// Reads the data set's year: the client, the computation (through the
// heads' loader) and the tables' facts. `mrr` and `pdt` are the host's flags.
ReturnYear readReturnYear(db::Connection& conn, const std::string& dataSet, int year, bool mrr = false,
                          bool pdt = false);

}  // namespace meridian::itr

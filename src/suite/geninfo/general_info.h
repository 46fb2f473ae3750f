#pragma once
// The general information of a client's year that the returns and the
// printed computation read beside the heads of income: the figures of a
// business that keeps no regular books (geninfo_balpl), the assets and
// liabilities at the end of the year (itrschal, Schedule AL), the list of
// enclosures (itdoc) and the other details by category (business_othdet).
// Entered on the screen the workspace's "General Information" opens.
#include <optional>
#include <string>
#include <vector>

#include "common/money.h"
#include "db/connection.h"

namespace meridian::suite::geninfo {

// geninfo_balpl: the profit and loss account and balance sheet figures of
// the "No Account Case".
struct NoAccountFigures {
  bool booksMaintained = false;  // booksmaint 'Y'
  Money grossReceipts, grossProfit, expenses, netProfit;
  Money sundryDebtors, sundryCreditors, stockInTrade, cashBalance;

  // The profit the figures imply: gross profit less expenses.
  Money impliedNetProfit() const { return grossProfit - expenses; }
};

// itrschal: Schedule AL at cost, and whether the details are given.
struct AssetsAndLiabilities {
  bool given = false;  // detgiven 'Y'
  Money land, building;
  Money bankDeposits, shares, insurance, loansGiven, cashInHand;
  Money jewellery, artWork, vehicles;
  Money liability;

  Money immovable() const { return land + building; }
  Money financial() const { return bankDeposits + shares + insurance + loansGiven + cashInHand; }
  Money movable() const { return financial() + jewellery + artWork + vehicles; }
  Money total() const { return immovable() + movable(); }
};

// itrschal_immov: one immovable asset of Schedule AL, as the return from
// A.Y. 2016-17 lists them, each with its description and address. The
// asset's address is its own, not the client's; the state is kept as the
// department's two-digit code.
struct ImmovableAsset {
  int srNo = 0;
  std::string description;
  std::string flatDoor, premises, road, area, city, stateCode, pin;
  Money amount;  // at cost
};

// An amount column of geninfo_balpl or itrschal and the figure it holds.
template <class Figures>
struct AmountColumn {
  const char* column;
  Money Figures::*figure;
};
const std::vector<AmountColumn<NoAccountFigures>>& noAccountColumns();
const std::vector<AmountColumn<AssetsAndLiabilities>>& assetColumns();

struct Enclosure {  // itdoc
  int srNo = 0;
  std::string text;
};

struct OtherDetail {  // business_othdet
  std::string category;  // a code of otherDetailCategories()
  std::string particulars;
  Money amount;
};

// A further line of the profit and loss account (geninfo_morepl) or of the
// balance sheet (geninfo_morebs), on one side of the account.
struct AccountLine {
  std::string side;  // a code of profitAndLossSides() or balanceSheetSides()
  std::string particulars;
  Money amount;
};

// The sides of each account, in the order they print.
struct AccountSide {
  const char* code;
  const char* caption;
};
const std::vector<AccountSide>& profitAndLossSides();
const std::vector<AccountSide>& balanceSheetSides();

struct GeneralInformation {
  std::optional<NoAccountFigures> noAccount;
  std::optional<AssetsAndLiabilities> assets;
  std::vector<ImmovableAsset> immovables;  // by srno
  std::vector<Enclosure> enclosures;      // by srno
  std::vector<OtherDetail> otherDetails;  // in the order entered
  std::vector<AccountLine> profitAndLossLines, balanceSheetLines;  // in the order entered
};

// The categories of business_othdet, in the order they print.
struct OtherDetailCategory {
  const char* code;
  const char* caption;  // as printed; the additions' caption ends by the year
};
const std::vector<OtherDetailCategory>& otherDetailCategories();
// The printed heading of a category for the year ("" for an unknown code).
std::string otherDetailHeading(const std::string& code, int year);

// Reads the data set's year; a table an older database lacks gives nothing.
GeneralInformation loadGeneralInformation(db::Connection& conn, const std::string& dataSet, int year);

}  // namespace meridian::suite::geninfo

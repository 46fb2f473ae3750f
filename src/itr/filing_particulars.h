#pragma once
// What a return carries besides the figures: the section it is filed under
// and the notice it answers, how a refund is to be paid, the bank accounts,
// the verification, the return preparer and the second mobile and e-mail.
// The return screen (frmitr2013) shows and keeps them; the e-return writers,
// the printed return and the checks before a return read them through
// loadFilingParticulars.
//
// Where they are kept:
//   geninfo_miscinf.section      section code ("11" to "20") of the data set and year
//   geninfo_retdet               refund mode, preparer and amount, verification (data set, year)
//   trp_master                   the practice's return preparers
//   bank_details (+ ifsc)        the client's accounts of the year (client code, yr)
//   misc_oth_inf                 NOTICENO139_9 / NOTICEDT139_9 / DATE92CD (data set, year);
//                                MOBNO2 / EMAILID2 under the client code or "##COMMON##" (year 0)
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/money.h"
#include "db/connection.h"

namespace meridian::itr {

// One entry of the filing-section list (cbosection): the text shown, the
// item number the list carries, and the section code the return reports.
struct FilingSection {
  int item = 0;
  std::string text;
  std::string code;  // "11" ... "20"
  int fromYear = 0;  // first A.Y. (first year) the list offers it; 0 = always
};

// The list in the order the screen shows it (the empty entry first).
const std::vector<FilingSection>& filingSections();
// The entry of a section code ("" for an unknown code).
const FilingSection* filingSectionOfCode(std::string_view code);

// How a refund is to be paid (cborefm); stored in geninfo_retdet.refm.
enum class RefundMode { none, bankDeposit, cheque };
std::string refundModeCode(RefundMode m);          // "", "B", "C"
RefundMode refundModeOfCode(std::string_view code);
std::string refundModeCaption(RefundMode m);       // "", "Deposited directly into bank account", "Cheque"

// Account types as the bank grid keeps them.
inline constexpr std::string_view kSaving = "SAVING";
inline constexpr std::string_view kCurrent = "CURRENT";
inline constexpr std::string_view kCashCredit = "CASH CREDIT";

struct BankAccount {
  int serial = 0;
  std::string bankName;
  std::string ifsc;
  std::string micr;
  std::string accountNo;
  std::string accountType;  // "SAVING", "CURRENT", "CASH CREDIT" or "" when not given
  bool isDefault = false;   // the account a refund goes to ("DEF" in the grid)
};

// An IFSC as the department's schemas take it: four letters, a zero, six
// letters or digits ("DSEB0001234").
bool isIfscWellFormed(std::string_view ifsc);

struct Verification {
  std::string name;        // the person signing
  std::string fatherName;  // the signer's father's name
  std::string pan;         // the signer's PAN
  std::string place;
  std::optional<CivilDate> date;
  // In which capacity the signer verifies (director, partner, trustee ...):
  // the returns of firms, companies and trusts state it.
  std::string capacity;
};

struct ReturnPreparer {
  int serial = 0;  // trp_master.srno
  std::string name;
  std::string id;  // the preparer's identification number (TRP...)
  Money amount;    // amount to be paid to the preparer
};

struct FilingParticulars {
  std::string dataSet;  // the client code, or a revision's C^R-1 ...
  std::string client;   // the client code of the data set
  int year = 0;         // first year of the A.Y. (2016 for 2016-17)

  std::string sectionCode;  // "11" ... "20"; "" when none is chosen
  std::string furnishedUnder;  // ITR-7 (cbosection1): "139(4A)" ...; "" otherwise
  std::string noticeNo;                 // notice u/s 139(9)
  std::optional<CivilDate> noticeDate;  // notice u/s 139(9)
  std::optional<CivilDate> date92CD;    // order u/s 92CD

  RefundMode refundMode = RefundMode::none;
  std::vector<BankAccount> bankAccounts;  // in the grid's order

  Verification verification;
  std::optional<ReturnPreparer> preparer;

  std::string mobile2;
  bool mobile2Common = false;  // the "(Common)" number of all clients
  std::string email2;
  bool email2Common = false;

  // The account marked default; the first account when none is; nothing
  // when there are none.
  const BankAccount* defaultAccount() const;
  // The section's list entry, or nothing when none is chosen.
  const FilingSection* section() const;
};

// The year's particulars of a data set. `assYear` is the A.Y. as shown
// ("2016-17") or its first year ("2016"). Verification not yet kept for the
// data set is taken from the client master: the name, father's name and PAN
// of an individual (of the principal officer's details otherwise: blank),
// and the city as place. Throws std::invalid_argument for an A.Y. that does
// not read.
FilingParticulars loadFilingParticulars(db::Connection& conn, const std::string& dataSetCode,
                                        const std::string& assYear);

// The keys of the client store the particulars use.
namespace keys {
inline constexpr const char* kNoticeNo = "NOTICENO139_9";
inline constexpr const char* kNoticeDate = "NOTICEDT139_9";
inline constexpr const char* kDate92CD = "DATE92CD";
inline constexpr const char* kMobile2 = "MOBNO2";
inline constexpr const char* kEmail2 = "EMAILID2";
inline constexpr const char* kCommonOwner = "##COMMON##";
}  // namespace keys

}  // namespace meridian::itr

namespace meridian::itr {

// Keeps the particulars of the data set's year in one transaction: the
// section, notice and 92CD date, the refund mode, preparer and verification,
// the second contacts, and the client's accounts of the year (rows the grid
// no longer holds go; the other columns of a kept account stay as they are).
void saveFilingParticulars(db::Connection& conn, const FilingParticulars& f);

}  // namespace meridian::itr

#pragma once
// The presentation settings the computation printout reads from the user's
// settings (section "Settings"): each key's value is the state of its box
// on the settings screen, "0" when never set.
#include <functional>
#include <string>
#include <vector>

namespace meridian::suite::computation {

// A setting's value by key, "" when never set.
using SettingReader = std::function<std::string(const std::string& key)>;

struct PrintoutOptions {
  bool borders = false;     // CompBorder: tables drawn with borders
  int caseStyle = 0;        // CompPrn
  bool bankAccounts = false;     // CompOth0: the default bank account at the header's marker
  bool allBankAccounts = false;  // CompOth1: every bank account there
  bool branchApart = false;      // CompBnkBrAddr 1 "Yes (Separately)": the branch's address in its own column
  bool groupCode = false, groupName = false;  // GroupCode, GroupName: what the header's GROUP row shows
  // CompOth2 to CompOth5: the returned income, the acknowledgement
  // ("Receipt No."), the ward and the date of filing of this year's and the
  // previous year's returns.
  bool returnIncome = false, receiptNo = false, wardNo = false, returnDate = false;
  int grossTotalLayout = 0;       // GTOPT: where gross total income is shown (GrossTotalLayout)
  bool capitalGains = false;      // CapStmt
  bool showSlab = false;          // ShowSlab: the tax worked slab by slab and rate by rate
  bool taxesPaid = false;         // TDSTCSDET: TDS, TCS, advance and self-assessment tax
  bool deductorAddress = false;   // TDSTCSDEDADD
  bool declaration = false;   // Dec277A
  bool annexures = false;     // CompAnnex: statements and schedules
  bool kvpDetails = false;    // KVPDet
  bool nscDetails = false;    // NSCDet
  // CompOth6, CompOth7, CompOth11: the profit and loss account, the balance
  // sheet and the assets and liabilities (Schedule AL) of the year.
  bool profitAndLoss = false, balanceSheet = false, assetsAndLiabilities = false;
  bool separateAnnexure = false;   // CompOth8: those three as an annexure on a page of their own
  bool signerDesignation = false;  // CompOth9: the signer's designation under the signature
  bool signerName = false;         // CompOth10: the signer's name there
  std::string commonPlace;         // PLACE: the place of signing the settings call "(Common)"
  bool cityAsPlace = false;        // CityAsPlace: "(Common)" is the client's city of communication
  // Page header and footer parts: the practitioner's name (FootNm), name as
  // a bold title (FootNmT), address (FootAdd), office phones (FootOff),
  // residence phones (FootRes), mobile (FootMob), on the first page only
  // (FootFP), client code (FootCd), client name (FootClNm), A.Y. (FootAY),
  // page number (FootPG), particulars at the head of the page rather than
  // the foot (FootDH).
  bool footName = true, footNameTitle = false, footAddress = false, footOffice = false, footResidence = false,
       footMobile = false, footFirstPage = false, footCode = true, footClient = true, footYear = true,
       footPage = true, footAtHead = false;

  static PrintoutOptions read(const SettingReader& setting);
};

// Every key the settings screen keeps, with the value it has before the
// user sets it.
struct SettingKey {
  const char* key;
  const char* fallback;
};
const std::vector<SettingKey>& presentationKeys();

}  // namespace meridian::suite::computation

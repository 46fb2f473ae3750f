#pragma once
// One entry of the register of returns and orders (a row of nrevordr): the
// original return (SrNo 1), a revised return, a rectification request or an
// order, with the data set it works on.
#include <string>
#include <vector>

#include "db/connection.h"

namespace meridian::returns {

struct RegisterEntry {
  std::string codeNo;
  int asYear = 0;
  int srNo = 0;
  std::string typ = "R";  // R return, Z rectification request, A order
  std::string flagYN = "N";  // Y: keeps a data set of its own
  std::string ackDt, ackNo;  // return: filing date (dd/mm/yyyy) and acknowledgement; rectification: CPC order
  std::string upTyp = "0";   // filing mode code
  std::string postDt, acptDt, acptNo;
  int secSrNo = 0;           // order: section code
  std::string asMt = "0";    // order: re-computation or re-assessment
  std::string orderDt;       // order: yyyy-mm-dd
  std::string dt2, dt3, dt4;
  long long tax234B = 0, tax234C = 0;

  bool isReturn() const { return typ == "R"; }
  bool isOriginal() const { return isReturn() && srNo == 1; }
  bool isRectification() const { return typ == "Z"; }
  bool isOrder() const { return typ == "A"; }
  // A return or rectification counts as filed once its date is a full date.
  bool filed() const { return ackDt.size() == 10; }
  bool keepsOwnDataSet() const { return flagYN == "Y" && !isOrder(); }
  // "O" for the original, else the type letter.
  std::string kindLetter() const { return isOriginal() ? "O" : typ; }
  // The code of the entry's own data set: the client's code for the original.
  std::string ownCode() const;
  // "Original", "Revised (Filed on 31/07/2016 No. 123)", "Order (U/s 143(3) Dated 15/03/2018)".
  std::string listText() const;
  // "Original Return", "Revised Return", "Rectification Return" in the filed-entry messages.
  std::string returnWord() const;
};

// The client's entries for the year, by SrNo.
std::vector<RegisterEntry> readRegister(db::Connection& conn, const std::string& client, int year);
// Writes the row with its nineteen values in column order.
void insertEntry(db::Connection& conn, const RegisterEntry& e);
int nextSrNo(db::Connection& conn, const std::string& client, int year);

// The data set the entry at `index` works on: its own, else that of the
// nearest earlier entry that keeps one, else the client's.
std::string dataSetInUse(const std::vector<RegisterEntry>& entries, size_t index, const std::string& client);

// The last return (type R) of the register; nullptr when there is none.
const RegisterEntry* lastReturn(const std::vector<RegisterEntry>& entries);
// The last filed return whose SrNo is below `srNo`; nullptr when none.
const RegisterEntry* lastFiledReturnBefore(const std::vector<RegisterEntry>& entries, int srNo);

}  // namespace meridian::returns

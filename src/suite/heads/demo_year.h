#pragma once
// The demo practice's clients and their years, written head by head into the
// tables the head screens keep, numbered in the order the screens number the
// rows. The demo's salaried clients and its business and gains clients are
// both entered through these.
#include <map>
#include <string>

#include "db/connection.h"
#include "db/rows.h"

namespace meridian::suite::heads {

struct DemoAddress {
  const char* flat;
  const char* street;
  const char* area;
  const char* city;
  const char* state;
  long long pin;
};

// A person of the practice (owner1).
struct DemoPerson {
  const char* code;
  const char* first;
  const char* middle;
  const char* last;
  const char* father;
  const char* sex;
  const char* dob;
  const char* pan;
  DemoAddress address;
  const char* nation = "RESIDENT";
};
void addDemoPerson(db::Connection& conn, const DemoPerson& p);

// A client that is not a person (main_info1): an HUF, a firm, a company.
struct DemoEntity {
  const char* code;
  const char* name;
  const char* status;  // as the client master keeps it ("HUF", "FIRM", "PRIVATE LTD.")
  const char* pan;
  DemoAddress address;
  const char* incorporated = "";  // dd/mm/yyyy
};
void addDemoEntity(db::Connection& conn, const DemoEntity& e);

// A partner of a firm: the person (owner1) is linked to the firm, and the
// firm's year pays him (part_remu): his share of profit and rate of interest
// on capital in per cent, salary and interest, and his share of the profit.
struct DemoPartner {
  const char* firm;
  const char* partner;
  int year;
  const char* sharePercent;
  const char* interestRate;
  long long salary;
  long long interest;
  long long shareOfProfit;
};
void addDemoPartner(db::Connection& conn, const DemoPartner& p);

// A key person of a company's year (General Information -> Key Persons):
// designation a code of suite/geninfo/key_persons.cpp ("DIR", "MD" ...).
struct DemoKeyPerson {
  std::string company;
  int year;
  int srNo;
  std::string name, designation, pan, din;
};
void addDemoKeyPerson(db::Connection& conn, const DemoKeyPerson& k);

// One client's year. The year's counts (employers, houses, businesses) go to
// the income row when the year is destroyed, i.e. at the end of the statement
// that enters it.
class DemoYear {
 public:
  DemoYear(db::Connection& conn, std::string code, int year, int statusCode = 0);
  ~DemoYear();
  DemoYear(const DemoYear&) = delete;
  DemoYear& operator=(const DemoYear&) = delete;

  // Salary.
  DemoYear& employer(const char* name, const char* tan, const char* category, const char* city, const char* state,
                     long long salary, long long perquisites = 0, long long professionalTax = 0,
                     long long entertainment = 0);
  DemoYear& exemptAllowance(const char* kind, long long received, long long exempt);
  DemoYear& otherAllowance(const char* particulars, long long amount);
  // House property.
  DemoYear& house(const char* address, const char* city, const char* state, const char* pin, const char* use, int share,
                  long long rent, long long municipalTax, long long interest, const char* loanDate = nullptr);
  DemoYear& coOwner(const char* name, const char* pan, int share);
  DemoYear& tenant(const char* name, const char* pan = "");
  // Business or profession: a business (nature "B" or "P"), then what belongs
  // to it (amounts not allowed, presumptive figures).
  DemoYear& business(const char* name, const char* nature, long long turnover, long long grossReceipts,
                     long long netProfit);
  DemoYear& disallowed(const char* section, const char* particulars, long long amount);
  // An amount within the last business's profit and loss account of another
  // head, exempt income or a firm's partners (its code in profit_and_loss_items.h).
  DemoYear& accountItem(const char* item, const char* particulars, long long amount);
  // s.44AD or s.44ADA (`section` "0" or "1"); a nil `declared` takes the presumptive income.
  DemoYear& presumptive(const char* section, long long turnover, long long digital, long long declared = 0);
  // A goods carriage u/s 44AE; a nil `declaredPerMonth` takes the presumptive income.
  DemoYear& goodsCarriage(const char* registration, bool heavy, int tons, int months, long long declaredPerMonth = 0);
  DemoYear& firm(const char* name, const char* pan, const char* sharePercent, long long capital, long long shareOfProfit,
                 long long salary, long long interest, bool audited);
  // Capital gains: a transfer (dates yyyy-mm-dd), then its improvements and exemptions.
  DemoYear& transfer(const char* kind, const char* description, const char* acquired, const char* transferred,
                     long long consideration, long long stampValue, long long expenses, long long cost);
  DemoYear& improvement(const char* date, long long amount);
  DemoYear& exemption(const char* section, const char* newAssetDate, long long invested);
  // Book profit of a company u/s 115JB: the net profit of the profit and loss
  // account, then each addition ("A") or deduction ("D") by its clause.
  DemoYear& bookNetProfit(long long netProfit);
  DemoYear& bookAdjustment(const char* flag, const char* clause, const char* particulars, long long amount);
  // Other sources.
  DemoYear& receipt(const char* nature, const char* particulars, long long amount);
  DemoYear& exempt(const char* kind, const char* particulars, long long amount);
  DemoYear& winnings(const char* particulars, long long amount);
  DemoYear& certificate(const char* kind, const char* bought, const char* number, long long amount, const char* rate,
                        long long interest);
  // Losses brought forward, by the losses table's part.
  DemoYear& loss(int part, int lossYear, long long amount);
  // Chapter VI-A.
  DemoYear& claim(const char* section, const char* particulars, long long amount);
  DemoYear& seniorInsured(bool self, bool parents);
  DemoYear& donation(long long donee, long long amount);
  // Taxes paid and relief; dates dd/mm/yyyy.
  DemoYear& tds(const char* item, const char* deductor, const char* tan, const char* date, long long paid,
                long long deducted, int head);
  DemoYear& advance(const char* bsr, const char* date, const char* serial, long long amount);
  DemoYear& selfTax(const char* bsr, const char* date, const char* serial, long long amount);
  DemoYear& relief89(long long amount);

 private:
  DemoYear& challan(const char* table, const char* bsr, const char* date, const char* serial, long long amount);
  void row(const std::string& table, db::Pairs values, const char* yearColumn = "ass_year");
  int next(const std::string& list) { return ++serials_[list]; }

  db::Connection& conn_;
  std::string code_;
  int year_, status_;
  int employers_ = 0, houses_ = 0, businesses_ = 0, transfers_ = 0;
  std::map<std::string, int> serials_;
};

}  // namespace meridian::suite::heads

#include "suite/demo_practice.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>

#include "suite/client_list_table.h"
#include "suite/heads/demo_heads.h"
#include "suite/heads/demo_year.h"

namespace meridian::suite {
namespace {

// A fixed linear congruential sequence: the demo is the same on every machine.
class Sequence {
 public:
  unsigned next() {
    state_ = state_ * 1103515245u + 12345u;
    return (state_ >> 8) & 0xFFFFFF;
  }
  template <size_t N>
  const char* pick(const std::array<const char*, N>& list) {
    return list[next() % N];
  }
  int between(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<unsigned>(hi - lo + 1)); }

 private:
  unsigned state_ = 20161;
};

constexpr std::array kFirstNames = {"Aarav", "Vivaan", "Aditya", "Meera", "Ananya", "Ishaan", "Kavya", "Rohan",
                                    "Sneha", "Arjun", "Priya", "Karthik", "Lakshmi", "Nikhil", "Pooja", "Rahul",
                                    "Sanjay", "Divya", "Manoj", "Neha", "Suresh", "Asha", "Vikram", "Gita"};
constexpr std::array kFemaleNames = {"Meera", "Ananya", "Kavya", "Sneha", "Priya", "Lakshmi", "Pooja", "Divya", "Neha",
                                     "Asha", "Gita"};
// Fathers and partners.
constexpr std::array kMaleNames = {"Aarav",  "Vivaan", "Aditya", "Ishaan", "Rohan", "Arjun",  "Karthik",
                                   "Nikhil", "Rahul",  "Sanjay", "Manoj",  "Suresh", "Vikram"};
constexpr std::array kMiddleNames = {"", "Kumar", "", "Prasad", "", "Lal", "", "Devi", "", "Chand"};
constexpr std::array kSurnames = {"Sharma", "Iyer", "Patel", "Reddy", "Nair", "Gupta", "Desai", "Menon", "Joshi",
                                  "Rao", "Kulkarni", "Banerjee", "Singh", "Pillai", "Mehta", "Verma", "Shah", "Das"};
constexpr std::array kFirmWords = {"Sunrise", "Ganga", "Deccan", "Kaveri", "Peepal", "Coastal", "Banyan", "Indus",
                                   "Saffron", "Narmada", "Vindhya", "Malabar", "Sahyadri", "Konkan"};
constexpr std::array kTrades = {"Traders", "Textiles", "Agencies", "Engineering", "Foods", "Pharma", "Logistics",
                                "Builders", "Exports", "Motors", "Software", "Steel"};
// Each city with its state, as the screens' state list spells it, and the
// first PIN of its head post office.
struct City {
  const char* city;
  const char* state;
  long long firstPin;
};
constexpr std::array kCities = {
    City{"Pune", "MAHARASHTRA", 411001},          City{"Chennai", "TAMIL NADU", 600001},
    City{"Ahmedabad", "GUJARAT", 380001},         City{"Kochi", "KERALA", 682001},
    City{"Jaipur", "RAJASTHAN", 302001},          City{"Lucknow", "UTTAR PRADESH", 226001},
    City{"Indore", "MADHYA PRADESH", 452001},     City{"Nagpur", "MAHARASHTRA", 440001},
    City{"Coimbatore", "TAMIL NADU", 641001},     City{"Surat", "GUJARAT", 395001},
    City{"Mysuru", "KARNATAKA", 570001},          City{"Srinagar", "JAMMU AND KASHMIR", 190001},
    City{"Dehradun", "UTTARAKHAND", 248001},      City{"Puducherry", "PUDUCHERRY", 605001},
};

// "Devi" is a woman's middle name, the others a man's.
std::string middleFor(const std::string& middle, bool female) {
  return (middle == "Devi") == female ? middle : std::string();
}

bool isFemaleName(const std::string& name) {
  return std::find(kFemaleNames.begin(), kFemaleNames.end(), name) != kFemaleNames.end();
}

// "sunrise": the first word of a name as a mail domain takes it.
std::string mailWord(const std::string& name) {
  std::string out;
  for (char c : name) {
    if (c == ' ') break;
    if (std::isalnum(static_cast<unsigned char>(c))) out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return out;
}
constexpr std::array kStreets = {"M.G. Road", "Station Road", "Gandhi Nagar", "Park Street", "Nehru Marg",
                                 "Temple Street", "Lake View Road", "Market Yard"};

struct StatusKind {
  const char* status;
  char panLetter;
  const char* suffix;
};
// Non-individual statuses with the fourth PAN letter the department gives them.
constexpr std::array kOtherStatuses = {
    StatusKind{"HUF", 'H', " HUF"},
    StatusKind{"FIRM", 'F', " & Co."},
    StatusKind{"FIRM", 'F', " Associates LLP"},
    StatusKind{"PRIVATE LTD.", 'C', " Private Limited"},
    StatusKind{"PUBLIC LTD.", 'C', " Limited"},
    StatusKind{"AOP", 'A', " Association"},
    StatusKind{"AOP (TRUST)", 'T', " Charitable Trust"},
    StatusKind{"CO-OPERATIVE SOCIETY", 'A', " Co-operative Society"},
    StatusKind{"BOI", 'B', " Body of Individuals"},
    StatusKind{"LOCAL AUTHORITY", 'L', " Municipal Council"},
    StatusKind{"ARTIFICIAL JURIDICAL PERSON", 'J', " University"},
    StatusKind{"FOREIGN COMPANY", 'C', " Overseas Inc."},
};

std::string pan(Sequence& s, char fourth, char fifth) {
  std::string p;
  for (int i = 0; i < 3; ++i) p.push_back(static_cast<char>('A' + s.next() % 26));
  p.push_back(fourth);
  p.push_back(fifth);
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04d", s.between(1, 9999));
  p += digits;
  p.push_back(static_cast<char>('A' + s.next() % 26));
  return p;
}

std::string date(Sequence& s, int fromYear, int toYear) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", s.between(1, 28), s.between(1, 12), s.between(fromYear, toYear));
  return buf;
}

// One earlier year of a bulk client: a salary from a local employer, interest
// on deposits and savings under s.80C, nothing else.
struct YearDraws {
  long long salary = 0, otherSources = 0, savings = 0;
};

void enterEarlierYear(db::Connection& conn, const std::string& client, int year, const City& place,
                      const YearDraws& d) {
  const std::string employer = std::string(place.city) + " " + kTrades[static_cast<size_t>(d.salary) % kTrades.size()] +
                               " Private Limited";
  std::string tan = std::string(place.city).substr(0, 3) + employer.substr(employer.find(' ') + 1, 1) + client.substr(1) +
                    "0E";
  for (char& ch : tan) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  // Pay of 1.2 to 5.7 lakh a year, in hundreds.
  const long long salary = 120000 + d.salary / 400 * 100;
  heads::DemoYear(conn, client, year)
      .employer(employer.c_str(), tan.c_str(), "OTH", place.city, place.state, salary)
      .receipt("INT", "FIXED DEPOSIT INTEREST", d.otherSources)
      .claim("80C", "PROVIDENT FUND AND LIFE INSURANCE", d.savings);
}

// Two directors of a demo company for the year the practice is opened on,
// named and numbered from the client's number alone: no draw of the sequence
// is spent, so the rest of the practice stays as it was. The registry gives
// a DIN to the directors of an Indian company only.
void enterDirectors(db::Connection& conn, const std::string& company, int n, bool indian) {
  constexpr int kYearOpened = 2016;
  for (int k = 0; k < 2; ++k) {
    const size_t pick = static_cast<size_t>(n * 7 + k * 5);
    char din[16];
    std::snprintf(din, sizeof din, "%08d", 2000000 + n * 2 + k);
    heads::addDemoKeyPerson(conn, {company, kYearOpened, k + 1,
                                   std::string(kMaleNames[pick % kMaleNames.size()]) + " " +
                                       kSurnames[pick % kSurnames.size()],
                                   k == 0 ? "MD" : "DIR", "", indian ? din : ""});
  }
}

std::string code(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "C%04d", n);
  return buf;
}

}  // namespace

void seedDemoPractice(db::Connection& conn, const DataFolder& data, DemoSize size) {
  Sequence s;
  auto tx = conn.begin();
  const std::array<std::pair<const char*, const char*>, 5> groups = {
      {{"G01", "Family Sharma"}, {"G02", "Textile Traders"}, {"G03", "Salaried Clients"}, {"G04", "Trusts"},
       {"G05", "Companies"}}};
  for (const auto& [c, nm] : groups) conn.execute("INSERT INTO grp_m (code, nm) VALUES (?, ?)", {c, nm});

  std::vector<std::string> firms;
  for (int n = 1; n <= size.clients; ++n) {
    const std::string c = code(n);
    // The draws stay as many and in the order they were, so that the rest of
    // the practice (figures, challans, partners) stays the same.
    s.next();
    const City& place = kCities[s.next() % kCities.size()];
    const std::string city = place.city, state = place.state;
    const std::string street = s.pick(kStreets);
    const long long pinCode = place.firstPin + s.between(0, 29);
    const std::string mobile = "9" + std::to_string(100000000 + s.between(0, 899999999));
    const bool individual = n % 3 != 0;
    int bornIn = 0;  // an individual's year of birth
    if (individual) {
      const std::string first = s.pick(kFirstNames), middle = s.pick(kMiddleNames), last = s.pick(kSurnames);
      s.next();
      const bool female = isFemaleName(first);
      const std::string nation = n % 17 == 0 ? "NON RESIDENT" : "RESIDENT";
      const std::string father = s.pick(kMaleNames), born = date(s, 1940, 1998);
      bornIn = std::stoi(born.substr(6));
      conn.execute(
          "INSERT INTO owner1 (code, code_no, f_nm, m_nm, l_nm, fat_f_nm, fat_l_nm, dob, sex, mobile, email, h_no, "
          "street, area, city, state, pin, mat_st, nation, ward, ward_no, pan, auditc, status) "
          "VALUES (?, '', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'INDIVIDUAL')",
          {c, first, middleFor(middle, female), last,
           father, last, born,
           female ? "FEMALE" : "MALE", mobile, std::string(first) + "." + last + "@example.in",
           std::to_string(s.between(1, 400)), street, std::string("Ward ") + std::to_string(s.between(1, 40)), city,
           state, pinCode, s.next() % 2 ? "MARRIED" : "SINGLE", nation,
           std::string("Ward ") + std::to_string(s.between(1, 12)) + "(" + std::to_string(s.between(1, 4)) + ")",
           std::to_string(s.between(1, 60)), pan(s, 'P', last[0]), n % 11 == 0 ? "Y" : "N"});
    } else {
      const StatusKind& kind = kOtherStatuses[static_cast<size_t>(n / 3) % kOtherStatuses.size()];
      const std::string name = std::string(s.pick(kFirmWords)) + " " + s.pick(kTrades) + kind.suffix;
      const bool llp = std::string(kind.suffix).find("LLP") != std::string::npos;
      conn.execute(
          "INSERT INTO main_info1 (code_no, nm, status, doi, phone1, phone4, email, reg_no, h_no, street, area, city, "
          "state, pin, ward, ward_no, pan, mrr, llp) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
          {c, name, kind.status, date(s, 1960, 2015), "0" + std::to_string(s.between(200000000, 899999999)), mobile,
           "accounts@" + mailWord(name) + std::to_string(n) + ".example.in",
           llp ? "AAB-" + std::to_string(1000 + n) : "", std::to_string(s.between(1, 400)), street, "Industrial Area",
           city, state, pinCode,
           std::string("Circle ") + std::to_string(s.between(1, 9)), std::to_string(s.between(1, 60)),
           pan(s, kind.panLetter, name[0]), n % 29 == 0 ? 1 : 0, llp ? "LLP_Y" : ""});
      conn.execute("INSERT INTO off_info (code_no, nm, street, city, state, pin) VALUES (?, ?, ?, ?, ?, ?)",
                   {c, name, street, city, state, pinCode});
      if (std::string(kind.status) == "FIRM") firms.push_back(c);
      if (kind.panLetter == 'C') enterDirectors(conn, c, n, std::string(kind.status) != "FOREIGN COMPANY");
    }
    const char* groupCode = groups[static_cast<size_t>(n) % groups.size()].first;
    if (n % 4 == 0) conn.execute("INSERT INTO grp_trans (code_no, c_code) VALUES (?, ?)", {groupCode, c});
    // Earlier years of the individuals, entered in the heads' tables like any
    // other year and computed by the engine with the named years, so their
    // summaries are the law's figures. A.Y. 2016-17 is left to the clients
    // entered head by head (suite/heads/demo_heads.h).
    for (int year = 2013; year <= 2016; ++year) {
      if ((n + year) % 3 == 0) continue;
      YearDraws draws;
      if (individual) draws.salary = s.between(0, 1800000);
      s.next();  // a draw no year uses, kept so that the draws after it stay where they were
      draws.otherSources = s.between(0, 90000);
      draws.savings = s.between(0, 150000);
      // A minor's income other than from his own work is his parent's
      // (s.64(1A)): a year only for one of age before the previous year began.
      const bool adultInPreviousYear = bornIn + 18 < year - 1;
      if (individual && adultInPreviousYear && year < 2016) enterEarlierYear(conn, c, year, place, draws);
    }
    // Advance tax was once drawn here for A.Y. 2016-17, a year these clients
    // have no income entered for: a practitioner would never see a challan
    // with no year behind it, so none is written. The draws stay, so that
    // the partners and figures drawn after them stay the same.
    if (n % 5 == 0)
      for (int q = 0; q < 3; ++q) {
        s.next();
        s.next();
        s.next();
      }
  }
  // Partners of the firms and a proprietor or two, linked to their client.
  int partner = size.clients;
  for (size_t f = 0; f < firms.size(); ++f) {
    for (int k = 0; k < 2; ++k) {
      const std::string c = code(++partner);
      const std::string last = s.pick(kSurnames);
      const std::string first = s.pick(kMaleNames), father = s.pick(kMaleNames), born = date(s, 1950, 1990);
      s.next();
      const City& place = kCities[s.next() % kCities.size()];
      const std::string partnerPan = pan(s, 'P', last[0]);
      conn.execute(
          "INSERT INTO owner1 (code, code_no, f_nm, l_nm, fat_f_nm, fat_l_nm, dob, sex, city, state, pan, status, "
          "auditc) VALUES (?, ?, ?, ?, ?, ?, ?, 'MALE', ?, ?, ?, 'INDIVIDUAL', 'Y')",
          {c, firms[f], first, last, father, last, born, std::string(place.city), std::string(place.state), partnerPan});
    }
  }
  heads::seedDemoHeads(conn);
  tx.commit();
  rebuildClientList(conn);

  // The income-tax module leaves out a few codes kept for other work.
  std::filesystem::create_directories(data.documents() / "cma_data");
  std::ofstream(data.documents() / "cma_data" / "it.txt") << code(3) << "\n\n" << code(6) << "\n  " << code(9) << "  \n";
}

bool seedDemoPracticeIfEmpty(db::Connection& conn, const DataFolder& data) {
  if (conn.scalar("SELECT COUNT(*) FROM tempcltbl") != "0" || conn.scalar("SELECT COUNT(*) FROM main_info1") != "0")
    return false;
  seedDemoPractice(conn, data);
  return true;
}

}  // namespace meridian::suite

#include "suite/heads/demo_heads.h"

#include "db/rows.h"
#include "suite/heads/demo_business_years.h"
#include "suite/heads/demo_filing.h"
#include "suite/heads/demo_year.h"

namespace meridian::suite::heads {
namespace {

long long addDonee(db::Connection& conn, const char* name, const char* pan, const char* city, const char* state,
                   const char* category) {
  db::insertRow(conn, "donee_master", {{"name", name}, {"pan", pan}, {"city", city}, {"state", state}, {"catg", category}});
  return std::stoll(conn.scalar("SELECT MAX(doneecd) FROM donee_master"));
}

constexpr int kYear = 2016;  // A.Y. 2016-17: salaries of April 2015 to March 2016

}  // namespace

void seedDemoHeads(db::Connection& conn) {
  const DemoPerson people[] = {
      {"C0801", "RAMESH", "KUMAR", "IYER", "KRISHNAN", "MALE", "14/08/1978", "AGHPI4521K", "B-402", "BANNERGHATTA ROAD",
       "JP NAGAR", "BENGALURU", "KARNATAKA", 560078},
      {"C0802", "LAKSHMI", "", "VENKATARAMAN", "SUBRAMANIAM", "FEMALE", "02/11/1948", "AAJPV7311H", "14", "II MAIN ROAD",
       "GANDHI NAGAR", "CHENNAI", "TAMIL NADU", 600020},
      {"C0803", "GOPALA", "KRISHNA", "MENON", "NARAYANA", "MALE", "21/03/1944", "ABNPM2260C", "SREEVALSAM", "MG ROAD",
       "RAVIPURAM", "KOCHI", "KERALA", 682016},
      {"C0804", "PRIYA", "", "NAIR", "MOHAN", "FEMALE", "09/06/1984", "AQBPN8812L", "1203, SEA BREEZE", "LINK ROAD",
       "ANDHERI WEST", "MUMBAI", "MAHARASHTRA", 400053},
      {"C0805", "ARVIND", "", "DESHPANDE", "VASANT", "MALE", "30/01/1965", "ACDPD4417F", "7, SHANTIVAN", "LAW COLLEGE ROAD",
       "ERANDWANE", "PUNE", "MAHARASHTRA", 411004},
      {"C0806", "SUNITA", "", "PATEL", "HARESH", "FEMALE", "17/12/1990", "BNZPP6034Q", "22, SHIVAM SOCIETY", "SATELLITE ROAD",
       "JODHPUR", "AHMEDABAD", "GUJARAT", 380015},
      {"C0807", "MOHAMMED", "IQBAL", "SHAIKH", "ABDUL", "MALE", "05/07/1958", "AKUPS1189D", "3-4-56", "KING KOTI ROAD",
       "ABIDS", "HYDERABAD", "TELANGANA", 500001},
      {"C0808", "KAVYA", "", "REDDY", "SRINIVAS", "FEMALE", "25/04/1987", "BEMPR9921G", "F-11, LAKE VIEW APTS",
       "ROAD NO. 12", "BANJARA HILLS", "HYDERABAD", "TELANGANA", 500034},
      {"C0809", "RAJESH", "", "GUPTA", "OM PRAKASH", "MALE", "12/10/1970", "AFHPG3356B", "C-118", "SECTOR 15", "VASUNDHARA",
       "GHAZIABAD", "UTTAR PRADESH", 201012},
      {"C0810", "ANJALI", "", "BANERJEE", "DILIP", "FEMALE", "03/03/1975", "AIOPB5502M", "FLAT 3B, SONALI",
       "SOUTHERN AVENUE", "LAKE MARKET", "KOLKATA", "WEST BENGAL", 700029},
      {"C0811", "SURESH", "CHAND", "JOSHI", "RAMESH CHAND", "MALE", "19/09/1950", "AAKPJ6620E", "45", "CIVIL LINES",
       "RAJPUR ROAD", "DEHRADUN", "UTTARAKHAND", 248001},
      {"C0812", "MEERA", "", "KULKARNI", "GOVIND", "FEMALE", "28/02/1962", "ABLPK7734N", "11, PRATIBHA", "DHANTOLI",
       "DHANTOLI", "NAGPUR", "MAHARASHTRA", 440012},
      {"C0813", "VIKRAM", "SINGH", "RATHORE", "MAHENDRA SINGH", "MALE", "07/11/1980", "APRPR2047J", "B-9", "C-SCHEME",
       "ASHOK NAGAR", "JAIPUR", "RAJASTHAN", 302001},
      {"C0814", "DEEPA", "", "MENON", "RAJAN", "FEMALE", "15/05/1991", "CCXPM1630R", "SAI KRIPA", "KOWDIAR ROAD",
       "KOWDIAR", "THIRUVANANTHAPURAM", "KERALA", 695003},
      {"C0815", "HARISH", "CHANDRA", "PILLAI", "GOPINATHAN", "MALE", "10/02/1955", "AAMPP8841A", "GOKULAM", "THADAGAM ROAD",
       "R.S. PURAM", "COIMBATORE", "TAMIL NADU", 641002},
      {"C0816", "NEHA", "", "AGARWAL", "SURESH", "FEMALE", "21/08/1988", "BHWPA4412C", "D-202, SHUBHAM RESIDENCY", "AB ROAD",
       "VIJAY NAGAR", "INDORE", "MADHYA PRADESH", 452010},
      {"C0818", "ASHOK", "", "MEHTA", "NAVIN", "MALE", "11/12/1969", "ADEPM5573H", "601, SUNRISE TOWERS", "NEPEAN SEA ROAD",
       "MALABAR HILL", "MUMBAI", "MAHARASHTRA", 400006, "NON RESIDENT"},
      {"C0819", "FATIMA", "", "BEGUM", "SYED AHMED", "FEMALE", "01/07/1949", "AOFPB3378L", "12-2-830", "MEHDIPATNAM",
       "MEHDIPATNAM", "HYDERABAD", "TELANGANA", 500028},
      {"C0820", "SANJAY", "KUMAR", "VERMA", "RAJ KUMAR", "MALE", "26/06/1983", "AVRPV6185P", "H.NO. 2201", "SECTOR 44 C",
       "SECTOR 44", "CHANDIGARH", "CHANDIGARH", 160047},
  };
  for (const auto& p : people) addDemoPerson(conn, p);
  // The HUF keeps its master in main_info1 like every client that is not a person.
  db::insertRow(conn, "main_info1", {{"code_no", "C0817"}, {"nm", "KIRAN RAO (HUF)"}, {"status", "HUF"},
                                     {"pan", "AAGHK2210B"}, {"h_no", "27"}, {"street", "5TH CROSS"},
                                     {"area", "MALLESWARAM"}, {"city", "BENGALURU"}, {"state", "KARNATAKA"}, {"pin", 560003}});

  const long long pmFund = addDonee(conn, "PRIME MINISTER'S NATIONAL RELIEF FUND", "AAAGP0582L", "NEW DELHI", "DELHI", "100");
  const long long elderCare = addDonee(conn, "SILVER YEARS ELDER CARE SOCIETY", "AAATS4417D", "NEW DELHI", "DELHI", "50L");
  const long long childWelfare = addDonee(conn, "BAL ANKUR CHILD WELFARE SOCIETY", "AAATB2290K", "MUMBAI", "MAHARASHTRA", "50L");

  // Salaried, one self-occupied flat on a home loan; a year before too, for the carry-forward.
  DemoYear(conn, "C0801", kYear - 1)
      .employer("JP NAGAR TECHNOLOGIES PVT LTD", "BLRJ08214C", "OTH", "BENGALURU", "KARNATAKA", 880000, 0, 2400)
      .exemptAllowance("HRA", 220000, 0)
      .house("B-402, BANNERGHATTA ROAD, JP NAGAR", "BENGALURU", "KARNATAKA", "560078", "N", 100, 0, 0, 192000,
             "2011-09-20");
  DemoYear(conn, "C0801", kYear)
      .employer("JP NAGAR TECHNOLOGIES PVT LTD", "BLRJ08214C", "OTH", "BENGALURU", "KARNATAKA", 960000, 0, 2400)
      .exemptAllowance("HRA", 240000, 0)
      .house("B-402, BANNERGHATTA ROAD, JP NAGAR", "BENGALURU", "KARNATAKA", "560078", "N", 100, 0, 0, 180000,
             "2011-09-20")
      .receipt("SB", "DAKSHIN SETU BANK SAVINGS ACCOUNT", 9200)
      .claim("80C", "EMPLOYEES' PROVIDENT FUND", 72000)
      .claim("80C", "LIFE INSURANCE PREMIUM", 28000)
      .claim("80C", "PUBLIC PROVIDENT FUND", 50000)
      .claim("80D", "MEDICLAIM PREMIUM", 18000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 9200)
      .tds("192", "JP NAGAR TECHNOLOGIES PVT LTD", "BLRJ08214C", "31/03/2016", 1200000, 97770, 1);

  // A pensioner who also draws her husband's family pension.
  DemoYear(conn, "C0802", kYear)
      .employer("ACCOUNTANT GENERAL (A&E), TAMIL NADU", "CHEA01327G", "GOV", "CHENNAI", "TAMIL NADU", 360000)
      .receipt("FP", "FAMILY PENSION - TAMRAPARNI DEPOSIT BANK", 180000)
      .receipt("INT", "FIXED DEPOSITS - TAMRAPARNI DEPOSIT BANK", 120000)
      .receipt("SB", "TAMRAPARNI DEPOSIT BANK SAVINGS ACCOUNT", 14000)
      .claim("80D", "MEDICLAIM - SENIOR CITIZEN", 30000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 10000)
      .seniorInsured(true, false)
      .tds("194A", "TAMRAPARNI DEPOSIT BANK, T NAGAR", "CHET00412B", "31/03/2016", 120000, 12000, 5)
      .selfTax("0240121", "25/07/2016", "00417", 33120);

  // A senior citizen who lives on interest: tax deducted exceeds tax, a refund.
  DemoYear(conn, "C0803", kYear)
      .receipt("INT", "SENIOR CITIZENS SAVINGS SCHEME", 135000)
      .receipt("INT", "FIXED DEPOSITS - MALAYA COAST BANK", 345000)
      .receipt("SB", "MALAYA COAST BANK SAVINGS ACCOUNT", 22000)
      .claim("80C", "SENIOR CITIZENS SAVINGS SCHEME DEPOSIT", 100000)
      .claim("80D", "MEDICLAIM - SENIOR CITIZEN", 25000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 10000)
      .seniorInsured(true, false)
      .tds("194A", "MALAYA COAST BANK, MG ROAD", "CHNM00981E", "31/03/2016", 345000, 34500, 5)
      .tds("194A", "HEAD POST OFFICE, ERNAKULAM", "CHNH01166D", "31/03/2016", 135000, 13500, 5);

  // A salaried woman renting in Mumbai with a let-out flat in Pune on a home loan.
  DemoYear(conn, "C0804", kYear - 1)
      .employer("SEVEN ISLES CAPITAL ADVISORS LTD", "MUMS15520A", "OTH", "MUMBAI", "MAHARASHTRA", 990000, 0, 2500)
      .exemptAllowance("HRA", 330000, 165000)
      .house("FLAT 5, ASHIRWAD, BANER", "PUNE", "MAHARASHTRA", "411045", "Y", 100, 204000, 8000, 252000, "2013-02-14")
      .tenant("SACHIN KADAM", "BKLPK2281M");
  DemoYear(conn, "C0804", kYear)
      .employer("SEVEN ISLES CAPITAL ADVISORS LTD", "MUMS15520A", "OTH", "MUMBAI", "MAHARASHTRA", 1080000, 0, 2500)
      .exemptAllowance("HRA", 360000, 180000)
      .house("FLAT 5, ASHIRWAD, BANER", "PUNE", "MAHARASHTRA", "411045", "Y", 100, 216000, 8000, 240000, "2013-02-14")
      .tenant("SACHIN KADAM", "BKLPK2281M")
      .receipt("SB", "GATEWAY HARBOUR BANK SAVINGS ACCOUNT", 11000)
      .receipt("INT", "FIXED DEPOSIT - GATEWAY HARBOUR BANK", 25000)
      .claim("80C", "PUBLIC PROVIDENT FUND", 70000)
      .claim("80C", "HOUSING LOAN PRINCIPAL", 80000)
      .claim("80D", "MEDICLAIM PREMIUM", 15000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 10000)
      .tds("192", "SEVEN ISLES CAPITAL ADVISORS LTD", "MUMS15520A", "31/03/2016", 1440000, 134000, 1)
      .tds("194A", "GATEWAY HARBOUR BANK, ANDHERI WEST", "MUMG06615F", "31/03/2016", 25000, 2500, 5);

  // A senior manager: a car as a perquisite, NPS, parents' insurance and donations.
  DemoYear(conn, "C0805", kYear)
      .employer("DECCAN AUTO COMPONENTS LTD", "PNED02288K", "OTH", "PUNE", "MAHARASHTRA", 2200000, 38400, 2500)
      .house("7, SHANTIVAN, LAW COLLEGE ROAD", "PUNE", "MAHARASHTRA", "411004", "N", 100, 0, 0, 240000, "2005-07-01")
      .receipt("SB", "DECCAN PLATEAU BANK SAVINGS ACCOUNT", 15000)
      .exempt("DIV", "DIVIDENDS FROM LISTED SHARES", 18000)
      .claim("80C", "LIFE INSURANCE AND PPF", 150000)
      .claim("80CCD(1B)", "NATIONAL PENSION SYSTEM", 50000)
      .claim("80D", "MEDICLAIM - FAMILY", 25000)
      .claim("80D_parents", "MEDICLAIM - PARENTS", 30000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 10000)
      .seniorInsured(false, true)
      .donation(pmFund, 10000)
      .donation(elderCare, 20000)
      .tds("192", "DECCAN AUTO COMPONENTS LTD", "PNED02288K", "31/03/2016", 2238400, 365000, 1);

  // Two employers in the year; the second deducted too little: self-assessment tax.
  DemoYear(conn, "C0806", kYear)
      .employer("SABARMATI RETAIL PVT LTD", "AHMS04431C", "OTH", "AHMEDABAD", "GUJARAT", 240000)
      .employer("KANKARIA PHARMA LTD", "AHMK07723B", "OTH", "AHMEDABAD", "GUJARAT", 270000, 0, 1200)
      .exemptAllowance("HRA", 60000, 36000)
      .claim("80C", "ELSS MUTUAL FUND", 40000)
      .tds("192", "KANKARIA PHARMA LTD", "AHMK07723B", "31/03/2016", 330000, 8000, 1)
      .selfTax("0300287", "18/07/2016", "00921", 16100);

  // Retired bank officer: pension, deposits, advance tax in instalments.
  DemoYear(conn, "C0807", kYear)
      .employer("DAKSHIN SETU BANK (PENSION)", "HYDD02214F", "PSU", "HYDERABAD", "TELANGANA", 420000)
      .receipt("INT", "FIXED DEPOSITS - GOLCONDA DEPOSIT BANK", 360000)
      .receipt("SB", "DAKSHIN SETU BANK SAVINGS ACCOUNT", 18000)
      .claim("80C", "PUBLIC PROVIDENT FUND", 150000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 10000)
      .tds("194A", "GOLCONDA DEPOSIT BANK, ABIDS", "HYDG01178C", "31/03/2016", 360000, 36000, 5)
      .advance("0008216", "14/09/2015", "00231", 6000)
      .advance("0008216", "15/12/2015", "00412", 6000)
      .advance("0008216", "15/03/2016", "00688", 6000);

  // Salaried, renting: house rent, leave travel and conveyance allowances exempt; an education loan.
  DemoYear(conn, "C0808", kYear)
      .employer("CYBERGRID SOLUTIONS INDIA PVT LTD", "HYDC09917E", "OTH", "HYDERABAD", "TELANGANA", 660000, 0, 2400)
      .exemptAllowance("HRA", 180000, 144000)
      .exemptAllowance("LTA", 30000, 30000)
      .exemptAllowance("CONV", 19200, 19200)
      .otherAllowance("SPECIAL ALLOWANCE", 90800)
      .claim("80C", "EMPLOYEES' PROVIDENT FUND AND LIFE INSURANCE", 120000)
      .claim("80E", "INTEREST ON EDUCATION LOAN", 45000)
      .tds("192", "CYBERGRID SOLUTIONS INDIA PVT LTD", "HYDC09917E", "31/03/2016", 980000, 50350, 1);

  // A self-occupied house and a second one lying vacant (deemed let out).
  DemoYear(conn, "C0809", kYear)
      .employer("NORTHERN GRID POWER CORPORATION LTD", "DELN03312G", "PSU", "NOIDA", "UTTAR PRADESH", 1600000, 0, 0)
      .house("C-118, SECTOR 15, VASUNDHARA", "GHAZIABAD", "UTTAR PRADESH", "201012", "N", 100, 0, 0, 150000, "2010-04-12")
      .house("FLAT 903, GREEN MEADOWS AVENUE, INDIRAPURAM", "GHAZIABAD", "UTTAR PRADESH", "201014", "D", 100, 180000, 6000, 0)
      .receipt("SB", "YAMUNA CITIZENS BANK SAVINGS ACCOUNT", 7000)
      .claim("80C", "PROVIDENT FUND AND TUITION FEES", 150000)
      .claim("80D", "MEDICLAIM PREMIUM", 25000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 7000)
      .tds("192", "NORTHERN GRID POWER CORPORATION LTD", "DELN03312G", "31/03/2016", 1600000, 251400, 1);

  // A let-out flat owned half and half with her husband.
  DemoYear(conn, "C0810", kYear)
      .employer("DAMODAR COAL MINES LTD", "CALD02019H", "PSU", "KOLKATA", "WEST BENGAL", 1800000, 0, 2400)
      .house("FLAT 2A, SONALI PARK, BANSDRONI", "KOLKATA", "WEST BENGAL", "700070", "Y", 50, 300000, 9600, 320000,
             "2012-11-05")
      .coOwner("SUBRATA BANERJEE", "AIOPB5503N", 50)
      .tenant("ARINDAM GHOSH")
      .claim("80C", "PROVIDENT FUND", 150000)
      .tds("192", "DAMODAR COAL MINES LTD", "CALD02019H", "31/03/2016", 1800000, 311000, 1);

  // A government pensioner with NSC and KVP: the NSC interest reinvested counts u/s 80C.
  DemoYear(conn, "C0811", kYear)
      .employer("TREASURY OFFICE, DEHRADUN (PENSION)", "MRTT00813A", "GOV", "DEHRADUN", "UTTARAKHAND", 540000)
      .receipt("INT", "FIXED DEPOSITS - DOON VALLEY DEPOSIT BANK", 160000)
      .certificate("1", "2012-05-14", "2NS 119935", 50000, "8.60", 6800)
      .certificate("2", "2014-12-01", "KVP 553102", 100000, "8.70", 0)
      .claim("80C", "NSC VIII ISSUE AND ACCRUED INTEREST", 56800)
      .claim("80D", "MEDICLAIM - SENIOR CITIZEN", 30000)
      .seniorInsured(true, false)
      .tds("194A", "DOON VALLEY DEPOSIT BANK, RAJPUR ROAD", "MRTD01127B", "31/03/2016", 160000, 16000, 5)
      .selfTax("0510308", "22/07/2016", "00154", 29320);

  // A government teacher: entertainment allowance is a deduction for government employees only.
  DemoYear(conn, "C0812", kYear)
      .employer("DIRECTORATE OF EDUCATION, NAGPUR", "NGPD01552C", "GOV", "NAGPUR", "MAHARASHTRA", 780000, 0, 2500, 5000)
      .claim("80C", "GENERAL PROVIDENT FUND", 110000)
      .claim("80D", "MEDICLAIM PREMIUM", 12000)
      .tds("192", "DIRECTORATE OF EDUCATION, NAGPUR", "NGPD01552C", "31/03/2016", 780000, 56750, 1);

  // In A.Y. 2015-16, before his first job, the house alone made a loss; it is
  // set off against the house's income this year.
  DemoYear(conn, "C0813", kYear - 1)
      .house("PLOT 44, VAISHALI NAGAR", "JAIPUR", "RAJASTHAN", "302021", "Y", 100, 120000, 4000, 160000, "2013-08-01");
  DemoYear(conn, "C0813", kYear)
      .employer("THAR MINERALS DEVELOPMENT LTD", "JPRT02741D", "PSU", "JAIPUR", "RAJASTHAN", 1300000)
      .house("PLOT 44, VAISHALI NAGAR", "JAIPUR", "RAJASTHAN", "302021", "Y", 100, 240000, 4000, 100000, "2013-08-01")
      .tenant("POOJA SHARMA")
      .loss(0, 2015, 78800)
      .claim("80C", "PROVIDENT FUND", 150000)
      .tds("192", "THAR MINERALS DEVELOPMENT LTD", "JPRT02741D", "31/03/2016", 1300000, 175100, 1);

  // Winnings from a lottery, taxed at 30 % after tax deducted u/s 194B.
  DemoYear(conn, "C0814", kYear)
      .employer("KOWDIAR SYSTEMS LTD", "TVDK00431E", "OTH", "THIRUVANANTHAPURAM", "KERALA", 600000)
      .winnings("STATE LOTTERY - SECOND PRIZE", 100000)
      .claim("80C", "PROVIDENT FUND", 36000)
      .tds("192", "KOWDIAR SYSTEMS LTD", "TVDK00431E", "31/03/2016", 600000, 39840, 1)
      .tds("194B", "DIRECTORATE OF STATE LOTTERIES, KERALA", "TVDD00117A", "12/11/2015", 100000, 30000, 5);

  // Arrears of salary received in the year: relief u/s 89 until Form 10E works it out.
  DemoYear(conn, "C0815", kYear)
      .employer("KONGU POWER DISTRIBUTION CORPORATION LTD", "CHEK02276B", "PSU", "COIMBATORE", "TAMIL NADU", 920000)
      .otherAllowance("ARREARS OF PAY REVISION", 120000)
      .receipt("SB", "NOYYAL RIVERSIDE BANK SAVINGS ACCOUNT", 6000)
      .claim("80C", "PROVIDENT FUND", 90000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 6000)
      .relief89(8500)
      .tds("192", "KONGU POWER DISTRIBUTION CORPORATION LTD", "CHEK02276B", "31/03/2016", 1040000, 104800, 1);

  // A short-term capital loss of A.Y. 2014-15 waiting for gains to meet it.
  DemoYear(conn, "C0816", kYear)
      .employer("MALWA FOODS LTD", "BPLM03318F", "OTH", "INDORE", "MADHYA PRADESH", 1050000, 0, 2500)
      .loss(5, 2014, 20000)
      .receipt("SB", "REWA TRUST BANK SAVINGS ACCOUNT", 4300)
      .claim("80C", "ELSS AND PROVIDENT FUND", 150000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 4300)
      .donation(childWelfare, 6000)
      .tds("192", "MALWA FOODS LTD", "BPLM03318F", "31/03/2016", 1050000, 107020, 1);

  // An HUF with a let-out shop and deposits: the tenant's deduction at 10 %
  // exceeds the tax, a refund.
  DemoYear(conn, "C0817", kYear, 1)
      .house("SHOP 3, SAMPIGE ROAD, MALLESWARAM", "BENGALURU", "KARNATAKA", "560003", "Y", 100, 720000, 24000, 0)
      .tenant("SRI RAGHAVENDRA STORES", "AAMFS4411K")
      .receipt("INT", "FIXED DEPOSITS - MALLESWARAM CITIZENS BANK", 80000)
      .claim("80C", "LIFE INSURANCE PREMIUM (MEMBERS)", 45000)
      .tds("194I(b)", "SRI RAGHAVENDRA STORES", "BLRS11270D", "31/03/2016", 720000, 72000, 2)
      .tds("194A", "MALLESWARAM CITIZENS BANK", "BLRM00718A", "31/03/2016", 80000, 8000, 5);

  // A non-resident with a flat let out in Mumbai and NRO deposits: tax deducted u/s 195.
  DemoYear(conn, "C0818", kYear)
      .house("601, SUNRISE TOWERS, NEPEAN SEA ROAD", "MUMBAI", "MAHARASHTRA", "400006", "Y", 100, 420000, 12000, 0)
      .tenant("ORION SHIPPING SERVICES PVT LTD", "AABCO7735N")
      .receipt("INT", "NRO FIXED DEPOSIT - GATEWAY HARBOUR BANK", 150000)
      .receipt("SB", "NRO SAVINGS ACCOUNT - GATEWAY HARBOUR BANK", 8000)
      .claim("80C", "LIFE INSURANCE PREMIUM", 60000)
      .tds("195", "ORION SHIPPING SERVICES PVT LTD", "MUMO04412B", "31/03/2016", 420000, 129780, 2)
      .tds("195", "GATEWAY HARBOUR BANK, NEPEAN SEA ROAD", "MUMG03321C", "31/03/2016", 150000, 46350, 5);

  // A family pension below the exemption limit: a nil return.
  DemoYear(conn, "C0819", kYear)
      .receipt("FP", "FAMILY PENSION - GOLCONDA DEPOSIT BANK", 300000)
      .receipt("SB", "GOLCONDA DEPOSIT BANK SAVINGS ACCOUNT", 9000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 9000);

  // Tax collected at source on jewellery bought for cash; a donation to a political party.
  DemoYear(conn, "C0820", kYear)
      .employer("GHAGGAR TRACTORS LTD", "PTLG01119D", "OTH", "MOHALI", "PUNJAB", 1100000, 0, 2400)
      .receipt("SB", "SUKHNA LAKE BANK SAVINGS ACCOUNT", 5200)
      .claim("80C", "PROVIDENT FUND AND LIFE INSURANCE", 150000)
      .claim("80GGC", "CONTRIBUTION TO A REGISTERED POLITICAL PARTY", 20000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 5200)
      .tds("192", "GHAGGAR TRACTORS LTD", "PTLG01119D", "31/03/2016", 1100000, 107840, 1)
      .tds("206C", "SUVARNA JEWELLERS, SECTOR 17", "PTLT02217C", "24/10/2015", 600000, 6000, 5);

  seedDemoBusinessYears(conn);
  seedDemoFilings(conn);
}

}  // namespace meridian::suite::heads

#include "suite/heads/demo_business_years.h"

#include "suite/heads/business_rules.h"
#include "suite/heads/demo_year.h"

namespace meridian::suite::heads {
namespace {

constexpr int kYear = 2016;  // A.Y. 2016-17: the previous year April 2015 to March 2016
constexpr int kFirmStatus = 5, kCompanyStatus = 6;  // income.status, as the client master's status codes

using business_codes::business;
using business_codes::profession;
using business_codes::section44ad;

}  // namespace

void seedDemoBusinessYears(db::Connection& conn) {
  const DemoPerson people[] = {
      {"C0821", "RAVINDRA", "", "SHETTY", "SADANANDA", "MALE", "12/04/1972", "BXKPS4417M", "2-118", "CAR STREET",
       "CAR STREET", "MANGALURU", "KARNATAKA", 575001},
      {"C0822", "KULDEEP", "SINGH", "SANDHU", "HARBHAJAN SINGH", "MALE", "03/09/1968", "CKTPS5529R", "145",
       "TRANSPORT NAGAR", "TRANSPORT NAGAR", "LUDHIANA", "PUNJAB", 141003},
      {"C0823", "NIKHIL", "", "SARDESAI", "PRAKASH", "MALE", "22/01/1979", "AXMPS7736D", "OFFICE 4, MANDOVI CHAMBERS",
       "18TH JUNE ROAD", "PANAJI", "PANAJI", "GOA", 403001},
      {"C0824", "HARSHAD", "", "PAREKH", "JAYANTILAL", "MALE", "08/06/1966", "AFRPP2294H", "B-12, SHANTIKUNJ",
       "GHOD DOD ROAD", "ATHWA LINES", "SURAT", "GUJARAT", 395007},
      {"C0827", "VASUDHA", "", "RANADE", "DATTATRAYA", "FEMALE", "04/10/1953", "ACWPR3318K", "FLAT 7, SANKALP",
       "KARVE ROAD", "KOTHRUD", "PUNE", "MAHARASHTRA", 411038},
      {"C0828", "ROHIT", "", "MALHOTRA", "SATISH", "MALE", "17/05/1985", "BQLPM8841F", "C-704, PALM RESIDENCY",
       "GOLF COURSE ROAD", "SECTOR 54", "GURUGRAM", "HARYANA", 122002},
  };
  for (const auto& p : people) addDemoPerson(conn, p);
  // The firm's other partner: a person of the practice linked to the firm,
  // though not a client with a year of his own.
  addDemoPerson(conn, {"C0829", "MAHESH", "", "DALAL", "KANTILAL", "MALE", "19/11/1963", "AGDPD5518N", "A-3, SUMUKH",
                       "PARLE POINT", "ATHWA", "SURAT", "GUJARAT", 395007});
  addDemoEntity(conn, {"C0825", "PAREKH DALAL SYNTHETICS", "FIRM", "AAHFP6610K", "SHOP 41-44, RADHA KRISHNA MARKET",
                       "RING ROAD", "SALABATPURA", "SURAT", "GUJARAT", 395002, "01/04/2004"});
  addDemoEntity(conn, {"C0826", "NARMADA PRECISION CASTINGS PRIVATE LIMITED", "PRIVATE LTD.", "AADCN4471P",
                       "PLOT 212", "GIDC ESTATE", "MAKARPURA", "VADODARA", "GUJARAT", 390010, "14/02/2006"});

  // A hardware shop whose income is presumed u/s 44AD at 8 % of its
  // turnover; advance tax paid on the instalment dates.
  DemoYear(conn, "C0821", kYear)
      .business("SHETTY HARDWARE AND PAINTS", business, 6240000, 0, 0)
      .presumptive(section44ad, 6240000, 0)
      .receipt("SB", "SAVINGS ACCOUNT - KARAVALI SOUHARDA BANK", 6400)
      .receipt("INT", "FIXED DEPOSIT - KARAVALI SOUHARDA BANK", 14000)
      .claim("80C", "LIFE INSURANCE PREMIUM AND PPF", 100000)
      .claim("80D", "MEDICLAIM PREMIUM", 15000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 6400)
      .tds("194A", "KARAVALI SOUHARDA BANK, CAR STREET", "BLRK09921F", "31/03/2016", 14000, 1400, 5)
      .advance("0260455", "14/09/2015", "00318", 3600)
      .advance("0260455", "15/12/2015", "00561", 3600)
      .advance("0260455", "15/03/2016", "00902", 4700);

  // Four heavy goods vehicles and a light one bought in October, u/s 44AE;
  // one truck on a steady contract earns more than the presumed figure and
  // is declared at it. The tax left after the bank's deduction (Rs. 15,965 -
  // 6,200 = 9,765, under the Rs. 10,000 of s.208, so no advance tax was due)
  // is paid as self-assessment tax before the return is filed (s.140A).
  DemoYear(conn, "C0822", kYear)
      .goodsCarriage("PB-10-CF-4521", true, 16, 12, 9000)
      .goodsCarriage("PB-10-CF-6107", true, 16, 12)
      .goodsCarriage("PB-10-DK-1180", true, 25, 12)
      .goodsCarriage("PB-10-DK-2893", true, 25, 12)
      .goodsCarriage("PB-10-EM-0457", false, 0, 6)
      .receipt("INT", "FIXED DEPOSITS - DOABA GRAMIN BANK", 62000)
      .receipt("SB", "SAVINGS ACCOUNT - DOABA GRAMIN BANK", 7500)
      .claim("80C", "LIFE INSURANCE PREMIUM", 60000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 7500)
      .tds("194A", "DOABA GRAMIN BANK, TRANSPORT NAGAR", "JLDD02245B", "31/03/2016", 62000, 6200, 5)
      .selfTax("0224501", "26/07/2016", "00318", 9765);

  // An architect keeping accounts: fees partly under tax deducted u/s 194J;
  // 30 % of office rent paid without deducting tax is not allowed (s.40(a)(ia)).
  DemoYear(conn, "C0823", kYear)
      .business("SARDESAI ARCHITECTS", profession, 0, 3850000, 1420000)
      .disallowed("40AIA", "30% OF OFFICE RENT OF RS. 83,400 PAID WITHOUT DEDUCTING TAX", 25020)
      .receipt("SB", "SAVINGS ACCOUNT - KONKAN URBAN CO-OP BANK", 12000)
      .receipt("INT", "FIXED DEPOSIT - KONKAN URBAN CO-OP BANK", 40000)
      .claim("80C", "PUBLIC PROVIDENT FUND AND LIFE INSURANCE", 150000)
      .claim("80D", "MEDICLAIM PREMIUM", 25000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 10000)
      .tds("194J", "GOA COASTAL RESORTS PVT LTD", "PNEG04417C", "31/03/2016", 800000, 80000, 3)
      .tds("194J", "MANDOVI DEVELOPERS", "PNEM03326A", "31/03/2016", 400000, 40000, 3)
      .tds("194A", "KONKAN URBAN CO-OP BANK, PANAJI", "PNEK01189E", "31/03/2016", 40000, 4000, 5)
      .advance("0511027", "15/09/2015", "00127", 31000)
      .advance("0511027", "15/12/2015", "00244", 31000)
      .advance("0511027", "15/03/2016", "00391", 40000);

  // A partner: his half of the firm's profit after its tax is exempt
  // (s.10(2A)); his salary and 12 % interest on capital from it are business
  // income (s.28(v)). A self-occupied flat on a home loan.
  DemoYear(conn, "C0824", kYear)
      .firm("PAREKH DALAL SYNTHETICS", "AAHFP6610K", "50.00", 1500000, 831025, 900000, 180000, true)
      .house("B-12, SHANTIKUNJ, GHOD DOD ROAD", "SURAT", "GUJARAT", "395007", "N", 100, 0, 0, 150000, "2012-03-28")
      .receipt("SB", "SAVINGS ACCOUNT - TAPI MERCANTILE BANK", 9000)
      .claim("80C", "PUBLIC PROVIDENT FUND AND HOUSING LOAN PRINCIPAL", 150000)
      .claim("80D", "MEDICLAIM PREMIUM", 25000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 9000)
      .advance("0390118", "15/09/2015", "00412", 24000)
      .advance("0390118", "15/12/2015", "00655", 24000)
      .advance("0390118", "15/03/2016", "00873", 31000);

  // The firm: a trade in synthetic fabrics, audited u/s 44AB; partners'
  // salaries (Rs. 15,00,000) and interest at 12 % (Rs. 3,00,000) are debited
  // within the limits of s.40(b); bonus not paid by the due date is added back (s.43B).
  DemoYear(conn, "C0825", kYear, kFirmStatus)
      .business("TRADING IN SYNTHETIC FABRICS", business, 48000000, 0, 2450000)
      .disallowed("43B", "BONUS PAYABLE NOT PAID BY THE DUE DATE OF THE RETURN", 40000)
      .accountItem("PREM", "SALARIES TO WORKING PARTNERS", 1500000)
      .accountItem("PINT", "INTEREST ON PARTNERS' CAPITAL AT 12%", 300000)
      .receipt("INT", "FIXED DEPOSIT - TAPI MERCANTILE BANK", 60000)
      .tds("194A", "TAPI MERCANTILE BANK, RING ROAD", "SRTT01452D", "31/03/2016", 60000, 6000, 5)
      .advance("0390118", "15/09/2015", "00409", 235000)
      .advance("0390118", "15/12/2015", "00650", 235000)
      .advance("0390118", "15/03/2016", "00868", 315000);

  // Its partners, half and half: the client of C0824 and the partner above,
  // each working in the firm; the salary and interest the firm pays them and
  // their share of its profit after tax, as C0824's year takes them.
  addDemoPartner(conn, {"C0825", "C0824", kYear, "50.00", "12.00", 900000, 180000, 831025});
  addDemoPartner(conn, {"C0825", "C0829", kYear, "50.00", "12.00", 600000, 120000, 831025});

  // A company whose unabsorbed depreciation of A.Y. 2014-15 brings its total
  // income below its book profit: the minimum alternate tax u/s 115JB is
  // payable, and the excess over the normal tax is a credit u/s 115JAA.
  DemoYear(conn, "C0826", kYear, kCompanyStatus)
      .business("MANUFACTURE OF INVESTMENT CASTINGS", business, 185000000, 0, 4200000)
      .disallowed("OTH", "PROVISION FOR INCOME-TAX (S.40(a)(ii))", 600000)
      .disallowed("43B", "LEAVE ENCASHMENT PROVIDED, NOT PAID", 200000)
      .receipt("INT", "FIXED DEPOSITS - NARMADA VALLEY BANK", 150000)
      .loss(2, 2014, 3800000)
      .bookNetProfit(4200000)
      .bookAdjustment("A", "a", "PROVISION FOR INCOME-TAX", 600000)
      .bookAdjustment("D", "iii", "UNABSORBED DEPRECIATION AS PER BOOKS (LOWER THAN THE LOSS)", 900000)
      .tds("194A", "NARMADA VALLEY BANK, MAKARPURA", "BRDN02278K", "31/03/2016", 150000, 15000, 5)
      .advance("0400215", "15/06/2015", "00102", 110000)
      .advance("0400215", "15/09/2015", "00288", 220000)
      .advance("0400215", "15/12/2015", "00471", 220000)
      .advance("0400215", "15/03/2016", "00690", 180000);

  // Its board: a managing director and a director, each with his DIN.
  addDemoKeyPerson(conn, {"C0826", kYear, 1, "HARSHAD VASANT KULKARNI", "MD", "AKRPK5521D", "01184527"});
  addDemoKeyPerson(conn, {"C0826", kYear, 2, "MEERA HARSHAD KULKARNI", "DIR", "AKRPK5530G", "01184618"});

  // A retired teacher sold the flat she bought in 2002 and improved in 2008,
  // and bought a smaller one within the year: s.54 exempts the gain invested.
  // Cost and improvement indexed (447 and 551 to 1081) come to round figures.
  DemoYear(conn, "C0827", kYear)
      .employer("DIRECTORATE OF PENSION, MAHARASHTRA", "PNED03318F", "GOV", "PUNE", "MAHARASHTRA", 720000)
      .transfer("RH", "FLAT 12, GULMOHAR CO-OP HOUSING SOCIETY, KOTHRUD, PUNE", "2002-06-15", "2015-11-10", 8500000,
                8000000, 85000, 1788000)
      .improvement("2008-01-20", 275500)
      .exemption("54", "2016-03-15", 3000000)
      .receipt("SB", "SAVINGS ACCOUNT - MUTHA RIVERSIDE SAHAKARI BANK", 10000)
      .receipt("INT", "FIXED DEPOSIT - MUTHA RIVERSIDE SAHAKARI BANK", 48000)
      .claim("80C", "SENIOR CITIZENS SAVINGS SCHEME DEPOSIT", 100000)
      .claim("80D", "MEDICLAIM - SENIOR CITIZEN", 30000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 10000)
      .seniorInsured(true, false)
      .tds("192", "DIRECTORATE OF PENSION, MAHARASHTRA", "PNED03318F", "31/03/2016", 720000, 39140, 1)
      .tds("194A", "MUTHA RIVERSIDE SAHAKARI BANK, KARVE ROAD", "PNEM05512B", "31/03/2016", 48000, 4800, 5)
      .advance("0420781", "15/12/2015", "00233", 60000)
      .advance("0420781", "15/03/2016", "00517", 60000);

  // Salaried; sold listed shares through a broker, STT paid: a short-term
  // gain taxed at 15 % (s.111A) and a long-term one exempt (s.10(38)).
  DemoYear(conn, "C0828", kYear)
      .employer("GOLF LINKS SOFTWARE SERVICES PVT LTD", "DELG11840G", "OTH", "GURUGRAM", "HARYANA", 1200000)
      .transfer("EQ", "1,200 EQUITY SHARES OF A LISTED COMPANY", "2015-06-10", "2016-01-18", 640000, 0, 2000, 510000)
      .transfer("EQ", "500 UNITS OF AN EQUITY-ORIENTED FUND", "2013-05-05", "2015-08-20", 300000, 0, 600, 180000)
      .receipt("SB", "SAVINGS ACCOUNT - SOHNA ROAD GRAMIN BANK", 8000)
      .exempt("DIV", "DIVIDENDS FROM LISTED SHARES", 6500)
      .claim("80C", "PROVIDENT FUND AND ELSS", 150000)
      .claim("80D", "MEDICLAIM PREMIUM", 20000)
      .claim("80TTA", "SAVINGS BANK INTEREST", 8000)
      .tds("192", "GOLF LINKS SOFTWARE SERVICES PVT LTD", "DELG11840G", "31/03/2016", 1200000, 138020, 1)
      .advance("0710093", "15/03/2016", "00766", 20000);
}

}  // namespace meridian::suite::heads

#include "suite/heads/demo_filing.h"

#include <stdexcept>

#include "db/rows.h"

namespace meridian::suite::heads {
namespace {

constexpr const char* kBeforeDueDate = "11";  // s.139(1), the section list's code
constexpr const char* kRefundIntoBank = "B";

std::string joined(std::initializer_list<std::string> parts) {
  std::string out;
  for (const auto& p : parts)
    if (!p.empty()) out += (out.empty() ? "" : " ") + p;
  return out;
}

}  // namespace

namespace {

struct Signer {
  std::string name, father, pan, place;
};

void writeParticulars(db::Connection& conn, const DemoFiling& f, const Signer& s, const char* accountType) {
  db::upsertRow(conn, "geninfo_miscinf", {{"code_no", f.code}, {"ass_year", f.year}}, {{"section", kBeforeDueDate}});
  db::insertRow(conn, "geninfo_retdet",
                {{"code_no", f.code},
                 {"ass_year", f.year},
                 {"refm", kRefundIntoBank},
                 {"vername", s.name},
                 {"verfname", s.father},
                 {"verpan", s.pan},
                 {"verplace", s.place},
                 {"verdate", f.signedOn}});
  db::insertRow(conn, "bank_details",
                {{"code_no", f.code}, {"yr", f.year}, {"srno", 1}, {"banknm", f.bank}, {"ifsc", f.ifsc},
                 {"acno", f.account}, {"actyp", accountType}, {"defbank", "Y"}});
}

}  // namespace

void addDemoFiling(db::Connection& conn, const DemoFiling& f) {
  const auto people = db::selectWhere(conn, "owner1", {{"code", f.code}});
  if (people.empty()) throw std::invalid_argument(std::string("no person of the practice has the code ") + f.code);
  const db::Row& p = people.front();
  writeParticulars(conn, f,
                   {joined({p.text("f_nm"), p.text("m_nm"), p.text("l_nm")}),
                    joined({p.text("fat_f_nm"), p.text("fat_m_nm"), p.text("fat_l_nm")}), p.text("pan"), p.text("city")},
                   "SAVING");
}

void addDemoEntityFiling(db::Connection& conn, const DemoEntityFiling& e) {
  const auto entities = db::selectWhere(conn, "main_info1", {{"code_no", e.filing.code}});
  if (entities.empty())
    throw std::invalid_argument(std::string("no firm or company of the practice has the code ") + e.filing.code);
  writeParticulars(conn, e.filing, {e.signer, e.signersFather, e.signersPan, entities.front().text("city")},
                   e.accountType);
  markAccountsAudited(conn, e.filing.code, e.filing.year);
}

void markAccountsAudited(db::Connection& conn, const char* code, int year) {
  db::upsertRow(conn, "geninfo_miscinf", {{"code_no", code}, {"ass_year", year}},
                {{"opt44aa", "1"}, {"opt44ab", "1"}});
  if (!db::selectWhere(conn, "owner1", {{"code", code}}).empty()) {
    conn.execute("UPDATE owner1 SET auditc = 'Y' WHERE code = ?", {code});
    return;
  }
  conn.execute(
      "INSERT INTO new_tab (code_no, ass_year, h_no, street, area, city, state, pin, ward, ward_no, pan, auditc) "
      "SELECT code_no, ?, h_no, street, area, city, state, pin, ward, ward_no, pan, 'Y' FROM main_info1 WHERE code_no = ?",
      {std::to_string(year), code});
}

void seedDemoFilings(db::Connection& conn) {
  // Signed before the due date of the year: 31 July, or 30 September for an
  // assessee whose accounts are audited and a working partner of an audited firm.
  const DemoFiling filings[] = {
      {"C0801", 2015, "DAKSHIN SETU BANK", "DSEB0004417", "30012345678", "29/07/2015"},
      {"C0801", 2016, "DAKSHIN SETU BANK", "DSEB0004417", "30012345678", "28/07/2016"},
      {"C0802", 2016, "TAMRAPARNI DEPOSIT BANK", "TDBK0000612", "6102200045", "28/07/2016"},
      {"C0803", 2016, "MALAYA COAST BANK", "MCBK0000981", "09810100022871", "27/07/2016"},
      {"C0804", 2015, "GATEWAY HARBOUR BANK", "GHBK0006615", "661501508812", "30/07/2015"},
      {"C0804", 2016, "GATEWAY HARBOUR BANK", "GHBK0006615", "661501508812", "26/07/2016"},
      {"C0805", 2016, "DECCAN PLATEAU BANK", "DPBK0001120", "60112233441", "25/07/2016"},
      {"C0806", 2016, "SABARMATI CITIZENS BANK", "SCBK0000431", "043110007731", "20/07/2016"},
      {"C0807", 2016, "DAKSHIN SETU BANK", "DSEB0002214", "10221400551", "22/07/2016"},
      {"C0808", 2016, "GOLCONDA DEPOSIT BANK", "GDBK0001178", "117801009921", "29/07/2016"},
      {"C0809", 2016, "YAMUNA CITIZENS BANK", "YCBK0003312", "3312000100070", "27/07/2016"},
      {"C0810", 2016, "HOOGHLY RIVERSIDE BANK", "HRBK0002019", "201901005502", "28/07/2016"},
      {"C0811", 2016, "DOON VALLEY DEPOSIT BANK", "DVDB0001127", "112701006620", "25/07/2016"},
      {"C0812", 2016, "DECCAN PLATEAU BANK", "DPBK0001552", "155201007734", "21/07/2016"},
      {"C0813", 2015, "PINK CITY DEPOSIT BANK", "PCDB0002741", "274100202047", "30/07/2015"},
      {"C0813", 2016, "PINK CITY DEPOSIT BANK", "PCDB0002741", "274100202047", "27/07/2016"},
      {"C0814", 2016, "MALAYA COAST BANK", "MCBK0000431", "04310100016301", "26/07/2016"},
      {"C0815", 2016, "NOYYAL RIVERSIDE BANK", "NRBK0002276", "227601008841", "28/07/2016"},
      {"C0816", 2016, "REWA TRUST BANK", "RTBK0003318", "331801004412", "29/07/2016"},
      {"C0818", 2016, "GATEWAY HARBOUR BANK", "GHBK0003321", "332101705573", "30/07/2016"},
      {"C0819", 2016, "GOLCONDA DEPOSIT BANK", "GDBK0000830", "083001003378", "25/07/2016"},
      {"C0820", 2016, "SUKHNA LAKE BANK", "SLBK0002217", "221701006185", "28/07/2016"},
      {"C0821", 2016, "KARAVALI SOUHARDA BANK", "KSBK0009921", "992101004417", "27/07/2016"},
      {"C0822", 2016, "DOABA GRAMIN BANK", "DGBK0002245", "224501005529", "29/07/2016"},
      {"C0823", 2016, "KONKAN URBAN CO-OP BANK", "KUCB0001189", "118901007736", "28/09/2016"},
      {"C0824", 2016, "TAPI MERCANTILE BANK", "TMBK0001452", "145201002294", "29/09/2016"},
      {"C0827", 2016, "MUTHA RIVERSIDE SAHAKARI BANK", "MRSB0005512", "551201003318", "28/07/2016"},
      {"C0828", 2016, "SOHNA ROAD GRAMIN BANK", "SRGB0001184", "118401008841", "29/07/2016"},
  };
  for (const auto& f : filings) addDemoFiling(conn, f);
  // The architect's fees of Rs. 38,50,000 pass the Rs. 25,00,000 of
  // s.44AB(b): his books are kept and audited, and his return falls due on
  // the audit date.
  markAccountsAudited(conn, "C0823", 2016);
  // The firm is audited (its turnover passes the Rs. 1 crore of s.44AB(a))
  // and verified by its partner; the company keeps books and is audited
  // under the Companies Act and s.44AB, and is verified by a director.
  const DemoEntityFiling entities[] = {
      {{"C0825", 2016, "TAPI MERCANTILE BANK", "TMBK0001452", "145205001187", "27/09/2016"}, "CURRENT",
       "HARSHAD PAREKH", "JAYANTILAL PAREKH", "AFRPP2294H"},
      {{"C0826", 2016, "NARMADA VALLEY BANK", "NVBK0002278", "227805000931", "28/09/2016"}, "CURRENT",
       "SUDHIR VASANT GOKHALE", "VASANT GOKHALE", "AHNPG4471Q"},
  };
  for (const auto& e : entities) addDemoEntityFiling(conn, e);
}

}  // namespace meridian::suite::heads

// The printed computation of demo client years compared line by line with
// the expected text kept beside the tests. After a deliberate change of the
// printout, regenerate with MERIDIAN_REGENERATE_GOLDEN=1 and review every
// changed line before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <tuple>

#include "common/years.h"
#include "db/rows.h"
#include "suite/computation/printout_document.h"
#include "suite/computation/printout_source.h"
#include "suite/engine/compute_year.h"
#include "suite/engine/year_input_json.h"
#include "suite/heads/demo_heads.h"
#include "suite/returns/register_entry.h"
#include "suite/report/text_renderer.h"
#include "suite/report/utf8_text.h"
#include "demo_heads_test.h"
#include "support/db_fixture.h"
#include "support/golden_file.h"

namespace meridian::suite::computation {
namespace {

namespace fs = std::filesystem;

fs::path goldenPath(const std::string& name) {
  return fs::path(MERIDIAN_TEST_DATA_DIR) / "computation" / (name + ".txt");
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Compares with the golden file, naming the first line that differs; with
// MERIDIAN_REGENERATE_GOLDEN=1 writes the file instead.
void expectGolden(const std::string& name, const std::string& text) {
  testsupport::expectGoldenFile(goldenPath(name), text);
}

PrintoutOptions optionsOf(const std::map<std::string, std::string>& settings) {
  return PrintoutOptions::read([&](const std::string& key) {
    auto it = settings.find(key);
    return it == settings.end() ? std::string() : it->second;
  });
}

struct GoldenCase {
  const char* name;
  const char* client;
  PrintMode mode;
  std::map<std::string, std::string> settings;
  bool practiceDetails = false;  // bill particulars, a bank account, signer and declaration
  bool filingHistory = false;    // this year's and last year's returns filed, two bank accounts
  bool storedCredit = false;     // MAT credit of earlier years in the credit table
  bool grouped = false;          // the client in a group of clients
  bool interestToDate = false;   // interest computed up to 30/11/2015 ("Upto Input date")
  const char* yearOptions = "";  // new_tab.opts; "" a year never saved: the boxes' defaults
};

class ComputationGolden : public DemoHeadsTest {
 protected:
  void SetUp() override {
    DemoHeadsTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    documents_ = testsupport::scratchDir("declaration");
  }
  void TearDown() override {
    if (!documents_.empty()) fs::remove_all(documents_);
  }

  void addPracticeDetails(const std::string& client) {
    db::insertRow(conn(), "bill_othclient",
                  {{"srno", 1}, {"name", "SHARMA AND ASSOCIATES"}, {"address", "12, MG ROAD"}, {"area", "CAMP"},
                   {"city", "PUNE"}, {"pincode", "411001"}, {"pnoo1", "020-2345678"}, {"pnor1", "020-2765432"},
                   {"mobno", "9822001122"}});
    db::deleteWhere(conn(), "bank_details", {{"code_no", client}, {"yr", 2016}});
    db::insertRow(conn(), "bank_details",
                  {{"code_no", client}, {"yr", 2016}, {"srno", 2}, {"banknm", "DAKSHIN SETU BANK"},
                   {"bankadd", "JP NAGAR, BENGALURU"}, {"bankbrcode", "DSEB0001234"}, {"acno", "30012345678"},
                   {"actyp", "SAVINGS"}});
    YearSettings s = loadYearSettings(conn(), {client, 2016});
    s.signer = {"", false, "RAMESH KUMAR IYER", "KRISHNAN IYER", "SELF", "Son of", true, "AGHPI4521K", "BENGALURU"};
    saveYearSettings(conn(), {client, 2016}, s);
    std::ofstream(fs::path(documents_) / "Dec277A")
        << "I, $#$Name$#$, $#$Son/Daughter$#$ of $#$Father Name$#$, holding PAN $#$PAN$#$, declare as\n"
           "$#$Capacity$#$ that the particulars for A.Y. $#$A.Y.$#$ are true (section 277A).\n";
  }

  // Both years' returns in the register and the pending list, last year's
  // computed summary, and the default account listed after another, so
  // that the default alone (CompOth0) is not simply the first.
  void addFilingHistory(const std::string& client) {
    for (const auto& [year, filed, ack] : {std::tuple{2015, "29/07/2015", "145002230290715"},
                                           std::tuple{2016, "28/07/2016", "267104550280716"}}) {
      returns::RegisterEntry e;
      e.codeNo = client;
      e.asYear = year;
      e.srNo = 1;
      e.ackDt = filed;
      e.ackNo = ack;
      returns::insertEntry(conn(), e);
      db::insertRow(conn(), "pending", {{"code_no", client}, {"name", ""}, {"assyear", assessmentYearText(year)},
                                        {"retdate", std::string(filed)}, {"srno", "1"}});
      db::upsertRow(conn(), "new_tab", {{"code_no", client}, {"ass_year", std::to_string(year)}},
                    {{"ward", "WARD 4(2)"}, {"range", "RANGE 4"}});
    }
    // Net tax 1,12,300 and interest 1,150 met by TDS of 98,450, advance tax
    // of 10,000 and self-assessment tax of 5,000: nothing left either way.
    db::insertRow(conn(), "adv_n", {{"code_no", client}, {"assyear", "2015"}, {"a9", 1085000}, {"a15", 112300},
                                    {"a16", 10000}, {"a17", 1150}, {"a18", 5000}});
    db::deleteWhere(conn(), "bank_details", {{"code_no", client}, {"yr", 2016}});
    db::insertRow(conn(), "bank_details",
                  {{"code_no", client}, {"yr", 2016}, {"srno", 2}, {"banknm", "DAKSHIN SETU BANK"},
                   {"bankadd", "JP NAGAR, BENGALURU"}, {"bankbrcode", "DSEB0004417"}, {"acno", "30012345678"},
                   {"actyp", "SAVINGS"}, {"defbank", "Y"}});
    db::insertRow(conn(), "bank_details",
                  {{"code_no", client}, {"yr", 2016}, {"srno", 1}, {"banknm", "KAVERI CO-OPERATIVE BANK"},
                   {"bankadd", "JAYANAGAR, BENGALURU"}, {"bankbrcode", "KCBL0000523"}, {"acno", "50100023456712"},
                   {"actyp", "CURRENT"}, {"defbank", "N"}});
  }
  // Credit of 40,000 typed in for A.Y. 2005-06 and of 60,000 for 2012-13
  // (1,60,000 over 1,00,000); the 25,000 used in 2014-15 came off the older
  // one, whose 15,000 lapses in 2016-17, past its tenth year. 2012-13's
  // 60,000 carries on with this year's own credit: 3,85,995.
  void addStoredCredit(const std::string& client) {
    for (const auto& [year, normal, mat, used] :
         {std::tuple{2005, 0, 40000, 0}, std::tuple{2012, 100000, 160000, 0}, std::tuple{2014, 300000, 200000, 25000}})
      db::insertRow(conn(), "taxcr115jbc1",
                    {{"code_no", client}, {"ass_year", year}, {"taxnormal", normal}, {"taxmatamt", mat},
                     {"creditutil", used}, {"marker", "B"}});
  }

  std::string documents_;
};

TEST_P(ComputationGolden, DemoClientYearsPrintAsExpected) {
  const std::map<std::string, std::string> footerAll = {
      {"FootNm", "1"},  {"FootNmT", "1"}, {"FootAdd", "1"}, {"FootOff", "1"}, {"FootRes", "1"}, {"FootMob", "1"},
      {"FootCd", "1"},  {"FootClNm", "1"}, {"FootAY", "1"},  {"FootPG", "1"},  {"CompOth0", "1"}, {"Dec277A", "1"}};
  auto headAndFirstPage = footerAll;
  headAndFirstPage["FootDH"] = "1";
  headAndFirstPage["FootFP"] = "1";
  headAndFirstPage["FootNmT"] = "0";
  const GoldenCase cases[] = {
      // A salaried person's house loss set off: the losses table marker.
      {"c0801_computation", "C0801", PrintMode::computation, {}},
      // Losses brought forward; captions in upper case with protected tokens.
      {"c0813_upper_case", "C0813", PrintMode::computation, {{"CompPrn", "1"}}},
      {"c0816_proper_case_borders", "C0816", PrintMode::computation, {{"CompPrn", "2"}, {"CompBorder", "1"}}},
      {"c0817_huf_lower_case", "C0817", PrintMode::computation, {{"CompPrn", "3"}}},
      // Practitioner's particulars in the footer, bank accounts, signer and declaration.
      {"c0801_practice_footer", "C0801", PrintMode::computation, footerAll, true},
      {"c0801_practice_header_first_page", "C0801", PrintMode::computation, headAndFirstPage, true},
      // The signer's name (CompOth10) and designation (CompOth9) under the
      // signature, each on its own; without either only the place and PAN.
      {"c0801_signer_name", "C0801", PrintMode::computation, {{"CompOth10", "1"}}, true},
      {"c0801_signer_designation", "C0801", PrintMode::computation, {{"CompOth9", "1"}}, true},
      // Nothing but the title and page number.
      {"c0818_no_footer", "C0818", PrintMode::computation,
       {{"FootNm", "0"}, {"FootCd", "0"}, {"FootClNm", "0"}, {"FootAY", "0"}, {"FootPG", "0"}}},
      {"c0806_estimate_instalments", "C0806", PrintMode::estimate, {}},
      {"c0802_estimate_senior", "C0802", PrintMode::estimate, {}},
      {"c0801_estimate_below_limit", "C0801", PrintMode::estimate, {}},
      // A company's instalments on its own schedule.
      {"c0826_company_estimate", "C0826", PrintMode::estimate, {}},
      // A partner: the statement of firms at the business head's marker.
      {"c0824_partner_statement", "C0824", PrintMode::computation, {}},
      // KVP, NSC and the items of exempt income each under its setting, and without them.
      {"c0811_kvp_nsc_items", "C0811", PrintMode::computation, {{"KVPDet", "1"}, {"NSCDet", "1"}, {"CompAnnex", "1"}}},
      {"c0805_exempt_items", "C0805", PrintMode::computation, {{"CompAnnex", "1"}}},
      {"c0811_no_schedules", "C0811", PrintMode::computation, {}},
      // Both years' filing particulars (CompOth2 to CompOth5) and every bank
      // account (CompOth1); the estimation adds last year's taxes.
      {"c0801_filing_particulars", "C0801", PrintMode::computation,
       {{"CompOth1", "1"}, {"CompOth2", "1"}, {"CompOth3", "1"}, {"CompOth4", "1"}, {"CompOth5", "1"}}, false, true},
      {"c0801_estimate_filing_particulars", "C0801", PrintMode::estimate,
       {{"CompOth0", "1"}, {"CompOth2", "1"}, {"CompOth3", "1"}, {"CompOth4", "0"}, {"CompOth5", "1"}}, false, true},
      // A company: its disallowances by section, the MAT credit it earns, the
      // tax deducted and advance tax paid.
      {"c0826_company_schedules", "C0826", PrintMode::computation,
       {{"CompAnnex", "1"}, {"TDSTCSDET", "1"}, {"TDSTCSDEDADD", "1"}}},
      // The same company with MAT credit of earlier years stored: carried on
      // with the credit the year earns.
      {"c0826_company_stored_credit", "C0826", PrintMode::computation, {}, false, false, true},
      // A house sold and its gain invested u/s 54: the capital-gains statement.
      {"c0827_capital_gains", "C0827", PrintMode::computation, {{"CapStmt", "1"}, {"TDSTCSDET", "1"}}},
      // Tax collected at source beside tax deducted.
      {"c0820_tds_tcs", "C0820", PrintMode::computation, {{"TDSTCSDET", "1"}}},
      // The group's code in the header; every account with the branch's
      // address in a column of its own.
      {"c0801_group_code_branch_apart", "C0801", PrintMode::computation,
       {{"GroupCode", "1"}, {"CompOth1", "1"}, {"CompBnkBrAddr", "1"}}, false, true, false, true},
      {"c0801_group_name", "C0801", PrintMode::computation, {{"GroupName", "1"}}, false, false, false, true},
      // Interest computed to a date before the last instalments fall due.
      {"c0806_estimate_after_computation_date", "C0806", PrintMode::estimate, {}, false, false, false, false, true},
      // The year's boxes: the losses table on a page of its own, the line
      // naming the date interest runs to (typed, then the due date), the
      // due date of filing left out.
      {"c0801_losses_own_page", "C0801", PrintMode::computation, {}, false, false, false, false, false, "00000000101"},
      {"c0806_interest_upto_input_date", "C0806", PrintMode::computation, {}, false, false, false, false, true,
       "00000001111"},
      {"c0806_interest_upto_due_date", "C0806", PrintMode::computation, {}, false, false, false, false, false,
       "00000001111"},
      {"c0801_no_due_date_line", "C0801", PrintMode::computation, {}, false, false, false, false, false, "00000001100"},
      // The tax worked slab by slab (ShowSlab), beside c0801_computation without it.
      {"c0801_show_slab", "C0801", PrintMode::computation, {{"ShowSlab", "1"}}},
      // s.234C worked instalment by instalment under the year's box.
      {"c0806_interest_working", "C0806", PrintMode::computation, {}, false, false, false, false, true,
       "00000011101"},
      // Gross total income shown before the house loss is set off against
      // the salary.
      {"c0801_gross_total_before_set_off", "C0801", PrintMode::computation, {{"GTOPT", "2"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // Each case's rows are rolled back at the end of the case, so no case
    // prints what an earlier one added (a ward, a signer, an account).
    auto caseRows = conn().begin();
    if (c.practiceDetails) addPracticeDetails(c.client);
    if (c.filingHistory) addFilingHistory(c.client);
    if (c.storedCredit) addStoredCredit(c.client);
    if (c.grouped) {
      db::insertRow(conn(), "grp_m", {{"code", "G07"}, {"nm", "IYER FAMILY"}});
      db::insertRow(conn(), "grp_trans", {{"code_no", "G07"}, {"c_code", c.client}});
    }
    if (c.interestToDate || *c.yearOptions) {
      YearSettings s = loadYearSettings(conn(), {c.client, 2016});
      if (c.interestToDate) {
        s.interest.uptoInputDate = true;
        s.interest.computationDate = "30/11/2015";
      }
      s.signer.options = c.yearOptions;
      saveYearSettings(conn(), {c.client, 2016}, s);
    }
    const auto data = loadPrintoutData(conn(), {c.client, c.client, 2016, c.practiceDetails ? documents_ : ""});
    expectGolden(c.name, report::renderText(*paginatedPrintout(data, optionsOf(c.settings), c.mode)));
  }
}

// A firm claiming a deduction u/s 80-IA pays alternate minimum tax on its
// adjusted total income: the AMT credit tables with the credit the year
// earns (tax on 50,00,000 at 18.5% and cess over the normal 6,18,000).
TEST_P(ComputationGolden, FirmPayingAlternateMinimumTaxPrintsItsCreditTables) {
  const auto input = engine::yearInputFromJson(nlohmann::json::parse(R"({
      "ay": "2016-17", "status": "Firm",
      "business": {"net_profit": 5000000},
      "deductions": {"80IA": 3000000},
      "taxes_paid": {"tds": 900000}
  })"));
  PrintoutData d;
  d.year = 2016;
  d.client = {"K0002", "GODAVARI POWER PROJECTS", "FIRM", "AAGFG4321M", "RESIDENT", "WARD 3(4)", "", "", "", "",
              "01/04/2008", false, "", "2-1-44, NALLAKUNTA, HYDERABAD, TELANGANA, 500044", ""};
  d.result = engine::computeYear(input);
  d.context = engine::resultContextOf(d.result, *engine::lawOf(2016));
  d.dueDate = *makeDate(17, 10, 2016);
  d.statements = loadStatements(conn(), {"K0002", "K0002", 2016, false}, d.result, input.taxCreditsBroughtForward);
  d.sheet = computationSheet(d.client, d.result, false);
  expectGolden("firm_amt_computation",
               report::renderText(*paginatedPrintout(d, optionsOf({}), PrintMode::computation)));
}

MERIDIAN_ON_BOTH_ENGINES(ComputationGolden);

// Every expected printout fits the 78 columns of the text page: a line
// longer than that would run past the paper's edge or wrap on a printer.
TEST(ComputationGoldenWidth, EveryGoldenLineFitsSeventyEightColumns) {
  int files = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(MERIDIAN_TEST_DATA_DIR) / "computation")) {
    if (entry.path().extension() != ".txt") continue;
    ++files;
    std::istringstream in(readFile(entry.path()));
    int n = 0;
    for (std::string line; std::getline(in, line);) {
      ++n;
      EXPECT_LE(report::columnCount(line), 78) << entry.path().filename() << " line " << n << ": " << line;
    }
  }
  EXPECT_GT(files, 0);
}

// Heads the demo years do not reach (business, capital gains, MAT and its
// credit, interest) from a company's year given as the compute command's JSON.
TEST(ComputationGoldenJson, CompanyWithBusinessGainsAndMatPrintsAsExpected) {
  const auto input = engine::yearInputFromJson(nlohmann::json::parse(R"({
      "ay": "2016-17", "status": "Company",
      "business": {"net_profit": 1200000, "speculation": -50000},
      "capital_gains": {"stcg_111a": 300000, "ltcg_indexed": 400000},
      "other_sources": {"other_interest": 80000, "other": -20000},
      "losses_brought_forward": [{"kind": "business", "ay": "2012-13", "amount": 150000},
                                 {"kind": "unabsorbed_depreciation", "ay": "2010-11", "amount": 90000}],
      "book_profit": 9000000,
      "tax_credit_brought_forward": [{"ay": "2012-13", "amount": 50000}],
      "taxes_paid": {"tds": 40000, "advance": [{"date": "15/12/2015", "amount": 100000}]}
  })"));
  PrintoutData d;
  d.year = 2016;
  d.client = {"K0001", "SUNRISE TEXTILES PRIVATE LIMITED", "PRIVATE LTD.", "AACCS1234K", "RESIDENT", "WARD 2(1)",
              "accounts@example.in", "", "", "", "01/04/2001", false, "PLOT 7, MIDC, PUNE, MAHARASHTRA, 411019", "",
              "TEXTILES"};
  d.result = engine::computeYear(input);
  d.context = engine::resultContextOf(d.result, *engine::lawOf(2016));
  d.dueDate = engine::defaultDueDate(input);
  d.originalDueDate = *makeDate(30, 9, 2016);
  d.dueDate = *makeDate(17, 10, 2016);
  d.dueDateReference = "Order F.No. 225/195/2016 of the Board";
  d.sheet = computationSheet(d.client, d.result, false);
  expectGolden("company_computation", report::renderText(*paginatedPrintout(d, optionsOf({}), PrintMode::computation)));
  // The company's flat rate and its gains at their special rates; interest
  // u/s 234B and 234C worked as charged.
  d.signer.options = "00000011101";
  expectGolden("company_computation_slabs_interest",
               report::renderText(*paginatedPrintout(d, optionsOf({{"ShowSlab", "1"}}), PrintMode::computation)));
  d.signer.options.clear();
  expectGolden("company_estimate", report::renderText(*paginatedPrintout(d, optionsOf({}), PrintMode::estimate)));
  // Incorporated in the year: the first instalment fell due before.
  d.client.birthOrIncorporation = "01/08/2015";
  expectGolden("company_estimate_incorporated_in_year",
               report::renderText(*paginatedPrintout(d, optionsOf({}), PrintMode::estimate)));
}

// A business loss of the year set off against interest income and
// unabsorbed depreciation brought forward: gross total income where each
// GTOPT choice shows it, the default and the law's own order alike.
TEST(ComputationGoldenJson, GrossTotalIncomeIsShownWhereTheSettingPutsIt) {
  const auto input = engine::yearInputFromJson(nlohmann::json::parse(R"({
      "ay": "2016-17", "status": "Company",
      "business": {"net_profit": -200000},
      "other_sources": {"other_interest": 800000},
      "losses_brought_forward": [{"kind": "unabsorbed_depreciation", "ay": "2011-12", "amount": 100000}]
  })"));
  PrintoutData d;
  d.year = 2016;
  d.client = {"K0003", "NARMADA TRADING PRIVATE LIMITED", "PRIVATE LTD.", "AADCN5678P", "RESIDENT", "WARD 1(1)",
              "", "", "", "", "01/04/2010", false, "", "", ""};
  d.result = engine::computeYear(input);
  d.context = engine::resultContextOf(d.result, *engine::lawOf(2016));
  d.dueDate = *makeDate(30, 9, 2016);
  d.sheet = computationSheet(d.client, d.result, false);
  for (const auto& [name, layout] : {std::pair{"gross_total_as_computed", "0"},
                                     std::pair{"gross_total_before_set_off", "2"},
                                     std::pair{"gross_total_after_brought_forward", "3"}}) {
    SCOPED_TRACE(name);
    expectGolden(name,
                 report::renderText(*paginatedPrintout(d, optionsOf({{"GTOPT", layout}}), PrintMode::computation)));
  }
  // "After Inter-head adj. & Losses B/f" is the law's gross total income: the default's lines.
  EXPECT_EQ(report::renderText(*paginatedPrintout(d, optionsOf({{"GTOPT", "1"}}), PrintMode::computation)),
            report::renderText(*paginatedPrintout(d, optionsOf({{"GTOPT", "0"}}), PrintMode::computation)));
}

// The due-date line: the law's or the masters' date as it is, or the date
// extended with the order that extended it.
TEST(ComputationDueDateLine, NamesTheExtensionAndItsAuthority) {
  struct Case {
    std::optional<CivilDate> original;
    const char* reference;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {std::nullopt, "", {"Due Date for filing of return is October 17, 2016"}},
      {*makeDate(17, 10, 2016), "Order 12/2016", {"Due Date for filing of return is October 17, 2016"}},
      {*makeDate(30, 9, 2016), "", {"Due Date was September 30, 2016. Extended Due Date is October 17, 2016"}},
      {*makeDate(30, 9, 2016), "Section 10 of the General Clauses Act",
       {"Due Date was September 30, 2016. Extended Due Date is October 17, 2016 As Per",
        "Section 10 of the General Clauses Act"}},
      {*makeDate(30, 9, 2016), "Order 12/2016",
       {"Due Date was September 30, 2016. Extended Due Date is October 17, 2016 Vide", "Order 12/2016"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reference);
    PrintoutData d;
    d.dueDate = *makeDate(17, 10, 2016);
    d.originalDueDate = c.original;
    d.dueDateReference = c.reference;
    EXPECT_EQ(dueDateLines(d), c.expected);
  }
}

}  // namespace
}  // namespace meridian::suite::computation

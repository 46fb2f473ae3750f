// A year stored through the head screens' tables computes to the same figures
// as the same year given to `meridian compute` as JSON, field for field; what
// the tables hold that the computation does not take is named, not dropped.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "suite/engine/compute_json.h"
#include "suite/engine/compute_year.h"
#include "suite/demo_practice.h"
#include "suite/engine/year_input_json.h"
#include "suite/heads/year_input_loader.h"
#include "support/cli_runner.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::suite::heads {
namespace {

using nlohmann::json;

class YearInputLoader : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  void run(const std::string& sql) { conn().execute(sql); }

  // Kavita Rao (I1) for A.Y. 2016-17: every head of this module, and the
  // things the computation leaves to later years of work.
  void seedYear(const std::string& code) {
    const std::string c = "'" + code + "', 2016";
    run("INSERT INTO income_salary (code_no, ass_year, empr_num, empr_name, empr_catg, salary, perquisites, proftax) "
        "VALUES (" + c + ", 1, 'ACME', 'OTH', 700000, 20000, 2500)");
    run("INSERT INTO tab_exempt (code_no, ass_year, empr_num, srno, allow_typ, received, exempt) VALUES (" + c +
        ", 1, 1, 'HRA', 120000, 60000)");
    run("INSERT INTO other_allow (code_no, ass_year, empr_num, srno, particulars, amount) VALUES (" + c +
        ", 1, 1, 'SPECIAL', 50000)");
    run("INSERT INTO income_house (code_no, ass_year, house_no, address, let_typ, share_pct, rent, muni_tax, interest, "
        "loan_dt) VALUES (" + c + ", 1, 'A', 'Y', 50, 360000, 12000, 100000, '2012-06-01'), (" + c +
        ", 2, 'B', 'N', 100, 0, 0, 250000, '1998-05-01')");
    run("INSERT INTO other_income (code_no, ass_year, srno, nature, amount) VALUES (" + c + ", 1, 'SB', 12000), (" + c +
        ", 2, 'INT', 40000), (" + c + ", 3, 'DIV', 5000), (" + c + ", 4, 'FP', 90000), (" + c + ", 5, 'OTH', 3000)");
    run("INSERT INTO rebate_nsc (code_no, ass_year, rebtyp, srno, purchasedt, amount, interest) VALUES (" + c +
        ", '1', 1, '2013-05-10', 50000, 4500)");
    run("INSERT INTO sprtothinc (code_no, tyear, srno, seccode, amount) VALUES (" + c + ", 1, '5BB', 20000)");
    run("INSERT INTO oth_inc (code_no, assyear, expenses, depreciation) VALUES (" + c + ", 1000, 500)");
    run("INSERT INTO losses (code_no, ass_year, srno, part, loss_ay, amount, intime) VALUES (" + c +
        ", 1, 0, 2013, 50000, 'Y'), (" + c + ", 2, 5, 2014, 20000, 'Y'), (" + c + ", 3, 1, 2015, 9000, 'N')");
    run("INSERT INTO deductionnew (code_no, ass_year, srno, section, claimed) VALUES (" + c + ", 1, '80C', 100000), (" +
        c + ", 2, '80C', 60000), (" + c + ", 3, '80D', 20000), (" + c + ", 4, '80D_parents', 25000), (" + c +
        ", 5, '80TTA', 10000)");
    run("INSERT INTO deduction (code_no, ass_year, senior_self, senior_parents, severe_disab) VALUES (" + c +
        ", 'N', 'Y', 'N')");
    run("INSERT INTO donee_master (name, catg) VALUES ('PM FUND', '100'), ('ELDERCARE', '50L')");
    run("INSERT INTO ded80g (code_no, ass_year, srno, doneecd, amount) SELECT '" + code +
        "', 2016, doneecd, doneecd, CASE WHEN catg = '100' THEN 5000 ELSE 8000 END FROM donee_master");
    run("INSERT INTO tds (code_no, asyear, srno, itemcd, tdsclaim) VALUES (" + c + ", 1, '192', 80000), (" + c +
        ", 2, '194A', 4000), (" + c + ", 3, '206C', 1000)");
    run("INSERT INTO adv_tax (code_no, ass_year, srno, `date`, amt) VALUES (" + c + ", 1, '2015-09-15', 10000), (" + c +
        ", 2, '2015-12-15', 15000)");
    run("INSERT INTO self_tax (code_no, ass_year, srno, `date`, amt) VALUES (" + c + ", 1, '2016-07-25', 5000)");
    run("INSERT INTO income_relief (code_no, ass_year, rel89, rel90, rel90a, rel91) VALUES (" + c +
        ", 2000, 1000, 500, 0)");
  }

  // The same year as the command's JSON.
  static json sameYearAsJson() {
    return json::parse(R"({
      "ay": "2016-17", "status": "Individual", "sex": "Female", "dob": "05/05/1985",
      "salary": [{"gross": 870000, "exempt_allowances": 60000, "perquisites": 20000, "professional_tax": 2500}],
      "house_property": [
        {"type": "let_out", "rent": 360000, "municipal_tax": 12000, "interest": 100000, "share_percent": 50},
        {"type": "self_occupied", "interest": 250000, "loan_before_1999": true}],
      "other_sources": {"savings_interest": 12000, "other_interest": 44500, "dividend_taxable": 5000,
                        "family_pension": 90000, "winnings": 20000, "other": 1500},
      "losses_brought_forward": [{"kind": "house_property", "ay": "2013-14", "amount": 50000},
                                 {"kind": "stcl", "ay": "2014-15", "amount": 20000}],
      "deductions": {"80C": 160000, "80D": 20000, "80D_parents": 25000, "80TTA": 10000, "parents_senior": true,
                     "80G": {"100": 5000, "50_limited": 8000}},
      "relief": {"89": 2000, "90": 1500},
      "taxes_paid": {"tds": 84000, "tcs": 1000,
                     "advance": [{"date": "15/09/2015", "amount": 10000}, {"date": "15/12/2015", "amount": 15000}],
                     "self_assessment": [{"date": "25/07/2016", "amount": 5000}]}
    })");
  }
};

TEST_P(YearInputLoader, AStoredYearComputesAsTheSameYearGivenAsJson) {
  seedYear("I1");
  const LoadedYear loaded = loadYearInput(conn(), {"I1", "I1", 2016});
  const auto fromTables = engine::resultJson(engine::computeYear(loaded.input));
  const auto fromJson = engine::resultJson(engine::computeYear(engine::yearInputFromJson(sameYearAsJson())));
  EXPECT_EQ(fromTables.dump(2), fromJson.dump(2));
  EXPECT_EQ(loaded.notes, std::vector<std::string>{
                              "The loss of A.Y. 2015-16 (part 1) is of a return not filed in time (s.80) and is left out."});
}

TEST_P(YearInputLoader, TheCommandComputesAStoredYearOrSaysWhyNot) {
  seedYear("I1");
  seedYear("I1^R-2");
  run("UPDATE income_salary SET salary = 800000 WHERE code_no = 'I1^R-2'");
  const std::string data = testsupport::scratchDir("compute");
  auto compute = [&](std::vector<std::string> args) {
    for (const auto& a : {"--json", "--data", data.c_str(), "--db", database().url().c_str()}) args.push_back(a);
    args.insert(args.begin(), "compute");
    return testsupport::runCli(args);
  };
  const auto stored = compute({"--client", "I1", "--ay", "2016-17"});
  ASSERT_EQ(stored.code, 0) << stored.err;
  EXPECT_EQ(json::parse(stored.out),
            json::parse(engine::resultJson(engine::computeYear(engine::yearInputFromJson(sameYearAsJson()))).dump()));
  EXPECT_NE(stored.err.find("is of a return not filed in time"), std::string::npos);

  const auto revised = compute({"--client", "I1", "--ay", "2016-17", "--dataset", "I1^R-2"});
  ASSERT_EQ(revised.code, 0) << revised.err;
  EXPECT_NE(json::parse(revised.out), json::parse(stored.out)) << "the revised return's own figures";

  struct Refused {
    std::vector<std::string> args;
    int code;
    const char* says;
  } refusals[] = {
      {{"--client", "NOBODY", "--ay", "2016-17"}, 2, "no client \"NOBODY\""},
      {{"--client", "I1"}, 2, "compute needs --client and --ay together"},
      {{"--client", "I1", "--ay", "2016-18"}, 1, "--ay must be an assessment year"},
      {{"--client", "I1", "--ay", "2012-13"}, 2, "2012-13"},
  };
  for (const auto& r : refusals) {
    const auto out = compute(r.args);
    EXPECT_EQ(out.code, r.code) << out.err;
    EXPECT_NE(out.err.find(r.says), std::string::npos) << out.err;
  }
  std::filesystem::remove_all(data);
}

TEST_P(YearInputLoader, WhatTheComputationDoesNotTakeIsNamed) {
  run("INSERT INTO income_house (code_no, ass_year, house_no, let_typ, rent, arrears) VALUES ('I1', 2016, 1, 'Y', "
      "120000, 30000)");
  // Race horses are carried four years (s.74A(3)): 2011-12 has lapsed by
  // 2016-17, 2014-15 has not.
  run("INSERT INTO losses (code_no, ass_year, srno, part, loss_ay, amount, intime) VALUES ('I1', 2016, 1, 7, 2011, "
      "5000, 'Y'), ('I1', 2016, 2, 1, 2007, 7000, 'Y'), ('I1', 2016, 3, 0, 2015, 3000, 'N'), "
      "('I1', 2016, 4, 7, 2014, 6000, 'Y'), ('I1', 2016, 5, 4, 2014, 8000, 'Y')");
  const LoadedYear loaded = loadYearInput(conn(), {"I1", "I1", 2016});
  EXPECT_EQ(loaded.notes, (std::vector<std::string>{
                              "Arrears of rent u/s 25B of house 1 are not computed yet.",
                              "The loss of A.Y. 2011-12 (part 7) has lapsed (s.74A(3)) and is left out.",
                              "The loss of A.Y. 2007-08 (part 1) has lapsed (s.72(3)) and is left out.",
                              "The loss of A.Y. 2014-15 (part 4) is of a head the computation does not set off yet."}));
  ASSERT_EQ(loaded.input.lossesBroughtForward.size(), 2u) << "a house-property loss survives a late return";
  EXPECT_EQ(loaded.input.lossesBroughtForward[0].amount, Money::rupees(3000));
  EXPECT_EQ(loaded.input.lossesBroughtForward[1].kind, engine::LossKind::raceHorses);
  EXPECT_EQ(loaded.input.lossesBroughtForward[1].amount, Money::rupees(6000));
}

// The shares of AOPs are read in the screen's order with their charge; one
// whose charge is not stated is named and left out, not taken as taxed.
TEST_P(YearInputLoader, SharesAsMemberOfAnAopCarryHowTheAopIsTaxed) {
  run("INSERT INTO memsharedet (code_no, t_year, srno, aop_name, share_inc, tax_basis) VALUES "
      "('I1', 2016, 2, 'SECOND', 60000, 'N'), ('I1', 2016, 1, 'FIRST', 240000, 'M'), "
      "('I1', 2016, 3, 'THIRD', 15000, ''), ('I1', 2016, 4, 'FOURTH', 7000, 'X'), ('I1', 2015, 1, 'OLD', 1, 'X')");
  const LoadedYear loaded = loadYearInput(conn(), {"I1", "I1", 2016});
  ASSERT_EQ(loaded.input.memberShares.size(), 3u);
  EXPECT_EQ(loaded.input.memberShares[0].share, Money::rupees(240000));
  EXPECT_EQ(loaded.input.memberShares[0].taxed, engine::AopTaxed::maximumMarginalRate);
  EXPECT_EQ(loaded.input.memberShares[1].taxed, engine::AopTaxed::normalRates);
  EXPECT_EQ(loaded.input.memberShares[2].taxed, engine::AopTaxed::notChargeable);
  EXPECT_NE(std::find(loaded.notes.begin(), loaded.notes.end(),
                      "The share of income from AOP/BOI 3 (THIRD) is not computed: how the AOP/BOI is taxed is not "
                      "stated."),
            loaded.notes.end());
}

TEST_P(YearInputLoader, ThePersonComesFromTheMasterAndTheYearsParticulars) {
  struct Case {
    const char* code;
    engine::Status status;
    engine::Residence residence;
  } cases[] = {
      {"F1", engine::Status::firm, engine::Residence::resident},
      {"C1", engine::Status::company, engine::Residence::resident},
      {"I1", engine::Status::individual, engine::Residence::nonResident},
  };
  run("INSERT INTO new_tab (code_no, ass_year, nation) VALUES ('I1', '2016', 'NON RESIDENT')");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const auto in = loadYearInput(conn(), {c.code, c.code, 2016}).input;
    EXPECT_EQ(in.status, c.status);
    EXPECT_EQ(in.residence, c.residence);
  }
  const auto kavita = loadYearInput(conn(), {"I1", "I1", 2016}).input;
  EXPECT_EQ(kavita.sex, engine::Sex::female);
  EXPECT_EQ(kavita.dob, parseDmy("05/05/1985"));
  run("UPDATE main_info1 SET status = 'LOCAL AUTHORITY' WHERE code_no = 'F10'");
  EXPECT_THROW(loadYearInput(conn(), {"F10", "F10", 2016}), CannotLoadYear);
}

// The demo's entered years are whole: every client's year loads with nothing
// left out and computes.
TEST_P(YearInputLoader, TheDemoYearsLoadWholeAndCompute) {
  const std::string dir = testsupport::scratchDir("demo");
  conn().execute("DELETE FROM owner1");
  conn().execute("DELETE FROM main_info1");
  conn().execute("DELETE FROM tempcltbl");
  suite::seedDemoPractice(conn(), suite::DataFolder::open(dir), {.clients = 3});
  int computed = 0;
  for (int n = 801; n <= 820; ++n) {
    const std::string code = "C0" + std::to_string(n);
    SCOPED_TRACE(code);
    const auto loaded = loadYearInput(conn(), {code, code, 2016});
    EXPECT_EQ(loaded.notes, LoadNotes{});
    EXPECT_NO_THROW(engine::computeYear(loaded.input));
    ++computed;
  }
  EXPECT_EQ(computed, 20);
  // The bulk clients (C0001 on) have small earlier years of their own.
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM income_salary WHERE ass_year = 2015 AND code_no >= 'C0801'"), "2")
      << "a year before for the carry-forward";
  std::filesystem::remove_all(dir);
}

MERIDIAN_ON_BOTH_ENGINES(YearInputLoader);

}  // namespace
}  // namespace meridian::suite::heads

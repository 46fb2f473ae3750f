// The carry-forward of the business, presumptive, firm, specified-business
// and agriculture heads, as the shipped list describes them: last year's rows
// copied into the new year compute to last year's figures when carried with
// their figures, and keep only the particulars (names, vehicles, months,
// shares) when carried without.
#include <gtest/gtest.h>

#include "suite/dataset/carry_forward_list.h"
#include "suite/dataset/head_copy.h"
#include "suite/engine/compute_year.h"
#include "suite/heads/demo_year.h"
#include "suite/heads/year_input_loader.h"
#include "support/db_fixture.h"

namespace meridian::suite::heads {
namespace {

const char* kHeads[] = {"business", "presumptive", "firm", "specified_business", "agriculture"};

class BusinessCarryForward : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    addDemoPerson(conn(), {"B1", "ANAND", "", "RAO", "MOHAN", "MALE", "01/01/1970", "ABCPR1234K",
                           {"1", "MG ROAD", "FORT", "MUMBAI", "MAHARASHTRA", 400001}});
    DemoYear(conn(), "B1", 2015)
        .business("RAO STORES", "B", 5000000, 0, 0)
        .presumptive("0", 5000000, 0)
        .business("RAO AGENCIES", "B", 900000, 0, 150000)
        .disallowed("43B", "BONUS NOT PAID", 10000)
        .goodsCarriage("MH-01-AB-1234", true, 16, 12, 6000)
        .goodsCarriage("MH-01-CD-5678", false, 0, 8)
        .firm("RAO AND SONS", "AABFR1234C", "25.00", 500000, 80000, 120000, 60000, false);
    for (const char* sql :
         {"INSERT INTO comms (code_no, assyear, srno, payer, amount, expenses) VALUES ('B1', 2015, 1, 'AN INSURER', "
          "40000, 4000)",
          "INSERT INTO business_35ad (code_no, ass_year, srno, name, profit, cap_exp) VALUES ('B1', 2015, 1, "
          "'WAREHOUSE', 300000, 100000)",
          "INSERT INTO agri (code_no, ass_year, gross, expenses) VALUES ('B1', 2015, 90000, 20000)",
          "INSERT INTO clubinc (code_no, ass_year, srno, name, section, income) VALUES ('B1', 2015, 1, 'SPOUSE', "
          "'64(1)(iv)', 30000)",
          "INSERT INTO income (code_no, ass_year, status) VALUES ('B1', 2016, 0)"})
      conn().execute(sql);
  }

  engine::YearInput yearOf(int year) { return loadYearInput(conn(), {"B1", "B1", year}).input; }

  void carryEveryHead(bool withFigures) {
    for (const char* key : kHeads) {
      SCOPED_TRACE(key);
      const dataset::CarriedHead* head = dataset::carriedHead(key);
      ASSERT_NE(head, nullptr);
      dataset::HeadCopy(conn(), *head).carry("B1", "B1", 2016, withFigures);
    }
  }
};

TEST_P(BusinessCarryForward, WithFiguresTheNewYearComputesAsTheLastWithoutOnlyTheParticularsStay) {
  const engine::YearInput last = yearOf(2015);
  ASSERT_EQ(last.business.presumptive44ae.size(), 2u);
  struct Case {
    bool withFigures;
    Money netProfit, turnover44ad, declared44ad, firmExempt, firmRemuneration, agricultural, clubbed;
    Money firstVehicleDeclared, specified;
  } cases[] = {
      // 1,50,000 + 10,000 + commission 36,000; 35AD 2,00,000 apart; 8 % of
      // 50,00,000; the first truck at 6,000 a month for 12 months.
      {true, Money::rupees(196000), Money::rupees(5000000), Money::rupees(400000), Money::rupees(80000),
       Money::rupees(180000), Money::rupees(70000), Money::rupees(30000), Money::rupees(72000),
       Money::rupees(200000)},
      {false, Money(), Money(), Money(), Money(), Money(), Money(), Money(), Money(), Money()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.withFigures ? "with figures" : "particulars only");
    for (const char* table : {"income_business", "business_disallowed", "business_44adaf", "business_44ae",
                              "business_firm", "business_35ad", "agri", "clubinc"})
      conn().execute(std::string("DELETE FROM ") + table + " WHERE ass_year = 2016");
    conn().execute("DELETE FROM comms WHERE assyear = 2016");
    carryEveryHead(c.withFigures);

    const engine::YearInput next = yearOf(2016);
    EXPECT_EQ(next.business.netProfit, c.netProfit);
    EXPECT_EQ(next.business.specifiedBusiness, c.specified);
    EXPECT_EQ(next.business.presumptive44ad.turnover, c.turnover44ad);
    EXPECT_EQ(next.business.presumptive44ad.declared, c.declared44ad);
    EXPECT_EQ(next.business.firmShareExempt, c.firmExempt);
    EXPECT_EQ(next.business.firmRemuneration, c.firmRemuneration);
    EXPECT_EQ(next.agricultural, c.agricultural);
    ASSERT_EQ(next.clubbed.size(), 1u);
    EXPECT_EQ(next.clubbed[0].amount, c.clubbed);
    ASSERT_EQ(next.business.presumptive44ae.size(), 2u) << "the vehicles are particulars";
    EXPECT_EQ(next.business.presumptive44ae[0].declared, c.firstVehicleDeclared);
    EXPECT_EQ(next.business.presumptive44ae[1].months, 8);
    EXPECT_TRUE(next.business.presumptive44ae[0].heavy);
    EXPECT_EQ(conn().scalar("SELECT no_of_business FROM income WHERE code_no = 'B1' AND ass_year = 2016"), "2");
    EXPECT_EQ(conn().scalar("SELECT firm_pan FROM business_firm WHERE code_no = 'B1' AND ass_year = 2016"),
              "AABFR1234C");
    if (c.withFigures) {
      EXPECT_EQ(engine::computeYear(next).totalIncome, engine::computeYear(last).totalIncome);
    }
  }
}

MERIDIAN_ON_BOTH_ENGINES(BusinessCarryForward);

}  // namespace
}  // namespace meridian::suite::heads

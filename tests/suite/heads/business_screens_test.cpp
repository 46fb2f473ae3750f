// The business screens on both engines: a year entered row by row is saved
// in one go and shown again as entered, the count of businesses follows, and
// a refused save writes nothing and says why.
#include <gtest/gtest.h>

#include "suite/heads/business_form.h"
#include "suite/heads/firm_income_form.h"
#include "suite/heads/head_screen_fixture.h"
#include "suite/heads/presumptive_form.h"
#include "suite/heads/specified_business_form.h"

namespace meridian::suite::heads {
namespace {

using B = BusinessForm;

const std::vector<std::string> kBusinessTables = {"income_business", "business_disallowed", "business_44adaf", "comms",
                                                  "income", "business_plitems"};

class BusinessScreens : public ScreenEventsTest {
 protected:
  // A trader on s.44AD and a consultant keeping books, with commission besides.
  std::shared_ptr<B> enterTwoBusinesses(const std::string& client, int year) {
    auto form = openFor<B>("objbusiness", client, year);
    addRow(*form, B::businesses, "Bus", {{"Name of Business / Profession", "Rao General Stores"}, {"Nature", "b"}});
    addRow(*form, B::presumptive, "Pre",
           {{"Section", "44AD"}, {"Turnover / Gross Receipts", "4800000"},
            {"Of which by Cheque, Draft or Electronic Clearing", "1500000"}});
    addRow(*form, B::businesses, "Bus",
           {{"Name of Business / Profession", "Rao Tax Consultants"},
            {"Nature", "Profession"},
            {"Gross Receipts", "1200000"},
            {"Net Profit (Loss) as per P&L", "350000"},
            {"Speculation Profit (Loss)", "-12000"}});
    addRow(*form, B::disallowed, "Dis", {{"Section", "43B"}, {"Particulars", "Bonus unpaid"}, {"Amount", "20000"}});
    addRow(*form, B::commission, "Comm", {{"Paid by", "Nirbhay Life Assurance Society"}, {"Commission", "45000"},
                                          {"Expenses", "5000"}});
    return form;
  }
};

TEST_P(BusinessScreens, BusinessesWithTheirDetailsAreSavedAndShownAgain) {
  auto form = enterTwoBusinesses("I1", 2016);
  EXPECT_NE((*form)["lblTotals"].caption.find("Business and Profession : 7,94,000.00"), std::string::npos)
      << "3,84,000 presumed (8 % of 48 lakh) + 3,50,000 + 20,000 disallowed + 40,000 commission: "
      << (*form)["lblTotals"].caption;
  ASSERT_TRUE(form->save()) << lastMessage();

  EXPECT_EQ(scalar("SELECT COUNT(*) FROM income_business WHERE code_no = 'I1' AND ass_year = 2016"), "2");
  EXPECT_EQ(scalar("SELECT nature FROM income_business WHERE code_no = 'I1' AND business_no = 2"), "P");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM business_44adaf WHERE code_no = 'I1' AND bus_num = 1 AND part_num = 0 AND "
                   "tic <> 0.01 AND turnover = 4800000 AND turnover_dig = 1500000"),
            "1")
      << "the return-form choice finds the s.44AD business";
  EXPECT_EQ(scalar("SELECT section FROM business_disallowed WHERE code_no = 'I1' AND business_no = 2"), "43B");
  EXPECT_EQ(scalar("SELECT payer FROM comms WHERE code_no = 'I1' AND assyear = 2016"), "NIRBHAY LIFE ASSURANCE SOCIETY");
  EXPECT_EQ(scalar("SELECT no_of_business FROM income WHERE code_no = 'I1' AND ass_year = 2016"), "2");
  EXPECT_EQ(comp().clientCtx().vTotBusNos.get(), 2);

  click(*form, "cmdBack");
  form = openFor<B>("objbusiness", "I1", 2016);
  ASSERT_EQ(form->grid(B::businesses).rowCount(), 2);
  EXPECT_EQ(rowOf(*form, B::businesses, 1),
            (std::vector<std::string>{"RAO TAX CONSULTANTS", "Profession", "", "1200000.00", "350000.00",
                                      "-12000.00", "", ""}));
  EXPECT_EQ(rowOf(*form, B::presumptive, 0), (std::vector<std::string>{"44AD", "4800000.00", "1500000.00", ""}))
      << "the first business's figures are shown with it";
  selectRow(*form, B::businesses, 1);
  EXPECT_EQ(form->grid(B::presumptive).rowCount(), 0);
  EXPECT_EQ(rowOf(*form, B::disallowed, 0)[2], "20000.00");
  EXPECT_FALSE(form->changed()) << "moving between businesses changes nothing";
}

// Incomes of other heads credited come off the business's profit and
// expenses of exempt income debited go back on; each is kept under its
// business.
TEST_P(BusinessScreens, AccountItemsOfOtherHeadsComeOffTheirBusinessesProfit) {
  auto form = enterTwoBusinesses("I1", 2016);
  addRow(*form, B::plItems, "PL",
         {{"Item", "Income credited of the head Other Sources"}, {"Particulars", "Bank interest"}, {"Amount", "30000"}});
  addRow(*form, B::plItems, "PL", {{"Item", "Expenses debited relating to Exempt Income"}, {"Amount", "4000"}});
  EXPECT_NE((*form)["lblTotals"].caption.find("Business and Profession : 7,68,000.00"), std::string::npos)
      << "7,94,000 less the interest of 30,000, with the 4,000 added back: " << (*form)["lblTotals"].caption;
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM business_plitems WHERE code_no = 'I1' AND ass_year = 2016 AND business_no = 2"),
            "2");
  EXPECT_EQ(scalar("SELECT item FROM business_plitems WHERE code_no = 'I1' AND business_no = 2 AND srno = 1"), "IOS");

  click(*form, "cmdBack");
  form = openFor<B>("objbusiness", "I1", 2016);
  EXPECT_EQ(form->grid(B::plItems).rowCount(), 0) << "the first business has none";
  selectRow(*form, B::businesses, 1);
  EXPECT_EQ(rowOf(*form, B::plItems, 1), (std::vector<std::string>{"Expenses debited relating to Exempt Income", "",
                                                                   "4000.00"}));
}

TEST_P(BusinessScreens, DeletingABusinessTakesItsRowsAlong) {
  auto entered = enterTwoBusinesses("I1", 2016);
  ASSERT_TRUE(entered->save());
  click(*entered, "cmdBack");
  auto form = openFor<B>("objbusiness", "I1", 2016);
  selectRow(*form, B::businesses, 0);
  dialogs().answer(ui::Answer::yes);
  click(*form, "cmdDelBus");
  EXPECT_EQ(lastMessage(), "Do you want to delete the selected row?");
  ASSERT_TRUE(form->save());
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM business_44adaf WHERE code_no = 'I1'"), "0");
  EXPECT_EQ(scalar("SELECT bus_name FROM income_business WHERE code_no = 'I1' AND business_no = 1"),
            "RAO TAX CONSULTANTS")
      << "the rows left are numbered afresh";
  EXPECT_EQ(scalar("SELECT business_no FROM business_disallowed WHERE code_no = 'I1'"), "1");
  EXPECT_EQ(scalar("SELECT no_of_business FROM income WHERE code_no = 'I1' AND ass_year = 2016"), "1");
}

TEST_P(BusinessScreens, ARefusedSaveWritesNothingAndSaysWhy) {
  auto entered = enterTwoBusinesses("I1", 2016);
  ASSERT_TRUE(entered->save());
  click(*entered, "cmdBack");
  const struct {
    const char* name;
    std::string client;
    int year;
    std::function<void(ScreenEventsTest&, B&)> change;
    std::string message;
    std::string grid;
  } cases[] = {
      {"s.44ADA before A.Y. 2017-18", "I1", 2016,
       [](ScreenEventsTest& t, B& f) { t.type(f, B::presumptive, 0, "Section", "44ADA"); },
       "Section 44ADA is not in force for A.Y. 2016-17.", B::presumptive},
      {"net profit of a presumptive business", "I1", 2016,
       [](ScreenEventsTest& t, B& f) { t.type(f, B::businesses, 0, "Net Profit (Loss) as per P&L", "10000"); },
       "The income of a business under s.44AD or s.44ADA is the presumptive income: its net profit and speculation "
       "profit are left blank.",
       B::businesses},
      {"two lines of presumptive income", "I1", 2016,
       [](ScreenEventsTest& t, B& f) { t.addRow(f, B::presumptive, "Pre", {{"Section", "44AD"}}); },
       "A business has one line of presumptive income.", B::presumptive},
      {"turnover above the limit", "I1", 2016,
       [](ScreenEventsTest& t, B& f) { t.type(f, B::presumptive, 0, "Turnover / Gross Receipts", "10000001"); },
       "Turnover of Rs. 1,00,00,001 exceeds the limit of Rs. 1,00,00,000 of s.44AD.", B::presumptive},
      {"depreciation debited by a presumptive business", "I1", 2016,
       [](ScreenEventsTest& t, B& f) { t.type(f, B::businesses, 0, "Depreciation debited to P&L", "5000"); },
       "Depreciation of a business under s.44AD or s.44ADA is deemed allowed in its presumptive income: leave "
       "'Depreciation debited to P&L' blank.",
       B::businesses},
      {"a required cell left blank", "I1", 2016,
       [](ScreenEventsTest& t, B& f) { t.type(f, B::businesses, 1, "Name of Business / Profession", ""); },
       "Please specify 'Name of Business / Profession'.", B::businesses},
      {"partners' interest debited by a person", "I1", 2016,
       [](ScreenEventsTest& t, B& f) {
         t.selectRow(f, B::businesses, 1);
         t.addRow(f, B::plItems, "PL", {{"Item", "Partners' Interest debited"}, {"Amount", "1000"}});
       },
       "Only a firm debits salary, bonus, commission or interest to its partners.", B::plItems},
      {"an expense of exempt income added back twice", "I1", 2016,
       [](ScreenEventsTest& t, B& f) {
         t.selectRow(f, B::businesses, 1);
         t.addRow(f, B::plItems, "PL", {{"Item", "Expenses debited relating to Exempt Income"}, {"Amount", "4000"}});
         t.type(f, B::disallowed, 0, "Section", "14A");
       },
       "Expenses relating to exempt income are added back once: as an item of the P&L or as an amount not allowed "
       "u/s 14A, not both.",
       B::disallowed},
      {"an account item of a presumptive business", "I1", 2016,
       [](ScreenEventsTest& t, B& f) {
         t.addRow(f, B::plItems, "PL", {{"Item", "Income credited of the head Other Sources"}, {"Amount", "500"}});
       },
       "The profit and loss account of a business under s.44AD or s.44ADA is set aside: nothing of it is taken off a "
       "presumptive income.",
       B::plItems},
      {"a company under s.44AD", "C1", 2016,
       [](ScreenEventsTest& t, B& f) {
         t.addRow(f, B::businesses, "Bus", {{"Name of Business / Profession", "Weaving"}, {"Nature", "Business"}});
         t.addRow(f, B::presumptive, "Pre", {{"Section", "44AD"}, {"Turnover / Gross Receipts", "100"}});
       },
       "Presumptive income u/s 44AD is for a resident individual, HUF or partnership firm (not a limited liability "
       "partnership).",
       B::presumptive},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto form = openFor<B>("objbusiness", c.client, c.year);
    c.change(*this, *form);
    const auto before = dumpOf(kBusinessTables);
    dialogs().clear();
    EXPECT_FALSE(form->save());
    EXPECT_EQ(lastMessage(), c.message);
    EXPECT_EQ((*form).focus, c.grid);
    EXPECT_EQ(dumpOf(kBusinessTables), before);
    dialogs().answer(ui::Answer::no);  // leave without saving
    click(*form, "cmdBack");
  }
}

TEST_P(BusinessScreens, GoodsCarriagesAreOneVehicleARowOutsideAnyBusiness) {
  auto form = openFor<PresumptiveForm>("Objad44", "I1", 2017);
  const auto columns = [](std::string reg, std::string kind, std::string tons) {
    return std::vector<std::pair<std::string, std::string>>{
        {"Registration No.", reg}, {"Vehicle", kind}, {"Weight (tons)", tons}, {"Months Owned", "12"}};
  };
  addRow(*form, PresumptiveForm::vehicles, "Veh", columns("MH12AB1234", "Heavy", ""));
  addRow(*form, PresumptiveForm::vehicles, "Veh", columns("MH12CD5678", "o", ""));
  type(*form, PresumptiveForm::vehicles, 0, "Weight (tons)", "16");
  EXPECT_NE((*form)["lblTotals"].caption.find("Income u/s 44AE : 1,80,000.00"), std::string::npos)
      << "7,500 x 12 for each vehicle, heavy or not, in A.Y. 2017-18: " << (*form)["lblTotals"].caption;
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM business_44ae WHERE code_no = 'I1' AND ass_year = 2017 AND bus_num = 0 AND "
                   "no_vehicle = 1 AND no_month > 0 AND incpermnth = 'Y'"),
            "2")
      << "the rows the ITR-4S vehicle schedule lists";
  EXPECT_EQ(scalar("SELECT heavy FROM business_44ae WHERE code_no = 'I1' AND part_no = 2"), "0");
}

TEST_P(BusinessScreens, FirmsOfAPartner) {
  auto form = openFor<FirmIncomeForm>("Objfirm", "P1", 2016);
  addRow(*form, FirmIncomeForm::firms, "Firm",
         {{"Name of Firm", "Shah and Sons"}, {"PAN of Firm", "aaafs1234k"}, {"Profit Share (%)", "150"},
          {"Share of Profit (exempt u/s 10(2A))", "240000"}, {"Salary, Bonus", "180000"},
          {"Interest on Capital", "36000"}, {"Accounts Audited", "Y"}, {"Report u/s 92E", "n"}});
  EXPECT_FALSE(form->save());
  EXPECT_EQ(lastMessage(), "A partner's share of profit can not exceed 100%.");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM business_firm"), "0");
  type(*form, FirmIncomeForm::firms, 0, "Profit Share (%)", "50");
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT audapp FROM business_firm WHERE code_no = 'P1' AND ass_year = 2016 AND firm_no = 1"), "Y");
  EXPECT_EQ(scalar("SELECT app92e FROM business_firm WHERE code_no = 'P1'"), "N");
  EXPECT_EQ(scalar("SELECT firm_pan FROM business_firm WHERE code_no = 'P1'"), "AAAFS1234K");
  EXPECT_NE((*form)["lblTotals"].caption.find("Salary, Interest and Commission (taxable) : 2,16,000.00"),
            std::string::npos);

  type(*form, FirmIncomeForm::firms, 0, "PAN of Firm", "AAAF1234K");
  EXPECT_EQ(lastMessage(), "Invalid PAN !") << "a PAN is checked as it is left";
}

TEST_P(BusinessScreens, SpecifiedBusinessBeganByTheYearsEnd) {
  auto form = openFor<SpecifiedBusinessForm>("Obj35AD", "C1", 2016);
  addRow(*form, SpecifiedBusinessForm::specified, "Spec",
         {{"Specified Business", "Cold chain facility"}, {"Operations Began on", "01/04/2016"},
          {"Profit (Loss) before s.35AD", "900000"}, {"Capital Expenditure u/s 35AD", "2500000"}});
  EXPECT_FALSE(form->save());
  EXPECT_EQ(lastMessage(), "A specified business must have begun operations by 31/03/2016.");
  type(*form, SpecifiedBusinessForm::specified, 0, "Operations Began on", "15/05/2015");
  EXPECT_NE((*form)["lblTotals"].caption.find("a loss: set off only against specified businesses"), std::string::npos);
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM business_35ad WHERE code_no = 'C1' AND ass_year = 2016 AND srno = 1"), "1");
}

MERIDIAN_ON_BOTH_ENGINES(BusinessScreens);

}  // namespace
}  // namespace meridian::suite::heads

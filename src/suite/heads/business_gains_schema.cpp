// Every table is keyed by the data set (code_no), the year column the
// data-set copy lists for it and a serial number in the order the screen
// shows the rows; rows that belong to another row carry that row's number
// (business_no, bus_num, cap_srno). Amounts are DECIMAL(15,2), dates DATE.
#include "suite/heads/business_gains_schema.h"

namespace meridian::suite::heads {

std::vector<db::Migration> businessAndGainsMigrations() {
  return {
      {650, "business or profession: businesses, disallowances, presumptive figures, commission",
       {
           // nature: B business, P profession. Losses are negative.
           "CREATE TABLE income_business (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "business_no INTEGER NOT NULL, bus_name VARCHAR(125) DEFAULT '', nature VARCHAR(1) DEFAULT 'B', "
           "turnover DECIMAL(15,2) DEFAULT 0, gross_rec DECIMAL(15,2) DEFAULT 0, net_profit DECIMAL(15,2) DEFAULT 0, "
           "spec_profit DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, business_no))",
           "CREATE TABLE business_disallowed (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "business_no INTEGER NOT NULL, srno INTEGER NOT NULL, section VARCHAR(16) DEFAULT '', "
           "particulars VARCHAR(255) DEFAULT '', amount DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, business_no, srno))",
           // part_num: 0 s.44AD, 1 s.44ADA. bus_num: the business the figures
           // belong to. tic: the income the client declares from it (0: the
           // presumptive figure).
           "CREATE TABLE business_44adaf (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "bus_num INTEGER NOT NULL, srno INTEGER NOT NULL, part_num INTEGER DEFAULT 0, "
           "turnover DECIMAL(15,2) DEFAULT 0, turnover_dig DECIMAL(15,2) DEFAULT 0, tic DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, bus_num, srno))",
           "CREATE TABLE comms (code_no VARCHAR(80) NOT NULL, assyear INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "payer VARCHAR(125) DEFAULT '', nature VARCHAR(255) DEFAULT '', amount DECIMAL(15,2) DEFAULT 0, "
           "expenses DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, assyear, srno))",
       }},
      {651, "goods carriages u/s 44AE",
       {
           // One row per vehicle (no_vehicle 1), numbered part_no, outside any
           // business of income_business (bus_num 0). heavy: 1 heavy goods
           // vehicle, 0 other. profit: income declared per month
           // (incpermnth 'Y'); 0 takes the presumptive figure.
           "CREATE TABLE business_44ae (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "bus_num INTEGER NOT NULL DEFAULT 0, part_no INTEGER NOT NULL, reg_no VARCHAR(20) DEFAULT '', "
           "heavy INTEGER DEFAULT 0, tons INTEGER DEFAULT 0, no_vehicle INTEGER DEFAULT 1, "
           "no_month INTEGER DEFAULT 12, incpermnth VARCHAR(1) DEFAULT 'Y', profit DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, bus_num, part_no))",
       }},
      {652, "firms in which the client is a partner",
       {
           // audapp, app92e: Y or N; blank until stated.
           "CREATE TABLE business_firm (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "firm_no INTEGER NOT NULL, firm_name VARCHAR(125) DEFAULT '', firm_pan VARCHAR(10) DEFAULT '', "
           "share_pct DECIMAL(6,2) DEFAULT 0, cap_bal DECIMAL(15,2) DEFAULT 0, share_profit DECIMAL(15,2) DEFAULT 0, "
           "salary DECIMAL(15,2) DEFAULT 0, interest DECIMAL(15,2) DEFAULT 0, commission DECIMAL(15,2) DEFAULT 0, "
           "audapp VARCHAR(1) DEFAULT '', app92e VARCHAR(1) DEFAULT '', PRIMARY KEY (code_no, ass_year, firm_no))",
       }},
      {653, "specified businesses u/s 35AD",
       {
           "CREATE TABLE business_35ad (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "name VARCHAR(255) DEFAULT '', comm_dt DATE, profit DECIMAL(15,2) DEFAULT 0, "
           "cap_exp DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, srno))",
       }},
      {654, "capital gains: transfers, improvements, exemptions",
       {
           // asset_kind: the codes of the capital-gains screen (RH residential
           // house, LB other land or building, EQ listed equity STT paid ...).
           "CREATE TABLE capital (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "asset_kind VARCHAR(4) DEFAULT '', descr VARCHAR(255) DEFAULT '', acq_dt DATE, trf_dt DATE, "
           "sale_val DECIMAL(15,2) DEFAULT 0, val50c DECIMAL(15,2) DEFAULT 0, exp_trf DECIMAL(15,2) DEFAULT 0, "
           "cost DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, srno))",
           "CREATE TABLE capital_improvement (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "cap_srno INTEGER NOT NULL, srno INTEGER NOT NULL, imp_dt DATE, amount DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, cap_srno, srno))",
           // section: 54, 54B, 54EC or 54F; invested: the cost of the new asset
           // or the sum deposited or invested for the section.
           "CREATE TABLE capital_exem (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "cap_srno INTEGER NOT NULL, srno INTEGER NOT NULL, section VARCHAR(8) DEFAULT '', new_dt DATE, "
           "invested DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, cap_srno, srno))",
       }},
      {655, "agricultural income, and income of others clubbed with the client's",
       {
           "CREATE TABLE agri (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "gross DECIMAL(15,2) DEFAULT 0, expenses DECIMAL(15,2) DEFAULT 0, bf_loss DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year))",
           // relation: S son, D daughter.
           "CREATE TABLE mininc (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "name VARCHAR(125) DEFAULT '', relation VARCHAR(1) DEFAULT '', nature VARCHAR(255) DEFAULT '', "
           "income DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, srno))",
           // section: the section of the Act that includes the income.
           "CREATE TABLE clubinc (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "name VARCHAR(125) DEFAULT '', pan VARCHAR(10) DEFAULT '', section VARCHAR(16) DEFAULT '', "
           "nature VARCHAR(255) DEFAULT '', income DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, srno))",
       }},
  };
}

namespace {
const db::MigrationRegistration registered{businessAndGainsMigrations};
}  // namespace

}  // namespace meridian::suite::heads

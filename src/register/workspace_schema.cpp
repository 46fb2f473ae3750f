#include "register/workspace_schema.h"

namespace meridian::reg {

std::vector<db::Migration> workspaceMigrations() {
  return {
      {250, "the year row of a data set, completed",
       {
           // The workspace inserts the year row with the values of the year
           // (selfy depends on the year); the column defaults only fill rows
           // written before these columns existed.
           "ALTER TABLE income ADD COLUMN emp_name VARCHAR(255) DEFAULT ''",
           "ALTER TABLE income ADD COLUMN no_of_empr INTEGER DEFAULT 0",
           "ALTER TABLE income ADD COLUMN no_of_house INTEGER DEFAULT 0",
           "ALTER TABLE income ADD COLUMN no_of_business INTEGER DEFAULT 0",
           "ALTER TABLE income ADD COLUMN no_of_capital INTEGER DEFAULT 0",
           "ALTER TABLE income ADD COLUMN a234 INTEGER DEFAULT 1",
           "ALTER TABLE income ADD COLUMN b234 INTEGER DEFAULT 1",
           "ALTER TABLE income ADD COLUMN c234 INTEGER DEFAULT 3",
           "ALTER TABLE income ADD COLUMN selfy INTEGER DEFAULT 2",
           "ALTER TABLE income ADD COLUMN selfy1 INTEGER DEFAULT 1",
           "ALTER TABLE income ADD COLUMN unabdepr VARCHAR(4) DEFAULT '1'",
           // Date of the computation: dd/mm/yyyy, or "todate" for the day it is printed.
           "ALTER TABLE income ADD COLUMN dt_tax_det VARCHAR(10) DEFAULT ''",
       }},
      {251, "bank accounts and credit cards by year",
       {
           "CREATE TABLE bank_details (code_no VARCHAR(80) NOT NULL, yr INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "banknm VARCHAR(255) DEFAULT '', bankadd VARCHAR(500) DEFAULT '', micr VARCHAR(16) DEFAULT '', "
           "actyp VARCHAR(32) DEFAULT '', acno VARCHAR(40) DEFAULT '', bankcode VARCHAR(16) DEFAULT '', "
           "bankbrcode VARCHAR(16) DEFAULT '', defbank VARCHAR(1) DEFAULT 'N', PRIMARY KEY (code_no, yr, srno))",
           "CREATE TABLE credit_details (code_no VARCHAR(80) NOT NULL, yr INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "cardnm VARCHAR(255) DEFAULT '', issuedby VARCHAR(255) DEFAULT '', cardno VARCHAR(32) DEFAULT '', "
           "defcc VARCHAR(1) DEFAULT 'N', PRIMARY KEY (code_no, yr, srno))",
       }},
      {252, "the default bank account and credit card of the client",
       {
           // The return reads the refund account from the client master and
           // the year's particulars; the workspace writes there the default
           // of the year's accounts and cards when the user leaves them.
           "ALTER TABLE owner1 ADD COLUMN banknm VARCHAR(255) DEFAULT ''",
           "ALTER TABLE owner1 ADD COLUMN micr VARCHAR(16) DEFAULT ''",
           "ALTER TABLE owner1 ADD COLUMN actyp VARCHAR(32) DEFAULT ''",
           "ALTER TABLE owner1 ADD COLUMN acno VARCHAR(40) DEFAULT ''",
           "ALTER TABLE owner1 ADD COLUMN bankcode VARCHAR(16) DEFAULT ''",
           "ALTER TABLE owner1 ADD COLUMN card_name VARCHAR(255) DEFAULT ''",
           "ALTER TABLE owner1 ADD COLUMN card_no VARCHAR(32) DEFAULT ''",
           "ALTER TABLE owner1 ADD COLUMN issuedby VARCHAR(255) DEFAULT ''",
           "ALTER TABLE main_info1 ADD COLUMN banknm VARCHAR(255) DEFAULT ''",
           "ALTER TABLE main_info1 ADD COLUMN micr VARCHAR(16) DEFAULT ''",
           "ALTER TABLE main_info1 ADD COLUMN actyp VARCHAR(32) DEFAULT ''",
           "ALTER TABLE main_info1 ADD COLUMN acno VARCHAR(40) DEFAULT ''",
           "ALTER TABLE main_info1 ADD COLUMN bankcode VARCHAR(16) DEFAULT ''",
           "ALTER TABLE main_info1 ADD COLUMN card_name VARCHAR(255) DEFAULT ''",
           "ALTER TABLE main_info1 ADD COLUMN card_no VARCHAR(32) DEFAULT ''",
           "ALTER TABLE main_info1 ADD COLUMN issuedby VARCHAR(255) DEFAULT ''",
       }},
      // The year's particulars (new_tab) are created by the client module's
      // migration 300, so the workspace's columns there take the last number
      // of that range, which runs after it.
      {319, "the default bank account and credit card of each year",
       {
           "ALTER TABLE new_tab ADD COLUMN banknm VARCHAR(255) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN micr VARCHAR(16) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN actyp VARCHAR(32) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN acno VARCHAR(40) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN bankcode VARCHAR(16) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN card_name VARCHAR(255) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN card_no VARCHAR(32) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN issuedby VARCHAR(255) DEFAULT ''",
       }},
  };
}

namespace {
const db::MigrationRegistration registered{workspaceMigrations};
}  // namespace

}  // namespace meridian::reg

#include "suite/host_schema.h"

namespace meridian::suite {

std::vector<db::Migration> hostMigrations() {
  return {
      {100, "users, rights, client passwords, settings",
       {
           "CREATE TABLE users (id {{ID}}, username VARCHAR(64) NOT NULL UNIQUE, pass_hash VARCHAR(255) NOT NULL, "
           "full_name VARCHAR(200) NOT NULL DEFAULT '', is_admin INTEGER NOT NULL DEFAULT 0, "
           "must_change INTEGER NOT NULL DEFAULT 0, created_at VARCHAR(20) NOT NULL DEFAULT '')",
           "CREATE TABLE user_rights (user_id BIGINT NOT NULL, right_no INTEGER NOT NULL, PRIMARY KEY (user_id, right_no))",
           "CREATE TABLE client_passwords (code_no VARCHAR(64) NOT NULL PRIMARY KEY, pass_hash VARCHAR(255) NOT NULL)",
           "CREATE TABLE user_settings (user_id BIGINT NOT NULL, section VARCHAR(64) NOT NULL, skey VARCHAR(128) NOT NULL, "
           "svalue TEXT, PRIMARY KEY (user_id, section, skey))",
           "CREATE TABLE misc_oth_inf (code_no VARCHAR(64) NOT NULL, ass_year INTEGER NOT NULL, skey VARCHAR(64) NOT NULL, "
           "svalue TEXT, PRIMARY KEY (code_no, ass_year, skey))",
           "CREATE TABLE cl_oth_vars (code_no VARCHAR(64) NOT NULL, skey VARCHAR(64) NOT NULL, svalue TEXT, "
           "PRIMARY KEY (code_no, skey))",
       }},
      {110, "client master and client list",
       {
           "CREATE TABLE main_info1 (code_no VARCHAR(64) NOT NULL PRIMARY KEY, nm VARCHAR(255) NOT NULL DEFAULT '', "
           "status VARCHAR(64) NOT NULL DEFAULT '', doi VARCHAR(10) DEFAULT '', phone1 VARCHAR(64) DEFAULT '', "
           "phone4 VARCHAR(64) DEFAULT '', email VARCHAR(255) DEFAULT '', reg_no VARCHAR(64) DEFAULT '', "
           "h_no VARCHAR(255) DEFAULT '', h_nm VARCHAR(255) DEFAULT '', street VARCHAR(255) DEFAULT '', "
           "area VARCHAR(255) DEFAULT '', city VARCHAR(255) DEFAULT '', state VARCHAR(255) DEFAULT '', pin BIGINT DEFAULT 0, "
           "gir VARCHAR(64) DEFAULT '', ward VARCHAR(255) DEFAULT '', `range` VARCHAR(255) DEFAULT '', "
           "ward_no VARCHAR(64) DEFAULT '', pan VARCHAR(10) DEFAULT '', areacd VARCHAR(8) DEFAULT '', "
           "areatyp VARCHAR(8) DEFAULT '', aorng VARCHAR(8) DEFAULT '', aono VARCHAR(8) DEFAULT '', mrr INTEGER DEFAULT 0, "
           "llp VARCHAR(8) DEFAULT '')",
           "CREATE TABLE owner1 (code VARCHAR(64) NOT NULL PRIMARY KEY, code_no VARCHAR(64) NOT NULL DEFAULT '', "
           "f_nm VARCHAR(255) DEFAULT '', m_nm VARCHAR(255) DEFAULT '', l_nm VARCHAR(255) DEFAULT '', "
           "fat_f_nm VARCHAR(255) DEFAULT '', fat_m_nm VARCHAR(255) DEFAULT '', fat_l_nm VARCHAR(255) DEFAULT '', "
           "dob VARCHAR(10) DEFAULT '', sex VARCHAR(10) DEFAULT '', phone1 VARCHAR(64) DEFAULT '', "
           "mobile VARCHAR(64) DEFAULT '', email VARCHAR(255) DEFAULT '', h_no VARCHAR(255) DEFAULT '', "
           "h_nm VARCHAR(255) DEFAULT '', street VARCHAR(255) DEFAULT '', area VARCHAR(255) DEFAULT '', "
           "city VARCHAR(255) DEFAULT '', state VARCHAR(255) DEFAULT '', pin BIGINT DEFAULT 0, mat_st VARCHAR(32) DEFAULT '', "
           "nation VARCHAR(32) DEFAULT '', gir VARCHAR(64) DEFAULT '', ward VARCHAR(255) DEFAULT '', "
           "`range` VARCHAR(255) DEFAULT '', ward_no VARCHAR(64) DEFAULT '', pan VARCHAR(10) DEFAULT '', "
           "areacd VARCHAR(8) DEFAULT '', areatyp VARCHAR(8) DEFAULT '', aorng VARCHAR(8) DEFAULT '', "
           "aono VARCHAR(8) DEFAULT '', auditc VARCHAR(4) DEFAULT '', status VARCHAR(64) DEFAULT 'INDIVIDUAL')",
           "CREATE INDEX owner1_code_no ON owner1 (code_no)",
           "CREATE TABLE off_info (code_no VARCHAR(64) NOT NULL PRIMARY KEY, nm VARCHAR(255) DEFAULT '', "
           "h_no VARCHAR(255) DEFAULT '', h_nm VARCHAR(255) DEFAULT '', street VARCHAR(255) DEFAULT '', "
           "area VARCHAR(255) DEFAULT '', city VARCHAR(255) DEFAULT '', state VARCHAR(255) DEFAULT '', pin BIGINT DEFAULT 0)",
           "CREATE TABLE grp_m (code VARCHAR(64) NOT NULL PRIMARY KEY, nm VARCHAR(255) NOT NULL DEFAULT '')",
           "CREATE TABLE grp_trans (code_no VARCHAR(64) NOT NULL, c_code VARCHAR(64) NOT NULL, PRIMARY KEY (code_no, c_code))",
           "CREATE TABLE tempcltbl (codeno VARCHAR(64) NOT NULL PRIMARY KEY, name VARCHAR(255) DEFAULT '', "
           "stat VARCHAR(64) DEFAULT '', fnm VARCHAR(255) DEFAULT '', dob VARCHAR(10) DEFAULT '', addr VARCHAR(1000) DEFAULT '', "
           "grpcode VARCHAR(64) DEFAULT '', grpnm VARCHAR(255) DEFAULT '', compnm VARCHAR(255) DEFAULT '', "
           "email VARCHAR(255) DEFAULT '', pan VARCHAR(10) DEFAULT '')",
           "CREATE TABLE temp_disp (code_no VARCHAR(64) NOT NULL, name VARCHAR(255) DEFAULT '', status VARCHAR(64) DEFAULT '')",
           "CREATE TABLE adv_n (code_no VARCHAR(64) NOT NULL, assyear VARCHAR(4) NOT NULL, "
           "a1 BIGINT DEFAULT 0, a2 BIGINT DEFAULT 0, a3 BIGINT DEFAULT 0, a4 BIGINT DEFAULT 0, a5 BIGINT DEFAULT 0, "
           "a6 BIGINT DEFAULT 0, a7 BIGINT DEFAULT 0, a8 BIGINT DEFAULT 0, a9 BIGINT DEFAULT 0, a10 BIGINT DEFAULT 0, "
           "a11 BIGINT DEFAULT 0, a12 BIGINT DEFAULT 0, a13 BIGINT DEFAULT 0, a14 BIGINT DEFAULT 0, a15 BIGINT DEFAULT 0, "
           "a16 BIGINT DEFAULT 0, a17 BIGINT DEFAULT 0, a18 BIGINT DEFAULT 0, a19 BIGINT DEFAULT 0, a20 BIGINT DEFAULT 0, "
           "PRIMARY KEY (code_no, assyear))",
           "CREATE TABLE mat_taxcredit (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, taxnormal BIGINT DEFAULT 0, "
           "tax115jb BIGINT DEFAULT 0, creditutil BIGINT DEFAULT 0)",
           "CREATE TABLE mattaxjc (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, taxnormal BIGINT DEFAULT 0, "
           "tax115jc BIGINT DEFAULT 0, creditutil BIGINT DEFAULT 0)",
           "CREATE TABLE taxcr115jbc1 (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, taxnormal BIGINT DEFAULT 0, "
           "taxmatamt BIGINT DEFAULT 0, creditutil BIGINT DEFAULT 0, marker VARCHAR(1) DEFAULT '')",
           "CREATE TABLE income (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, status INTEGER DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year))",
       }},
      {120, "challans of the utilities module",
       {
           "CREATE TABLE challans (id {{ID}}, code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "chl_date VARCHAR(10) DEFAULT '', bsr_code VARCHAR(7) DEFAULT '', serial_no VARCHAR(5) DEFAULT '', "
           "tax_type VARCHAR(40) DEFAULT '', amount BIGINT DEFAULT 0)",
           "CREATE INDEX challans_client ON challans (code_no, ass_year)",
       }},
      {140, "the count of changes to the client list, which tells a running program to read the list again",
       {
           "CREATE TABLE client_list_changes (id INTEGER NOT NULL PRIMARY KEY, changes BIGINT NOT NULL DEFAULT 0)",
           "INSERT INTO client_list_changes (id, changes) VALUES (1, 0)",
       }},
  };
}

namespace {
const db::MigrationRegistration registered{hostMigrations};
}  // namespace

}  // namespace meridian::suite

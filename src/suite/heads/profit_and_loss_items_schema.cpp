// Migrations 890-899: the amounts within each business's profit and loss
// account that belong to other heads, to exempt income, or to a firm's
// payments to its partners.
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> profitAndLossItemMigrations() {
  return {
      {890, "incomes and expenses of other heads and exempt income within each business's profit and loss account",
       {
           // business_no: the business's row in income_business. item: the
           // code the business screen offers (profit_and_loss_items.cpp).
           "CREATE TABLE business_plitems (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "business_no INTEGER NOT NULL, srno INTEGER NOT NULL, item VARCHAR(8) DEFAULT '', "
           "particulars VARCHAR(255) DEFAULT '', amount DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, business_no, srno))",
       }},
  };
}

const db::MigrationRegistration registered{profitAndLossItemMigrations};

}  // namespace
}  // namespace meridian::suite::heads

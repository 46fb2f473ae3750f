#include "suite/dataset/head_copy.h"

#include <algorithm>
#include <stdexcept>

#include "db/table_schema.h"

namespace meridian::suite::dataset {
namespace {

std::string ident(const std::string& name) { return "`" + name + "`"; }

bool has(const std::vector<db::ColumnInfo>& cols, const std::string& name) {
  return std::any_of(cols.begin(), cols.end(), [&](const db::ColumnInfo& c) { return c.name == name; });
}

}  // namespace

HeadCopy::HeadCopy(db::Connection& conn, CarriedHead head) : conn_(conn), head_(std::move(head)) {}

CarriedHead HeadCopy::wholeTable(const std::string& table) {
  CarriedHead h{table, {table, "", "ass_year", {}, ""}, {}};
  for (const auto& y : yearTableInventory())
    if (y.name == table) h.own.yearColumn = y.yearColumn;
  return h;
}

bool HeadCopy::installed() { return conn_.hasTable(head_.own.table); }

db::Value HeadCopy::yearValue(const CarriedTable& t, int year) const {
  for (const auto& y : yearTableInventory())
    if (y.name == t.table && y.yearType == YearType::text) return db::Value(std::to_string(year));
  return db::Value(year);
}

long long HeadCopy::entries(const std::string& code, int year) {
  if (!installed()) return 0;
  const CarriedTable& t = head_.own;
  return std::stoll(conn_.scalar("SELECT COUNT(*) FROM " + ident(t.table) + " WHERE `code_no` = ? AND " +
                                     ident(t.yearColumn) + " = ?",
                                 {code, yearValue(t, year)}, "0"));
}

long long HeadCopy::copyTable(const CarriedTable& t, const std::string& from, const std::string& to, int year,
                              bool withFigures) {
  const auto cols = db::tableColumns(conn_, t.table);
  for (const std::string* needed : {&t.yearColumn, &t.orderColumn})
    if (!needed->empty() && !has(cols, *needed))
      throw std::runtime_error("The table " + t.table + " has no column " + *needed + " named in carry_forward.csv.");
  for (const auto& figure : t.figures)
    if (!has(cols, figure))
      throw std::runtime_error("The table " + t.table + " has no figure column " + figure + " named in carry_forward.csv.");

  std::string columns, selected;
  db::Params params;
  for (const auto& c : cols) {
    if (c.autoNumbered) continue;
    if (!columns.empty()) {
      columns += ", ";
      selected += ", ";
    }
    columns += ident(c.name);
    if (c.name == "code_no") {
      selected += "?";
      params.emplace_back(to);
    } else if (c.name == t.yearColumn) {
      selected += "?";
      params.push_back(yearValue(t, year));
    } else if (!withFigures && std::find(t.figures.begin(), t.figures.end(), c.name) != t.figures.end()) {
      selected += "0";
    } else {
      selected += ident(c.name);
    }
  }
  params.emplace_back(from);
  params.push_back(yearValue(t, year - 1));
  std::string sql = "INSERT INTO " + ident(t.table) + " (" + columns + ") SELECT " + selected + " FROM " +
                    ident(t.table) + " WHERE `code_no` = ? AND " + ident(t.yearColumn) + " = ?";
  if (!t.orderColumn.empty()) sql += " ORDER BY " + ident(t.orderColumn);
  return conn_.execute(sql, params);
}

std::vector<TableOutcome> HeadCopy::carry(const std::string& from, const std::string& to, int year, bool withFigures) {
  std::vector<TableOutcome> out;
  auto tx = conn_.begin();
  const long long copied = copyTable(head_.own, from, to, year, withFigures);
  out.push_back({head_.own.table, copied, 0});
  for (const auto& d : head_.details)
    if (conn_.hasTable(d.table)) out.push_back({d.table, copyTable(d, from, to, year, withFigures), 0});
  if (!head_.own.countColumn.empty()) {
    if (!has(db::tableColumns(conn_, "income"), head_.own.countColumn))
      throw std::runtime_error("The income table has no column " + head_.own.countColumn + " named in carry_forward.csv.");
    conn_.execute("UPDATE `income` SET " + ident(head_.own.countColumn) + " = ? WHERE `code_no` = ? AND `ass_year` = ?",
                  {copied, to, year});
  }
  tx.commit();
  return out;
}

}  // namespace meridian::suite::dataset

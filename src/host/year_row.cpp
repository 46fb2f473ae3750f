#include "host/year_row.h"

#include <variant>

#include "db/table_schema.h"

namespace meridian::host {

db::Pairs newYearRow(db::Connection& conn, const std::string& client, const std::string& dataSet, int year) {
  auto person = conn.query("SELECT * FROM owner1 WHERE code = ?", {client});
  auto other = person.empty() ? conn.query("SELECT * FROM main_info1 WHERE code_no = ?", {client}) : db::RecordSet();
  auto office = conn.query("SELECT * FROM off_info WHERE code_no = ?", {client});
  db::Pairs values = {{"code_no", dataSet}, {"ass_year", std::to_string(year)}};
  auto taken = [&](const std::string& column) {
    for (const auto& [name, value] : values)
      if (name == column) return true;
    return false;
  };
  const db::Row* master = !person.empty() ? &person.front() : !other.empty() ? &other.front() : nullptr;
  for (const auto& col : db::tableColumns(conn, "new_tab")) {
    if (taken(col.name)) continue;
    const bool number = !col.isText();
    auto put = [&](const db::Row& row, const std::string& from) {
      if (!row.has(from) || row.isNull(from)) return;
      if (number) values.emplace_back(col.name, row.integer(from));
      else values.emplace_back(col.name, row.text(from));
    };
    if (col.name.rfind("off_", 0) == 0) {
      if (!office.empty()) put(office.front(), col.name == "off_nm" ? "nm" : col.name.substr(4));
    } else if (master) {
      put(*master, col.name == "dob" && person.empty() ? "doi" : col.name);
    }
  }
  for (auto& [name, value] : values)
    if (auto* text = std::get_if<std::string>(&value.raw()); name == "nation" && text && text->empty())
      value = std::string("RESIDENT");
  if (!taken("nation")) values.emplace_back("nation", std::string("RESIDENT"));
  return values;
}

void writeYearRow(db::Connection& conn, const std::string& client, const std::string& dataSet, int year,
                  const db::Pairs& values) {
  const db::Pairs key{{"code_no", dataSet}, {"ass_year", std::to_string(year)}};
  if (conn.exists("SELECT 1 FROM new_tab WHERE code_no = ? AND ass_year = ?", {dataSet, std::to_string(year)})) {
    db::updateWhere(conn, "new_tab", values, key);
    return;
  }
  db::Pairs row = newYearRow(conn, client, dataSet, year);
  for (const auto& [name, value] : values) {
    bool replaced = false;
    for (auto& [have, old] : row)
      if (have == name) old = value, replaced = true;
    if (!replaced) row.emplace_back(name, value);
  }
  db::insertRow(conn, "new_tab", row);
}

}  // namespace meridian::host

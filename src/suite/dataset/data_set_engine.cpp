#include "suite/dataset/data_set_engine.h"

#include "common/years.h"
#include "suite/dataset/data_set_code.h"
#include "suite/dataset/notes_files.h"
#include "suite/dataset/partner_remuneration.h"

namespace meridian::suite::dataset {
namespace {

std::string quoted(const std::string& name) { return "`" + name + "`"; }

// The rows of one data set and year in one table, as SQL with its bound values.
struct RowsOf {
  std::string where;
  db::Params params;
};

RowsOf rowsOf(const YearTable& t, const std::string& code, int year) {
  RowsOf r;
  r.where = "`code_no` = ? AND " + quoted(t.yearColumn) + " = ?";
  r.params.reserve(2 + t.filterValues.size());
  r.params.emplace_back(code);
  r.params.emplace_back(t.yearType == YearType::text ? db::Value(std::to_string(year)) : db::Value(year));
  if (!t.filterColumn.empty()) {
    r.where += " AND " + quoted(t.filterColumn) + " IN (";
    for (size_t i = 0; i < t.filterValues.size(); ++i) {
      r.where += i ? ", ?" : "?";
      r.params.emplace_back(t.filterValues[i]);
    }
    r.where += ")";
  }
  return r;
}

void append(db::Params& to, const db::Params& from) { to.insert(to.end(), from.begin(), from.end()); }

std::string copyStatement(const PresentTable& t, const RowsOf& source) {
  std::string columns, selected;
  for (const auto& c : t.copyColumns) {
    if (!columns.empty()) {
      columns += ", ";
      selected += ", ";
    }
    columns += quoted(c);
    selected += c == "code_no" ? "?" : quoted(c);
  }
  return "INSERT INTO " + quoted(t.table.name) + " (" + columns + ") SELECT " + selected + " FROM " +
         quoted(t.table.name) + " WHERE " + source.where;
}

// Which tables hold rows of the data set, asked in one statement that names
// only the tables that do (a union of one-row lookups, cheaper to prepare
// than a column per table).
std::vector<bool> probe(db::Connection& conn, const std::vector<PresentTable>& tables, const std::string& code,
                        int year) {
  std::vector<bool> out(tables.size(), false);
  if (tables.empty()) return out;
  std::string sql;
  db::Params params;
  for (size_t i = 0; i < tables.size(); ++i) {
    const RowsOf r = rowsOf(tables[i].table, code, year);
    const std::string n = std::to_string(i);
    if (i) sql += " UNION ALL ";
    sql += "SELECT " + n + " FROM (SELECT 1 FROM " + quoted(tables[i].table.name) + " WHERE " + r.where +
           " LIMIT 1) AS p" + n;
    append(params, r.params);
  }
  for (const db::Row& row : conn.query(sql, params)) out.at(std::stoul(row.text(0))) = true;
  return out;
}

const char* operationName(int op) {
  static const char* names[] = {"copy", "delete", "relabel", "replace"};
  return names[op];
}

}  // namespace

long long DataSetReport::totalRows() const {
  long long n = 0;
  for (const auto& t : tables) n += t.rows;
  return n;
}

DataSetEngine::DataSetEngine(db::Connection& conn, std::filesystem::path documents,
                             std::shared_ptr<const DataSetLayout> layout)
    : conn_(conn), documents_(std::move(documents)), layout_(layout ? std::move(layout) : currentLayout(conn)) {}

DataSetReport DataSetEngine::copy(const std::string& client, int year, const std::string& from, const std::string& to,
                                  bool replace) {
  return run(Op::copy, client, year, from, to, replace);
}
DataSetReport DataSetEngine::remove(const std::string& client, int year, const std::string& code) {
  return run(Op::remove, client, year, code, "", false);
}
DataSetReport DataSetEngine::relabel(const std::string& client, int year, const std::string& from,
                                     const std::string& to) {
  return run(Op::relabel, client, year, from, to, false);
}
DataSetReport DataSetEngine::replace(const std::string& client, int year, const std::string& from,
                                     const std::string& to) {
  return run(Op::replace, client, year, from, to, true);
}

std::vector<std::string> DataSetEngine::occupiedBy(const std::string& client, int year, const std::string& code) {
  std::vector<std::string> out;
  const auto held = probe(conn_, layout_->tables, code, year);
  for (size_t i = 0; i < layout_->tables.size(); ++i)
    if (held[i]) out.push_back(layout_->tables[i].table.name);
  if (!NotesPlan(documents_, year).existing(code).empty()) out.push_back("notes");
  return out;
}

DataSetReport DataSetEngine::run(Op op, const std::string& client, int year, const std::string& from,
                                 const std::string& to, bool replace) {
  const bool twoCodes = op != Op::remove;
  for (const std::string* code : {&from, &to}) {
    if (code == &to && !twoCodes) continue;
    if (!belongsToClient(*code, client))
      throw DataSetRefused("\"" + *code + "\" is not a data set of client \"" + client + "\".");
  }
  if (twoCodes && from == to) throw DataSetRefused("The data set to take from and the one to write are the same (" + from + ").");
  if (year < 1950 || year > 2100) throw DataSetRefused("No assessment year " + std::to_string(year) + ".");

  DataSetReport report;
  report.operation = operationName(static_cast<int>(op));
  report.client = client;
  report.year = year;
  report.from = from;
  report.to = to;
  report.skipped = layout_->absent;

  const auto& tables = layout_->tables;
  NotesPlan notes(documents_, year);
  auto tx = conn_.begin();
  try {
    PartnerRemuneration partners(conn_, client, year);
    if (op == Op::copy) partners.beforeCopyFrom(from);
    if (op == Op::relabel || op == Op::replace) partners.beforeRelabel(from, to);

    // Only the target is probed: it must be empty, or its rows go first. The
    // statements themselves run on every table, rows or none, since a probe
    // of the source costs about what the statements it would save cost.
    std::vector<bool> targetHeld(tables.size(), false);
    if (twoCodes) targetHeld = probe(conn_, tables, to, year);

    if (twoCodes && !replace) {
      std::vector<std::string> occupied;
      for (size_t i = 0; i < tables.size(); ++i)
        if (targetHeld[i]) occupied.push_back(tables[i].table.name);
      if (!notes.existing(to).empty()) occupied.push_back("notes");
      if (!occupied.empty()) {
        std::string list;
        for (const auto& t : occupied) list += (list.empty() ? "" : ", ") + t;
        throw DataSetRefused("The data set " + to + " already holds figures of A.Y. " + assessmentYearText(year) +
                             " (" + list + "); nothing was changed.");
      }
    }

    for (size_t i = 0; i < tables.size(); ++i) {
      const PresentTable& t = tables[i];
      TableOutcome outcome{t.table.name};
      const RowsOf source = rowsOf(t.table, from, year);
      if (replace && targetHeld[i]) {
        const RowsOf target = rowsOf(t.table, to, year);
        outcome.replaced = conn_.execute("DELETE FROM " + quoted(t.table.name) + " WHERE " + target.where, target.params);
      }
      switch (op) {
        case Op::copy: {
          db::Params params{to};
          append(params, source.params);
          outcome.rows = conn_.execute(copyStatement(t, source), params);
          break;
        }
        case Op::remove:
          outcome.rows = conn_.execute("DELETE FROM " + quoted(t.table.name) + " WHERE " + source.where, source.params);
          break;
        case Op::relabel:
        case Op::replace: {
          db::Params params{to};
          append(params, source.params);
          outcome.rows =
              conn_.execute("UPDATE " + quoted(t.table.name) + " SET `code_no` = ? WHERE " + source.where, params);
          break;
        }
      }
      report.tables.push_back(std::move(outcome));
    }

    if (op == Op::remove) partners.afterDelete(from);

    switch (op) {
      case Op::copy: notes.planCopy(from, to); break;
      case Op::remove: notes.planDelete(from); break;
      case Op::relabel:
      case Op::replace: notes.planMove(from, to); break;
    }
    notes.stage();
    tx.commit();
  } catch (...) {
    notes.abandon();
    throw;
  }
  report.files = notes.finish(report.warnings);
  return report;
}

}  // namespace meridian::suite::dataset

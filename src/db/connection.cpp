#include "db/connection.h"

#include <soci/mysql/soci-mysql.h>
#include <soci/soci.h>
#include <soci/sqlite3/soci-sqlite3.h>

#include <cstdio>
#include <ctime>

#include "db/fault_injection.h"

namespace meridian::db {
namespace {

std::string percentDecoded(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size()) {
      out.push_back(static_cast<char>(std::stoi(std::string(s.substr(i + 1, 2)), nullptr, 16)));
      i += 2;
    } else {
      out.push_back(s[i]);
    }
  }
  return out;
}

std::string sociQuoted(const std::string& v) {
  std::string out = "'";
  for (char c : v) {
    if (c == '\'' || c == '\\') out.push_back('\\');
    out.push_back(c);
  }
  return out + "'";
}

std::string formatDouble(double d) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", d);
  return buf;
}

std::optional<std::string> cellText(const soci::row& r, std::size_t i) {
  if (r.get_indicator(i) == soci::i_null) return std::nullopt;
  switch (r.get_properties(i).get_data_type()) {
    case soci::dt_string:
    case soci::dt_xml:
    case soci::dt_blob:
      return r.get<std::string>(i);
    case soci::dt_double:
      return formatDouble(r.get<double>(i));
    case soci::dt_integer:
      return std::to_string(r.get<int>(i));
    case soci::dt_long_long:
      return std::to_string(r.get<long long>(i));
    case soci::dt_unsigned_long_long:
      return std::to_string(r.get<unsigned long long>(i));
    case soci::dt_date: {
      std::tm t = r.get<std::tm>(i);
      char buf[32];
      if (t.tm_hour || t.tm_min || t.tm_sec)
        std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &t);
      else
        std::strftime(buf, sizeof buf, "%Y-%m-%d", &t);
      return std::string(buf);
    }
  }
  return std::nullopt;
}

// Holds bound values alive for the life of one statement.
struct Bindings {
  std::vector<std::string> texts;
  std::vector<long long> ints;
  std::vector<double> reals;
  std::vector<soci::indicator> inds;

  void bindAll(soci::statement& st, const Params& params) {
    texts.reserve(params.size());
    ints.reserve(params.size());
    reals.reserve(params.size());
    inds.reserve(params.size());
    for (const Value& p : params) {
      const auto& v = p.raw();
      if (std::holds_alternative<Null>(v)) {
        texts.emplace_back();
        inds.push_back(soci::i_null);
        st.exchange(soci::use(texts.back(), inds.back()));
      } else if (auto* i = std::get_if<long long>(&v)) {
        ints.push_back(*i);
        st.exchange(soci::use(ints.back()));
      } else if (auto* d = std::get_if<double>(&v)) {
        reals.push_back(*d);
        st.exchange(soci::use(reals.back()));
      } else {
        texts.push_back(std::get<std::string>(v));
        st.exchange(soci::use(texts.back()));
      }
    }
  }
};

}  // namespace

std::string numberPlaceholders(std::string_view sql) {
  std::string out;
  out.reserve(sql.size() + 16);
  char quote = 0;
  int n = 0;
  for (char c : sql) {
    if (quote) {
      if (c == quote) quote = 0;
      out.push_back(c);
    } else if (c == '\'' || c == '"' || c == '`') {
      quote = c;
      out.push_back(c);
    } else if (c == '?') {
      out += ":p" + std::to_string(++n);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

ConnectionUrl ConnectionUrl::parse(std::string_view url) {
  ConnectionUrl u;
  auto startsWith = [&](std::string_view p) { return url.substr(0, p.size()) == p; };
  if (startsWith("sqlite://")) {
    u.engine = Engine::sqlite;
    u.path = std::string(url.substr(9));
  } else if (startsWith("sqlite:")) {
    u.engine = Engine::sqlite;
    u.path = std::string(url.substr(7));
  } else if (startsWith("mysql://") || startsWith("mariadb://")) {
    u.engine = Engine::mysql;
    std::string_view rest = url.substr(url.find("://") + 3);
    std::string_view query;
    if (auto q = rest.find('?'); q != std::string_view::npos) {
      query = rest.substr(q + 1);
      rest = rest.substr(0, q);
    }
    auto slash = rest.find('/');
    if (slash == std::string_view::npos || slash + 1 >= rest.size())
      throw std::invalid_argument("database URL names no database: " + std::string(url.substr(0, url.find("://") + 3)) + "...");
    u.database = percentDecoded(rest.substr(slash + 1));
    std::string_view authority = rest.substr(0, slash);
    if (auto at = authority.rfind('@'); at != std::string_view::npos) {
      std::string_view cred = authority.substr(0, at);
      authority = authority.substr(at + 1);
      auto colon = cred.find(':');
      u.user = percentDecoded(cred.substr(0, colon));
      if (colon != std::string_view::npos) u.password = percentDecoded(cred.substr(colon + 1));
    }
    if (auto colon = authority.rfind(':'); colon != std::string_view::npos) {
      u.host = std::string(authority.substr(0, colon));
      try {
        u.port = std::stoi(std::string(authority.substr(colon + 1)));
      } catch (...) {
        throw std::invalid_argument("database URL has a bad port");
      }
    } else if (!authority.empty()) {
      u.host = std::string(authority);
    }
    while (!query.empty()) {
      auto amp = query.find('&');
      std::string_view kv = query.substr(0, amp);
      auto eq = kv.find('=');
      if (eq != std::string_view::npos && kv.substr(0, eq) == "socket")
        u.socket = percentDecoded(kv.substr(eq + 1));
      query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
    }
  } else {
    throw std::invalid_argument("database URL must begin with sqlite: or mysql://");
  }
  if (u.engine == Engine::sqlite && u.path.empty())
    throw std::invalid_argument("database URL names no SQLite file");
  if (u.engine == Engine::sqlite && u.path.find('"') != std::string::npos)
    throw std::invalid_argument("a SQLite file name may not hold a double quote");
  return u;
}

std::string ConnectionUrl::sociConnectString() const {
  // The SQLite back end reads double-quoted values only.
  if (engine == Engine::sqlite) return "db=\"" + path + "\" timeout=10";
  std::string s = "db=" + sociQuoted(database) + " host=" + sociQuoted(host) + " port=" + std::to_string(port);
  if (!user.empty()) s += " user=" + sociQuoted(user);
  if (!password.empty()) s += " password=" + sociQuoted(password);
  if (!socket.empty()) s += " unix_socket=" + sociQuoted(socket);
  s += " charset=utf8mb4";
  return s;
}

std::string ConnectionUrl::redacted() const {
  if (engine == Engine::sqlite) return "sqlite://" + path;
  return "mysql://" + (user.empty() ? "" : user + "@") + host + ":" + std::to_string(port) + "/" + database;
}

Connection::Connection(ConnectionUrl url) : url_(std::move(url)) {}
Connection::~Connection() = default;

std::unique_ptr<Connection> Connection::open(std::string_view urlText) {
  ConnectionUrl url = ConnectionUrl::parse(urlText);
  std::unique_ptr<Connection> c(new Connection(url));
  try {
    if (url.engine == Engine::sqlite)
      c->session_ = std::make_unique<soci::session>(*soci::factory_sqlite3(), url.sociConnectString());
    else
      c->session_ = std::make_unique<soci::session>(*soci::factory_mysql(), url.sociConnectString());
    c->applySessionSettings();
  } catch (const std::exception& e) {
    throw DbError("cannot open database " + url.redacted() + ": " + e.what());
  }
  return c;
}

void Connection::applySessionSettings() {
  if (url_.engine == Engine::sqlite) {
    *session_ << "PRAGMA journal_mode=WAL";
    *session_ << "PRAGMA busy_timeout=10000";
    *session_ << "PRAGMA foreign_keys=ON";
    // MariaDB databases are created with a binary collation; make LIKE agree.
    *session_ << "PRAGMA case_sensitive_like=ON";
    // "||" joins texts on both engines (MariaDB runs with PIPES_AS_CONCAT).
  } else {
    *session_ << "SET NAMES utf8mb4 COLLATE utf8mb4_bin";
    *session_ << "SET SESSION sql_mode='STRICT_TRANS_TABLES,NO_ENGINE_SUBSTITUTION,PIPES_AS_CONCAT'";
  }
}

RecordSet Connection::query(std::string_view sql, const Params& params) {
  std::lock_guard lock(mutex_);
  beforeStatement(*this, sql);
  try {
    Bindings b;
    soci::row r;
    soci::statement st(*session_);
    st.alloc();
    st.prepare(numberPlaceholders(sql));
    b.bindAll(st, params);
    st.exchange(soci::into(r));
    st.define_and_bind();
    st.execute(false);
    std::shared_ptr<Columns> cols;
    std::vector<Row> rows;
    while (st.fetch()) {
      if (!cols) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < r.size(); ++i) names.push_back(r.get_properties(i).get_name());
        cols = std::make_shared<Columns>(std::move(names));
      }
      std::vector<std::optional<std::string>> values;
      values.reserve(r.size());
      for (std::size_t i = 0; i < r.size(); ++i) values.push_back(cellText(r, i));
      rows.emplace_back(cols, std::move(values));
    }
    if (!cols) {
      std::vector<std::string> names;
      for (std::size_t i = 0; i < r.size(); ++i) names.push_back(r.get_properties(i).get_name());
      cols = std::make_shared<Columns>(std::move(names));
    }
    return RecordSet(cols, std::move(rows));
  } catch (const soci::soci_error& e) {
    throw DbError(std::string(e.what()) + " [" + std::string(sql.substr(0, 200)) + "]");
  }
}

long long Connection::execute(std::string_view sql, const Params& params) {
  std::lock_guard lock(mutex_);
  beforeStatement(*this, sql);
  try {
    Bindings b;
    soci::statement st(*session_);
    st.alloc();
    st.prepare(numberPlaceholders(sql));
    b.bindAll(st, params);
    st.define_and_bind();
    st.execute(true);
    return st.get_affected_rows();
  } catch (const soci::soci_error& e) {
    throw DbError(std::string(e.what()) + " [" + std::string(sql.substr(0, 200)) + "]");
  }
}

std::string Connection::scalar(std::string_view sql, const Params& params, std::string fallback) {
  RecordSet rs = query(sql, params);
  if (rs.empty() || rs.front().size() == 0 || rs.front().isNull(0)) return fallback;
  return rs.front().text(0);
}

bool Connection::exists(std::string_view sql, const Params& params) { return !query(sql, params).empty(); }

std::vector<std::string> Connection::tables() {
  RecordSet rs = url_.engine == Engine::sqlite
                     ? query("SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' ORDER BY name")
                     : query("SHOW TABLES");
  std::vector<std::string> out;
  for (const Row& r : rs) out.push_back(r.text(0));
  return out;
}

bool Connection::hasTable(std::string_view name) {
  for (const auto& t : tables())
    if (t.size() == name.size() && std::equal(t.begin(), t.end(), name.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        }))
      return true;
  return false;
}

Transaction Connection::begin() { return Transaction(*this); }

Transaction::Transaction(Connection& c) : conn_(&c), lock_(c.mutex_) {
  if (c.depth_++ == 0) {
    outermost_ = true;
    c.innerFailed_ = false;
    c.session_->begin();
  }
}

Transaction::Transaction(Transaction&& o) noexcept
    : conn_(o.conn_), lock_(std::move(o.lock_)), outermost_(o.outermost_), done_(o.done_) {
  o.done_ = true;
  o.conn_ = nullptr;
}

void Transaction::commit() {
  if (done_) return;
  done_ = true;
  --conn_->depth_;
  if (!outermost_) return;
  // A step inside that ended without committing may have written half of
  // itself: the whole transaction is refused rather than kept in part.
  if (conn_->innerFailed_) {
    conn_->innerFailed_ = false;
    conn_->session_->rollback();
    throw DbError("a step inside the transaction failed; nothing was written");
  }
  conn_->session_->commit();
}

Transaction::~Transaction() {
  if (done_ || !conn_) return;
  --conn_->depth_;
  if (!outermost_) {
    conn_->innerFailed_ = true;
    return;
  }
  conn_->innerFailed_ = false;
  try {
    conn_->session_->rollback();
  } catch (...) {
  }
}

}  // namespace meridian::db

#include "db/connection.h"

#include <soci/mysql/soci-mysql.h>
#include <soci/soci.h>
#include <soci/sqlite3/soci-sqlite3.h>

#include <cstdio>
#include <ctime>

#include "db/fault_injection.h"
#include "db/session_pool.h"
#include "db/sql_error.h"

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
  // An office server that does not answer is told within seconds, not minutes.
  s += " connect_timeout=5";
  return s;
}

std::string ConnectionUrl::redacted() const {
  if (engine == Engine::sqlite) return "sqlite://" + path;
  return "mysql://" + (user.empty() ? "" : user + "@") + host + ":" + std::to_string(port) + "/" + database;
}

namespace {

// Lends one session of the pool for the length of a statement.
class Lease {
 public:
  explicit Lease(detail::SessionPool& pool) : pool_(pool), session_(pool.acquire()) {}
  ~Lease() { pool_.release(std::move(session_)); }
  detail::PooledSession* operator->() { return session_.get(); }

 private:
  detail::SessionPool& pool_;
  std::unique_ptr<detail::PooledSession> session_;
};

bool isWrite(std::string_view sql) {
  size_t i = sql.find_first_not_of(" \t\r\n(");
  if (i == std::string_view::npos) return false;
  auto word = sql.substr(i, 6);
  auto starts = [&](std::string_view w) {
    if (word.size() < w.size()) return false;
    for (size_t k = 0; k < w.size(); ++k)
      if (std::toupper(static_cast<unsigned char>(word[k])) != w[k]) return false;
    return true;
  };
  return !(starts("SELECT") || starts("SHOW") || starts("PRAGMA") || starts("WITH"));
}

}  // namespace

Connection::Connection(std::shared_ptr<detail::SessionPool> pool) : pool_(std::move(pool)) {}
Connection::~Connection() = default;

std::unique_ptr<Connection> Connection::open(std::string_view urlText, PoolOptions options) {
  ConnectionUrl url = ConnectionUrl::parse(urlText);
  auto pool = std::make_shared<detail::SessionPool>(url, options);
  // The first session is opened at once, so that a wrong URL is told here.
  pool->release(pool->acquire());
  return std::unique_ptr<Connection>(new Connection(std::move(pool)));
}

std::unique_ptr<Connection> Connection::share() const { return std::unique_ptr<Connection>(new Connection(pool_)); }

const ConnectionUrl& Connection::url() const { return pool_->url(); }

size_t Connection::openSessions() { return pool_->openSessions(); }

void Connection::whenLost(std::function<void(const std::string&)> f) { pool_->whenLost(std::move(f)); }

void Connection::checkStillThere() { pool_->checkStillThere(); }

// Runs work on this thread's transaction, or on a session lent for it alone.
// A statement outside a transaction that found its session dropped by the
// server is tried once more on a fresh one when it only reads.
template <class Work>
auto Connection::run(std::string_view sql, bool mayRetry, Work&& work) {
  if (auto* tx = pool_->current()) {
    try {
      return work(*tx->session->sql);
    } catch (const soci::soci_error& e) {
      DbError err = sqlError(e, sql);
      if (err.kind() == DbFailure::unreachable) tx->session->broken = true;
      throw err;
    }
  }
  for (int attempt = 0;; ++attempt) {
    Lease lease(*pool_);
    try {
      return work(*lease->sql);
    } catch (const soci::soci_error& e) {
      DbError err = sqlError(e, sql);
      if (err.kind() == DbFailure::unreachable) {
        lease->broken = true;
        if (mayRetry && attempt == 0) continue;
      }
      throw err;
    }
  }
}

RecordSet Connection::query(std::string_view sql, const Params& params) {
  beforeStatement(*this, sql);
  return run(sql, !isWrite(sql), [&](soci::session& session) {
    Bindings b;
    soci::row r;
    soci::statement st(session);
    st.alloc();
    st.prepare(numberPlaceholders(sql));
    b.bindAll(st, params);
    st.exchange(soci::into(r));
    st.define_and_bind();
    st.execute(false);
    std::shared_ptr<Columns> cols;
    std::vector<Row> rows;
    auto columnsOf = [&] {
      std::vector<std::string> names;
      for (std::size_t i = 0; i < r.size(); ++i) names.push_back(r.get_properties(i).get_name());
      return std::make_shared<Columns>(std::move(names));
    };
    while (st.fetch()) {
      if (!cols) cols = columnsOf();
      std::vector<std::optional<std::string>> values;
      values.reserve(r.size());
      for (std::size_t i = 0; i < r.size(); ++i) values.push_back(cellText(r, i));
      rows.emplace_back(cols, std::move(values));
    }
    if (!cols) cols = columnsOf();
    return RecordSet(cols, std::move(rows));
  });
}

long long Connection::execute(std::string_view sql, const Params& params) {
  beforeStatement(*this, sql);
  const bool inTransaction = pool_->current() != nullptr;
  long long changed = run(sql, false, [&](soci::session& session) {
    Bindings b;
    soci::statement st(session);
    st.alloc();
    st.prepare(numberPlaceholders(sql));
    b.bindAll(st, params);
    st.define_and_bind();
    st.execute(true);
    return st.get_affected_rows();
  });
  // A write outside a transaction is done now: make sure it went into the
  // database the program serves, not into a file deleted under it.
  if (!inTransaction) pool_->checkStillThere();
  return changed;
}

std::string Connection::scalar(std::string_view sql, const Params& params, std::string fallback) {
  RecordSet rs = query(sql, params);
  if (rs.empty() || rs.front().size() == 0 || rs.front().isNull(0)) return fallback;
  return rs.front().text(0);
}

bool Connection::exists(std::string_view sql, const Params& params) { return !query(sql, params).empty(); }

std::vector<std::string> Connection::tables() {
  RecordSet rs = engine() == Engine::sqlite
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

Transaction Connection::begin() { return Transaction(*this, false); }
Transaction Connection::beginReading() { return Transaction(*this, true); }

namespace {
// Runs one transaction-control statement; a session the server dropped is
// marked so that it goes back to the pool only to be closed.
void control(detail::PooledSession& s, const char* sql) {
  try {
    *s.sql << sql;
  } catch (const soci::soci_error& e) {
    DbError err = sqlError(e, sql);
    if (err.kind() == DbFailure::unreachable) s.broken = true;
    throw err;
  }
}
}  // namespace

Transaction::Transaction(Connection& c, bool reading) : pool_(c.pool_) {
  if (auto* joined = pool_->current()) {
    ++joined->depth;
    return;
  }
  // The session is checked first: a transaction never starts on one the
  // server has dropped, and never moves to another once it has begun.
  auto s = pool_->acquire(true);
  try {
    // SQLite: take the write lock now, so that two writers queue instead of
    // one failing half-way when the other commits.
    const bool lite = pool_->url().engine == Engine::sqlite;
    control(*s, reading ? (lite ? "BEGIN" : "START TRANSACTION WITH CONSISTENT SNAPSHOT, READ ONLY")
                        : (lite ? "BEGIN IMMEDIATE" : "START TRANSACTION"));
  } catch (...) {
    pool_->release(std::move(s));
    throw;
  }
  pool_->enter(std::move(s));
  outermost_ = true;
}

Transaction::Transaction(Transaction&& o) noexcept : pool_(std::move(o.pool_)), outermost_(o.outermost_), done_(o.done_) {
  o.done_ = true;
}

void Transaction::commit() {
  if (done_) return;
  done_ = true;
  auto* tx = pool_->current();
  if (!tx) throw std::logic_error("a transaction must end on the thread that began it");
  if (--tx->depth > 0 || !outermost_) return;
  const bool innerFailed = tx->innerFailed;
  auto s = pool_->leave();
  // A step inside that ended without committing may have written half of
  // itself: the whole transaction is refused rather than kept in part.
  if (innerFailed) {
    try {
      *s->sql << "ROLLBACK";
    } catch (...) {
      s->broken = true;
    }
    pool_->release(std::move(s));
    throw DbError("a step inside the transaction failed; nothing was written");
  }
  try {
    control(*s, "COMMIT");
  } catch (...) {
    if (!s->broken) {
      try {
        *s->sql << "ROLLBACK";
      } catch (...) {
        s->broken = true;
      }
    }
    pool_->release(std::move(s));
    throw;
  }
  pool_->release(std::move(s));
  pool_->checkStillThere();
}

Transaction::~Transaction() {
  if (done_ || !pool_) return;
  auto* tx = pool_->current();
  if (!tx) return;
  if (!outermost_) {
    --tx->depth;
    tx->innerFailed = true;
    return;
  }
  if (--tx->depth > 0) return;
  auto s = pool_->leave();
  try {
    *s->sql << "ROLLBACK";
  } catch (...) {
    s->broken = true;
  }
  pool_->release(std::move(s));
}

}  // namespace meridian::db

#include "web/server.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <thread>

#include <spdlog/spdlog.h>

#include "ui/failure.h"
#include "web/compression.h"
#include "web/routes.h"

namespace meridian::web {
namespace {

constexpr const char* kRefusedHeader = "X-Meridian-Refused";

void securityHeaders(httplib::Response& res) {
  res.set_header("Content-Security-Policy",
                 "default-src 'self'; style-src 'self'; script-src 'self'; frame-ancestors 'none'; form-action 'self'");
  res.set_header("X-Content-Type-Options", "nosniff");
  res.set_header("Referrer-Policy", "no-referrer");
  res.set_header("Cache-Control", "no-store");
}

std::string statusMessage(int status) {
  switch (status) {
    case 400: return "The request could not be read.";
    case 404: return "There is no such page.";
    case 405: return "This page does not take that kind of request.";
    case 413: return "The request is larger than the server accepts.";
    case 414: return "The address is longer than the server accepts.";
    case 416: return "The part of the file asked for is not there.";
    case 431: return "The request carries more headers than the server accepts.";
    default: return status >= 500 ? "Something went wrong on the server." : "The server refused the request.";
  }
}

// The head of a request as it arrives: the library must not compress (it
// would use its slowest setting on every answer), so the browser's
// Accept-Encoding is replaced by a mark of our own; a head with too many
// headers is marked for refusal.
void prepareHead(httplib::Request& req, size_t maxHeaders) {
  bool gzip = false;
  for (auto [it, end] = req.headers.equal_range("Accept-Encoding"); it != end; ++it) gzip = gzip || gzipAccepted(it->second);
  req.headers.erase("Accept-Encoding");
  req.headers.erase(kAcceptsGzipHeader);
  req.headers.erase(kRefusedHeader);
  if (gzip) req.headers.emplace(kAcceptsGzipHeader, "1");
  // The library adds the peer's and its own address and port (four headers).
  if (req.headers.size() > maxHeaders + 5) req.headers.emplace(kRefusedHeader, "431");
}

}  // namespace

ListenAddress ListenAddress::parse(const std::string& text) {
  ListenAddress a;
  auto colon = text.rfind(':');
  std::string port = colon == std::string::npos ? text : text.substr(colon + 1);
  if (colon != std::string::npos) a.host = text.substr(0, colon);
  if (a.host.size() > 1 && a.host.front() == '[' && a.host.back() == ']') a.host = a.host.substr(1, a.host.size() - 2);
  try {
    size_t used = 0;
    a.port = std::stoi(port, &used);
    if (used != port.size() || a.port < 0 || a.port > 65535) throw std::invalid_argument("port");
  } catch (...) {
    throw std::invalid_argument("listen address must be ADDR:PORT, got " + text);
  }
  if (a.host.empty()) throw std::invalid_argument("listen address has no host: " + text);
  return a;
}

void checkCanListen(const ListenAddress& address) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string port = std::to_string(address.port);
  if (getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found) != 0 || !found)
    throw std::runtime_error("cannot listen on " + address.host + ":" + port + ": no such address");
  std::string why;
  bool ok = false;
  for (addrinfo* a = found; a && !ok; a = a->ai_next) {
    int fd = ::socket(a->ai_family, a->ai_socktype, a->ai_protocol);
    if (fd < 0) continue;
    int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0) ok = true;
    else why = std::strerror(errno);
    ::close(fd);
  }
  freeaddrinfo(found);
  if (!ok) throw std::runtime_error("cannot listen on " + address.host + ":" + port + ": " + why);
}

struct Server::Impl {
  Impl(suite::Application& a, ServerOptions o) : app(a), options(o), site(a, o.sessions), http(o.limits) {}
  suite::Application& app;
  ServerOptions options;
  Site site;
  HttpListener http;
  std::mutex mutex;
  std::condition_variable wake;
  bool serving = false;
  std::string stoppedBecause;

  void databaseLost(const std::string& why) {
    spdlog::critical("the database is lost ({}): serving stops, so that no save is acknowledged and then lost", why);
    {
      std::lock_guard lock(mutex);
      if (stoppedBecause.empty()) stoppedBecause = "the database is lost: " + why;
    }
    http.stop();
  }

  // Looks at the database now and then, so that a file deleted while nobody
  // saves is noticed too.
  void watchDatabase() {
    std::unique_lock lock(mutex);
    while (serving) {
      wake.wait_for(lock, options.databaseCheck, [&] { return !serving; });
      if (!serving) break;
      lock.unlock();
      try {
        app.conn().checkStillThere();
      } catch (const std::exception&) {
        // whenLost has stopped the server already.
      }
      lock.lock();
    }
  }

  void handlers() {
    const size_t maxHeaders = options.limits.maxHeaders;
    http.onRequestHead = [maxHeaders](httplib::Request& req) { prepareHead(req, maxHeaders); };
    http.set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
      if (!req.has_header(kRefusedHeader)) return httplib::Server::HandlerResponse::Unhandled;
      replyError(res, 431, statusMessage(431));
      return httplib::Server::HandlerResponse::Handled;
    });
    // Every refusal carries a plain sentence, never the library's or the
    // program's inner words.
    http.set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& res) {
      if (!res.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
      replyError(res, res.status, statusMessage(res.status));
      return httplib::Server::HandlerResponse::Handled;
    }));
    http.set_exception_handler([](const httplib::Request& req, httplib::Response& res, std::exception_ptr ep) {
      const std::string ref = ui::failureReference();
      std::string sentence = "Something went wrong on the server.";
      try {
        if (ep) std::rethrow_exception(ep);
      } catch (const std::exception& e) {
        spdlog::error("[{}] {} {} failed: {}", ref, req.method, req.path, e.what());
        sentence = ui::failureSentence(e);
      } catch (...) {
        spdlog::error("[{}] {} {} failed", ref, req.method, req.path);
      }
      res.headers.clear();
      replyError(res, 500, sentence + " Reference: " + ref);
    });
    http.set_post_routing_handler([](const httplib::Request& req, httplib::Response& res) {
      securityHeaders(res);
      if (worthCompressing(req, res)) {
        res.body = gzipFast(res.body);
        res.set_header("Content-Encoding", "gzip");
        res.set_header("Vary", "Accept-Encoding");
      }
    });
    http.Get("/health", [](const httplib::Request&, httplib::Response& res) { replyJson(res, {{"state", "ok"}}); });
    addSignInRoutes(http, site);
    addScreenRoutes(http, site);
    addReportRoutes(http, site);
    addAdminRoutes(http, site);
    addStaticRoutes(http);
  }
};

Server::Server(suite::Application& app, ServerOptions options) : impl_(std::make_unique<Impl>(app, options)) {
  impl_->handlers();
  app.conn().whenLost([impl = impl_.get()](const std::string& why) { impl->databaseLost(why); });
}

Server::~Server() { impl_->app.conn().whenLost(nullptr); }

int Server::bind(const ListenAddress& address) { return impl_->http.bindAddress(address.host, address.port); }

void Server::run() {
  {
    std::lock_guard lock(impl_->mutex);
    impl_->serving = true;
  }
  std::thread watch([this] { impl_->watchDatabase(); });
  impl_->http.serve();
  {
    std::lock_guard lock(impl_->mutex);
    impl_->serving = false;
  }
  impl_->wake.notify_all();
  watch.join();
  // Handlers waiting on a question see Cancel, so the last requests end.
  impl_->site.sessions.endAll();
  impl_->http.finish();
}

void Server::stop() { impl_->http.stop(); }

std::string Server::stoppedBecause() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->stoppedBecause;
}

}  // namespace meridian::web

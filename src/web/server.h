#pragma once
// The web application: sign-in, the screens, dialogs across HTTP, report
// previews and their PDFs, user administration. Listens on 127.0.0.1 unless
// told otherwise.
#include <memory>
#include <string>

#include "suite/application.h"
#include "web/http_listener.h"
#include "web/session_registry.h"

namespace meridian::web {

struct ListenAddress {
  std::string host = "127.0.0.1";
  int port = 8080;
  static ListenAddress parse(const std::string& text);  // "ADDR:PORT" or "PORT"
};

// Throws with one clear line when the address cannot be listened on (in use,
// not an address of this machine), so that start-up stops before it writes.
void checkCanListen(const ListenAddress& address);

struct ServerOptions {
  ServerLimits limits;
  SessionLimits sessions;
  // How often the database is looked at while nothing else uses it.
  std::chrono::milliseconds databaseCheck{2000};
};

class Server {
 public:
  explicit Server(suite::Application& app, ServerOptions options = {});
  ~Server();
  // Binds the address (throws with one clear line when it cannot) and returns
  // the port bound (useful with port 0).
  int bind(const ListenAddress& address);
  // Serves until stop(), or until the database is found gone.
  void run();
  // Safe in a signal handler.
  void stop();
  // Why serving stopped without being told to ("" when it was told).
  std::string stoppedBecause() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace meridian::web

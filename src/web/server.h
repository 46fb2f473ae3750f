#pragma once
// The web application: sign-in, the screens, dialogs across HTTP, report
// previews and their PDFs. Listens on 127.0.0.1 unless told otherwise.
#include <functional>
#include <memory>
#include <string>

#include "suite/application.h"

namespace meridian::web {

struct ListenAddress {
  std::string host = "127.0.0.1";
  int port = 8080;
  static ListenAddress parse(const std::string& text);  // "ADDR:PORT" or "PORT"
};

// Throws with one clear line when the address cannot be listened on (in use,
// not an address of this machine), so that start-up stops before it writes.
void checkCanListen(const ListenAddress& address);

class Server {
 public:
  explicit Server(suite::Application& app);
  ~Server();
  // Binds the address (throws with one clear line when it cannot) and returns
  // the port bound (useful with port 0).
  int bind(const ListenAddress& address);
  // Serves until stop(); calls ready once listening.
  void run();
  void stop();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace meridian::web

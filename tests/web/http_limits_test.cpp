// What the server does with requests made to hurt it: too big, too many
// headers, too slow, or breaking something inside; and what its refusals
// carry (a plain sentence, never the program's inner words).
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "common/rights.h"
#include "support/http_fixture.h"
#include "support/log_capture.h"

namespace meridian {
namespace {

using nlohmann::json;
using testsupport::Browser;
using testsupport::HttpTest;

// A raw connection, for requests no well-behaved client sends.
class RawSocket {
 public:
  explicit RawSocket(int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  }
  ~RawSocket() { ::close(fd_); }
  bool connected() const { return connected_; }
  bool send(const std::string& s) { return ::send(fd_, s.data(), s.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(s.size()); }
  // Everything the server sends until it closes the connection (or waitMs passes).
  std::string receiveAll(int waitMs = 10'000) {
    std::string out;
    char buf[4096];
    pollfd p{fd_, POLLIN, 0};
    while (::poll(&p, 1, waitMs) > 0) {
      ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
      if (n <= 0) break;
      out.append(buf, static_cast<size_t>(n));
    }
    return out;
  }
  // True when the server has closed the connection within waitMs (after
  // whatever answer it gave).
  bool closedByServer(int waitMs) {
    char buf[4096];
    pollfd p{fd_, POLLIN, 0};
    while (::poll(&p, 1, waitMs) > 0)
      if (::recv(fd_, buf, sizeof buf, 0) <= 0) return true;
    return false;
  }

 private:
  int fd_ = -1;
  bool connected_ = false;
};

class HttpLimits : public HttpTest {
 protected:
  web::ServerOptions serverOptions() override {
    auto o = HttpTest::serverOptions();
    // A request must arrive whole within a short time here, so that the test
    // of a trickling socket ends soon.
    o.limits.stream.requestDeadline = std::chrono::milliseconds(700);
    o.limits.warmWorkers = 2;
    return o;
  }
  bool stillServes() {
    auto r = client().Get("/health");
    return r && r->status == 200;
  }
};

TEST_P(HttpLimits, RefusalsAreJsonWithAPlainSentence) {
  userWith("clerk", {rights::useIncomeTax});
  const Browser clerk = signIn("clerk", "password-of-clerk");
  struct Case {
    const char* what;
    httplib::Result reply;
    int status;
  } cases[] = {
      {"unknown page", get("/no/such/page", clerk), 404},
      {"event that is not JSON", client().Post("/ev", clerk.headers(), "{not json", "application/json"), 400},
      {"event of no known type", postJson("/ev", {{"form", "income"}, {"type", "explode"}}, clerk), 400},
      {"screen that does not exist", postJson("/open", {{"what", "payroll"}}, clerk), 400},
      {"report never made", get("/report/42", clerk), 404},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(c.reply) << c.what;
    EXPECT_EQ(c.reply->status, c.status) << c.what;
    EXPECT_EQ(c.reply->get_header_value("Content-Type"), "application/json") << c.what;
    const json b = body(c.reply);
    ASSERT_TRUE(b.is_object()) << c.what << ": " << c.reply->body;
    EXPECT_EQ(b["state"], "error") << c.what;
    EXPECT_FALSE(b["message"].get<std::string>().empty()) << c.what;
  }
}

TEST_P(HttpLimits, AFaultInsideARouteTellsAReferenceAndNothingOfTheInside) {
  testsupport::LogCapture log;
  // The table sign-in counts failures in is gone: the route fails inside.
  conn().execute("DROP TABLE signin_failures");
  auto r = client().Post("/signin", httplib::Params{{"username", "clerk"}, {"password", "whatever-it-is"}});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 500);
  const std::string message = body(r)["message"];
  const auto at = message.find("Reference: E-");
  ASSERT_NE(at, std::string::npos) << message;
  const std::string reference = message.substr(at + 11, 8);
  for (const char* inner : {"signin_failures", "SELECT", "sqlite", "table", "Table", "/tmp", "subject"}) {
    EXPECT_EQ(r->body.find(inner), std::string::npos) << inner << " in " << r->body;
    for (const auto& [name, value] : r->headers) EXPECT_EQ(value.find(inner), std::string::npos) << name;
  }
  EXPECT_FALSE(r->has_header("EXCEPTION_WHAT"));
  // The log has the detail under the same reference.
  const std::string logged = log.text();
  const auto line = logged.find("[" + reference + "]");
  ASSERT_NE(line, std::string::npos) << logged;
  EXPECT_NE(logged.find("signin_failures", line), std::string::npos) << logged;
}

TEST_P(HttpLimits, ABodyBeyondTheLimitIsRefusedUnread) {
  userWith("clerk", {rights::useIncomeTax});
  const Browser clerk = signIn("clerk", "password-of-clerk");
  const std::string huge(17 * 1024 * 1024, 'x');
  auto r = client().Post("/ev", clerk.headers(), huge, "application/json");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 413);
  EXPECT_EQ(body(r)["message"], "The request is larger than the server accepts.");
  // A big but allowed body is read.
  auto allowed = client().Post("/ev", clerk.headers(), "{\"pad\":\"" + std::string(2 * 1024 * 1024, 'x') + "\"}",
                               "application/json");
  EXPECT_EQ(allowed->status, 400);  // read, and refused only for not being an event
  EXPECT_TRUE(stillServes());
}

TEST_P(HttpLimits, TooManyOrTooLongHeadersAreRefused) {
  {
    RawSocket s(port());
    std::string request = "GET /health HTTP/1.1\r\nHost: x\r\nConnection: close\r\n";
    for (int i = 0; i < 150; ++i) request += "X-Filler-" + std::to_string(i) + ": y\r\n";
    ASSERT_TRUE(s.send(request + "\r\n"));
    const std::string reply = s.receiveAll(5000);
    EXPECT_EQ(reply.rfind("HTTP/1.1 431", 0), 0u) << reply.substr(0, 80);
    EXPECT_NE(reply.find("more headers than the server accepts"), std::string::npos);
  }
  {
    RawSocket s(port());
    std::string request = "GET /health HTTP/1.1\r\nHost: x\r\nConnection: close\r\n";
    // Many headers each short enough, but together beyond the head's size.
    for (int i = 0; i < 60; ++i) request += "X-Long-" + std::to_string(i) + ": " + std::string(1000, 'a') + "\r\n";
    s.send(request + "\r\n");
    const std::string reply = s.receiveAll(5000);
    EXPECT_EQ(reply.rfind("HTTP/1.1 400", 0), 0u) << reply.substr(0, 80);
  }
  EXPECT_TRUE(stillServes());
}

TEST_P(HttpLimits, SlowSocketsNeitherStopTheOfficeNorStayForever) {
  std::vector<std::unique_ptr<RawSocket>> slow;
  for (int i = 0; i < 10; ++i) {
    slow.push_back(std::make_unique<RawSocket>(port()));
    ASSERT_TRUE(slow.back()->connected());
    slow.back()->send("GET /health HTTP/1.1\r\nHo");  // and then nothing more
  }
  // Ten browsers holding idle kept-alive connections as well.
  std::vector<httplib::Client> idle;
  for (int i = 0; i < 10; ++i) {
    idle.emplace_back("127.0.0.1", port());
    idle.back().set_keep_alive(true);
    ASSERT_TRUE(idle.back().Get("/health"));
  }
  EXPECT_TRUE(stillServes());
  // A socket that never finishes its request is dropped after the deadline.
  EXPECT_TRUE(slow.front()->closedByServer(10'000));
}

TEST_P(HttpLimits, DynamicAnswersGoOutUncompressedHereAndAssetsPackedOnce) {
  userWith("clerk", {rights::useIncomeTax});
  const Browser clerk = signIn("clerk", "password-of-clerk");
  auto headers = clerk.headers();
  headers.emplace("Accept-Encoding", "gzip, deflate, br");
  auto screen = client().Post("/open", headers, json{{"what", "income"}, {"mode", 1}}.dump(), "application/json");
  ASSERT_EQ(screen->status, 200);
  EXPECT_FALSE(screen->has_header("Content-Encoding")) << screen->get_header_value("Content-Encoding");
  EXPECT_TRUE(body(screen).is_object());

  struct Case {
    const char* acceptEncoding;
    bool packed;
  } cases[] = {{"gzip, deflate, br", true}, {"br", false}, {"gzip;q=0, br", false}, {"", false}};
  for (const auto& c : cases) {
    httplib::Headers h;
    if (*c.acceptEncoding) h.emplace("Accept-Encoding", c.acceptEncoding);
    auto cli = client();
    cli.set_decompress(false);
    auto asset = cli.Get("/static/app.js", h);
    ASSERT_EQ(asset->status, 200);
    EXPECT_EQ(asset->get_header_value("Content-Encoding"), c.packed ? "gzip" : "") << c.acceptEncoding;
    EXPECT_EQ(asset->body.rfind("\x1f\x8b", 0) == 0, c.packed) << c.acceptEncoding;
  }
}

MERIDIAN_ON_BOTH_ENGINES(HttpLimits);

}  // namespace
}  // namespace meridian

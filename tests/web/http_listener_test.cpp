// The listening socket: taken again at once after a restart, never by two
// servers at the same time.
#include <gtest/gtest.h>

#include <thread>

#include "web/http_listener.h"

namespace meridian {
namespace {

TEST(HttpListener, ARestartTakesTheAddressAtOnceAndASecondServerCannot) {
  int port = 0;
  {
    web::HttpListener first;
    first.Get("/hello", [](const httplib::Request&, httplib::Response& res) { res.set_content("hi", "text/plain"); });
    port = first.bindAddress("127.0.0.1", 0);
    std::thread serving([&] { first.serve(); });
    // A browser that keeps its connection: the server closes it, so the
    // server's side lingers in TIME_WAIT after the stop.
    httplib::Client browser("127.0.0.1", port);
    browser.set_keep_alive(true);
    ASSERT_TRUE(browser.Get("/hello"));
    web::HttpListener second;
    EXPECT_THROW(second.bindAddress("127.0.0.1", port), std::runtime_error);
    first.stop();
    serving.join();
  }
  web::HttpListener again;
  EXPECT_EQ(again.bindAddress("127.0.0.1", port), port);
}

}  // namespace
}  // namespace meridian

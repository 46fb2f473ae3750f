#pragma once
// Which answers go out compressed. The library would squeeze every answer
// with its slowest setting; instead the page's assets are compressed once at
// build time, and a dynamic answer is compressed (quickly) only when it is
// big and goes to another machine: on the same machine it costs more than it
// saves.
#include <string>
#include <string_view>

#include <httplib.h>

namespace meridian::web {

// Set by the server on a request whose Accept-Encoding allows gzip (the
// browser's own header is taken away so the library compresses nothing).
constexpr const char* kAcceptsGzipHeader = "X-Meridian-Accepts-Gzip";

// True when an Accept-Encoding value allows gzip ("gzip;q=0" does not).
bool gzipAccepted(std::string_view acceptEncoding);
bool isLoopback(std::string_view address);
bool acceptsGzip(const httplib::Request& req);

// A dynamic answer worth compressing: big enough, of a text type, to a
// client on another machine that accepts gzip, and not compressed already.
bool worthCompressing(const httplib::Request& req, const httplib::Response& res);
std::string gzipFast(std::string_view data);

}  // namespace meridian::web

#include "web/compression.h"

#include <zlib.h>

#include <cctype>
#include <stdexcept>

namespace meridian::web {
namespace {

constexpr size_t kWorthIt = 8 * 1024;

std::string lowerTrimmed(std::string_view s) {
  size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
  std::string out = b == std::string_view::npos ? "" : std::string(s.substr(b, e - b + 1));
  for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

bool gzipAccepted(std::string_view header) {
  size_t pos = 0;
  while (pos <= header.size()) {
    size_t comma = header.find(',', pos);
    std::string_view item = header.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
    size_t semi = item.find(';');
    const std::string coding = lowerTrimmed(item.substr(0, semi));
    if (coding == "gzip" || coding == "*") {
      if (semi == std::string_view::npos) return true;
      const std::string param = lowerTrimmed(item.substr(semi + 1));
      if (param.rfind("q=", 0) != 0) return true;
      if (std::strtod(param.c_str() + 2, nullptr) > 0) return true;
    }
    if (comma == std::string_view::npos) break;
    pos = comma + 1;
  }
  return false;
}

bool isLoopback(std::string_view address) {
  return address == "::1" || address.rfind("127.", 0) == 0 || address.rfind("::ffff:127.", 0) == 0;
}

bool acceptsGzip(const httplib::Request& req) { return req.has_header(kAcceptsGzipHeader); }

bool worthCompressing(const httplib::Request& req, const httplib::Response& res) {
  if (res.body.size() < kWorthIt || res.has_header("Content-Encoding") || !acceptsGzip(req) || isLoopback(req.remote_addr))
    return false;
  const std::string type = res.get_header_value("Content-Type");
  return type.rfind("text/", 0) == 0 || type.rfind("application/json", 0) == 0;
}

std::string gzipFast(std::string_view data) {
  z_stream z{};
  // 15 + 16: a gzip wrapper; level 1: fast, most of the gain on markup.
  if (deflateInit2(&z, 1, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK) throw std::runtime_error("gzip start");
  std::string out(deflateBound(&z, data.size()), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int done = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (done != Z_STREAM_END) throw std::runtime_error("gzip did not finish");
  return out;
}

}  // namespace meridian::web

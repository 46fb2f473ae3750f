#include <map>

#include "common/embedded_files.h"
#include "web/compression.h"
#include "web/routes.h"

namespace meridian::web {
namespace {

std::string contentType(const std::string& path) {
  static const std::map<std::string, std::string> types = {
      {".js", "text/javascript; charset=utf-8"}, {".css", "text/css; charset=utf-8"},
      {".html", "text/html; charset=utf-8"},     {".svg", "image/svg+xml"},
      {".png", "image/png"},                     {".ico", "image/x-icon"}};
  auto dot = path.rfind('.');
  auto it = dot == std::string::npos ? types.end() : types.find(path.substr(dot));
  return it == types.end() ? "application/octet-stream" : it->second;
}

}  // namespace

void addStaticRoutes(httplib::Server& http) {
  http.Get(R"(/static/(.+))", [](const httplib::Request& req, httplib::Response& res) {
    const std::string path = "web/static/" + req.matches[1].str();
    auto bytes = embedded::find(path);
    if (!bytes) return replyError(res, 404, "There is no such file.");
    res.set_header("Vary", "Accept-Encoding");
    auto packed = acceptsGzip(req) ? embedded::find(path + ".gz") : std::nullopt;
    if (packed) {
      res.set_content(std::string(*packed), contentType(path).c_str());
      res.set_header("Content-Encoding", "gzip");
    } else {
      res.set_content(std::string(*bytes), contentType(path).c_str());
    }
  });
}

}  // namespace meridian::web

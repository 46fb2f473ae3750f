#include "suite/efile/shipped_schema_input.h"

#include <libxml/parser.h>
#include <libxml/xmlIO.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "common/embedded_files.h"

namespace meridian::suite::efile {
namespace {

constexpr std::string_view kScheme = "meridian-shipped:///";

struct OpenFile {
  std::string_view bytes;
  size_t offset = 0;
};

// The shipped path of an address, with any "./" and "../" steps resolved.
std::string shippedPathOf(std::string_view uri) {
  uri.remove_prefix(kScheme.size());
  std::vector<std::string_view> steps;
  while (!uri.empty()) {
    const size_t slash = uri.find('/');
    const std::string_view step = uri.substr(0, slash);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    if (slash == std::string_view::npos) break;
    uri.remove_prefix(slash + 1);
  }
  std::string path;
  for (std::string_view step : steps) path.append(path.empty() ? "" : "/").append(step);
  return path;
}

int matches(const char* uri) {
  return uri && std::string_view(uri).starts_with(kScheme) ? 1 : 0;
}

void* openShipped(const char* uri) {
  auto bytes = embedded::find(shippedPathOf(uri));
  if (!bytes) return nullptr;
  return new OpenFile{*bytes};
}

int readShipped(void* context, char* buffer, int length) {
  auto* file = static_cast<OpenFile*>(context);
  const size_t n = std::min(static_cast<size_t>(length), file->bytes.size() - file->offset);
  std::memcpy(buffer, file->bytes.data() + file->offset, n);
  file->offset += n;
  return static_cast<int>(n);
}

int closeShipped(void* context) {
  delete static_cast<OpenFile*>(context);
  return 0;
}

}  // namespace

void useShippedSchemas() {
  static std::once_flag once;
  std::call_once(once, [] {
    xmlInitParser();
    if (xmlRegisterInputCallbacks(matches, openShipped, readShipped, closeShipped) < 0)
      throw std::runtime_error("the XML library refused the reader of the shipped schemas");
  });
}

std::string shippedSchemaUri(std::string_view shippedPath) { return std::string(kScheme) + std::string(shippedPath); }

}  // namespace meridian::suite::efile

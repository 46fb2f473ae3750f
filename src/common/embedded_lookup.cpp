#include "common/embedded_files.h"

namespace meridian::embedded {

std::optional<std::string_view> find(std::string_view path) {
  for (const auto& f : all())
    if (path == f.path) return f.bytes;
  return std::nullopt;
}

}  // namespace meridian::embedded

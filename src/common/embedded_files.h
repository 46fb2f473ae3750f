#pragma once
// Files the program carries inside itself: web assets and shipped data.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meridian::embedded {

struct EmbeddedFile {
  const char* path;  // relative to the source tree: "web/static/app.js", "data/due_dates.csv"
  std::string_view bytes;
};

const std::vector<EmbeddedFile>& all();
std::optional<std::string_view> find(std::string_view path);

}  // namespace meridian::embedded

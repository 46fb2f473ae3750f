#include "common/paths.h"

namespace meridian {

bool safePathComponent(const std::string& name) {
  if (name.empty() || name == "." || name == ".." || name.size() > 128) return false;
  for (unsigned char c : name)
    if (c == '/' || c == '\\' || c < 32 || c == 127 || c == ':') return false;
  return name.find("..") == std::string::npos;
}

}  // namespace meridian

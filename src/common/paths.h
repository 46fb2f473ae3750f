#pragma once
// Names taken from client data (a client code, say) that become part of a
// path under the document folder.
#include <string>

namespace meridian {

// True when the name is safe as one path component: no separators, no "..",
// no control characters, not empty, at most 128 bytes.
bool safePathComponent(const std::string& name);

}  // namespace meridian

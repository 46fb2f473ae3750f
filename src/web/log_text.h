#pragma once
// Text that came from outside (a typed user name, an address) made safe for
// one log line: quoted, control characters and quotes escaped, and cut short,
// so that a newline in a name cannot forge a line of its own.
#include <string>
#include <string_view>

namespace meridian::web {

std::string loggable(std::string_view text, size_t longest = 64);

}  // namespace meridian::web

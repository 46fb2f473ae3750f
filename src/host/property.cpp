#include "host/property.h"

#include <cstdio>

#include "common/dates.h"
#include "ui/form.h"

namespace meridian::host {

std::string contextText(const std::string& v) { return v; }
std::string contextText(int v) { return std::to_string(v); }
std::string contextText(long long v) { return std::to_string(v); }
std::string contextText(bool v) { return v ? "True" : "False"; }
std::string contextText(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}
std::string contextText(const Date& v) { return v ? formatDmy(*v) : ""; }
std::string contextText(ui::Form* v) { return v ? v->name() : ""; }

}  // namespace meridian::host

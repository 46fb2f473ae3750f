#include "host/property.h"

#include <cstdio>

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
std::string contextText(const Date& v) {
  if (!v) return "";
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02u/%02u/%04d", static_cast<unsigned>(v->day()), static_cast<unsigned>(v->month()),
                static_cast<int>(v->year()));
  return buf;
}
std::string contextText(ui::Form* v) { return v ? v->name() : ""; }

}  // namespace meridian::host

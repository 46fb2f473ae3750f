#include "host/processing_status.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace meridian::host {
namespace {

std::string trimmed(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return std::string(s.substr(b, e - b));
}

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
  return s;
}

}  // namespace

std::string normaliseProcessingStatus(const std::string& text) {
  std::string t = trimmed(text);
  const std::string prefix = "ITR PROCESSED ";
  if (upper(t).rfind(prefix, 0) == 0) t = trimmed(std::string_view(t).substr(prefix.size()));
  if (t.empty()) return "";
  const std::string u = upper(t);
  if (u == "NO DEMAND NO REFUND" || u == "NO REFUND NO DEMAND") return "Nil Refund/Demand";
  if (u == "REFUND" || u == "REFUND DETERMINED") return "Refund";
  if (u == "DEMAND" || u == "DEMAND DETERMINED") return "Demand";
  if (u == "DEMAND (TAX IS PAYABLE)" || u == "DEMAND DETERMINED (TAX IS PAYABLE)") return "Demand (Tax Payable)";
  t[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
  return t;
}

}  // namespace meridian::host

#include "host/processing_status.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include "common/text.h"

namespace meridian::host {
namespace {

// Any white space around the department's text goes.
std::string trimmedText(std::string_view s) { return trimmed(s, " \t\r\n\f\v"); }

}  // namespace

std::string normaliseProcessingStatus(const std::string& text) {
  std::string t = trimmedText(text);
  const std::string prefix = "ITR PROCESSED ";
  if (upperCase(t).rfind(prefix, 0) == 0) t = trimmedText(std::string_view(t).substr(prefix.size()));
  if (t.empty()) return "";
  const std::string u = upperCase(t);
  if (u == "NO DEMAND NO REFUND" || u == "NO REFUND NO DEMAND") return "Nil Refund/Demand";
  if (u == "REFUND" || u == "REFUND DETERMINED") return "Refund";
  if (u == "DEMAND" || u == "DEMAND DETERMINED") return "Demand";
  if (u == "DEMAND (TAX IS PAYABLE)" || u == "DEMAND DETERMINED (TAX IS PAYABLE)") return "Demand (Tax Payable)";
  t[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
  return t;
}

}  // namespace meridian::host

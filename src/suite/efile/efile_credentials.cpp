#include "suite/efile/efile_credentials.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "suite/settings_store.h"

namespace meridian::suite::efile {
namespace {

// Settings of the installation rather than of a user: no user has id 0.
constexpr long long kInstallation = 0;
constexpr char kSection[] = "EfileCredentials";
constexpr std::string_view kCodes[] = {"SI", "SK", "IC"};

bool allOf(std::string_view text, int (*test)(int)) {
  return std::all_of(text.begin(), text.end(), [test](unsigned char c) { return test(c) != 0; });
}

std::string keyOf(std::string_view code, int year) { return std::string(code) + std::to_string(year); }

}  // namespace

std::string credentialProblem(const CredentialSet& set) {
  const std::string_view id = set.softwareId;
  if (id.size() != 10 || !id.starts_with("SW") || !allOf(id.substr(2), isdigit))
    return "The software identifier must be SW followed by 8 digits.";
  if (set.secretKey.size() != 15 || !allOf(set.secretKey, isalnum))
    return "The secret key must be 15 letters and digits.";
  if (set.passes.size() != 4 || !allOf(set.passes, isdigit)) return "The number of passes must be 4 digits.";
  return "";
}

std::string EfileCredentials::lookup(int year, std::string_view code) {
  if (std::find(std::begin(kCodes), std::end(kCodes), code) == std::end(kCodes)) return "";
  return SettingsStore(conn_, kInstallation).get(kSection, keyOf(code, year), "");
}

CredentialSet EfileCredentials::forYear(int year) { return {lookup(year, "SI"), lookup(year, "SK"), lookup(year, "IC")}; }

void EfileCredentials::save(int year, const CredentialSet& set) {
  if (const std::string problem = credentialProblem(set); !problem.empty()) throw std::invalid_argument(problem);
  SettingsStore settings(conn_, kInstallation);
  auto tx = conn_.begin();
  settings.save(kSection, keyOf("SI", year), set.softwareId);
  settings.save(kSection, keyOf("SK", year), set.secretKey);
  settings.save(kSection, keyOf("IC", year), set.passes);
  tx.commit();
}

}  // namespace meridian::suite::efile

#pragma once
// The credentials the department assigns to e-filing software, per assessment
// year: the software identifier written into every return ("SI"), the secret
// key of the digest ("SK") and the number of extra hashing passes ("IC").
// They are configuration of the installation, kept in the database's settings
// (no user's own), never in the program.
#include <string>
#include <string_view>

#include "db/connection.h"

namespace meridian::suite::efile {

struct CredentialSet {
  std::string softwareId;  // "SW" and 8 digits
  std::string secretKey;   // 15 letters and digits
  std::string passes;      // 4 digits
};

// Why the set cannot be used, in words for the user, or "" when each value
// has its form.
std::string credentialProblem(const CredentialSet& set);

class EfileCredentials {
 public:
  explicit EfileCredentials(db::Connection& conn) : conn_(conn) {}

  // The text for the code ("SI", "SK" or "IC") of the year (2016 for A.Y.
  // 2016-17); "" for a year without credentials or any other code.
  std::string lookup(int year, std::string_view code);
  CredentialSet forYear(int year);

  // Stores the year's set in one transaction; throws std::invalid_argument
  // with credentialProblem's words when a value is out of form, storing nothing.
  void save(int year, const CredentialSet& set);

 private:
  db::Connection& conn_;
};

}  // namespace meridian::suite::efile

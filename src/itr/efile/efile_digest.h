#pragma once
// The keyed digest of an e-return (from A.Y. 2015-16): HMAC-SHA256 of the
// whole file as written, placeholder included, under the year's secret key;
// then the year's number of further passes, each the HMAC-SHA256 (same key)
// of the 32 bytes before it; the last 32 bytes in Base64 (44 characters).
// It takes the place of the "-" in <ITRForm:Digest>-</ITRForm:Digest>.
#include <filesystem>
#include <string>
#include <string_view>

namespace meridian::suite::efile {
class EfileCredentials;
struct CredentialSet;
}  // namespace meridian::suite::efile

namespace meridian::itr::efile {

// Returns carry a digest and the software identifier from A.Y. 2015-16 on;
// CreationInfo then holds the placeholder "-" until the digest is placed.
inline constexpr int kFirstYearWithDigest = 2015;
inline constexpr std::string_view kDigestPlaceholder = "-";
inline constexpr std::string_view kDigestElementWithPlaceholder = "<ITRForm:Digest>-</ITRForm:Digest>";

// The digest of the bytes; throws std::runtime_error when the crypto library fails.
std::string keyedDigest(std::string_view bytes, std::string_view secretKey, int passes);

struct DigestPlacement {
  bool succeeded = false;  // the step is done: the file carries the digest, or had no placeholder
  std::string digest;      // as placed
  int placeholders = 0;    // occurrences replaced; 0 leaves the file's bytes as they were
  std::string error;       // why nothing was placed, in plain words
};

// Reads the file, computes its digest, and rewrites it whole with the digest
// in place of every placeholder (atomically: a new file synced, then renamed
// over the old). Any failure leaves the file exactly as it was.
DigestPlacement placeDigest(const std::filesystem::path& file, std::string_view secretKey, std::string_view passes);

// The same on a text held in memory: the digest of the text as it stands
// takes the place of every placeholder in it. On failure the text is as it was.
DigestPlacement placeDigestInText(std::string& text, std::string_view secretKey, std::string_view passes);

// Why the year's set cannot digest ("no e-filing credentials are configured
// for A.Y. 2016-17"), or "" when it can.
std::string missingCredentials(const suite::efile::CredentialSet& set, int year);

// The same with the credentials of the year (2016 for A.Y. 2016-17).
DigestPlacement placeDigest(const std::filesystem::path& file, suite::efile::EfileCredentials& credentials, int year);
// With the year's set already read; a set without key or passes places nothing.
DigestPlacement placeDigest(const std::filesystem::path& file, const suite::efile::CredentialSet& set, int year);
// The same for a working file whose synced copy is made next (the dated
// copy): rewritten whole under its name, without waiting for the disk.
DigestPlacement placeDigestInWorkingFile(const std::filesystem::path& file, const suite::efile::CredentialSet& set,
                                         int year);

}  // namespace meridian::itr::efile

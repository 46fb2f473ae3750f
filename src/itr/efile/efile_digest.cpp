#include "itr/efile/efile_digest.h"

#include <openssl/core_names.h>
#include <openssl/evp.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

#include "common/years.h"
#include "suite/atomic_file.h"
#include "suite/efile/efile_credentials.h"

namespace meridian::itr::efile {
namespace {

using Hash = std::array<unsigned char, 32>;

struct MacFree {
  void operator()(EVP_MAC* m) const { EVP_MAC_free(m); }
  void operator()(EVP_MAC_CTX* c) const { EVP_MAC_CTX_free(c); }
};

// One HMAC-SHA256 context keyed once. OpenSSL keeps the key's inner and
// outer states from that keying, so each later HMAC (every pass, and every
// return digested under the same key) restarts from them instead of hashing
// the padded key again.
class HmacSha256 {
 public:
  explicit HmacSha256(std::string_view key) : key_(key) {
    mac_.reset(EVP_MAC_fetch(nullptr, "HMAC", nullptr));
    if (mac_) ctx_.reset(EVP_MAC_CTX_new(mac_.get()));
    if (!ctx_) throw std::runtime_error("the crypto library offers no HMAC");
    char digestName[] = "SHA256";
    OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digestName, 0), OSSL_PARAM_END};
    if (!EVP_MAC_init(ctx_.get(), reinterpret_cast<const unsigned char*>(key.data()), key.size(), params))
      throw std::runtime_error("the crypto library refused the digest key");
    fresh_ = true;
  }

  bool keyedWith(std::string_view key) const { return key_ == key; }

  Hash of(const unsigned char* data, size_t size) {
    if (!fresh_ && !EVP_MAC_init(ctx_.get(), nullptr, 0, nullptr))
      throw std::runtime_error("the crypto library could not restart the HMAC");
    fresh_ = false;  // whatever follows, the next HMAC restarts from the key's states
    Hash out{};
    size_t length = 0;
    if (!EVP_MAC_update(ctx_.get(), data, size) || !EVP_MAC_final(ctx_.get(), out.data(), &length, out.size()) ||
        length != out.size())
      throw std::runtime_error("the crypto library could not compute the HMAC");
    return out;
  }

 private:
  std::string key_;
  std::unique_ptr<EVP_MAC, MacFree> mac_;
  std::unique_ptr<EVP_MAC_CTX, MacFree> ctx_;
  bool fresh_ = false;
};

// A batch digests every return of a year under one key: the context keyed
// for it is kept for the thread (fetching the HMAC and keying it cost as
// much as a dozen passes) and keyed anew only when the key changes.
HmacSha256& hmacKeyedWith(std::string_view key) {
  thread_local std::unique_ptr<HmacSha256> kept;
  if (!kept || !kept->keyedWith(key)) {
    kept.reset();  // a key the library refuses leaves nothing kept
    kept = std::make_unique<HmacSha256>(key);
  }
  return *kept;
}

std::string base64(const Hash& h) {
  unsigned char out[4 * ((sizeof(Hash) + 2) / 3) + 1];
  const int n = EVP_EncodeBlock(out, h.data(), static_cast<int>(h.size()));
  return std::string(reinterpret_cast<const char*>(out), static_cast<size_t>(n));
}

}  // namespace

std::string keyedDigest(std::string_view bytes, std::string_view secretKey, int passes) {
  HmacSha256& hmac = hmacKeyedWith(secretKey);
  Hash h = hmac.of(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  for (int i = 0; i < passes; ++i) h = hmac.of(h.data(), h.size());
  return base64(h);
}

DigestPlacement placeDigestInText(std::string& text, std::string_view secretKey, std::string_view passes) {
  DigestPlacement result;
  if (secretKey.empty() || passes.empty()) {
    result.error = "no digest key or number of passes is configured";
    return result;
  }
  int count = 0;
  for (char c : passes) {
    if (c < '0' || c > '9') {
      result.error = "the number of passes \"" + std::string(passes) + "\" is not a number";
      return result;
    }
    count = count * 10 + (c - '0');
  }
  try {
    result.digest = keyedDigest(text, secretKey, count);
  } catch (const std::exception& e) {
    result.error = e.what();
    return result;
  }
  const std::string placed = "<ITRForm:Digest>" + result.digest + "</ITRForm:Digest>";
  for (size_t at = text.find(kDigestElementWithPlaceholder); at != std::string::npos;
       at = text.find(kDigestElementWithPlaceholder, at + placed.size())) {
    text.replace(at, kDigestElementWithPlaceholder.size(), placed);
    ++result.placeholders;
  }
  result.succeeded = true;
  return result;
}

namespace {

using SaveWhole = void (*)(const std::filesystem::path&, std::string_view);

DigestPlacement placeDigestSaving(const std::filesystem::path& file, std::string_view secretKey,
                                  std::string_view passes, SaveWhole save) {
  std::string text;
  try {
    text = suite::readWholeFile(file);
  } catch (const std::exception& e) {
    DigestPlacement result;
    result.error = e.what();
    return result;
  }
  DigestPlacement result = placeDigestInText(text, secretKey, passes);
  if (!result.succeeded || result.placeholders == 0) return result;
  try {
    save(file, text);
  } catch (const std::exception& e) {
    result.error = e.what();
    result.succeeded = false;
    result.placeholders = 0;
  }
  return result;
}

}  // namespace

DigestPlacement placeDigest(const std::filesystem::path& file, std::string_view secretKey, std::string_view passes) {
  return placeDigestSaving(file, secretKey, passes, suite::writeFileAtomically);
}

DigestPlacement placeDigest(const std::filesystem::path& file, suite::efile::EfileCredentials& credentials, int year) {
  return placeDigest(file, credentials.forYear(year), year);
}

std::string missingCredentials(const suite::efile::CredentialSet& set, int year) {
  if (!set.secretKey.empty() && !set.passes.empty()) return "";
  return "no e-filing credentials are configured for A.Y. " + assessmentYearText(year);
}

DigestPlacement placeDigest(const std::filesystem::path& file, const suite::efile::CredentialSet& set, int year) {
  DigestPlacement result;
  result.error = missingCredentials(set, year);
  return result.error.empty() ? placeDigest(file, set.secretKey, set.passes) : result;
}

DigestPlacement placeDigestInWorkingFile(const std::filesystem::path& file, const suite::efile::CredentialSet& set,
                                         int year) {
  DigestPlacement result;
  result.error = missingCredentials(set, year);
  if (!result.error.empty()) return result;
  return placeDigestSaving(file, set.secretKey, set.passes, suite::writeFileAtomicallyUnsynced);
}

}  // namespace meridian::itr::efile

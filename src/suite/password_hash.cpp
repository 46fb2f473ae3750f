#include "suite/password_hash.h"

#include <sodium.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace meridian::suite {
namespace {
void ensureSodium() {
  static const bool ready = sodium_init() >= 0;
  if (!ready) throw std::runtime_error("libsodium could not start");
}

// Each hash takes 64 MB for a moment. Sign-in attempts come before anyone is
// known, so at most a few run at once and the rest queue: a flood of them
// costs time, not all the machine's memory.
class HashSlots {
 public:
  HashSlots() : free_(std::max(2u, std::thread::hardware_concurrency())) {}
  void take() {
    std::unique_lock lock(mutex_);
    freed_.wait(lock, [&] { return free_ > 0; });
    --free_;
  }
  void give() {
    {
      std::lock_guard lock(mutex_);
      ++free_;
    }
    freed_.notify_one();
  }

 private:
  std::mutex mutex_;
  std::condition_variable freed_;
  unsigned free_;
};

struct HashSlot {
  HashSlot() { slots().take(); }
  ~HashSlot() { slots().give(); }
  static HashSlots& slots() {
    static HashSlots s;
    return s;
  }
};
}  // namespace

std::string hashPassword(const std::string& password) {
  ensureSodium();
  char out[crypto_pwhash_STRBYTES];
  HashSlot slot;
  // Interactive limits: a sign-in stays under a second on a small machine.
  if (crypto_pwhash_str_alg(out, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
    throw std::runtime_error("out of memory while hashing a password");
  return out;
}

bool verifyPassword(const std::string& hash, const std::string& password) {
  ensureSodium();
  if (hash.empty()) return false;
  HashSlot slot;
  return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

std::string randomPassword(size_t length) {
  ensureSodium();
  static const char alphabet[] = "abcdefghjkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
  std::string out;
  for (size_t i = 0; i < length; ++i) out.push_back(alphabet[randombytes_uniform(sizeof alphabet - 1)]);
  return out;
}

std::string randomToken(size_t bytes) {
  ensureSodium();
  std::string raw(bytes, '\0');
  randombytes_buf(raw.data(), raw.size());
  std::string hex(bytes * 2 + 1, '\0');
  sodium_bin2hex(hex.data(), hex.size(), reinterpret_cast<const unsigned char*>(raw.data()), raw.size());
  hex.pop_back();
  return hex;
}

}  // namespace meridian::suite

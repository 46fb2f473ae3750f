#pragma once
// Password hashes (argon2id through libsodium) and random one-time passwords.
#include <string>

namespace meridian::suite {

std::string hashPassword(const std::string& password);
bool verifyPassword(const std::string& hash, const std::string& password);
// A password of letters and digits that avoids look-alike characters.
std::string randomPassword(size_t length = 16);
// Random bytes as hex, for session ids and CSRF tokens.
std::string randomToken(size_t bytes = 32);

}  // namespace meridian::suite

#pragma once
// A value bound into an SQL statement. SQL text never carries user values:
// every one of them travels as one of these.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace meridian::db {

struct Null {};

class Value {
 public:
  Value() : v_(Null{}) {}
  Value(Null) : v_(Null{}) {}
  Value(std::string s) : v_(std::move(s)) {}
  Value(std::string_view s) : v_(std::string(s)) {}
  Value(const char* s) : v_(std::string(s)) {}
  Value(int i) : v_(static_cast<long long>(i)) {}
  Value(long i) : v_(static_cast<long long>(i)) {}
  Value(long long i) : v_(i) {}
  Value(bool b) : v_(static_cast<long long>(b ? 1 : 0)) {}
  Value(double d) : v_(d) {}

  bool isNull() const { return std::holds_alternative<Null>(v_); }
  const std::variant<Null, long long, double, std::string>& raw() const { return v_; }

 private:
  std::variant<Null, long long, double, std::string> v_;
};

using Params = std::vector<Value>;

}  // namespace meridian::db

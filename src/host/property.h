#pragma once
// A property of a host object that carries the working context. Every write
// can be recorded in a journal, so the order in which screens write the
// context is visible (and testable).
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "common/dates.h"

namespace meridian::ui { class Form; }

namespace meridian::host {

using Date = std::optional<CivilDate>;

struct ContextWrite {
  std::string object;
  std::string property;
  std::string value;
  bool operator==(const ContextWrite&) const = default;
};

class ContextJournal {
 public:
  bool recording = false;
  void record(const std::string& object, const std::string& property, std::string value) {
    if (recording) writes_.push_back({object, property, std::move(value)});
  }
  const std::vector<ContextWrite>& writes() const { return writes_; }
  void clear() { writes_.clear(); }

 private:
  std::vector<ContextWrite> writes_;
};

std::string contextText(const std::string& v);
std::string contextText(int v);
std::string contextText(long long v);
std::string contextText(double v);
std::string contextText(bool v);
std::string contextText(const Date& v);
std::string contextText(ui::Form* v);

template <class T>
class Property {
 public:
  Property(ContextJournal& journal, const char* object, const char* name, T initial = T{})
      : journal_(&journal), object_(object), name_(name), value_(std::move(initial)) {}
  Property(const Property&) = delete;

  Property& operator=(T v) {
    value_ = std::move(v);
    journal_->record(object_, name_, contextText(value_));
    return *this;
  }
  template <class U, class = std::enable_if_t<std::is_convertible_v<U, T> && !std::is_same_v<std::decay_t<U>, T>>>
  Property& operator=(U&& v) {
    return *this = T(std::forward<U>(v));
  }
  const T& get() const { return value_; }
  operator const T&() const { return value_; }
  const char* name() const { return name_; }

 private:
  ContextJournal* journal_;
  const char* object_;
  const char* name_;
  T value_;
};

}  // namespace meridian::host

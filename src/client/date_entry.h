#pragma once
// A masked date box "__/__/____": what people type into it (1/1/1950,
// 01-01-1950, 01011950, or the mask filled in) read as one date shown
// dd/mm/yyyy, the untouched mask, or a refusal; never a date silently lost.
// web/static/datemask.js reads typed dates the same way; the cases in
// tests/data/vtxt_cases.json are run against both.
#include <string>
#include <string_view>

namespace meridian::client {

inline constexpr std::string_view kDateMask = "__/__/____";
inline constexpr std::string_view kInvalidDateMessage = "Please specify Valid Date.";

struct DateEntry {
  enum class Kind { empty, date, invalid };
  Kind kind = Kind::empty;
  // dd/mm/yyyy for a date, the mask for an empty box, the typed text otherwise.
  std::string text;
};

DateEntry readDateEntry(std::string_view typed);

}  // namespace meridian::client

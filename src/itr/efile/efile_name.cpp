#include "itr/efile/efile_name.h"

#include <algorithm>

#include "ui/dialogs.h"

namespace meridian::itr::efile {
namespace {

bool plainNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool endsInXml(std::string_view name) {
  if (name.size() < 4) return false;
  std::string last(name.substr(name.size() - 4));
  std::transform(last.begin(), last.end(), last.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return last == ".XML";
}

}  // namespace

std::optional<std::string> eReturnFileNameRefusal(std::string_view name) {
  if (!endsInXml(name)) return std::string(kNotAnXmlFile);
  const std::string_view stem = name.substr(0, name.size() - 4);
  // A bare ".xml" names no file at all, so it is refused with the name rule.
  if (stem.empty() || !std::all_of(stem.begin(), stem.end(), plainNameCharacter)) return std::string(kBadFileName);
  return std::nullopt;
}

bool acceptEReturnFileName(std::string_view name, ui::Dialogs& dialogs) {
  const auto refusal = eReturnFileNameRefusal(name);
  if (refusal) dialogs.info(*refusal);
  return !refusal;
}

}  // namespace meridian::itr::efile

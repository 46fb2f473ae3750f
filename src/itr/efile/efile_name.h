#pragma once
// The name a user gives an e-return file: letters, digits and "_", ending in
// ".xml" in any letter case, as the department's upload accepts.
#include <optional>
#include <string>
#include <string_view>

namespace meridian::ui { class Dialogs; }

namespace meridian::itr::efile {

inline constexpr std::string_view kNotAnXmlFile = "Not a Valid File Format.";
inline constexpr std::string_view kBadFileName =
    "Not a Valid File Name. File name should not contain any special Characters such as @, #, !, $, %, ^, &, space "
    "etc.";

// The message refusing the name, or nothing when the name is fit.
std::optional<std::string> eReturnFileNameRefusal(std::string_view name);

// The same check told to the user in an information box; false when refused.
bool acceptEReturnFileName(std::string_view name, ui::Dialogs& dialogs);

}  // namespace meridian::itr::efile

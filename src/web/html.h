#pragma once
#include <string>
#include <string_view>

namespace meridian::web {

// Text made safe for HTML element content and attribute values.
std::string escapeHtml(std::string_view text);
// A caption with "&" access-key markers: "&Returns" shows R underlined; "&&" is a plain "&".
std::string captionHtml(std::string_view caption);
// The access key of a caption ("r" for "&Returns"), or 0.
char accessKey(std::string_view caption);

}  // namespace meridian::web

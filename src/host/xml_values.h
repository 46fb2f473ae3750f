#pragma once
// The host's e-return services for values: what text and dates become before
// they stand in an element of an e-return. Escaping of <, & and quotes is the
// XML writer's; these make the value itself fit.
#include <string>
#include <string_view>

namespace meridian::host {

// Names, addresses, places, bank and trade names: bytes that are not UTF-8
// become "?", characters XML 1.0 forbids are dropped, tabs and line breaks
// count as blanks, and runs of blanks close up to one, trimmed at both ends.
std::string XmlTextOut(std::string_view text);

// A date typed or stored as dd/mm/yyyy in the schema's form yyyy-mm-dd; ""
// when the text is no date (the check of the file then names the element).
std::string XmlDateOut(std::string_view ddmmyyyy);

}  // namespace meridian::host

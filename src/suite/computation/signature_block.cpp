#include "suite/computation/signature_block.h"

#include <algorithm>

#include "suite/report/utf8_text.h"

namespace meridian::suite::computation {
namespace {

constexpr int kPageColumns = 78;
constexpr int kSignatureColumn = 46;  // the right-hand block starts here, as the practice signs

// "(Common)" is the user's own place of signing ("PLACE"), or the city of the
// communication address when "City of Communication Address" is ticked;
// "##CITY##" is that city for this client; anything else was typed.
std::string placeOfSigning(const PrintoutData& d, const PrintoutOptions& o) {
  const std::string& p = d.signer.place;
  if (p == "##CITY##") return d.client.communicationCity;
  if (p.empty() || p == "##COMMON##") return o.cityAsPlace ? d.client.communicationCity : o.commonPlace;
  return p;
}

// At the signature column, or further left when the text would pass the edge.
std::string atRight(const std::string& text) {
  const int indent = std::max(0, std::min(kSignatureColumn, kPageColumns - report::columnCount(text)));
  return std::string(static_cast<std::size_t>(indent), ' ') + text;
}

}  // namespace

std::vector<std::string> signatureLines(const PrintoutData& d, const PrintoutOptions& o) {
  const Signer& s = d.signer;
  // An individual signs his own return when no one else is named; for any
  // other client the signer must be named on the settings screen.
  const std::string name = !s.name.empty() ? s.name : d.client.person ? d.client.name : "";
  const std::string pan = !s.pan.empty() ? s.pan : d.client.person ? d.client.pan : "";
  std::vector<std::string> right;
  if (o.signerName && !name.empty()) right.push_back("(" + name + ")");
  if (o.signerDesignation && !s.capacity.empty()) right.push_back(s.capacity);
  if (s.showPan && !pan.empty()) right.push_back("PAN : " + pan);
  const std::string place = placeOfSigning(d, o);
  std::vector<std::string> lines;
  if (right.empty() && place.empty()) return lines;
  if (!place.empty()) lines.push_back("Place : " + place);
  for (const auto& r : right)
    for (const auto& piece : report::wrapToWidth(r, kPageColumns - kSignatureColumn)) lines.push_back(atRight(piece));
  return lines;
}

}  // namespace meridian::suite::computation

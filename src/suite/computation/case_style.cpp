#include "suite/computation/case_style.h"

#include <cctype>

namespace meridian::suite::computation {
namespace {

// Four lists joined as they are: the first ends with a blank after "IVth",
// so " IVth " is a token with blanks around it, as " Ist " is.
constexpr std::string_view kTokenLists[] = {
    "112(1)(c)(iii),115AD(1)(ii) Proviso,115AD(1)(ii),115AB(1)(ii),115AC(1)(ii),115ACA(1)(ii),115AD(1)(iii),"
    "115E(ii),115E(i),115A(1)(a)(A),115A(1)(a)(B),115A(1)(a)(BA),115A(1)(a)(C),115A(2),115A(1)(b),115AB(1)(i),"
    "115AC(1)(i),115ACA(1)(i),115AD(1)(i),115BBA(1)(i),115BBB(1)(a),115BBC(1)(i),115BBD(1)(a),115AB,115ACA,115AC,"
    "115AD,115A,115BBA,115BBB,115BBC,115BBD,115E,115O,115VG,115V-I,[S,[M,25A,25B,40A(2),43B,44ADA,44AD,44AF,44AE,"
    "10(2A),234A,234B,234C,234D,244A,140A,88D,88B,88C,88E,115JAA,111A,115BB,115JB,115JC,115JD,115JB(2),-VIA,40b,"
    "24(b),24(1)(i),24(a),24(1)(ii),24(1)(v),24(1)(vi),24(1)(iv),24(1)(vii),24(1)(ix),288A,10(10A),10(10AA),"
    "10(10C),10(13A),10AA,10A,10BA,10B,54GA,54G,54F,54ED,54EC,54E,54D,54B,54,35(1)(2AA),35(1)(2AB),35AC,35AD,"
    "32(1)(i),(STT , Ist , IInd , IIIrd , IVth ",
    ",80U,80TTA,80RRB,80RRA,80RR,80R,80QQB,80QQA,80P,80O,80LA,80JJAA,80JJA,80IE,80ID,80IC,80IB,80IAB,80IA,80I,"
    "80HHF,80HHE,80HHD,80HHC,80HHBA,80HHB,80HHA,80HH,80GGC,80GGB,80GGA,80GG,80G,80EE,80E,80DDB,80DD,80D,80CCG,"
    "80CCF,80CCE,80CCD,80CCC,80CCB,80CCA,80C",
    ",32AC,32AD,44BBB,44BBA,44BB,44B,44DA,44DB,44D,7A,7B(1A),7B(1)",
    ",194LBA(2),194LC,194LD",
};

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string converted(std::string_view text, int style) {
  std::string out(text);
  bool wordStart = true;
  for (char& c : out) {
    const auto u = static_cast<unsigned char>(c);
    if (style == 1)
      c = static_cast<char>(std::toupper(u));
    else if (style == 2)
      c = static_cast<char>(wordStart ? std::toupper(u) : std::tolower(u));
    else
      c = static_cast<char>(std::tolower(u));
    wordStart = std::isspace(u);
  }
  return out;
}

}  // namespace

const std::vector<std::string>& protectedTokens() {
  static const std::vector<std::string> tokens = [] {
    std::string all;
    for (auto part : kTokenLists) all += part;
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t at; (at = all.find(',', start)) != std::string::npos; start = at + 1)
      if (at > start) out.push_back(all.substr(start, at - start));
    if (start < all.size()) out.push_back(all.substr(start));
    return out;
  }();
  return tokens;
}

std::string inCaseStyle(std::string_view caption, int style) {
  if (style == 0) return std::string(caption);
  std::string out = converted(caption, style);
  // Case conversion keeps every byte in place, so a token found in the
  // lower-cased text sits at the same offset in the output.
  for (const std::string& token : protectedTokens()) {
    const std::string key = lower(token);
    std::string folded = lower(out);
    for (std::size_t at = folded.find(key); at != std::string::npos; at = folded.find(key, at + key.size()))
      out.replace(at, token.size(), token);
  }
  return out;
}

}  // namespace meridian::suite::computation

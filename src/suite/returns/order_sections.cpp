#include "suite/returns/order_sections.h"

#include <string_view>

namespace meridian::returns {

const char* const kOrderSectionList =
    "#1;143(1)|#2;143(3)|#3;148|#4;153A|#5;154|#6;155|#7;245D(4)|#8;250|#9;254|#10;260|#11;262|#12;263|#13;264";

std::string orderSectionText(int code) {
  const std::string key = "#" + std::to_string(code) + ";";
  std::string_view list = kOrderSectionList;
  size_t at = list.find(key);
  // "#1;" must not be found inside "#11;": the key follows the start or a "|".
  while (at != std::string_view::npos && at != 0 && list[at - 1] != '|') at = list.find(key, at + 1);
  if (at == std::string_view::npos) return "";
  const size_t start = at + key.size();
  return std::string(list.substr(start, list.find('|', start) - start));
}

bool offersAssessmentChoice(int code) { return code == 3 || code == 4; }

}  // namespace meridian::returns

#include "suite/computation/year_options.h"

namespace meridian::suite::computation {

const std::string& defaultYearOptions() {
  static const std::string defaults = "00000001101";
  return defaults;
}

bool yearOptionOn(const std::string& stored, YearOption option) {
  const auto k = static_cast<std::size_t>(option);
  return (k < stored.size() ? stored[k] : defaultYearOptions()[k]) == '1';
}

}  // namespace meridian::suite::computation

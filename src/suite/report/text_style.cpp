#include "suite/report/text_style.h"

#include <algorithm>
#include <array>

namespace meridian::suite::report {

double charactersPerInch(Pitch pitch) {
  switch (pitch) {
    case Pitch::pitch12cpi: return 12.0;
    case Pitch::condensed17cpi: return 17.14;
    case Pitch::normal10cpi: break;
  }
  return 10.0;
}

double fontStepScale(int step) {
  static constexpr std::array<double, 8> scale{1.0, 0.8, 0.9, 1.0, 1.1, 1.2, 1.4, 1.6};
  return scale[static_cast<std::size_t>(std::clamp(step, 0, 7))];
}

}  // namespace meridian::suite::report

#include "suite/engine/year_result.h"

namespace meridian::engine {

Money IncomePots::total() const {
  return salary + houseProperty + business + speculation + otherSources + apart.total() + stcgOther + ltcgIndexed +
         stcg111a + ltcgWithoutIndexation;
}

LossPart partOf(LossKind kind) {
  switch (kind) {
    case LossKind::houseProperty:
      return LossPart::houseProperty;
    case LossKind::business:
      return LossPart::business;
    case LossKind::speculation:
      return LossPart::speculation;
    case LossKind::unabsorbedDepreciation:
      return LossPart::unabsorbedDepreciation;
    case LossKind::stcl:
      return LossPart::shortTerm;
    case LossKind::ltcl:
      return LossPart::longTerm;
    case LossKind::raceHorses:
      return LossPart::raceHorses;
    case LossKind::specifiedBusiness:
      return LossPart::specifiedBusiness;
  }
  return LossPart::business;
}

const char* lossPartCaption(LossPart part) {
  switch (part) {
    case LossPart::houseProperty:
      return "HOUSE PROPERTY";
    case LossPart::business:
      return "ORDINARY BUSINESS";
    case LossPart::unabsorbedDepreciation:
      return "UNABSORBED DEPRECIATION";
    case LossPart::speculation:
      return "SPECULATION BUSINESS";
    case LossPart::capitalGain:
      return "CAPITAL GAIN";
    case LossPart::shortTerm:
      return "SHORT TERM CAPITAL LOSS";
    case LossPart::longTerm:
      return "LONG TERM CAPITAL LOSS";
    case LossPart::raceHorses:
      return "LOSS FROM OWNING AND MAINTAINING RACE HORSE(S)";
    case LossPart::specifiedBusiness:
      return "SPECIFIED BUSINESS";
  }
  return "";
}

}  // namespace meridian::engine

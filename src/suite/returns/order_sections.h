#pragma once
// The sections under which an order is passed, by their code (SecSrNo).
#include <string>

namespace meridian::returns {

// The list of `cbosection`: "#code;text" items joined by "|".
extern const char* const kOrderSectionList;

// "143(3)" for 2; "" for a code outside the list.
std::string orderSectionText(int code);

// Orders u/s 148 and 153A are either a re-computation or a re-assessment.
bool offersAssessmentChoice(int code);

constexpr const char* kReComputation = "Re-Computation";
constexpr const char* kReAssessment = "Re-Assessment";

}  // namespace meridian::returns

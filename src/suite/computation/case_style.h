#pragma once
// The case the computation's captions are printed in (setting "CompPrn"):
// 0 as written, 1 upper, 2 proper (each word capitalised), anything else
// lower. Section numbers and the like keep their own spelling whatever the
// case ("u/s 80C", "234A", "Ist"): after the conversion every protected token
// is written back as listed.
#include <string>
#include <string_view>
#include <vector>

namespace meridian::suite::computation {

std::string inCaseStyle(std::string_view caption, int style);
const std::vector<std::string>& protectedTokens();

}  // namespace meridian::suite::computation

#pragma once
// Age class of an individual for the exemption limit, the rebates, Chapter
// VI-A and the advance-tax exemption of senior citizens: 0 below the senior
// age, 1 senior, 2 very senior.
#include <chrono>
#include <optional>

namespace meridian::tax {

// The last day on which an age reached counts for the year. The law asks for
// the age reached "at any time during the previous year", and a person attains
// an age on the day before the anniversary of the birth, so a birthday falling
// on 1 April of the assessment year still counts: the day is 1 April in every
// year.
std::chrono::year_month_day ageReferenceDate(int year);

// No date of birth gives class 0; a very senior age of 0 means no class 2.
int ageClass(const std::optional<std::chrono::year_month_day>& dob, int year, int seniorAge, int verySeniorAge);

}  // namespace meridian::tax

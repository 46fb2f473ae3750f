// What a head screen's cell makes of what was typed: the text it shows, or
// the refusal in the words the module uses; and that what it stores reads
// back as it was shown.
#include <gtest/gtest.h>

#include <memory>

#include "suite/heads/cell_type.h"
#include "suite/heads/head_choices.h"

namespace meridian::suite::heads {
namespace {

std::optional<std::string> notAfter2016(const CivilDate& d) {
  if (d > std::chrono::year{2016} / std::chrono::March / 31) return "after the year";
  return std::nullopt;
}

TEST(CellType, ReadsWhatWasTypedOrRefusesIt) {
  struct Case {
    const char* what;
    CellType type;
    const char* typed;
    const char* shown;    // nullptr: refused
    const char* message;  // the refusal
  } cases[] = {
      {"amount", CellType::money(), "150000", "150000.00", ""},
      {"a third decimal rounded as the amount box rounds it", CellType::money(), "10.125", "10.13", ""},
      {"amount blanks around", CellType::money(), "  42 ", "42.00", ""},
      {"blank amount", CellType::money(), "   ", "", ""},
      {"letters in an amount: the amount box's words", CellType::money(), "12a", nullptr, "Enter Numeric value"},
      {"negative amount", CellType::money(), "-5", nullptr, "'Amount' can not be negative."},
      {"a loss may be negative", CellType::loss(), "-5000", "-5000.00", ""},
      {"thirteen digits of rupees", CellType::money(), "1000000000000", nullptr,
       "'Amount' can not exceed twelve digits of rupees."},
      {"date completed", CellType::date(), "1/4/15", "01/04/2015", ""},
      {"not a date", CellType::date(), "31/02/2016", nullptr, "Invalid date. Enter date in dd/mm/yyyy."},
      {"date outside its window", CellType::date(notAfter2016), "01/04/2016", nullptr, "after the year"},
      {"date inside its window", CellType::date(notAfter2016), "31/03/2016", "31/03/2016", ""},
      {"PAN upper-cased", CellType::pan(), "abcpk1234d", "ABCPK1234D", ""},
      {"PAN of no status the department issues", CellType::pan(), "ABCXK1234D", nullptr, "Invalid PAN !"},
      {"TAN", CellType::tan(), "mumr12345b", "MUMR12345B", ""},
      {"TAN with a digit too few", CellType::tan(), "MUMR1234B", nullptr, "Invalid TAN !"},
      {"BSR code", CellType::digits(7, "BSR Code must be of 7 digits."), "0510308", "0510308", ""},
      {"BSR code of six digits", CellType::digits(7, "BSR Code must be of 7 digits."), "051030", nullptr,
       "BSR Code must be of 7 digits."},
      {"choice by its code", CellType::choice(choices::houseUses()), "n", "Self Occupied", ""},
      {"choice by the start of its caption", CellType::choice(choices::houseUses()), "deem", "Deemed Let Out", ""},
      {"choice the start of two captions", CellType::choice(choices::exemptAllowances()), "C", nullptr,
       "'Amount' must be one of: HRA House Rent Allowance u/s 10(13A), LTA Leave Travel Concession u/s 10(5), "
       "CONV Conveyance Allowance u/s 10(14), CEA Children Education Allowance u/s 10(14), OTH Other Allowance u/s 10."},
      {"flag", CellType::flag(), "no", "No", ""},
      {"whole number in range", CellType::whole(1, 100), "50", "50", ""},
      {"whole number out of range", CellType::whole(1, 99), "100", nullptr,
       "'Amount' must be a whole number from 1 to 99."},
      {"whole number with a point", CellType::whole(1, 100), "5.5", nullptr,
       "'Amount' must be a whole number from 1 to 100."},
      {"assessment year as its first year", CellType::year(2000, 2017), "2012", "2012-13", ""},
      {"assessment year as shown", CellType::year(2000, 2017), "2012-13", "2012-13", ""},
      {"assessment year whose halves disagree", CellType::year(2000, 2017), "2012-14", nullptr,
       "'Amount' must be an assessment year from 2000-01 to 2017-18."},
      {"text upper-cased", CellType::text(10), "Acme Ltd", "ACME LTD", ""},
      {"text too long", CellType::text(5), "ABCDEF", nullptr, "'Amount' can not be longer than 5 characters."},
      {"a tab in a text", CellType::text(), "A\tB", nullptr,
       "'Amount' can not hold line breaks, tabs or other control characters."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CellCheck r = checkCell(c.type, c.typed, "Amount");
    EXPECT_EQ(r.accepted, c.shown != nullptr);
    if (c.shown) EXPECT_EQ(r.shown, c.shown);
    else EXPECT_EQ(r.message, c.message);
  }
}

// A stored value is shown as the cell showed it before the save.
TEST(CellType, StoredValuesShowAsTheyWereShown) {
  struct Case {
    const char* what;
    CellType type;
    const char* shown;
    const char* stored;  // as the database gives it back
  } cases[] = {
      {"amount", CellType::money(), "1234.50", "1234.5"},
      {"nil amount shows blank", CellType::money(), "", "0"},
      {"date kept as a DATE", CellType::date(nullptr, true), "01/04/2015", "2015-04-01"},
      {"date kept as text", CellType::date(), "01/04/2015", "01/04/2015"},
      {"choice kept by code", CellType::choice(choices::houseUses()), "Let Out", "Y"},
      {"assessment year kept as its first year", CellType::year(2000, 2017), "2012-13", "2012"},
      {"PAN", CellType::pan(), "ABCPK1234D", "ABCPK1234D"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const db::Value v = storedValue(c.type, c.shown);
    std::string written;
    if (auto* s = std::get_if<std::string>(&v.raw())) written = *s;
    else if (auto* i = std::get_if<long long>(&v.raw())) written = std::to_string(*i);
    const db::Row row(std::make_shared<db::Columns>(std::vector<std::string>{"v"}),
                      {std::optional<std::string>(c.stored)});
    EXPECT_EQ(shownValue(c.type, row, "v"), c.shown);
    if (c.type.kind != CellKind::money) EXPECT_EQ(written, c.stored);
  }
}

}  // namespace
}  // namespace meridian::suite::heads

#pragma once
// What one cell of a head's grid (or one box of its fields) holds: an amount,
// a date, a PAN or TAN, a choice from a short list, a whole number, a text.
// Each kind reads what the user typed the way the module's boxes read it,
// refuses it with the words the module uses elsewhere, shows it in one form,
// and turns it into the value its column stores, so that a grid loaded,
// edited and saved writes back exactly what it read.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/money.h"
#include "db/record_set.h"
#include "db/value.h"
#include "ui/dialogs.h"

namespace meridian::suite::heads {

enum class CellKind {
  text,    // free text, upper-cased as the module's boxes hold it
  money,   // an amount, never below nil
  loss,    // an amount that may be a loss (below nil)
  whole,   // a whole number within bounds
  date,    // dd/mm/yyyy
  pan,
  tan,
  digits,  // exactly so many digits (BSR code, challan serial number)
  choice,  // one of a short list (Yes/No among them): typed as its code or the start of its caption
  year,    // an assessment year within bounds: typed "2012-13" or "2012", stored as its first year
};

struct Choice {
  std::string code;     // stored
  std::string caption;  // shown
};

// A date's window: the refusal for a date outside it, or nothing.
using DateRule = std::function<std::optional<std::string>(const CivilDate&)>;

struct CellType {
  CellKind kind = CellKind::text;
  int length = 0;              // text: most characters (0 = 255); digits: exactly this many
  long long min = 0, max = 0;  // whole; year: the first years allowed
  std::vector<Choice> choices;
  DateRule dateRule;        // date: the window it must fall in
  bool isoDate = false;     // date: the column is a DATE (yyyy-mm-dd), not dd/mm/yyyy text
  std::string digitsMessage;  // digits: the refusal for anything but the digits

  static CellType text(int length = 0);
  static CellType money();
  static CellType loss();
  static CellType whole(long long min, long long max);
  static CellType date(DateRule rule = nullptr, bool iso = false);
  static CellType pan();
  static CellType tan();
  static CellType digits(int count, std::string message);
  static CellType choice(std::vector<Choice> choices);
  static CellType flag();
  static CellType year(int first, int last);
};

// The most an amount may be: twelve digits of rupees, as the amount boxes hold.
inline constexpr std::int64_t kLargestRupees = 999'999'999'999;

// What a cell holds after the user typed into it: the text it shows, or why
// it is refused (the message and its icon).
struct CellCheck {
  bool accepted = true;
  std::string shown;
  std::string message;
  ui::Icon icon = ui::Icon::information;
};

// Reads a typed text; `title` names the cell in a refusal. A blank is
// accepted (shown as blank); whether a cell may be blank is the grid's rule.
CellCheck checkCell(const CellType& type, std::string_view typed, const std::string& title);

// The value a shown (accepted) text stores: amounts as numbers with two
// decimals, blank amounts and numbers as 0, dates as the column keeps them,
// a choice as its code (a flag "Y" or "N"), texts as shown.
db::Value storedValue(const CellType& type, const std::string& shown);

// The text a stored value shows (a nil amount as a blank); a value the cell
// could not have written (an unknown code, a broken date) shows as stored,
// for the check to refuse.
std::string shownValue(const CellType& type, const db::Row& row, const std::string& column);

// An accepted cell's amount (money and loss), 0 for a blank.
Money amountOf(const std::string& shown);
// An accepted choice's code ("" for a blank).
std::string codeOf(const CellType& type, const std::string& shown);
// The caption of a code, "" when the list has none.
std::string captionOf(const CellType& type, const std::string& code);

}  // namespace meridian::suite::heads

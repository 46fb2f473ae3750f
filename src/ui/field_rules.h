#pragma once
// The validating text box (vTxt) that the forms use instead of a plain text
// box: its input classes, the filter every key press goes through, the check
// made when the user leaves the box, and the rewrite of amounts on leaving.
//
// The rules are pure so that three places can share them: the screen model,
// the server when a screen saves (a request that bypasses the page must be
// refused with the same words), and web/static/vtxt.js, which repeats them in
// the browser. tests/data/vtxt_cases.json is run against both languages.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/dialogs.h"

namespace meridian::ui {
struct Control;
}

// The rules live in their own namespace: their key codes are characters,
// not the key codes of ui::keys.
namespace meridian::ui::vtxt {

// ValidateData of the box.
enum class InputClass {
  freeText = 0,
  wholeNumber = 1,   // digits, "+", "-"
  letters = 2,       // A-Z and blank
  alphaNumeric = 3,  // A-Z, 0-9
  amount = 4,        // digits, ".", "+", "-", at most three characters after the point
  dateLong = 5,      // dd-mm-yyyy
  dateShort = 6,     // dd-mm-yy
};

// The design-time properties of one box, with the defaults a form gets when
// it stores none.
struct FieldProps {
  int validateData = 0;
  int maxLength = 50;
  int minLength = 0;
  std::string include;  // always let in (looked at before exclude)
  std::string exclude;  // always kept out

  InputClass inputClass() const;
  // A screen control's properties; a control that stores no maximum (0) gets
  // the default of 50, as a box whose form never saved one.
  static FieldProps of(const ui::Control& c);
};

// The key codes the filter treats specially; any other code is a character.
namespace keys {
inline constexpr char32_t backspace = 8;
inline constexpr char32_t tab = 9;
inline constexpr char32_t enter = 13;
inline constexpr char32_t escape = 27;
}  // namespace keys

// Background of the box, as colour values in blue-green-red order (the way
// the desktop stored them) and as the page writes them.
inline constexpr std::uint32_t focusBackColour = 0xC0E0FF;  // light orange
inline constexpr std::uint32_t normalBackColour = 0xFFFFFF;
std::string cssColour(std::uint32_t bgr);  // 0xC0E0FF -> "#FFE0C0"

// How many characters the inner box itself holds (classes 1 and 4), and
// whether it shows its text right-aligned; both are fixed when the form loads.
std::optional<std::size_t> boxLimit(InputClass c);
bool rightAligned(InputClass c);

// What the filter did with one key press.
struct KeyResult {
  bool accepted = false;     // the key goes on into the box (or acts: Backspace, Tab, Enter ...)
  char32_t key = 0;          // the key as the box sees it, upper-cased
  std::optional<std::string> message;  // shown in a plain message box; none for silent drops
  ui::Icon icon = ui::Icon::none;
  // Focus moves on: a Tab that passed the check, or Enter, after which a Tab
  // key is sent into the box (so the check still decides whether it leaves).
  bool nextControl = false;
  bool raiseKeyPress = false;  // the form's key-press event sees the key
};

// Runs one key press through the filter. `text` is the box's text before the
// key; the filter looks at the whole text, not at the caret.
KeyResult filterKey(const FieldProps& p, std::string_view text, char32_t key);

// The text after a filtered key, with the caret at the end (how typing is
// replayed on the server and in the shared cases): an accepted character is
// appended, Backspace removes the last character, anything else leaves the
// text as it was.
std::string applyKey(std::string_view text, const KeyResult& r);

// Check_M: is the text acceptable when the user leaves the box? Returns the
// message of the first rule that refuses it.
std::optional<std::string> checkText(const FieldProps& p, std::string_view text);

// The test behind "Not a valid date": see the .cpp for what passes.
bool isDate(std::string_view text);

// Class 4 on leaving: two decimals, a leading zero, a minus sign rather than
// brackets, no grouping (1234.5 -> 1234.50). Text that is not a number is
// left as it is; so is an empty text.
std::string amountWithTwoDecimals(std::string_view text);

// Leaving the box: Check_M, then the class 4 rewrite when it passed.
struct LeaveResult {
  bool accepted = true;  // false: the focus goes back to the box
  std::string text;      // the text the box shows afterwards
  std::optional<std::string> message;
};
LeaveResult leaveBox(const FieldProps& p, std::string_view text);

// A whole text as a request brings it when a screen saves: every character is
// run through the key filter as if typed, then the check on leaving.
struct WholeTextResult {
  bool accepted = true;
  // The box's own words; none when the box would have dropped a character
  // silently (a third decimal too many, a text longer than the box takes).
  std::optional<std::string> message;
  std::string text;  // as the box would hold it: upper-cased, amounts rewritten
  std::size_t refusedAt = std::string::npos;  // character (not byte) index of the refused key
};
WholeTextResult validateWholeText(const FieldProps& p, std::string_view text);

// A box's text checked on the server as typing it and leaving the box would
// have checked it: the text as the box holds it (trimmed, upper case), or the
// refusal to show. A request may bring texts the page never let through.
struct BoxCheck {
  bool accepted = true;
  std::string text;
  std::string message;
  ui::Icon icon = ui::Icon::none;
};
BoxCheck recheckBox(const ui::Control& box, const std::string& label);

// UTF-8 helpers shared with the identifier rules.
std::u32string decodeUtf8(std::string_view s);
std::string encodeUtf8(std::u32string_view s);

}  // namespace meridian::ui::vtxt

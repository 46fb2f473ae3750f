#pragma once
// Rules for the identifiers a client carries (PAN, Aadhaar number, LLPIN or
// CIN, e-mail address, date of birth) and the other fixed-shape texts that
// screens and imports look for. Each check runs when the user leaves the field
// and again when the screen saves; a refusal keeps the focus in the field.
//
// Patterns are written as the desktop wrote them, in the like-operator's
// notation, and matched by matchesLike, so a rule reads the same here as in
// the department's published format.
#include <optional>
#include <string>
#include <string_view>

#include "ui/dialogs.h"

namespace meridian::host {

// A refusal as the user sees it.
struct Refusal {
  std::string message;
  ui::Icon icon = ui::Icon::none;
  bool selectText = false;  // the field's whole text is selected afterwards
};
using Verdict = std::optional<Refusal>;  // nullopt: accepted

// The like-operator's patterns:
//   ?        any one character
//   #        one digit
//   *        any run of characters, none included
//   [A-Z]    one character of the list; ranges with "-", a "-" first or last
//            stands for itself ([A-Z0-9-]); [!0-9] one character not listed
//   other    the character itself ("[(]" and "[_]" write "(" and "_" safely)
// Case matters: [A-Z] takes no lower-case letter. A malformed bracket matches
// nothing.
bool matchesLike(std::string_view text, std::string_view pattern);

namespace patterns {
inline constexpr std::string_view pan = "[A-Z][A-Z][A-Z][A-Z][A-Z][0-9][0-9][0-9][0-9][A-Z]";
inline constexpr std::string_view aadhaar = "[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]";
inline constexpr std::string_view llpin = "[A-Z0-9-][A-Z0-9-][A-Z0-9-][A-Z0-9-][A-Z0-9-][A-Z0-9-][A-Z0-9-][A-Z0-9-]";
inline constexpr std::string_view cin =
    "[UL][0-9][0-9][0-9][0-9][0-9][A-Z][A-Z][0-9][0-9][0-9][0-9][A-Z][A-Z][A-Z][0-9][0-9][0-9][0-9][0-9][0-9]";
inline constexpr std::string_view dateOfBirth = "[0-9][0-9]/[0-9][0-9]/[0-9][0-9][0-9][0-9]";
// A PIN in India: six digits, the first (the postal region) never 0.
inline constexpr std::string_view pin = "[1-9][0-9][0-9][0-9][0-9][0-9]";
// A mobile number in India: ten digits, the first 6, 7, 8 or 9.
inline constexpr std::string_view mobile = "[6-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]";
// A PAN as a department intimation prints it, the middle hidden.
inline constexpr std::string_view maskedPan = "[A-Z][A-Z][A-Z][_][_][_][_][_][0-9][A-Z]";
inline constexpr std::string_view dashedDate = "[0-9][0-9]-[0-9][0-9]-[0-9][0-9][0-9][0-9]";
inline constexpr std::string_view acknowledgementNo =
    "[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]";
// A TAN as the department allots it to a deductor or collector: four letters
// (the first three the city's code, the fourth the deductor's initial), five
// digits, a letter.
inline constexpr std::string_view tan = "[A-Z][A-Z][A-Z][A-Z][0-9][0-9][0-9][0-9][0-9][A-Z]";
// A name followed by its PAN in brackets: "RAM KUMAR (ABCPK1234D)".
inline constexpr std::string_view panInBrackets =
    "*[ ][(][A-Z][A-Z][A-Z][A-Z][A-Z][0-9][0-9][0-9][0-9][A-Z][)]";
}  // namespace patterns

// The fourth character of a PAN tells the holder's status; the department
// issues these:
//   P individual            C company              H Hindu undivided family
//   F firm (LLPs included)  A association of persons
//   T trust                 B body of individuals  L local authority
//   J artificial juridical person                  G government
inline constexpr std::string_view panStatusLetters = "PCHFATBLJG";

// A PAN as the department issues it: five letters (the fourth a status
// letter), four digits, a letter. The fifth letter (initial of the name) is
// not checked: nothing here knows the name it should match.
bool validPan(std::string_view pan);

// The messages, kept here so that screens and their tests quote one text.
namespace messages {
inline constexpr std::string_view invalidPan = "Invalid PAN !";
inline constexpr std::string_view specifyPan = "Please specify 'PAN' !";
inline constexpr std::string_view notValidPan = "Not a Valid 'PAN' !";
inline constexpr std::string_view aadhaar = "Please specify valid 12-Digit Aadhaar No.";
inline constexpr std::string_view llpin =
    "Invalid LLPIN !\nLength should be 8 containing characters [A-Z], [0-9], [-]\ne.g. ABC-1234";
inline constexpr std::string_view cin =
    "Invalid CIN !\nValid Format : [U/L]#####CC####CCC######\ne.g. U12345UU1234UUU123456";
inline constexpr std::string_view email = "Insert a valid E-mail address.";
inline constexpr std::string_view dateOfBirth = "Please specify Valid Date.";
inline constexpr std::string_view pin = "PIN should be of 6 digits, the first of them not 0.";
inline constexpr std::string_view mobile = "Mobile No. should be of 10 digits, beginning with 6, 7, 8 or 9.";
inline constexpr std::string_view futureBirth = "Date of Birth can not be later than today.";
inline constexpr std::string_view futureIncorporation = "Date of Incorporation can not be later than today.";
inline constexpr std::string_view invalidTan = "Invalid TAN !";
}  // namespace messages

// Blanks around an identifier are not part of it: each check trims them
// before it decides whether the field is empty or well-formed.

// PAN of the client: empty, or one validPan accepts.
Verdict checkClientPan(std::string_view text);
// PAN used to find the client's assessing officer: must be given and be PAN-shaped.
Verdict checkPanForAssessingOfficer(std::string_view text);
// TAN of a deductor, collector or employer: empty, or TAN-shaped.
Verdict checkTan(std::string_view text);
// Aadhaar number: empty, or twelve digits.
Verdict checkAadhaar(std::string_view text);

// The one registration-number field of the client form holds an LLPIN for a
// limited liability partnership and a CIN for a company; its label says which.
enum class RegistrationKind { none, llpin, cin };
RegistrationKind registrationKindForLabel(std::string_view label);
Verdict checkRegistrationNo(RegistrationKind kind, std::string_view text);

// E-mail address: empty, or an "@" with a "." at least two places after it.
Verdict checkEmail(std::string_view text);
// Date of birth from the masked box "__/__/____": untouched, or all eight digits typed.
Verdict checkDateOfBirth(std::string_view masked);

// The date box of birth or incorporation when the user leaves it: the rule
// above, then a date that is no date (31/02/1980) refused with the same words,
// and a date after today refused.
Verdict checkDateOfBirthOnLeaving(std::string_view masked, std::string_view today, bool incorporation);
// PIN and mobile number: empty, or as the patterns above say.
Verdict checkPin(std::string_view text);
Verdict checkMobile(std::string_view text);

bool isMaskedPan(std::string_view text);
bool isDashedDate(std::string_view text);
bool isAcknowledgementNo(std::string_view text);
bool endsWithPanInBrackets(std::string_view text);

}  // namespace meridian::host

#include <gtest/gtest.h>

#include <functional>

#include "host/identifier_rules.h"

namespace meridian::host {
namespace {

using ui::Icon;

struct Expect {
  std::string text;
  std::optional<std::string> message;  // nullopt: accepted
  Icon icon = Icon::none;
  bool selectText = false;
};

void check(const std::string& rule, const std::function<Verdict(std::string_view)>& f,
           const std::vector<Expect>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(rule) + " \"" + c.text + "\"");
    const Verdict v = f(c.text);
    ASSERT_EQ(v.has_value(), c.message.has_value());
    if (!v) continue;
    EXPECT_EQ(v->message, *c.message);
    EXPECT_EQ(v->icon, c.icon);
    EXPECT_EQ(v->selectText, c.selectText);
  }
}

TEST(IdentifierRules, Pan) {
  const std::string bad = "Invalid PAN !";
  check("client PAN", checkClientPan,
        {{"", {}},
         {"  ", {}},
         {"ABCPK1234D", {}},
         {"AAACT1234Q", {}},  // company
         {"AABHS1234K", {}},  // Hindu undivided family
         {"AAAGJ0001Z", {}},  // government
         {"ABCXK1234D", bad, Icon::exclamation},  // no such status letter
         {"ABCEK1234D", bad, Icon::exclamation},
         {"abcpk1234d", bad, Icon::exclamation},
         {"ABCPK1234", bad, Icon::exclamation},
         {"ABCPK12345", bad, Icon::exclamation},
         {"ABCPK1234DE", bad, Icon::exclamation},
         {"1BCPK1234D", bad, Icon::exclamation},
         {"ABCP11234D", bad, Icon::exclamation}});
  for (char status : std::string("PCHFATBLJG")) EXPECT_TRUE(validPan(std::string("ABC") + status + "K1234D")) << status;

  // Finding the assessing officer needs a PAN's shape, not its status letter.
  check("PAN for the assessing officer", checkPanForAssessingOfficer,
        {{"", "Please specify 'PAN' !", Icon::information},
         {"   ", "Please specify 'PAN' !", Icon::information},
         {"ABCXK1234D", {}},
         {"ABCPK1234D", {}},
         {"ABCPK1234", "Not a Valid 'PAN' !", Icon::information},
         {"ABCPKX234D", "Not a Valid 'PAN' !", Icon::information},
         {"abcpk1234d", "Not a Valid 'PAN' !", Icon::information}});
}

TEST(IdentifierRules, AadhaarEmailAndDateOfBirth) {
  const std::string aadhaar = "Please specify valid 12-Digit Aadhaar No.";
  check("Aadhaar", checkAadhaar,
        {{"", {}},
         {"123456789012", {}},
         {"12345678901", aadhaar, Icon::information, true},
         {"1234567890123", aadhaar, Icon::information, true},
         {"1234 5678 9012", aadhaar, Icon::information, true},
         {"12345678901A", aadhaar, Icon::information, true}});

  const std::string email = "Insert a valid E-mail address.";
  check("e-mail", checkEmail,
        {{"", {}},
         {"a@b.c", {}},
         {"tax.office@firm.co.in", {}},
         {"a@.c", email, Icon::information, true},
         {"a.b@c", email, Icon::information, true},
         {"ab.c", email, Icon::information, true},
         {"a@b", email, Icon::information, true}});

  const std::string date = "Please specify Valid Date.";
  check("date of birth", checkDateOfBirth,
        {{"", {}},
         {"__/__/____", {}},
         {"01/04/1980", {}},
         {"01/04/19__", date, Icon::information},
         {"1/4/1980", date, Icon::information},
         {"__/04/1980", date, Icon::information}});
}

TEST(IdentifierRules, RegistrationNumbers) {
  const std::string llpin =
      "Invalid LLPIN !\nLength should be 8 containing characters [A-Z], [0-9], [-]\ne.g. ABC-1234";
  const std::string cin = "Invalid CIN !\nValid Format : [U/L]#####CC####CCC######\ne.g. U12345UU1234UUU123456";
  // The box's label decides the rule.
  const auto box = [](std::string label) {
    return [label](std::string_view t) { return checkRegistrationNo(registrationKindForLabel(label), t); };
  };
  check("LLPIN", box("LLPIN issued by MCA"),
        {{"ABC-1234", {}},
         {"", {}},
         {"AAB-12345", llpin, Icon::exclamation},
         {"ABC-123", llpin, Icon::exclamation},
         {"ABC_1234", llpin, Icon::exclamation},
         {"abc-1234", llpin, Icon::exclamation},
         {"U12345UU1234UUU123456", llpin, Icon::exclamation}});
  check("CIN", box("CIN issued by MCA"),
        {{"U12345UU1234UUU123456", {}},
         {"L74999MH2010PLC123456", {}},
         {"", {}},
         {"X12345UU1234UUU123456", cin, Icon::exclamation},   // neither listed nor unlisted
         {"U1234UUU1234UUU123456", cin, Icon::exclamation},   // a letter where a digit belongs
         {"U12345UU1234UUU12345", cin, Icon::exclamation},    // one digit short
         {"U12345UU1234UUU1234567", cin, Icon::exclamation},  // one too many
         {"ABC-1234", cin, Icon::exclamation}});              // an LLPIN in a company's box
  check("other label", box("ADDRESS"), {{"anything", {}}});
}

TEST(IdentifierRules, PatternsOfOtherScreens) {
  struct Case {
    bool (*rule)(std::string_view);
    std::string text;
    bool matches;
  } cases[] = {
      {isMaskedPan, "ABC_____4D", true},
      {isMaskedPan, "ABCPK1234D", false},
      {isMaskedPan, "ABC____4D", false},
      {isDashedDate, "01-04-2016", true},
      {isDashedDate, "01/04/2016", false},
      {isDashedDate, "1-04-2016", false},
      {isAcknowledgementNo, "123456789012345", true},
      {isAcknowledgementNo, "12345678901234", false},
      {isAcknowledgementNo, "1234567890123456", false},
      {isAcknowledgementNo, "12345678901234A", false},
      {endsWithPanInBrackets, "RAM KUMAR (ABCPK1234D)", true},
      {endsWithPanInBrackets, "A (B) (ABCPK1234D)", true},
      {endsWithPanInBrackets, "RAM KUMAR(ABCPK1234D)", false},
      {endsWithPanInBrackets, "RAM KUMAR (ABCPK1234D) ", false},
      {endsWithPanInBrackets, "RAM KUMAR (ABCPK1234)", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.rule(c.text), c.matches) << c.text;
}

TEST(IdentifierRules, PinAndMobileNumbers) {
  const std::string pin(messages::pin), mobile(messages::mobile);
  check("PIN", checkPin,
        {{"", {}},
         {"110001", {}},
         {"999999", {}},
         {"011001", pin, Icon::information, true},  // no PIN begins with 0
         {"1234567", pin, Icon::information, true},
         {"12345", pin, Icon::information, true},
         {"11 001", pin, Icon::information, true},
         {"11000A", pin, Icon::information, true}});
  check("mobile", checkMobile,
        {{"", {}},
         {"6000000000", {}},
         {"9876543210", {}},
         {"5999999999", mobile, Icon::information, true},  // numbers begin with 6, 7, 8 or 9
         {"0987654321", mobile, Icon::information, true},
         {"987654321", mobile, Icon::information, true},
         {"98765432101", mobile, Icon::information, true},
         {"98765-4321", mobile, Icon::information, true}});
}

TEST(IdentifierRules, DateOfBirthOrIncorporationOnLeaving) {
  const std::string today = "15/06/2024";
  const auto birth = [&](std::string_view t) { return checkDateOfBirthOnLeaving(t, today, false); };
  const auto incorporation = [&](std::string_view t) { return checkDateOfBirthOnLeaving(t, today, true); };
  const std::string invalid(messages::dateOfBirth);
  check("birth", birth,
        {{"__/__/____", {}},
         {"15/06/2024", {}},  // born today
         {"01/01/1950", {}},
         {"16/06/2024", std::string(messages::futureBirth), Icon::information},
         {"01/01/2025", std::string(messages::futureBirth), Icon::information},
         {"31/02/1980", invalid, Icon::information},
         {"12/__/1980", invalid, Icon::information}});
  check("incorporation", incorporation,
        {{"15/06/2024", {}}, {"16/06/2024", std::string(messages::futureIncorporation), Icon::information}});
}

TEST(IdentifierRules, LikeMatcher) {
  struct Case {
    std::string text, pattern;
    bool matches;
  } cases[] = {
      {"A", "[A-Z]", true},       {"a", "[A-Z]", false},     {"-", "[A-Z0-9-]", true},
      {"-", "[-A]", true},        {"B", "[-A]", false},      {"U", "[UL]", true},
      {"K", "[UL]", false},       {"K", "[!UL]", true},      {"U", "[!UL]", false},
      {"5", "#", true},           {"x", "?", true},          {"", "?", false},
      {"ABC", "A*C", true},       {"AC", "A*C", true},       {"ABCD", "A*C", false},
      {"A*C", "A[*]C", true},     {"ABC", "A[*]C", false},   {"AXBXC", "*X?", true},    {"AXBXCD", "*X?", false},
      {"AXBXC", "*X*C", true},    {"(", "[(]", true},        {"A", "[A-Z", false},
  };
  for (const auto& c : cases) EXPECT_EQ(matchesLike(c.text, c.pattern), c.matches) << c.text << " like " << c.pattern;
}

}  // namespace
}  // namespace meridian::host

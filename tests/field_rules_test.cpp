// The validating text box against the cases the page's script is tested with
// too (tests/data/vtxt_cases.json), so the two cannot drift apart.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "common/dates.h"
#include "ui/control.h"
#include "ui/field_rules.h"

namespace meridian::ui::vtxt {
namespace {

using nlohmann::json;

const json& cases() {
  static const json j = [] {
    // From the source tree: __FILE__ is relative when the compiler cache rewrites paths.
    const auto path = std::filesystem::path(MERIDIAN_TEST_DATA_DIR) / "vtxt_cases.json";
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return json::parse(in);
  }();
  return j;
}

FieldProps propsOf(const json& p) {
  FieldProps f;
  f.validateData = p.value("class", 0);
  f.maxLength = p.value("maxLength", 50);
  f.minLength = p.value("minLength", 0);
  f.include = p.value("include", "");
  f.exclude = p.value("exclude", "");
  return f;
}

std::optional<std::string> optionalText(const json& v) {
  if (v.is_null()) return std::nullopt;
  return v.get<std::string>();
}

char32_t keyCode(const std::string& name) {
  if (name == "Backspace") return keys::backspace;
  if (name == "Tab") return keys::tab;
  if (name == "Enter") return keys::enter;
  if (name == "Escape") return keys::escape;
  const auto cps = decodeUtf8(name);
  if (cps.size() != 1) throw std::runtime_error("not a key: " + name);
  return cps[0];
}

TEST(FieldRules, SharedTypingCases) {
  for (const auto& c : cases().at("typing")) {
    SCOPED_TRACE(c.at("name").get<std::string>());
    const FieldProps props = propsOf(c.at("props"));
    std::string text = c.at("text");
    std::vector<bool> accepted;
    std::vector<std::string> messages;
    bool nextControl = false;
    for (const std::string name : c.at("keys")) {
      if (name == "Leave") {
        const LeaveResult r = leaveBox(props, text);
        accepted.push_back(r.accepted);
        if (r.message) messages.push_back(*r.message);
        text = r.text;
        nextControl = false;
        continue;
      }
      const KeyResult r = filterKey(props, text, keyCode(name));
      accepted.push_back(r.accepted);
      if (r.message) {
        messages.push_back(*r.message);
        EXPECT_FALSE(r.accepted) << "a message always drops the key";
        EXPECT_EQ(r.icon, ui::Icon::none) << "the box's messages are plain";
      }
      text = applyKey(text, r);
      nextControl = r.nextControl;
    }
    const json& e = c.at("expect");
    EXPECT_EQ(accepted, e.at("accepted").get<std::vector<bool>>());
    EXPECT_EQ(text, e.at("text").get<std::string>());
    EXPECT_EQ(messages, e.at("messages").get<std::vector<std::string>>());
    if (e.contains("nextControl")) EXPECT_EQ(nextControl, e.at("nextControl").get<bool>());
  }
}

TEST(FieldRules, SharedWholeTextCases) {
  for (const auto& c : cases().at("wholeText")) {
    SCOPED_TRACE(c.at("name").get<std::string>());
    const WholeTextResult r = validateWholeText(propsOf(c.at("props")), c.at("text").get<std::string>());
    const json& e = c.at("expect");
    EXPECT_EQ(r.accepted, e.at("accepted").get<bool>());
    EXPECT_EQ(r.text, e.at("text").get<std::string>());
    EXPECT_EQ(r.message, optionalText(e.at("message")));
  }
}

TEST(FieldRules, SharedDateAndAmountCases) {
  for (const auto& c : cases().at("dates")) {
    EXPECT_EQ(isDate(c.at("text").get<std::string>()), c.at("isDate").get<bool>()) << c.at("text");
  }
  for (const auto& c : cases().at("amounts")) {
    EXPECT_EQ(amountWithTwoDecimals(c.at("text").get<std::string>()), c.at("result").get<std::string>())
        << c.at("text");
  }
  EXPECT_EQ(cssColour(focusBackColour), cases().at("colours").at("focus").get<std::string>());
  EXPECT_EQ(cssColour(normalBackColour), cases().at("colours").at("normal").get<std::string>());
}

TEST(FieldRules, SharedDateEntryCases) {
  using Kind = DateBoxEntry::Kind;
  static const std::map<std::string, Kind> kinds = {{"empty", Kind::empty}, {"date", Kind::date}, {"invalid", Kind::invalid}};
  for (const auto& c : cases().at("dateEntries")) {
    const std::string typed = c.at("typed").get<std::string>();
    const DateBoxEntry r = readDateBox(typed);
    EXPECT_EQ(r.kind, kinds.at(c.at("kind").get<std::string>())) << typed;
    EXPECT_EQ(r.text, c.at("text").get<std::string>()) << typed;
  }
}

TEST(FieldRules, PropertiesOfAScreenControl) {
  ui::Control c;
  c.validateData = 4;
  c.minLength = 2;
  c.exclude = "-";
  FieldProps p = FieldProps::of(c);
  EXPECT_EQ(p.inputClass(), InputClass::amount);
  EXPECT_EQ(p.maxLength, 50) << "a control that stores no maximum gets the box's default";
  EXPECT_EQ(p.minLength, 2);
  EXPECT_EQ(boxLimit(p.inputClass()), 15u);
  EXPECT_TRUE(rightAligned(p.inputClass()));
  c.validateData = 9;
  EXPECT_EQ(FieldProps::of(c).inputClass(), InputClass::freeText) << "an unknown class filters nothing";
  EXPECT_FALSE(boxLimit(InputClass::dateLong));
}

TEST(FieldRules, CharactersBeyondAsciiCountOnce) {
  FieldProps p;
  p.maxLength = 2;
  // Three characters of two bytes each: the limit counts characters.
  const WholeTextResult r = validateWholeText(p, "\xC3\xA9\xC3\xA9\xC3\xA9");
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(r.text, "\xC3\xA9\xC3\xA9\xC3\xA9");
  p.exclude = "\xC3\xA9";
  EXPECT_EQ(validateWholeText(p, "A\xC3\xA9").message, "InValid Data");
}

}  // namespace
}  // namespace meridian::ui::vtxt

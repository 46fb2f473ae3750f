#include <gtest/gtest.h>

#include "itr/efile/efile_name.h"
#include "ui/dialogs.h"

namespace meridian::itr::efile {
namespace {

TEST(EReturnFileName, LettersDigitsAndUnderscoresEndingInXml) {
  struct Case {
    std::string name;
    std::optional<std::string_view> refusal;
  };
  for (const Case& c : std::vector<Case>{{"ITR1_ABCPV1234K_2016.xml", std::nullopt},
                                         {"return.XML", std::nullopt},
                                         {"Return.XmL", std::nullopt},
                                         {"_.xml", std::nullopt},
                                         {"my return.xml", kBadFileName},
                                         {"ret@2016.xml", kBadFileName},
                                         {"itr-1.xml", kBadFileName},
                                         {"r\xC3\xA9turn.xml", kBadFileName},
                                         {"ret.2016.xml", kBadFileName},
                                         {".xml", kBadFileName},
                                         {"return.txt", kNotAnXmlFile},
                                         {"return.xmlx", kNotAnXmlFile},
                                         {"returnxml", kNotAnXmlFile},
                                         {"xml", kNotAnXmlFile},
                                         {"", kNotAnXmlFile}}) {
    const auto refusal = eReturnFileNameRefusal(c.name);
    if (c.refusal) {
      ASSERT_TRUE(refusal) << c.name;
      EXPECT_EQ(*refusal, *c.refusal) << c.name;
    } else {
      EXPECT_FALSE(refusal) << c.name << ": " << *refusal;
    }
  }
}

TEST(EReturnFileName, TheRefusalIsAnInformationBoxWithTheExactWords) {
  ui::ScriptedDialogs dialogs;
  EXPECT_TRUE(acceptEReturnFileName("ITR1.xml", dialogs));
  EXPECT_FALSE(acceptEReturnFileName("ITR 1.xml", dialogs));
  EXPECT_FALSE(acceptEReturnFileName("ITR1.json", dialogs));
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[0].message.text,
            "Not a Valid File Name. File name should not contain any special Characters such as @, #, !, $, %, ^, &, "
            "space etc.");
  EXPECT_EQ(dialogs.shown()[1].message.text, "Not a Valid File Format.");
  for (const auto& shown : dialogs.shown()) EXPECT_EQ(shown.message.icon, ui::Icon::information);
}

}  // namespace
}  // namespace meridian::itr::efile

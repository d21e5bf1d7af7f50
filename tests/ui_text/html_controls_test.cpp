#include "ui/foundation/html_controls.h"

#include <gtest/gtest.h>

#include <string>

using namespace ui;

namespace {

TEST(HtmlControlCodec, EveryValueSurvivesEncodingAndDecoding) {
  const std::string values[] = {
      "plain",
      "a & b \"quoted\" <tag>",
      "*amp; stays literal",
      "&amp; written as text",
      "\xC9t\xE9 \xE0 l'\xEEle, \xA9 \x80 \xAB\xBB",
      "",
  };
  for (const std::string& value : values) {
    SCOPED_TRACE(value);
    const std::string encoded = EncodeControlValue(value);
    EXPECT_EQ(encoded.find('"'), std::string::npos);
    EXPECT_EQ(encoded.find('<'), std::string::npos);
    EXPECT_EQ(DecodeControlValue(encoded), value);
  }
  EXPECT_EQ(EncodeControlValue("a&\"<>\xE9"), "a&amp;&quot;&lt;&gt;&eacute;");
}

TEST(HtmlControlCodec, EntityNamesAreMatchedWithTheirCase) {
  EXPECT_EQ(DecodeControlValue("&Eacute;"), "\xC9");
  EXPECT_EQ(DecodeControlValue("&Eacute;t&eacute;"), "\xC9t\xE9");
  EXPECT_EQ(DecodeControlValue("&EACUTE;"), "&EACUTE;");  // no such name
  EXPECT_EQ(DecodeControlValue("&amp;lt;"), "&lt;");  // each entity is replaced once
  EXPECT_EQ(PasswordMask("secret"), "******");
}

TEST(HtmlControlTags, TheReaderTakesEveryAttribute) {
  const THTMLControlTag tag = ParseHTMLControlTag(
      "CONTROL type=\"combo\" ID=\"City\" VALUE=\"S&atilde;o Paulo\" WIDTH=\"80\" HEIGHT=\"30\" "
      "PROP=\"&quot;x&quot;\" MAXLEN=\"12\"");
  EXPECT_EQ(tag.Type, "COMBO");
  EXPECT_EQ(tag.ID, "City");
  EXPECT_EQ(tag.Value, "S\xE3o Paulo");
  EXPECT_EQ(tag.Width, "80");
  EXPECT_EQ(tag.Height, "30");
  EXPECT_EQ(tag.Prop, "\"x\"");
  EXPECT_EQ(tag.MaxLen, "12");

  const THTMLControlTag bare = ParseHTMLControlTag("CONTROL TYPE=EDIT WIDTH=80");
  EXPECT_EQ(bare.Type, "");  // a value without quotes is empty
  EXPECT_EQ(bare.Width, "");
}

const char kForm[] =
    "Name <CONTROL TYPE=\"EDIT\" ID=\"name\" VALUE=\"\" WIDTH=\"80\" MAXLEN=\"20\"> "
    "<CONTROL TYPE=\"CHECK\" ID=\"agree\" VALUE=\"TRUE\" WIDTH=\"20\"> "
    "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"20\"> "
    "<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"20\"> "
    "<CONTROL TYPE=\"BUTTON\" ID=\"go\" VALUE=\"Go\" WIDTH=\"40\" HEIGHT=\"30\"> "
    "<CONTROL TYPE=\"MASK\" ID=\"date\" VALUE=\"\" WIDTH=\"60\" PROP=\"!99/99/0000;1;_\">";

TEST(HtmlControlTags, ReadingRoutinesFindControlsByID) {
  EXPECT_TRUE(HasHTMLControls("a <control type=\"EDIT\">"));
  EXPECT_FALSE(HasHTMLControls("no controls"));
  // The next editable control: buttons, check boxes and radio buttons are passed over.
  EXPECT_EQ(GetNextHTMLControlID(kForm, ""), "name");
  EXPECT_EQ(GetNextHTMLControlID(kForm, "name"), "date");
  EXPECT_EQ(GetNextHTMLControlID(kForm, "agree"), "date");
  EXPECT_EQ(GetNextHTMLControlID(kForm, "date"), "");
  EXPECT_EQ(GetNextHTMLControlID(kForm, "nobody"), "");
  EXPECT_EQ(GetHTMLControlProp(kForm, "date"), "!99/99/0000;1;_");
  EXPECT_EQ(GetHTMLControlProp(kForm, "nobody"), "");
  EXPECT_EQ(GetHTMLControlMaxLen(kForm, "name"), 20);
  EXPECT_EQ(GetHTMLControlMaxLen(kForm, "agree"), 0);
}

TEST(HtmlControlTags, RewritingAControlKeepsItsOtherAttributes) {
  std::string text = kForm;
  ASSERT_TRUE(SetHTMLControlValue(text, "go", "Say \"hi\""));
  const THTMLControlTag button = ParseHTMLControlTag(text.substr(text.find("CONTROL ID=\"go\"")));
  EXPECT_EQ(button.Value, "Say \"hi\"");
  EXPECT_EQ(button.Type, "BUTTON");
  EXPECT_EQ(button.Width, "40");
  EXPECT_EQ(button.Height, "30");  // the button keeps its height
  EXPECT_EQ(text.substr(0, 5), "Name ");

  ASSERT_TRUE(SetHTMLControlValue(text, "date", "01/02/2003"));
  EXPECT_NE(text.find("PROP=\"!99/99/0000;1;_\""), std::string::npos);
  EXPECT_EQ(GetHTMLControlProp(text, "date"), "!99/99/0000;1;_");

  std::string quoted = "<CONTROL TYPE=\"EDIT\" ID=\"q\" WIDTH=\"9\" PROP=\"say &quot;x&quot;\">";
  ASSERT_TRUE(SetHTMLControlValue(quoted, "q", "v"));
  EXPECT_NE(quoted.find("PROP=\"say &quot;x&quot;\""), std::string::npos);

  std::string untouched = kForm;
  EXPECT_FALSE(SetHTMLControlValue(untouched, "nobody", "x"));
  EXPECT_EQ(untouched, kForm);
}

TEST(HtmlControlTags, UncheckingRadioControlsLeavesCheckBoxes) {
  const std::string text = UncheckHTMLRadioControls(kForm);
  const auto valueOf = [&](const char* id) {
    const std::size_t at = text.find(std::string("ID=\"") + id + "\"");
    const std::size_t tagStart = text.rfind('<', at);
    return ParseHTMLControlTag(text.substr(tagStart + 1, text.find('>', at) - tagStart - 1)).Value;
  };
  EXPECT_EQ(valueOf("r1"), "FALSE");
  EXPECT_EQ(valueOf("r2"), "FALSE");
  EXPECT_EQ(valueOf("agree"), "TRUE");
}

}  // namespace

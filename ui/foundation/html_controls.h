// Form controls written inside HTML-subset texts ("<CONTROL TYPE=... ID=... VALUE=... WIDTH=...>"): the
// value codec, the tag reader and the routines that find, read and rewrite the controls of a text. The
// text engine lays the controls out and draws them; a host edits them through these routines.
#pragma once

#include <string>
#include <string_view>

namespace ui {

struct THTMLControlTag {
  std::string Type;  // upper case
  std::string ID;
  std::string Value;  // decoded
  std::string Width;
  std::string Height;
  std::string Prop;  // decoded
  std::string MaxLen;
};

// Reads the attributes of one tag text (from "CONTROL" up to ">"); absent attributes are empty.
THTMLControlTag ParseHTMLControlTag(std::string_view Tag);
void ParseHTMLControlTag(std::string_view Tag, std::string& Type, std::string& ID, std::string& Value,
                         std::string& Width, std::string& Height, std::string& Prop, std::string& MaxLen);

bool HasHTMLControls(std::string_view Text);
// The ID of the first editable control (not BUTTON, CHECK or RADIO) after the control with ID, or the
// first of the text when ID is empty; empty when there is none.
std::string GetNextHTMLControlID(std::string_view Text, std::string_view ID);
// A copy of Text in which every RADIO control has VALUE "FALSE".
std::string UncheckHTMLRadioControls(std::string_view Text);
std::string GetHTMLControlProp(std::string_view Text, std::string_view ID);
int GetHTMLControlMaxLen(std::string_view Text, std::string_view ID);
// Rewrites the first control with that ID to carry Value; false (and Text untouched) when none has it.
bool SetHTMLControlValue(std::string& Text, std::string_view ID, std::string_view Value);

// The codec of VALUE and PROP: "&", the double quote, "<", ">" and 55 accented and special characters as
// entities. Names are matched with their exact case, every value survives a round trip.
std::string EncodeControlValue(std::string_view Value);
std::string DecodeControlValue(std::string_view Value);
std::string PasswordMask(std::string_view Value);

}  // namespace ui

#include "ui/foundation/html_controls.h"
#include "framework/rtl/ansicase.h"

#include <array>
#include <vector>

#include "ui/foundation/html_markup.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

namespace {

struct NamedChar {
  char character;
  const char* name;
};

// The four markup characters first, then the 55 named characters in their table order.
constexpr std::array<NamedChar, 59> kNamedChars{{
    {'&', "&amp;"},       {'"', "&quot;"},      {'<', "&lt;"},        {'>', "&gt;"},
    {'\xE9', "&eacute;"}, {'\xE8', "&egrave;"}, {'\xEB', "&euml;"},   {'\xEA', "&ecirc;"},
    {'\xF3', "&oacute;"}, {'\xF2', "&ograve;"}, {'\xF6', "&ouml;"},   {'\xF4', "&ocirc;"},
    {'\xED', "&iacute;"}, {'\xEC', "&igrave;"}, {'\xEF', "&iuml;"},   {'\xEE', "&icirc;"},
    {'\xFA', "&uacute;"}, {'\xF9', "&ugrave;"}, {'\xFC', "&uuml;"},   {'\xFB', "&ucirc;"},
    {'\xE1', "&aacute;"}, {'\xE0', "&agrave;"}, {'\xE4', "&auml;"},   {'\xE2', "&acirc;"},
    {'\xC9', "&Eacute;"}, {'\xC8', "&Egrave;"}, {'\xCB', "&Euml;"},   {'\xCA', "&Ecirc;"},
    {'\xD3', "&Oacute;"}, {'\xD2', "&Ograve;"}, {'\xD6', "&Ouml;"},   {'\xD4', "&Ocirc;"},
    {'\xCD', "&Iacute;"}, {'\xCC', "&Igrave;"}, {'\xCF', "&Iuml;"},   {'\xCE', "&Icirc;"},
    {'\xDA', "&Uacute;"}, {'\xD9', "&Ugrave;"}, {'\xDC', "&Uuml;"},   {'\xDB', "&Ucirc;"},
    {'\xC1', "&Aacute;"}, {'\xC0', "&Agrave;"}, {'\xC4', "&Auml;"},   {'\xC2', "&Acirc;"},
    {'\xE7', "&ccedil;"}, {'\xC7', "&Ccedil;"}, {'\xF8', "&oslash;"}, {'\xD8', "&Oslash;"},
    {'\xE5', "&aring;"},  {'\xC5', "&Aring;"},  {'\xA9', "&copy;"},   {'\xAE', "&reg;"},
    {'\x80', "&euro;"},   {'\xAB', "&laquo;"},  {'\xBB', "&raquo;"},  {'\xE3', "&atilde;"},
    {'\xC3', "&Atilde;"}, {'\xF5', "&otilde;"}, {'\xD5', "&Otilde;"},
}};

// One control of a text: where its tag stands ("<" to ">") and what it carries.
struct ControlInText {
  std::size_t start = 0;
  std::size_t length = 0;
  THTMLControlTag tag;
};

std::vector<ControlInText> ControlsOf(std::string_view Text) {
  std::vector<ControlInText> controls;
  const std::string upper = fw::AnsiUpperCase(Text);
  for (std::size_t at = 0; (at = upper.find("<CONTROL ", at)) != std::string::npos;) {
    const std::size_t close = upper.find('>', at);
    const std::size_t end = close == std::string::npos ? upper.size() : close + 1;
    ControlInText control;
    control.start = at;
    control.length = end - at;
    control.tag = ParseHTMLControlTag(Text.substr(at + 1, end - at - 1));
    controls.push_back(std::move(control));
    at = end;
  }
  return controls;
}

const ControlInText* FindControl(const std::vector<ControlInText>& controls, std::string_view ID) {
  for (const ControlInText& control : controls) {
    if (control.tag.ID == ID) return &control;
  }
  return nullptr;
}

bool IsEditable(const THTMLControlTag& tag) {
  return tag.Type != "BUTTON" && tag.Type != "CHECK" && tag.Type != "RADIO";
}

std::string Quoted(std::string_view value) { return "\"" + std::string(value) + "\""; }

}  // namespace

THTMLControlTag ParseHTMLControlTag(std::string_view Tag) {
  const std::string upper = fw::AnsiUpperCase(Tag);
  THTMLControlTag result;
  result.Type = fw::AnsiUpperCase(HTMLTagValue(Tag, upper, "TYPE="));
  result.Width = HTMLTagValue(Tag, upper, "WIDTH=");
  result.Height = HTMLTagValue(Tag, upper, "HEIGHT=");
  result.ID = HTMLTagValue(Tag, upper, "ID=");
  result.Value = DecodeControlValue(HTMLTagValue(Tag, upper, "VALUE="));
  result.Prop = DecodeControlValue(HTMLTagValue(Tag, upper, "PROP="));
  result.MaxLen = HTMLTagValue(Tag, upper, "MAXLEN=");
  return result;
}

void ParseHTMLControlTag(std::string_view Tag, std::string& Type, std::string& ID, std::string& Value,
                         std::string& Width, std::string& Height, std::string& Prop, std::string& MaxLen) {
  THTMLControlTag tag = ParseHTMLControlTag(Tag);
  Type = std::move(tag.Type);
  ID = std::move(tag.ID);
  Value = std::move(tag.Value);
  Width = std::move(tag.Width);
  Height = std::move(tag.Height);
  Prop = std::move(tag.Prop);
  MaxLen = std::move(tag.MaxLen);
}

bool HasHTMLControls(std::string_view Text) { return fw::AnsiUpperCase(Text).find("<CONTROL") != std::string::npos; }

std::string GetNextHTMLControlID(std::string_view Text, std::string_view ID) {
  const std::vector<ControlInText> controls = ControlsOf(Text);
  bool passed = ID.empty();
  for (const ControlInText& control : controls) {
    if (passed && IsEditable(control.tag)) return control.tag.ID;
    if (!passed && control.tag.ID == ID) passed = true;
  }
  return {};
}

std::string UncheckHTMLRadioControls(std::string_view Text) {
  std::vector<std::string> radios;
  for (const ControlInText& control : ControlsOf(Text)) {
    if (control.tag.Type == "RADIO") radios.push_back(control.tag.ID);
  }
  std::string result(Text);
  for (const std::string& id : radios) SetHTMLControlValue(result, id, "FALSE");
  return result;
}

std::string GetHTMLControlProp(std::string_view Text, std::string_view ID) {
  const std::vector<ControlInText> controls = ControlsOf(Text);
  const ControlInText* control = FindControl(controls, ID);
  return control ? control->tag.Prop : std::string();
}

int GetHTMLControlMaxLen(std::string_view Text, std::string_view ID) {
  const std::vector<ControlInText> controls = ControlsOf(Text);
  const ControlInText* control = FindControl(controls, ID);
  return control ? IntOfText(control->tag.MaxLen) : 0;
}

bool SetHTMLControlValue(std::string& Text, std::string_view ID, std::string_view Value) {
  const std::vector<ControlInText> controls = ControlsOf(Text);
  const ControlInText* control = FindControl(controls, ID);
  if (!control) return false;
  const THTMLControlTag& old = control->tag;
  std::string tag = "<CONTROL ID=" + Quoted(old.ID) + " VALUE=" + Quoted(EncodeControlValue(Value)) +
                    " WIDTH=" + Quoted(old.Width) + " TYPE=" + Quoted(old.Type);
  if (!old.Height.empty()) tag += " HEIGHT=" + Quoted(old.Height);
  if (!old.Prop.empty()) tag += " PROP=" + Quoted(EncodeControlValue(old.Prop));
  if (!old.MaxLen.empty()) tag += " MAXLEN=" + Quoted(old.MaxLen);
  tag += ">";
  Text.replace(control->start, control->length, tag);
  return true;
}

std::string EncodeControlValue(std::string_view Value) {
  std::string result;
  result.reserve(Value.size());
  for (char c : Value) {
    const NamedChar* named = nullptr;
    for (const NamedChar& entry : kNamedChars) {
      if (entry.character == c) {
        named = &entry;
        break;
      }
    }
    if (named) result += named->name;
    else result += c;
  }
  return result;
}

std::string DecodeControlValue(std::string_view Value) {
  std::string result;
  result.reserve(Value.size());
  for (std::size_t i = 0; i < Value.size();) {
    const NamedChar* named = nullptr;
    if (Value[i] == '&') {
      for (const NamedChar& entry : kNamedChars) {
        if (Value.substr(i).starts_with(entry.name)) {
          named = &entry;
          break;
        }
      }
    }
    if (named) {
      result += named->character;
      i += std::string_view(named->name).size();
    } else {
      result += Value[i++];
    }
  }
  return result;
}

std::string PasswordMask(std::string_view Value) { return std::string(Value.size(), '*'); }

}  // namespace ui

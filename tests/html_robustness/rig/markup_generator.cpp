#include "tests/html_robustness/rig/markup_generator.h"

#include <array>
#include <string_view>

namespace html_robustness {

namespace {

template <std::size_t N>
using Words = std::array<std::string_view, N>;

// Tag names as the engine reads them (by their leading letters), a few names it does not know, and
// prefixes that only start a known name.
constexpr Words<36> kTags{"A",   "B",   "BR",  "BLINK", "BODY", "CONTROL", "C",   "E",    "FONT",
                          "F",   "HI",  "HR",  "I",     "IMG",  "IND",     "IM",  "LI",   "L",
                          "OF",  "O",   "P",   "R",     "S",    "SUB",     "SUP", "SHAD", "U",
                          "UL",  "Z",   "X",   "Q",     "#F",   "",        "/",   "BX",   "SU"};
constexpr Words<30> kAttributes{"HREF",  "TITLE",     "FACE",       "COLOR",  "BGCOLOR", "BGCOLORTO",
                                "SIZE",  "ALIGN",     "INDENT",     "SRC",    "ALT",     "WIDTH",
                                "HEIGHT", "X",        "A",          "TYPE",   "VALUE",   "ID",
                                "NAME",  "BACKGROUND", "BGTOPLEFT", "BGTOPRIGHT", "DIR", "WRAP",
                                "MAXLEN", "PROP",     "VALIGN",     "ANGLE",  "HOVER",   ""};
constexpr Words<26> kNumbers{"0",           "1",           "-1",          "2",          "5",
                             "12",          "255",         "65535",       "2147483647", "2147483648",
                             "-2147483648", "-2147483649", "4294967295",  "4294967296", "99999999999999999999",
                             "$7FFFFFFF",   "$FFFFFFFF",   "0x80000000",  "x1F",        "+3",
                             "1e9",         " 7",          "7 ",          "",           "-",
                             "00000000000000000000000000000000000000000001"};
constexpr Words<14> kColors{"#FF0000", "#00ff00", "#0000FF", "#", "#12", "#GGHHII", "clRed", "clBtnFace", "clNone",
                            "CLWINDOWTEXT", "red", "#FFFFFFFFFFFF", "cl", ""};
constexpr Words<20> kPictures{"IDX:0",  "IDX:1",  "IDX:-1",  "IDX:2147483648", "IDX:",     "SSYS:0",  "LSYS:1",
                              "SSYS:2147483647",   "LSYS:C:\\", "SSYS:x.txt", "Quad", "Broken", "Missing",
                              "GdipQuad", "GdipBroken", "res://TWOBYTWO", "res://NOTTHERE", "file://Z:/none.png",
                              "SYS:", ""};
constexpr Words<12> kControlTypes{"EDIT", "MASK", "PASSWORD", "COMBO", "CHECK", "RADIO", "BUTTON", "edit", "",
                                  "SPIN", "\"", "RADIOX"};
constexpr Words<18> kEntities{"&amp;",  "&quot;", "&lt;",   "&gt;", "&nbsp;", "&sect;", "&euro;", "&copy;", "&trade;",
                              "&amp;quot;", "&",  "&amp",   "&;",   "&eacute;", "&&",   "&lt;B&gt;", "&#65;", "&para;"};
constexpr Words<16> kWords{"a", "Wide", "text", "gh", "W", "flight", "level", "350", "  ", " ", "\t", "\xE9\xE8",
                           "x", "MMMMMMMMMMMMMMMM", "<#field>", "\xB7"};

}  // namespace

std::uint32_t TMarkupGenerator::Below(std::uint32_t bound) {
  // splitmix64
  state_ += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return bound == 0 ? 0 : static_cast<std::uint32_t>(z % bound);
}

std::string TMarkupGenerator::Word() {
  if (OneIn(12)) return std::string(kEntities[Below(kEntities.size())]);
  return std::string(kWords[Below(kWords.size())]);
}

std::string TMarkupGenerator::Number() { return std::string(kNumbers[Below(kNumbers.size())]); }

std::string TMarkupGenerator::Color() { return std::string(kColors[Below(kColors.size())]); }

std::string TMarkupGenerator::PictureReference() { return std::string(kPictures[Below(kPictures.size())]); }

std::string TMarkupGenerator::AttributeValue(const std::string& attribute) {
  if (attribute.find("COLOR") != std::string::npos) return Color();
  if (attribute == "SRC" || attribute == "ALT" || attribute == "BACKGROUND" || attribute == "BGTOPLEFT" ||
      attribute == "BGTOPRIGHT" || attribute == "NAME") {
    return PictureReference();
  }
  if (attribute == "TYPE") {
    static constexpr Words<6> kListTypes{"SQUARE", "CIRCLE", "IMAGE", "DISC", "", "square"};
    return OneIn(2) ? std::string(kControlTypes[Below(kControlTypes.size())])
                    : std::string(kListTypes[Below(kListTypes.size())]);
  }
  if (attribute == "ALIGN") {
    static constexpr Words<7> kAligns{"LEFT", "RIGHT", "CENTER", "TOP", "MIDDLE", "BOTTOM", "RIGHTCENTER"};
    return std::string(kAligns[Below(kAligns.size())]);
  }
  if (attribute == "VALUE" || attribute == "PROP" || attribute == "HREF" || attribute == "TITLE" ||
      attribute == "ID" || attribute == "FACE") {
    std::string value;
    for (std::uint32_t n = Below(4); n > 0; --n) value += Word();
    return value;
  }
  return Number();
}

std::string TMarkupGenerator::Tag() {
  std::string tag = "<";
  if (OneIn(3)) tag += '/';
  std::string name(kTags[Below(kTags.size())]);
  if (OneIn(5)) {  // the case does not matter to the engine
    for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  tag += name;
  for (std::uint32_t n = Below(4); n > 0; --n) {
    const std::string attribute(kAttributes[Below(kAttributes.size())]);
    tag += ' ';
    tag += attribute;
    if (OneIn(8)) continue;  // a keyword without a value
    tag += '=';
    const std::string value = AttributeValue(attribute);
    if (OneIn(10)) tag += value;  // unquoted
    else if (OneIn(12)) tag += "\"" + value;  // the closing quote missing
    else tag += "\"" + value + "\"";
  }
  if (!OneIn(15)) tag += '>';  // now and then the tag runs on into the text
  return tag;
}

std::string TMarkupGenerator::Piece() {
  switch (Below(10)) {
    case 0:
    case 1:
    case 2:
      return Tag();
    case 3:
      return OneIn(2) ? "\r\n" : "\r";
    case 4:
      return OneIn(3) ? "<" : (OneIn(2) ? ">" : "\"");
    case 5:
      if (OneIn(6)) {  // a long run
        std::string run;
        const std::string word = Word();
        for (std::uint32_t n = 50 + Below(400); n > 0; --n) run += word + (OneIn(3) ? "" : " ");
        return run;
      }
      return Word();
    default:
      return Word() + (OneIn(2) ? " " : "");
  }
}

std::string TMarkupGenerator::Next() {
  std::string text;
  const std::uint32_t pieces = OneIn(20) ? 0 : 1 + Below(OneIn(8) ? 120 : 25);
  for (std::uint32_t n = 0; n < pieces; ++n) text += Piece();
  return text;
}

}  // namespace html_robustness

#include "framework/menus/shortcut.h"

#include <cstring>

#include "framework/rtl/textutils.h"

namespace fw {

namespace {

struct KeyName {
  WORD key;
  const char* name;
};

constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},  {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},      {VK_HOME, "Home"},   {VK_LEFT, "Left"},
    {VK_UP, "Up"},     {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},   {VK_INSERT, "Ins"},  {VK_DELETE, "Del"},
};

constexpr struct {
  TShortCut flag;
  const char* prefix;
} kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string KeyText(WORD key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  for (const KeyName& k : kKeyNames) {
    if (k.key == key) return k.name;
  }
  return "";
}

}  // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift) {
  if ((Key & 0xFF00) != 0) return scNone;
  TShortCut result = Key;
  if (Shift.Contains(ssShift)) result |= scShift;
  if (Shift.Contains(ssCtrl)) result |= scCtrl;
  if (Shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift) {
  Key = ShortCut & 0xFF;
  Shift = TShiftState();
  if ((ShortCut & scShift) != 0) Shift.Include(ssShift);
  if ((ShortCut & scCtrl) != 0) Shift.Include(ssCtrl);
  if ((ShortCut & scAlt) != 0) Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut ShortCut) {
  const std::string key = KeyText(ShortCut & 0xFF);
  if (key.empty()) return "";
  std::string text;
  for (const auto& m : kModifiers) {
    if ((ShortCut & m.flag) != 0) text += m.prefix;
  }
  return text + key;
}

TShortCut TextToShortCut(const std::string& Text) {
  std::string rest = Text;
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& m : kModifiers) {
      const size_t length = std::strlen(m.prefix);
      if (rest.size() > length && SameText(rest.substr(0, length), m.prefix)) {
        modifiers |= m.flag;
        rest = rest.substr(length);
        found = true;
      }
    }
  }
  for (WORD key = 1; key < 0x100; ++key) {
    const std::string name = KeyText(key);
    if (!name.empty() && SameText(name, rest)) return static_cast<TShortCut>(key | modifiers);
  }
  return scNone;
}

}  // namespace fw

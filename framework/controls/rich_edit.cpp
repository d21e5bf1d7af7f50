#include "framework/controls/rich_edit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/controls/rich_edit_messages.h"
#include "framework/rtl/exceptions.h"

namespace fw {

using namespace richedit;

namespace {

// The library stays loaded for the rest of the process: windows of its class may live until the end.
// By its full path in the system folder, so no file of that name beside the program is taken.
void LoadRichEditLibrary() {
  struct Loaded {
    HMODULE module = nullptr;
    DWORD error = 0;
  };
  static const Loaded loaded = [] {
    Loaded result;
    char path[MAX_PATH];
    const UINT folder = GetSystemDirectoryA(path, MAX_PATH);
    const size_t name = std::strlen(kLibraryName);
    if (folder == 0 || folder + 1 + name >= MAX_PATH) {
      result.error = folder == 0 ? GetLastError() : static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE);
      return result;
    }
    path[folder] = '\\';
    std::memcpy(path + folder + 1, kLibraryName, name + 1);
    result.module = LoadLibraryA(path);
    if (result.module == nullptr) result.error = GetLastError();
    return result;
  }();
  if (loaded.module == nullptr) RaiseLastOSError(loaded.error);
}

DWORD CALLBACK ReadBytes(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
  auto* source = reinterpret_cast<std::pair<const std::string*, size_t>*>(cookie);
  const std::string& bytes = *source->first;
  const size_t n = std::min(static_cast<size_t>(std::max(count, 0L)), bytes.size() - source->second);
  std::memcpy(buffer, bytes.data() + source->second, n);
  source->second += n;
  *done = static_cast<LONG>(n);
  return 0;
}

// Called by the window: nothing may escape, so a failure to grow the buffer ends the stream with an error.
DWORD CALLBACK AppendBytes(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
  try {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer),
                                                     static_cast<size_t>(std::max(count, 0L)));
    *done = count;
    return 0;
  } catch (...) {
    *done = 0;
    return 1;
  }
}

WPARAM FormatTarget(TAttributeType type) { return type == atSelected ? SCF_SELECTION : SCF_DEFAULT; }

}  // namespace

// ---------------------------------------------------------------------------------------------------------
// Attributes

void TTextAttributes::Read(CHARFORMATA& format) {
  format = CHARFORMATA{};
  format.cbSize = sizeof(format);
  SendMessageA(richEdit_->Handle(), EM_GETCHARFORMAT, FormatTarget(type_), reinterpret_cast<LPARAM>(&format));
}

void TTextAttributes::Write(CHARFORMATA& format) {
  format.cbSize = sizeof(format);
  SendMessageA(richEdit_->Handle(), EM_SETCHARFORMAT, FormatTarget(type_), reinterpret_cast<LPARAM>(&format));
}

std::string TTextAttributes::Name() {
  CHARFORMATA format;
  Read(format);
  return std::string(format.szFaceName, strnlen(format.szFaceName, sizeof(format.szFaceName)));
}

void TTextAttributes::SetName(const std::string& value) {
  if (value.empty()) return;
  CHARFORMATA format{};
  format.dwMask = CFM_FACE;
  const size_t length = std::min(value.size(), sizeof(format.szFaceName) - 1);
  std::memcpy(format.szFaceName, value.data(), length);
  Write(format);
}

int TTextAttributes::Size() {
  CHARFORMATA format;
  Read(format);
  return (format.yHeight + kTwipsPerPoint / 2) / kTwipsPerPoint;
}

void TTextAttributes::SetSize(int value) {
  if (value < 1) return;
  CHARFORMATA format{};
  format.dwMask = CFM_SIZE;
  format.yHeight = value * kTwipsPerPoint;
  Write(format);
}

TColor TTextAttributes::Color() {
  CHARFORMATA format;
  Read(format);
  if ((format.dwEffects & CFE_AUTOCOLOR) != 0) return clWindowText;
  return static_cast<TColor>(format.crTextColor);
}

void TTextAttributes::SetColor(TColor value) {
  CHARFORMATA format{};
  format.dwMask = CFM_COLOR;
  if (value == clWindowText) {
    format.dwEffects = CFE_AUTOCOLOR;
  } else {
    format.crTextColor = ColorToRGB(value);
  }
  Write(format);
}

TFontStyles TTextAttributes::Style() {
  CHARFORMATA format;
  Read(format);
  TFontStyles style;
  if ((format.dwEffects & CFE_BOLD) != 0) style.Include(fsBold);
  if ((format.dwEffects & CFE_ITALIC) != 0) style.Include(fsItalic);
  if ((format.dwEffects & CFE_UNDERLINE) != 0) style.Include(fsUnderline);
  if ((format.dwEffects & CFE_STRIKEOUT) != 0) style.Include(fsStrikeOut);
  return style;
}

void TTextAttributes::SetStyle(TFontStyles value) {
  CHARFORMATA format{};
  format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  if (value.Contains(fsBold)) format.dwEffects |= CFE_BOLD;
  if (value.Contains(fsItalic)) format.dwEffects |= CFE_ITALIC;
  if (value.Contains(fsUnderline)) format.dwEffects |= CFE_UNDERLINE;
  if (value.Contains(fsStrikeOut)) format.dwEffects |= CFE_STRIKEOUT;
  Write(format);
}

TAlignment TParaAttributes::Alignment() {
  PARAFORMAT format{};
  format.cbSize = sizeof(format);
  SendMessageA(richEdit_->Handle(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  if (format.wAlignment == PFA_RIGHT) return taRightJustify;
  if (format.wAlignment == PFA_CENTER) return taCenter;
  return taLeftJustify;
}

void TParaAttributes::SetAlignment(TAlignment value) {
  PARAFORMAT format{};
  format.cbSize = sizeof(format);
  format.dwMask = PFM_ALIGNMENT;
  format.wAlignment = value == taRightJustify ? PFA_RIGHT : value == taCenter ? PFA_CENTER : PFA_LEFT;
  SendMessageA(richEdit_->Handle(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

// ---------------------------------------------------------------------------------------------------------
// The control

void TCustomRichEdit::CreateParams(TCreateParams& Params) {
  TCustomMemo::CreateParams(Params);
  LoadRichEditLibrary();
  CreateSubClass(Params, kClassName);
  // The edit's case styles mean other things to a rich edit window.
  Params.Style &= ~static_cast<DWORD>(ES_UPPERCASE | ES_LOWERCASE);
}

void TCustomRichEdit::CreateWnd() {
  TCustomMemo::CreateWnd();
  const HWND window = Handle();
  SendMessageA(window, EM_SETTARGETDEVICE, 0, WordWrap() ? 0 : 1);
  SendBackgroundColor();
  if (hasSavedRtf_) {
    // The edit gave the new window the old one's selection and modified flag; the content replaces both.
    const int start = SelStart();
    const int length = SelLength();
    const bool modified = Modified();
    StreamIn(static_cast<unsigned>(SF_RTF), savedRtf_);
    SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(start), start + length);
    SendMessageA(window, EM_SETMODIFY, modified, 0);
    savedRtf_.clear();
    hasSavedRtf_ = false;
  }
  // Only now: the content given above is no change of the user's.
  SendMessageA(window, EM_SETEVENTMASK, 0, static_cast<LPARAM>(ENM_CHANGE | ENM_SELCHANGE | ENM_REQUESTRESIZE));
}

void TCustomRichEdit::DestroyWnd() {
  if (!ComponentState().Contains(csDestroying)) {
    savedRtf_ = StreamOut(static_cast<unsigned>(SF_RTF));
    hasSavedRtf_ = true;
  }
  TCustomMemo::DestroyWnd();
}

void TCustomRichEdit::StoreText(const std::string& value) {
  // Text given while there is no window replaces the formatted content kept for the next one.
  if (!HandleAllocated()) {
    savedRtf_.clear();
    hasSavedRtf_ = false;
  }
  TCustomMemo::StoreText(value);
}

void TCustomRichEdit::SendTextLimit() {
  // No limit of the control's own: the window's default would cut long texts at 32767 characters.
  const LPARAM limit = MaxLength() > 0 ? MaxLength() : 0x7FFFFFF0;
  SendMessageA(Handle(), EM_EXLIMITTEXT, 0, limit);
}

void TCustomRichEdit::WordWrapChanged() {
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETTARGETDEVICE, 0, WordWrap() ? 0 : 1);
}

void TCustomRichEdit::SendBackgroundColor() {
  SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
}

std::string TCustomRichEdit::SelText() {
  if (!HandleAllocated()) return TCustomMemo::SelText();
  CHARRANGE range{};
  SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  // Two bytes a character at most, and a paragraph break may come back as CR LF.
  std::vector<char> buffer(static_cast<size_t>(std::max(range.cpMax - range.cpMin, 0L)) * 2 + 1, '\0');
  const LRESULT length = SendMessageA(Handle(), EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
  std::string text(buffer.data(), static_cast<size_t>(std::max<LRESULT>(length, 0)));
  // The window ends paragraphs with CR alone.
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    result += text[i];
    if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) result += '\n';
  }
  return result;
}

void TCustomRichEdit::StreamIn(unsigned format, const std::string& bytes) {
  std::pair<const std::string*, size_t> source{&bytes, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = &ReadBytes;
  SendMessageA(Handle(), EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  if (stream.dwError != 0) throw EReadError("The rich edit could not read its content");
}

std::string TCustomRichEdit::StreamOut(unsigned format) {
  std::string bytes;
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&bytes);
  stream.pfnCallback = &AppendBytes;
  SendMessageA(Handle(), EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
  if (stream.dwError != 0) throw EOutOfResources("The rich edit could not write its content");
  return bytes;
}

void TCustomRichEdit::SelectionChange() {
  if (OnSelectionChange) OnSelectionChange(this);
}

void TCustomRichEdit::RequestSize(const TRect& Rect) {
  if (OnResizeRequest) OnResizeRequest(this, Rect);
}

void TCustomRichEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
      if (header->code == EN_SELCHANGE) {
        SelectionChange();
        return;
      }
      if (header->code == EN_REQUESTRESIZE) {
        const RECT& rc = reinterpret_cast<const REQRESIZE*>(Message.LParam)->rc;
        RequestSize(TRect::FromRECT(rc));
        return;
      }
      break;
    }
    case CM_COLORCHANGED:
      if (HandleAllocated()) SendBackgroundColor();
      break;
    default:
      break;
  }
  TCustomMemo::Dispatch(Message);
}

}  // namespace fw

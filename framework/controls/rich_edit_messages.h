#pragma once
// The rich edit window's messages, notifications and records that the framework sends and reads, as the
// Win32 documentation describes them (ANSI forms; the window class is "RichEdit20A" of riched20.dll).
// The records are laid out on 4-byte boundaries in 32- and 64-bit processes alike: that is the library's
// binary interface, so a pointer inside a record may sit at an offset that is not a multiple of 8.
#include <windows.h>

#include <cstddef>

namespace fw::richedit {

constexpr const char* kLibraryName = "riched20.dll";
constexpr const char* kClassName = "RichEdit20A";

// Messages.
constexpr UINT EM_EXGETSEL = WM_USER + 52;
constexpr UINT EM_EXLIMITTEXT = WM_USER + 53;
constexpr UINT EM_EXSETSEL = WM_USER + 55;
constexpr UINT EM_GETCHARFORMAT = WM_USER + 58;
constexpr UINT EM_GETEVENTMASK = WM_USER + 59;
constexpr UINT EM_GETPARAFORMAT = WM_USER + 61;
constexpr UINT EM_GETSELTEXT = WM_USER + 62;
constexpr UINT EM_REQUESTRESIZE = WM_USER + 65;
constexpr UINT EM_SETBKGNDCOLOR = WM_USER + 67;
constexpr UINT EM_SETCHARFORMAT = WM_USER + 68;
constexpr UINT EM_SETEVENTMASK = WM_USER + 69;
constexpr UINT EM_SETPARAFORMAT = WM_USER + 71;
constexpr UINT EM_SETTARGETDEVICE = WM_USER + 72;
constexpr UINT EM_STREAMIN = WM_USER + 73;
constexpr UINT EM_STREAMOUT = WM_USER + 74;
constexpr UINT EM_GETTEXTRANGE = WM_USER + 75;

// Notifications (WM_NOTIFY codes) and the event mask that turns them on.
constexpr UINT EN_REQUESTRESIZE = 0x0701;
constexpr UINT EN_SELCHANGE = 0x0702;
constexpr DWORD ENM_CHANGE = 0x00000001;
constexpr DWORD ENM_REQUESTRESIZE = 0x00040000;
constexpr DWORD ENM_SELCHANGE = 0x00080000;

// Stream formats.
constexpr WPARAM SF_TEXT = 0x0001;
constexpr WPARAM SF_RTF = 0x0002;

// Which characters EM_SETCHARFORMAT changes.
constexpr WPARAM SCF_DEFAULT = 0x0000;
constexpr WPARAM SCF_SELECTION = 0x0001;

// Character format members and effects.
constexpr DWORD CFM_BOLD = 0x00000001;
constexpr DWORD CFM_ITALIC = 0x00000002;
constexpr DWORD CFM_UNDERLINE = 0x00000004;
constexpr DWORD CFM_STRIKEOUT = 0x00000008;
constexpr DWORD CFM_FACE = 0x20000000;
constexpr DWORD CFM_COLOR = 0x40000000;
constexpr DWORD CFM_SIZE = 0x80000000;
constexpr DWORD CFE_BOLD = 0x0001;
constexpr DWORD CFE_ITALIC = 0x0002;
constexpr DWORD CFE_UNDERLINE = 0x0004;
constexpr DWORD CFE_STRIKEOUT = 0x0008;
constexpr DWORD CFE_AUTOCOLOR = 0x40000000;

// Paragraph format members and alignments.
constexpr DWORD PFM_ALIGNMENT = 0x00000008;
constexpr WORD PFA_LEFT = 1;
constexpr WORD PFA_RIGHT = 2;
constexpr WORD PFA_CENTER = 3;

// Sizes of a character height: twips per point.
constexpr int kTwipsPerPoint = 20;
constexpr int kFaceSize = 32;
constexpr int kMaxTabStops = 32;

#pragma pack(push, 4)

struct CHARRANGE {
  LONG cpMin;
  LONG cpMax;
};

struct TEXTRANGEA {
  CHARRANGE chrg;
  LPSTR lpstrText;
};

using EDITSTREAMCALLBACK = DWORD(CALLBACK*)(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);

struct EDITSTREAM {
  DWORD_PTR dwCookie;
  DWORD dwError;
  EDITSTREAMCALLBACK pfnCallback;
};

struct CHARFORMATA {
  UINT cbSize;
  DWORD dwMask;
  DWORD dwEffects;
  LONG yHeight;  // twips
  LONG yOffset;
  COLORREF crTextColor;
  BYTE bCharSet;
  BYTE bPitchAndFamily;
  char szFaceName[kFaceSize];
};

struct PARAFORMAT {
  UINT cbSize;
  DWORD dwMask;
  WORD wNumbering;
  WORD wReserved;
  LONG dxStartIndent;
  LONG dxRightIndent;
  LONG dxOffset;
  WORD wAlignment;
  SHORT cTabCount;
  LONG rgxTabs[kMaxTabStops];
};

struct SELCHANGE {
  NMHDR nmhdr;
  CHARRANGE chrg;
  WORD seltyp;
};

struct REQRESIZE {
  NMHDR nmhdr;
  RECT rc;
};

#pragma pack(pop)

static_assert(sizeof(CHARFORMATA) == 60, "the library's character format record");
static_assert(sizeof(PARAFORMAT) == 156, "the library's paragraph format record");
static_assert(offsetof(EDITSTREAM, pfnCallback) == sizeof(DWORD_PTR) + sizeof(DWORD), "4-byte packing");

}  // namespace fw::richedit

#pragma once
// Colours as the framework stores them: 0x00BBGGRR for a plain colour, 0x80000000 | index for a system
// colour that follows the user's scheme (resolved through GetSysColor only when drawn).
#include <cstdint>
#include <windows.h>

namespace fw {

using TColor = std::int32_t;

namespace colors_detail {
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index)); }
}  // namespace colors_detail

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = colors_detail::SystemColor(COLOR_SCROLLBAR);
constexpr TColor clBackground = colors_detail::SystemColor(COLOR_BACKGROUND);
constexpr TColor clActiveCaption = colors_detail::SystemColor(COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = colors_detail::SystemColor(COLOR_INACTIVECAPTION);
constexpr TColor clMenu = colors_detail::SystemColor(COLOR_MENU);
constexpr TColor clWindow = colors_detail::SystemColor(COLOR_WINDOW);
constexpr TColor clWindowFrame = colors_detail::SystemColor(COLOR_WINDOWFRAME);
constexpr TColor clMenuText = colors_detail::SystemColor(COLOR_MENUTEXT);
constexpr TColor clWindowText = colors_detail::SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clCaptionText = colors_detail::SystemColor(COLOR_CAPTIONTEXT);
constexpr TColor clActiveBorder = colors_detail::SystemColor(COLOR_ACTIVEBORDER);
constexpr TColor clInactiveBorder = colors_detail::SystemColor(COLOR_INACTIVEBORDER);
constexpr TColor clAppWorkSpace = colors_detail::SystemColor(COLOR_APPWORKSPACE);
constexpr TColor clHighlight = colors_detail::SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = colors_detail::SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clBtnFace = colors_detail::SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = colors_detail::SystemColor(COLOR_BTNSHADOW);
constexpr TColor clGrayText = colors_detail::SystemColor(COLOR_GRAYTEXT);
constexpr TColor clBtnText = colors_detail::SystemColor(COLOR_BTNTEXT);
constexpr TColor clInactiveCaptionText = colors_detail::SystemColor(COLOR_INACTIVECAPTIONTEXT);
constexpr TColor clBtnHighlight = colors_detail::SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = colors_detail::SystemColor(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = colors_detail::SystemColor(COLOR_3DLIGHT);
constexpr TColor clInfoText = colors_detail::SystemColor(COLOR_INFOTEXT);
constexpr TColor clInfoBk = colors_detail::SystemColor(COLOR_INFOBK);
constexpr TColor clHotLight = colors_detail::SystemColor(COLOR_HOTLIGHT);
constexpr TColor clGradientActiveCaption = colors_detail::SystemColor(COLOR_GRADIENTACTIVECAPTION);
constexpr TColor clGradientInactiveCaption = colors_detail::SystemColor(COLOR_GRADIENTINACTIVECAPTION);
constexpr TColor clMenuHighlight = colors_detail::SystemColor(COLOR_MENUHILIGHT);
constexpr TColor clMenuBar = colors_detail::SystemColor(COLOR_MENUBAR);

// The RGB value a colour draws with: system colours resolved through the current scheme; clNone and
// clDefault have no RGB of their own and resolve to black.
COLORREF ColorToRGB(TColor color);

// True for a colour of the form 0x80000000 | index.
constexpr bool IsSystemColor(TColor color) { return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0x80000000u; }

}  // namespace fw

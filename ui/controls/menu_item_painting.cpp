#include "ui/controls/menu_item_painting.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/actions/action_list.h"
#include "framework/controls/draw_text.h"
#include "framework/forms/form.h"
#include "framework/forms/screen.h"
#include "framework/menus/menu.h"
#include "framework/rtl/ansicase.h"
#include "framework/rtl/arith.h"
#include "framework/rtl/syslocale.h"
#include "ui/controls/main_menu.h"
#include "ui/controls/menu_painters.h"
#include "ui/controls/menu_style_host.h"
#include "ui/controls/menu_styler.h"
#include "ui/controls/menu_window_shape.h"
#include "ui/controls/popup_menu.h"
#include "ui/foundation/draw_utils.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {

namespace {

BOOL MenuItemRectNow(HWND window, HMENU menu, UINT position, RECT* rect) {
  return GetMenuItemRect(window, menu, position, rect);
}

constexpr fw::TShortCut kWinKey = 0x200;

using fw::TMenuItem;
using fw::TRect;

bool IsBarItem(TMenuItem* item) {
  const fw::TMenu* menu = item->GetParentMenu();
  return menu != nullptr && menu->IsMenuBar() && item->Parent() == menu->Items();
}

// Parent items above the item, the menu's root list counted, minus one.
int Depth(TMenuItem* item) {
  int depth = -1;
  for (TMenuItem* parent = item->Parent(); parent != nullptr; parent = parent->Parent()) ++depth;
  return depth;
}

bool IsFirstLevel(TMenuItem* item) {
  const fw::TMenu* menu = item->GetParentMenu();
  return menu != nullptr && Depth(item) == (menu->IsMenuBar() ? 1 : 0);
}

// The first visible item below parent, null when none is visible.
TMenuItem* FirstVisible(TMenuItem* parent) {
  for (int i = 0; i < parent->Count(); ++i) {
    if (parent->Items(i)->Visible()) return parent->Items(i);
  }
  return nullptr;
}

bool InFirstVisibleDropDown(TMenuItem* item) {
  const fw::TMenu* menu = item->GetParentMenu();
  return menu != nullptr && menu->IsMenuBar() && item->Parent() == FirstVisible(menu->Items());
}

bool InLaterColumn(TMenuItem* item) {
  TMenuItem* parent = item->Parent();
  if (item->Break() != fw::mbNone) return true;
  if (parent == nullptr) return false;
  for (int i = 0; i < item->MenuIndex(); ++i) {
    TMenuItem* before = parent->Items(i);
    if (before->Visible() && before->Break() != fw::mbNone) return true;
  }
  return false;
}

bool SideBarShown(TCustomVxMenuStyler* styler, TMenuItem* item) {
  TSideBar* bar = styler->SideBar();
  if (!bar->Visible() || IsBarItem(item)) return false;
  switch (bar->VisibleIn()) {
    case viFirstVisible: return InFirstVisibleDropDown(item);
    case viFirstLevel: return IsFirstLevel(item);
    case viAnyLevel: return true;
  }
  return false;
}

bool InSideBarColumn(TCustomVxMenuStyler* styler, TMenuItem* item) {
  return SideBarShown(styler, item) && !InLaterColumn(item);
}

// The caption's lines: the main line and, with notes shown, the note lines after each backslash-n.
std::vector<std::string> CaptionLines(const std::string& caption, bool showNotes) {
  std::vector<std::string> lines;
  if (!showNotes) return {caption};
  size_t start = 0;
  for (size_t at = caption.find("\\n"); at != std::string::npos; at = caption.find("\\n", start)) {
    lines.push_back(caption.substr(start, at - start));
    start = at + 2;
  }
  lines.push_back(caption.substr(start));
  return lines;
}

fw::TCustomImageList* DisabledImagesOf(fw::TMenu* menu) {
  if (auto* main = dynamic_cast<TVxMainMenu*>(menu)) return main->DisabledImages();
  if (auto* popup = dynamic_cast<TVxPopupMenu*>(menu)) return popup->DisabledImages();
  return nullptr;
}

// The font of a drop-down item while measuring (the canvas font stays when every choice says system).
void MeasuringFont(fw::TCanvas* canvas, TCustomVxMenuStyler* styler, bool bar) {
  if (bar) {
    if (!styler->RootItem()->UseSystemFont()) canvas->Font()->Assign(styler->RootItem()->Font());
    return;
  }
  if (!styler->UseSystemFont()) {
    canvas->Font()->Assign(styler->Font());
  } else if (!styler->SelectedItem()->UseSystemFont()) {
    canvas->Font()->Assign(styler->SelectedItem()->Font());
  }
}

void MakeBold(fw::TFont* font) {
  fw::TFontStyles style = font->Style();
  font->SetStyle(style.Include(fw::fsBold));
}

std::string KeyName(UINT key) {
  LONG lParam = static_cast<LONG>(MapVirtualKeyA(key, 0) << 16);
  if (key != VK_BACK && key != VK_RETURN && key != VK_SHIFT && key != VK_CONTROL && key != VK_MENU) {
    lParam |= 0x1000000;
  }
  char name[64] = {};
  const int length = GetKeyNameTextA(lParam, name, sizeof(name));
  std::string text(name, static_cast<size_t>(std::max(length, 0)));
  if (text.size() > 1) text = text.substr(0, 1) + fw::AnsiLowerCase(text.substr(1));
  const size_t bracket = text.find('(');
  if (bracket != std::string::npos && bracket + 1 < text.size()) {
    text = text.substr(0, bracket + 1) + fw::AnsiUpperCase(text.substr(bracket + 1, 1)) + text.substr(bracket + 2);
  }
  return text;
}

// What the common drawing needs to know of one item.
struct ItemPaint {
  TMenuItem* item;
  IMenuStyleHost* host;
  TCustomVxMenuStyler* styler;
  fw::TCanvas* canvas;
  bool bar;
  fw::TOwnerDrawState state;
};

// The union of the item's level's screen rectangles, moved to (0, 0), narrowed by the cut.
TRect MenuArea(const ItemPaint& p, const TRect& fallback) {
  TMenuItem* parent = p.item->Parent();
  const HMENU menu = parent->Handle();
  const HWND window = WindowFromDC(p.canvas->Handle());
  TRect area{};
  bool any = false;
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    RECT r{};
    if (!MenuItemRectService(window, menu, static_cast<UINT>(i), &r) || IsRectEmpty(&r)) continue;
    const TRect item = TRect::FromRECT(r);
    if (!any) {
      area = item;
      any = true;
    } else {
      area = TRect{std::min(area.Left, item.Left), std::min(area.Top, item.Top), std::max(area.Right, item.Right),
                   std::max(area.Bottom, item.Bottom)};
    }
  }
  if (!any) return fallback;
  area = TRect{0, 0, area.Width(), area.Height()};
  area.Right -= kDropDownRightCut;
  return area;
}

// The item's position in its parent's Win32 menu, which holds only the visible items.
UINT VisiblePosition(TMenuItem* item) {
  TMenuItem* parent = item->Parent();
  UINT position = 0;
  for (int i = 0; i < item->MenuIndex(); ++i) position += parent->Items(i)->Visible() ? 1u : 0u;
  return position;
}

void DrawDropDownBackground(const ItemPaint& p, const TRect& m, TRect& r) {
  TCustomVxMenuStyler* styler = p.styler;
  TSideBar* side = styler->SideBar();
  if (InSideBarColumn(styler, p.item) && FirstVisible(p.item->Parent()) == p.item) {
    TRect bar = m;
    bar.Right = m.Left + side->Size() + side->SplitterWidth();
    DrawMenuBackground(p.canvas, bar, side->Background(), true);
    if (side->Image()->Color() != fw::clNone && !side->Image()->Image()->Empty()) {
      DrawMenuBackground(p.canvas, bar, side->Image(), true);
    }
    DrawSideBarCaption(p.host, p.canvas, bar);
    DrawSideBarBorder(p.host, p.canvas, bar);
    DrawSideBarSplitter(p.host, p.canvas, bar);
  }
  TIconBar* icons = styler->IconBar();
  const TRect column{r.Left, m.Top, r.Left + icons->Size(), m.Bottom};
  DrawMenuGradientPart(p.canvas, column, icons->GradientDirection(), icons->ColorTo(), icons->Color(), r);
  if (icons->SeparatorColor() != fw::clNone) {
    DrawLineColor(p.canvas, icons->SeparatorColor(), column.Right - 1, column.Top, column.Right - 1, column.Bottom);
  }
  TBackground* back = styler->Background();
  TRect b = r;
  b.Left = column.Right;
  const TRect extent{column.Right, m.Top, r.Right, m.Bottom};
  if (back->MarginX() > 0 || back->MarginY() > 0) {
    FillRectColor(p.canvas, b, back->Color());
    b = TRect{b.Left + back->MarginX(), b.Top + back->MarginY(), b.Right - back->MarginX(), b.Bottom - back->MarginY()};
  }
  DrawMenuGradientPart(p.canvas, extent, back->GradientDirection(), back->ColorTo(), back->Color(), b);
  if (back->HeldImage() != nullptr && !back->HeldImage()->Empty()) {
    fw::TBitmap* cache = styler->BackgroundCache();
    if (cache->Width() != m.Width() || cache->Height() != m.Height()) {
      cache->SetSize(m.Width(), m.Height());
      DrawMenuBackground(cache->Canvas(), TRect{0, 0, m.Width(), m.Height()}, back, false);
    }
    p.canvas->SetCopyMode(fw::cmSrcCopy);
    p.canvas->CopyRect(b, cache->Canvas(), b);
  }
}

// The last item of its row on the menu bar: the next item starts another row, or there is none.
bool LastOfRow(const ItemPaint& p, HWND window) {
  const fw::TMenu* menu = p.item->GetParentMenu();
  const HMENU bar = const_cast<fw::TMenu*>(menu)->Handle();
  int position = -1;
  const int count = GetMenuItemCount(bar);
  for (int i = 0; i < count; ++i) {
    if (GetMenuItemID(bar, i) == p.item->Command() || GetSubMenu(bar, i) == p.item->Handle()) position = i;
  }
  if (position < 0) return false;
  if (position + 1 >= count) return true;
  RECT mine{};
  RECT next{};
  MenuItemRectService(window, bar, static_cast<UINT>(position), &mine);
  if (!MenuItemRectService(window, bar, static_cast<UINT>(position + 1), &next) || IsRectEmpty(&next)) return false;
  return next.top != mine.top;
}

// The form the menu belongs to, null when its owner is no form.
fw::TCustomForm* OwnerForm(fw::TMenu* menu) { return dynamic_cast<fw::TCustomForm*>(menu->Owner()); }

// The window whose menu bar shows the menu: for a menu of an MDI child, the frame.
HWND BarWindow(fw::TMenu* menu) {
  fw::TCustomForm* form = OwnerForm(menu);
  if (form != nullptr && form->FormStyle() == fw::fsMDIChild && form->HandleAllocated()) {
    return GetParent(GetParent(form->Handle()));
  }
  auto* main = dynamic_cast<fw::TMainMenu*>(menu);
  return main != nullptr ? main->WindowHandle() : nullptr;
}

// The room the buttons of a maximised MDI child take at the bar's right end.
int MaximisedChildButtons(fw::TMenu* menu) {
  fw::TCustomForm* form = OwnerForm(menu);
  if (form == nullptr) return 0;
  fw::TCustomForm* child = form->FormStyle() == fw::fsMDIForm ? form->ActiveMDIChild()
                           : form->FormStyle() == fw::fsMDIChild ? form
                                                                 : nullptr;
  if (child == nullptr || !child->HandleAllocated() || !IsZoomed(child->Handle())) return 0;
  int room = 0;
  for (fw::TBorderIcon icon : {fw::biMinimize, fw::biMaximize, fw::biSystemMenu}) {
    if (child->BorderIcons().Contains(icon)) room += GetSystemMetrics(SM_CXMENUSIZE);
  }
  return room;
}

// The active MDI child's small icon left of the first bar item, on the frame's bar.
void DrawMDIChildIcon(const ItemPaint& p, const TRect& r) {
  fw::TCustomForm* form = OwnerForm(p.item->GetParentMenu());
  // The first bar item: index 0 of the menu's items, or an item that is not among them.
  if (form == nullptr || form->FormStyle() != fw::fsMDIForm || p.item->GetParentMenu()->Items()->IndexOf(p.item) > 0 ||
      r.Left <= 4)
    return;
  // The icon is copied at the small-icon size; it goes only where the bar leaves that much room.
  const int iconWidth = GetSystemMetrics(SM_CXSMICON);
  if (r.Left < iconWidth || !form->HandleAllocated()) return;
  fw::TCustomForm* child = form->ActiveMDIChild();
  if (child == nullptr || !child->HandleAllocated()) return;
  const HWND window = child->Handle();
  auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  if (icon == nullptr) return;
  const auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, iconWidth, GetSystemMetrics(SM_CYSMICON), 0));
  if (copy == nullptr) return;
  const HDC dc = GetWindowDC(form->Handle());
  if (dc != nullptr) {
    fw::TCanvas canvas;
    canvas.SetHandle(dc);
    TRootItem* root = p.styler->RootItem();
    const TRect space{4, r.Top, r.Left, r.Bottom};
    if (root->GradientDirection() == gdVertical) {
      DrawMenuGradient(&canvas, space, gdVertical, root->ColorTo(), root->Color());
    } else {
      FillRectColor(&canvas, space, root->Color());
    }
    DrawIconEx(dc, r.Left - 16, r.Top + 2, copy, 16, 16, 0, nullptr, DI_NORMAL);
    canvas.SetHandle(nullptr);
    ReleaseDC(form->Handle(), dc);
  }
  DestroyIcon(copy);
}

// Step 5 for a bar item in its normal state; false when the item is not drawn at all.
bool DrawBarSlice(const ItemPaint& p, const TRect& r) {
  TRootItem* root = p.styler->RootItem();
  const HWND window = BarWindow(p.item->GetParentMenu());
  if (window == nullptr || !IsWindow(window)) return false;
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  RECT clientRect{};
  GetClientRect(window, &clientRect);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  TRect c{origin.x - windowRect.left, r.Top, origin.x - windowRect.left + clientRect.right, r.Bottom};
  TRect fill = r;
  TRect extent = c;
  const HWND canvasWindow = WindowFromDC(p.canvas->Handle());
  if (LastOfRow(p, canvasWindow)) {
    fill.Right = c.Right - MaximisedChildButtons(p.item->GetParentMenu());
    if (canvasWindow == nullptr || canvasWindow == window) {
      extent.Right += 100;
    } else {
      RECT other{};
      GetClientRect(canvasWindow, &other);
      const int difference = other.right - extent.Width();
      fill.Right += difference;
      extent.Right = std::max(extent.Right, extent.Right + difference + 50);
    }
  } else {
    extent.Right += 100;
  }
  DrawMenuGradientPart(p.canvas, extent, root->GradientDirection(), root->ColorTo(), root->Color(), fill);
  return true;
}

// Step 5; false when the item is not drawn at all.
bool DrawItemBackground(const ItemPaint& p, const TRect& r) {
  if (p.bar) {
    TRootItem* root = p.styler->RootItem();
    const bool selected = p.state.Contains(fw::odSelected);
    if (selected || p.state.Contains(fw::odHotLight)) {
      const auto colors = [&](int index) { return selected ? root->SelectedColors(index) : root->HoverColors(index); };
      const fw::TColor border = selected ? root->SelectedBorderColor() : root->HoverBorderColor();
      const TGradientDirection direction = selected ? root->SelectedGradientDirection() : root->HoverGradientDirection();
      if (colors(2) == fw::clNone) {
        DrawMenuGradientRect(p.canvas, r, true, border, direction, colors(1), colors(0));
      } else {
        DrawMenuMirrorRect(p.canvas, r, true, border, direction, colors(3), colors(2), colors(1), colors(0));
      }
      if (selected && p.item->Count() > 0) {
        DrawLineColor(p.canvas, p.styler->Background()->Color(), r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
      }
      return true;
    }
    if (root->Color() == fw::clNone) return true;
    return DrawBarSlice(p, r);
  }
  if (p.state.Contains(fw::odSelected)) {
    TSelectedItem* sel = p.styler->SelectedItem();
    DrawMenuMirrorRect(p.canvas, r, true, sel->BorderColor(), sel->GradientDirection(), sel->ColorMirrorTo(),
                       sel->ColorMirror(), sel->ColorTo(), sel->Color());
  }
  return true;
}

void DrawBox(const ItemPaint& p, const TRect& q, bool radio) {
  const bool selected = p.state.Contains(fw::odSelected);
  TGlyphBoxBar* boxes = selected ? static_cast<TGlyphBoxBar*>(p.styler->SelectedItem())
                                 : static_cast<TGlyphBoxBar*>(p.styler->IconBar());
  const bool fill = !p.state.Contains(fw::odDisabled);
  if (radio) {
    DrawMenuGradientRect(p.canvas, q, fill, boxes->RadioBorder(), boxes->RadioGradientDirection(),
                         boxes->RadioColorTo(), boxes->RadioColor());
  } else {
    DrawMenuGradientRect(p.canvas, q, fill, boxes->CheckBorder(), boxes->CheckGradientDirection(),
                         boxes->CheckColorTo(), boxes->CheckColor());
  }
}

// A monochrome glyph (black on white) drawn in the colour given. Its white is what stays transparent:
// the bottom-left pixel, which automatic transparency would take, is part of the sub-menu arrow.
void DrawGlyphIn(fw::TCanvas* canvas, fw::TBitmap* glyph, int x, int y, fw::TColor color) {
  fw::TBitmap copy;
  copy.Assign(glyph);
  copy.SetTransparent(true);
  copy.SetTransparentColor(fw::clWhite);
  const COLORREF previous = SetTextColor(canvas->Handle(), fw::ColorToRGB(color));
  canvas->Draw(x, y, &copy);
  SetTextColor(canvas->Handle(), previous);
}

// Step 6; the width of the glyph rectangle drawn (0 for none).
int DrawGlyph(const ItemPaint& p, const TRect& r) {
  TMenuItem* item = p.item;
  const int iconSize = p.styler->IconBar()->Size();
  TRect q{r.Left, r.Top + 1, r.Left + iconSize, r.Bottom - 1};
  const int side = std::min(q.Width(), q.Height());
  CenterRect(q, side, side);
  fw::TCustomImageList* images = item->GetImageList();
  const int index = item->ImageIndex();
  const bool hasImage = images != nullptr && index >= 0 && index < images->Count();
  auto* action = dynamic_cast<fw::TCustomAction*>(item->Action());
  fw::TCustomImageList* actionImages =
      action != nullptr && action->ActionList() != nullptr ? action->ActionList()->Images() : nullptr;
  const bool hasActionImage = actionImages != nullptr && action->ImageIndex() != -1 &&
                              action->ImageIndex() < actionImages->Count();
  const bool hasBitmap = item->HasBitmap() && !hasImage;
  const bool hasCheck = item->Checked() && !p.bar && !hasImage && !hasBitmap;
  if (!hasImage && !hasActionImage && !hasBitmap && !hasCheck) return 0;
  fw::TCustomImageList* disabled = DisabledImagesOf(item->GetParentMenu());
  if (item->Checked()) DrawBox(p, q, false);
  if (hasImage || hasActionImage) {
    fw::TCustomImageList* list =
        hasActionImage ? actionImages : (item->Enabled() || disabled == nullptr) ? images : disabled;
    TRect glyph = q;
    CenterRect(glyph, list->Width(), list->Height());
    if (p.bar) glyph = TRect{r.Left + 6, glyph.Top, r.Left + 6 + glyph.Width(), glyph.Bottom};
    if (hasActionImage) {
      list->Draw(p.canvas, glyph.Left, glyph.Top, action->ImageIndex(), item->Enabled());
    } else if (index < list->Count()) {
      list->Draw(p.canvas, glyph.Left, glyph.Top, index, list == images ? item->Enabled() : true);
    }
    return glyph.Width();
  }
  if (hasBitmap) {
    if (p.bar) q = TRect{r.Left + 6, q.Top, r.Left + 6 + q.Width(), q.Bottom};
    fw::TBitmap copy;
    copy.Assign(item->Bitmap());
    copy.SetTransparentMode(fw::tmAuto);
    copy.SetTransparent(true);
    TRect glyph = q;
    CenterRect(glyph, copy.Width(), copy.Height());
    p.canvas->Draw(glyph.Left, glyph.Top, &copy);
    return glyph.Width();
  }
  fw::TBitmap* mark = item->RadioItem() ? p.styler->Glyphs()->Radio() : p.styler->Glyphs()->Check();
  TRect glyph = q;
  CenterRect(glyph, mark->Width(), mark->Height());
  if (item->RadioItem()) DrawBox(p, q, true);
  DrawGlyphIn(p.canvas, mark, glyph.Left, glyph.Top, fw::clBtnText);
  return 0;
}

bool RightToLeftMenu(fw::TMenu* menu) { return fw::SysLocale.MiddleEast && menu->BiDiMode() == fw::bdRightToLeft; }

constexpr int kStringFormatNoWrap = 0x1000;

// The canvas font's face and point size in the regular style, for GDI+.
std::unique_ptr<TGPFont> GdiPlusFont(fw::TCanvas* canvas, TGPFontFamily& family) {
  return std::make_unique<TGPFont>(&family, static_cast<float>(canvas->Font()->Size()), 0, UnitPoint);
}

// The canvas font's family, or a fallback family when GDI+ does not know the face.
std::unique_ptr<TGPFontFamily> GdiPlusFamily(fw::TCanvas* canvas) {
  return CreateGPFontFamily(canvas->Font()->Name(), false);
}

// The rounded GDI+ height of "gh" in the canvas font: the step between GDI+ note lines.
int GdiPlusLineStep(fw::TCanvas* canvas) {
  TGPGraphics graphics(canvas->Handle());
  const std::unique_ptr<TGPFontFamily> family = GdiPlusFamily(canvas);
  const std::unique_ptr<TGPFont> font = GdiPlusFont(canvas, *family);
  GpRectF box{};
  graphics.MeasureStringSimple(L"gh", -1, font.get(), GpRectF{0, 0, 0, 0}, box);
  return static_cast<int>(fw::Round(box.Height));
}

// One line of a caption through GDI+ in the canvas font's face and point size, regular style.
void DrawGdiPlusLine(fw::TCanvas* canvas, TAntiAlias antiAlias, const std::string& text, const TRect& t,
                     bool aligned, bool centred, bool right) {
  TGPGraphics graphics(canvas->Handle());
  const std::unique_ptr<TGPFontFamily> family = GdiPlusFamily(canvas);
  const std::unique_ptr<TGPFont> font = GdiPlusFont(canvas, *family);
  graphics.SetTextRenderingHint(antiAlias == aaClearType ? TextRenderingHintClearTypeGridFit
                                                         : TextRenderingHintAntiAlias);
  TGPStringFormat format(kStringFormatNoWrap);
  format.SetHotkeyPrefix(HotkeyPrefixShow);
  if (aligned) {
    format.SetLineAlignment(StringAlignmentCenter);
    if (centred) format.SetAlignment(StringAlignmentCenter);
    if (right) format.SetAlignment(StringAlignmentFar);
  }
  TGPSolidBrush brush(ColorToARGB(canvas->Font()->Color()));
  const GpRectF layout{static_cast<float>(t.Left), static_cast<float>(t.Top), static_cast<float>(t.Width()),
                       static_cast<float>(t.Height())};
  graphics.DrawAnsiString(text, -1, font.get(), layout, &format, &brush);
}

// Step E: the caption (or, measuring, its rectangle) with the item's font and colours.
void DrawCaption(const ItemPaint& p, std::string text, UINT format, TRect& t, bool measuring) {
  fw::TMenu* menu = p.item->GetParentMenu();
  if (menu->BiDiMode() == fw::bdRightToLeft) format |= DT_RIGHT | DT_RTLREADING;
  if (measuring && (text.empty() || text == "&")) text += " ";
  fw::TCanvas* canvas = p.canvas;
  canvas->Brush()->SetStyle(fw::bsClear);
  const bool selected = p.state.Contains(fw::odSelected);
  if (p.bar) {
    TRootItem* root = p.styler->RootItem();
    canvas->Font()->Assign(root->UseSystemFont() ? fw::Screen->MenuFont() : root->Font());
    if (selected && root->SelectedTextColor() != fw::clNone) {
      canvas->Font()->SetColor(root->SelectedTextColor());
    } else if (!selected && p.state.Contains(fw::odHotLight) && root->HoverTextColor() != fw::clNone) {
      canvas->Font()->SetColor(root->HoverTextColor());
    }
  } else if (!selected) {
    canvas->Font()->Assign(p.styler->UseSystemFont() ? fw::Screen->MenuFont() : p.styler->Font());
  } else {
    TSelectedItem* sel = p.styler->SelectedItem();
    canvas->Font()->Assign(sel->UseSystemFont() ? fw::Screen->MenuFont() : sel->Font());
  }
  if (p.item->Default()) MakeBold(canvas->Font());
  const auto disabledColors = [&] {
    if (p.item->Enabled()) return;
    const bool same = fw::ColorToRGB(fw::clHighlight) == fw::ColorToRGB(fw::clGrayText);
    canvas->Font()->SetColor(selected && same ? fw::clBtnHighlight : fw::clGrayText);
  };
  disabledColors();
  const std::vector<std::string> lines = CaptionLines(text, p.host->GetShowNotes());
  const TAntiAlias antiAlias = p.styler->AntiAlias();
  if (lines.size() == 1) {
    if (antiAlias == aaNone) {
      const TRect drawn = fw::DrawCanvasText(canvas, text, t, format | (measuring ? DT_CALCRECT : 0));
      if (measuring) t = drawn;
    } else if (!measuring) {
      DrawGdiPlusLine(canvas, antiAlias, text, t, true, p.bar, (format & DT_RIGHT) != 0);
    }
    return;
  }
  if (measuring) return;
  int y = 0;
  if (antiAlias == aaNone) {
    fw::DrawCanvasText(canvas, lines[0], t, DT_SINGLELINE);
    y = t.Top + canvas->TextHeight("gh");
  } else {
    DrawGdiPlusLine(canvas, antiAlias, lines[0], t, false, false, false);
    y = t.Top + 20;
  }
  TSelectedItem* sel = p.styler->SelectedItem();
  canvas->Font()->Assign(selected ? sel->NotesFont() : p.styler->NotesFont());
  disabledColors();
  // GDI steps by the notes font's GDI height of "gh", GDI+ by its GDI+ height.
  const int step = antiAlias == aaNone ? canvas->TextHeight("gh") : GdiPlusLineStep(canvas);
  for (size_t i = 1; i < lines.size(); ++i, y += step) {
    const TRect line{t.Left, y, t.Right, y + step};
    if (antiAlias == aaNone) {
      fw::DrawCanvasText(canvas, lines[i], line, DT_SINGLELINE);
    } else {
      DrawGdiPlusLine(canvas, antiAlias, lines[i], line, false, false, false);
    }
  }
}

// Step D: the drop-down window's frame and, the first time, its shape.
void FrameDropDownWindow(const ItemPaint& p);

void DrawItem(const ItemPaint& p, TRect r) {
  TMenuItem* item = p.item;
  TCustomVxMenuStyler* styler = p.styler;
  const TRect area = p.bar ? r : MenuArea(p, r);
  if (InSideBarColumn(styler, item)) r.Left += styler->SideBar()->Size() + styler->SideBar()->SplitterWidth();
  if (!p.bar) DrawDropDownBackground(p, area, r);
  if (item->IsLine()) {
    TSeparator* line = styler->Separator();
    r.Left += styler->IconBar()->Size();
    const int middle = r.Top + r.Height() / 2;
    const int width = line->Width();
    DrawMenuBand(p.canvas, TRect{r.Left, middle - width / 2, r.Right, middle + (width + 1) / 2}, line->Margin(),
                 line->GradientWidth(), line->GradientType(), gdHorizontal, line->ColorTo(), line->Color());
    FrameDropDownWindow(p);
    return;
  }
  if (!DrawItemBackground(p, r)) return;
  const int glyphWidth = DrawGlyph(p, r);
  fw::TMenu* menu = item->GetParentMenu();
  auto* popup = dynamic_cast<fw::TPopupMenu*>(menu);
  const bool rightAligned = !p.bar && popup != nullptr && popup->Alignment() == fw::paRight;
  if (!p.bar && item->Count() > 0 && !RightToLeftMenu(menu)) {
    const int y = (r.Top + r.Bottom - 5) / 2;
    TRect arrow = rightAligned ? TRect{r.Left + 5, y, r.Left + 8, y + 6} : TRect{r.Right - 8, y, r.Right - 5, y + 6};
    fw::TBitmap* glyph = styler->Glyphs()->SubMenu();
    CenterRect(arrow, glyph->Width(), glyph->Height());
    DrawGlyphIn(p.canvas, glyph, arrow.Left, arrow.Top, fw::clBlack);
  }
  TRect text = r;
  UINT align = DT_LEFT;
  if (p.bar) {
    text.Left = r.Left + glyphWidth;
    align = DT_CENTER;
  } else {
    text.Left = r.Left + styler->IconBar()->Size() + 8;
    if (popup != nullptr) {
      align = popup->Alignment() == fw::paRight ? DT_RIGHT : popup->Alignment() == fw::paCenter ? DT_CENTER : DT_LEFT;
    }
  }
  const UINT format = align | DT_SINGLELINE | DT_EXPANDTABS;
  if (p.state.Contains(fw::odDefault)) MakeBold(p.canvas->Font());
  TRect t = text;
  DrawCaption(p, item->Caption(), format | DT_NOCLIP, t, true);
  const int down = (text.Height() - t.Height()) / 2;
  t = TRect{p.bar ? text.Left : t.Left, t.Top + down, p.bar ? text.Right : t.Right, t.Bottom + down};
  DrawCaption(p, item->Caption(), format, t, false);
  if (item->ShortCut() != fw::scNone && !p.bar) {
    const std::string keys = ShortCutText(item->ShortCut(), p.host->GetIntlKeybShortCuts());
    fw::DrawCanvasText(p.canvas, keys, TRect{t.Left, t.Top, text.Right - 10, t.Bottom}, DT_RIGHT);
  }
  if (!p.bar) FrameDropDownWindow(p);
}

bool PaintFor(fw::TObject* sender, fw::TCanvas* canvas, fw::TOwnerDrawState state, ItemPaint& p) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (item == nullptr) return false;
  IMenuStyleHost* host = MenuItemHost(item);
  if (host == nullptr || host->GetCurrentMenuStyler() == nullptr) return false;
  p = ItemPaint{item, host, host->GetCurrentMenuStyler(), canvas, IsBarItem(item), state};
  return true;
}

bool OpensToTheRight(const ItemPaint& p, HWND window) {
  TMenuItem* parent = p.item->Parent();
  if (parent == nullptr || parent->Parent() == nullptr || IsBarItem(parent)) return true;
  if (!parent->Visible()) return false;
  RECT first{};
  MenuItemRectService(nullptr, parent->Handle(), 0, &first);
  if (IsRectEmpty(&first)) return true;
  RECT own{};
  MenuItemRectService(window, parent->Parent()->Handle(), VisiblePosition(parent), &own);
  return own.left < first.left || (own.left == first.left && own.right < first.right);
}

void FrameDropDownWindow(const ItemPaint& p) {
  if (p.bar) return;
  const HWND window = WindowFromDC(p.canvas->Handle());
  if (window == nullptr) return;
  fw::TMenu* menu = p.item->GetParentMenu();
  if (auto* main = dynamic_cast<fw::TMainMenu*>(menu); main != nullptr && main->WindowHandle() == window) return;
  if (auto* popup = dynamic_cast<fw::TPopupMenu*>(menu); popup != nullptr && popup->WindowHandle() == window) return;
  TDropDownWindowLook look;
  look.level = Depth(p.item) + (menu->IsMenuBar() ? 0 : 1);
  look.opensRight = OpensToTheRight(p, window);
  look.borderColor = p.styler->MenuBorderColor();
  look.backgroundColor = p.styler->Background()->Color();
  if (look.level == 1 && menu->IsMenuBar()) {
    RECT opener{};
    if (MenuItemRectService(GetParent(window), menu->Handle(), VisiblePosition(p.item->Parent()), &opener)) {
      look.opener = opener;
    }
  }
  ShapeAndFrameDropDownWindow(window, look);
}

}  // namespace

constinit fw::Service<BOOL(HWND, HMENU, UINT, RECT*)> MenuItemRectService(&MenuItemRectNow);

IMenuStyleHost* MenuItemHost(TMenuItem* Item) { return Item != nullptr ? MenuStyleHost(Item->GetParentMenu()) : nullptr; }

std::string ShortCutText(fw::TShortCut ShortCut, bool Intl) {
  if (!Intl) {
    const std::string text = fw::ShortCutToText(ShortCut);
    return (ShortCut & kWinKey) != 0 ? "Win+" + text : text;
  }
  const UINT key = ShortCut & 0xFF;
  std::string text = key >= 112 && key <= 135 ? "F" + std::to_string(key - 111) : KeyName(key);
  static constexpr struct {
    fw::TShortCut flag;
    UINT key;
  } kModifiers[] = {{fw::scShift, VK_SHIFT}, {fw::scCtrl, VK_CONTROL}, {fw::scAlt, VK_MENU}};
  for (const auto& m : kModifiers) {
    if ((ShortCut & m.flag) != 0) text = KeyName(m.key) + "+" + text;
  }
  return text;
}

void MeasureMenuItem(fw::TObject* Sender, fw::TCanvas* ACanvas, int& Width, int& Height) {
  ItemPaint p{};
  if (!PaintFor(Sender, ACanvas, {}, p)) return;
  TMenuItem* item = p.item;
  TCustomVxMenuStyler* styler = p.styler;
  if (!item->Visible()) {
    Width = 0;
    Height = 0;
    return;
  }
  if (p.bar) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    Width = metrics.iMenuWidth;
    Height = metrics.iMenuHeight;
  }
  if (item->IsLine()) {
    Height = styler->Separator()->Width() + 2;
    Width = -2;
    return;
  }
  if (!p.bar) Width = styler->IconBar()->Size();
  fw::TCustomImageList* images = item->GetImageList();
  if (images == nullptr || (p.bar && item->ImageIndex() < 0)) {
    if (!item->HasBitmap()) {
      if (p.bar) {
        Width = -7;
      } else {
        Height -= 3;
      }
    } else if (p.bar) {
      Width = item->Bitmap()->Width();
    } else {
      Height = std::max(Height, item->Bitmap()->Height());
    }
  } else if (p.bar) {
    Width = images->Width();
  } else {
    Height = std::max(Height, images->Height());
  }
  if (!p.bar) {
    Width += 15;
    Height += 2;
  }
  const std::vector<std::string> lines = CaptionLines(item->Caption(), p.host->GetShowNotes());
  std::string text = lines[0];
  if (item->ShortCut() != fw::scNone) text += ShortCutText(item->ShortCut(), p.host->GetIntlKeybShortCuts());
  MeasuringFont(ACanvas, styler, p.bar);
  const fw::TSize size = fw::MeasureCanvasText(ACanvas, text, 0, DT_SINGLELINE);
  Width += size.cx + 7;
  int textHeight = size.cy + 6;
  if (!p.bar) {
    if ((item->ShortCut() & kWinKey) != 0) Width += ACanvas->TextWidth("Win+");
    if (InSideBarColumn(styler, item)) Width += styler->SideBar()->Size() + styler->SideBar()->SplitterWidth();
    if (Height % 2 != 0) ++Height;
    Width += 17;
    if (lines.size() > 1) {
      ACanvas->Font()->Assign(styler->NotesFont());
      int widest = 0;
      for (const std::string& line : lines) widest = std::max(widest, ACanvas->TextWidth(line));
      textHeight += ACanvas->TextHeight("gh") * static_cast<int>(lines.size() - 1);
      Width = std::max(Width, widest + styler->IconBar()->Size() + 25);
    }
  }
  Height = std::max(Height, textHeight);
}

void DrawMainMenuItem(fw::TObject* Sender, fw::TCanvas* ACanvas, const fw::TRect& ARect, fw::TOwnerDrawState State) {
  ItemPaint p{};
  if (!PaintFor(Sender, ACanvas, State, p)) return;
  if (auto* menu = dynamic_cast<TVxMainMenu*>(p.item->GetParentMenu()); menu != nullptr && menu->UpdateCount() > 0) {
    return;
  }
  TRect r = ARect;
  if (p.bar) {
    DrawMDIChildIcon(p, r);
  } else {
    r.Right -= kDropDownRightCut;
  }
  DrawItem(p, r);
}

void DrawPopupMenuItem(fw::TObject* Sender, fw::TCanvas* ACanvas, const fw::TRect& ARect, fw::TOwnerDrawState State) {
  ItemPaint p{};
  if (!PaintFor(Sender, ACanvas, State, p)) return;
  TRect r = ARect;
  r.Right -= kDropDownRightCut;
  DrawItem(p, r);
}

}  // namespace ui

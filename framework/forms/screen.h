#pragma once
// Screen: what the program asks about the display and its forms: size, installed fonts, the menu font, the
// cursor that overrides every control's (crDefault: none does), the application's own cursors, the monitors,
// the forms that exist and the active one. Sizes and monitors are read through the screen services
// (framework/services/screenmetrics.h).
#include <memory>
#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/stringlist.h"
#include "framework/controls/control_types.h"
#include "framework/graphics/font.h"
#include "framework/graphics/geometry.h"

namespace fw {

class TCustomForm;
class TWinControl;

// A monitor as the screen reports it (screen coordinates).
struct TMonitor {
  HMONITOR Handle = nullptr;
  TRect BoundsRect;
  TRect WorkareaRect;  // what the task bar and docked bars leave free
};

class TScreen : public TComponent {
 public:
  TScreen();

  int Width() const;
  int Height() const;
  // The monitor nearest to a screen point.
  TMonitor MonitorFromPoint(TPoint Point) const;
  int PixelsPerInch() const;
  // The font families, sorted; read from the system on first use.
  TStrings* Fonts();
  // The font the system draws menus with (face, height, style, character set); read on first use.
  TFont* MenuFont();
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  // The cursor shown for a cursor number: the application's own registered under it, else the system's.
  HCURSOR Cursors(TCursor Index) const;
  // Registers an application cursor under a number (see RegisterApplicationCursor: the screen owns it).
  void SetCursors(TCursor Index, HCURSOR Handle);
  // Registers the cursor resource Name of Module under a number; raises EResNotFound when it is missing.
  void LoadCursors(TCursor Index, HINSTANCE Module, const char* Name);
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int Index) const { return forms_.at(static_cast<size_t>(Index)); }
  // The form whose window is active, nullptr when none of them.
  TCustomForm* ActiveForm() const;
  // The control that has the keyboard focus, nullptr when no framework control has it.
  TWinControl* ActiveControl() const;

  // Forms tell the screen that they begin and end.
  void AddForm(TCustomForm* form) { forms_.push_back(form); }
  void RemoveForm(TCustomForm* form);

 private:
  TStringList fonts_;
  bool fontsRead_ = false;
  std::unique_ptr<TFont> menuFont_;
  TCursor cursor_ = crDefault;
  std::vector<TCustomForm*> forms_;
};

// The program's one screen object.
extern TScreen* Screen;

}  // namespace fw

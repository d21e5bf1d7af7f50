#include "ui/dropdown/wide_window.h"

#include "framework/rtl/exceptions.h"
#include "ui/dropdown/wide_control_text.h"
#include "ui/dropdown/wide_text.h"
#include "ui/dropdown/wide_window_trap.h"

namespace ui {

namespace {

constexpr size_t kMaxClassNameBase = 64;

// Registers the Unicode copy of the framework's class ClassName of Module once; raises on failure.
void RegisterUnicodeClass(HINSTANCE Module, const std::string& ClassName, const std::wstring& UnicodeName) {
  WNDCLASSW existing{};
  if (GetClassInfoW(Module, UnicodeName.c_str(), &existing)) return;
  WNDCLASSA framework{};
  if (!GetClassInfoA(Module, ClassName.c_str(), &framework)) fw::RaiseLastOSError();
  std::wstring menuName;
  WNDCLASSW copy{};
  copy.style = framework.style;
  copy.lpfnWndProc = framework.lpfnWndProc;
  copy.cbClsExtra = framework.cbClsExtra;
  copy.cbWndExtra = framework.cbWndExtra;
  copy.hInstance = Module;
  copy.hIcon = framework.hIcon;
  copy.hCursor = framework.hCursor;
  copy.hbrBackground = framework.hbrBackground;
  if (IS_INTRESOURCE(framework.lpszMenuName)) {
    copy.lpszMenuName = reinterpret_cast<LPCWSTR>(framework.lpszMenuName);
  } else {
    menuName = WidenText(framework.lpszMenuName);
    copy.lpszMenuName = menuName.c_str();
  }
  copy.lpszClassName = UnicodeName.c_str();
  if (RegisterClassW(&copy) == 0) fw::RaiseLastOSError();
}

}  // namespace

void CreateWideWindow(fw::TWinControl* Control, const fw::TCreateParams& Params, const std::wstring& SystemClass) {
  if (SystemClass.empty()) {
    Control->SetDefWndProc(&DefWindowProcW);
  } else {
    WNDCLASSW system{};
    if (!GetClassInfoW(nullptr, SystemClass.c_str(), &system)) fw::RaiseLastOSError();
    Control->SetDefWndProc(system.lpfnWndProc);
  }
  const std::wstring unicodeName = WidenText(Params.WinClassName.substr(0, kMaxClassNameBase)) + L".UnicodeClass";
  DWORD error = ERROR_SUCCESS;
  const HWND window = Control->MakeWindow(Params, [&](HINSTANCE module, HMENU id) {
    RegisterUnicodeClass(module, Params.WinClassName, unicodeName);
    const HWND made = CreateWindowExW(Params.ExStyle, unicodeName.c_str(), nullptr, Params.Style, Params.X, Params.Y,
                                      Params.Width, Params.Height, Params.WndParent, id, module, Params.Param);
    if (made == nullptr) error = GetLastError();
    return made;
  });
  if (window == nullptr) fw::RaiseLastOSError(error != ERROR_SUCCESS ? error : ERROR_CANNOT_MAKE);
  // Read as 8-bit and written back as Unicode: the window keeps being a Unicode window whoever set its
  // procedure last.
  SetWindowLongPtrW(window, GWLP_WNDPROC, GetWindowLongPtrA(window, GWLP_WNDPROC));
  AttachWideWindowTrap(Control);
  TWideCaptionHolder* holder = WideCaptionHolderOf(Control, WidenText(Params.Caption));
  WriteWideControlText(Control, holder->Caption());
}

void ReleaseWideWindow(fw::TWinControl* Control) {
  if (!Control->ComponentState().Contains(fw::csDestroying)) {
    const std::wstring text = ReadWideControlText(Control);
    WideCaptionHolderOf(Control)->SetCaption(text);
  }
  DetachWideWindowTrap(Control);
}

}  // namespace ui

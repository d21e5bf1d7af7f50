#include "framework/forms/application.h"

#include "framework/forms/hint_controller.h"
#include "framework/rtl/filenames.h"
#include "framework/services/messagebox.h"
#include "framework/services/timing_trace.h"

namespace fw {

TApplication* Application = nullptr;

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  title_ = ChangeFileExt(ExtractFileName(ExeName()), "");
  if (Application == nullptr) Application = this;
  previousHandler_ = SetExceptionBoundaryHandler([this](TObject* Sender) { HandleException(Sender); });
  hints_ = Create<THintController>(this);
}

TApplication::~TApplication() {
  // The forms go while the application is whole: their handlers may still call it.
  DestroyComponents();
  hints_->Free();
  SetExceptionBoundaryHandler(std::move(previousHandler_));
  if (Application == this) Application = nullptr;
}

void TApplication::SetTitle(const std::string& value) {
  title_ = value;
  if (window_) SetWindowTextA(window_->Handle(), value.c_str());
}

std::string TApplication::ExeName() const {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

HWND TApplication::Handle() {
  if (!window_) {
    window_ = std::make_unique<TUtilityWindow>(this, [](TMessage&) { return false; });
    SetWindowTextA(window_->Handle(), title_.c_str());
  }
  return window_->Handle();
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == mainForm_) mainForm_ = nullptr;
}

void TApplication::SetShowHint(bool value) {
  showHint_ = value;
  if (!value) CancelHint();
}

void TApplication::CancelHint() { hints_->CancelHint(); }

THintWindow* TApplication::HintWindow() { return hints_->HintWindow(); }

void TApplication::Run() {
  try {
    if (mainForm_ != nullptr && showMainForm_) mainForm_->Show();
  } catch (...) {
    HandleException(this);
  }
  while (!terminated_) {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::HandleMessage() {
  MSG msg{};
  if (!ProcessMessage(msg)) Idle();
}

void TApplication::ProcessMessages() {
  MSG msg{};
  while (ProcessMessage(msg)) {
  }
}

void TApplication::Terminate() { PostQuitMessage(0); }

bool TApplication::ProcessMessage(MSG& msg) {
  // A Unicode window's messages are taken and dispatched in their Unicode form, so that typed characters
  // the system's code page lacks reach it whole.
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) return false;
  const bool unicode = msg.hwnd != nullptr && IsWindowUnicode(msg.hwnd) != FALSE;
  if (!(unicode ? PeekMessageW : PeekMessageA)(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  try {
    hints_->Observe(msg);
    const TraceScope trace(TraceKind::kDispatch, static_cast<std::int32_t>(msg.message));
    if (!IsKeyMsg(msg)) {
      TranslateMessage(&msg);
      if (unicode) {
        DispatchMessageW(&msg);
      } else {
        DispatchMessageA(&msg);
      }
    }
  } catch (...) {
    HandleException(this);
  }
  return true;
}

// Shows a key message to the control it is for (or the nearest framework window above the one it is
// for) before it is dispatched, so dialog keys and accelerators can take it.
bool TApplication::IsKeyMsg(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_CHAR: case WM_SYSCHAR: break;
    default: return false;
  }
  for (HWND window = msg.hwnd; window != nullptr; window = GetParent(window)) {
    if (TWinControl* control = FindControl(window)) {
      return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
    }
  }
  return false;
}

void TApplication::Idle() {
  bool done = true;
  try {
    if (OnIdle) OnIdle(this, done);
  } catch (...) {
    HandleException(this);
  }
  if (done) WaitMessage();
}

void TApplication::HandleException(TObject* Sender) {
  try {
    WithCurrentException([&](Exception& e) {
      if (!OnException) {
        ShowException(e);
        return;
      }
      try {
        OnException(Sender, e);
      } catch (...) {
        // The handler failed in turn: show that failure instead.
        WithCurrentException([&](Exception& inner) { ShowException(inner); });
      }
    });
  } catch (...) {
    // Showing failed as well; the loop must go on all the same.
  }
}

void TApplication::ShowException(Exception& E) { ShowExceptionMessage(title_, E); }

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, UINT Flags) {
  return ShowMessageBox(MessageBoxRequest{GetActiveWindow(), Text, Caption, Flags});
}

}  // namespace fw

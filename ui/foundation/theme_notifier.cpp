#include "ui/foundation/theme_notifier.h"

#include <algorithm>

#include "framework/controls/messages.h"
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/registry/registry.h"
#include "framework/rtl/exceptions.h"
#include "ui/foundation/style_detection.h"

namespace ui {

namespace {

TThemeNotifier* singleton = nullptr;

// How long one receiver may hold the monitor; a hung window does not keep it from stopping.
constexpr UINT kSendTimeoutMs = 5000;

}  // namespace

// Waits for changes of values under the key and sends the message; ends when stopped.
class TRegMonitorThread : public fw::TThread {
 public:
  TRegMonitorThread(HKEY RootKey, std::string Key, DWORD NotifyFilter, HWND NotifyWindow, THandleList* Handles)
      : TThread(true),
        rootKey_(RootKey),
        key_(std::move(Key)),
        notifyFilter_(NotifyFilter),
        notifyWindow_(NotifyWindow),
        handles_(Handles),
        change_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        watching_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~TRegMonitorThread() override {
    CloseHandle(change_);
    CloseHandle(stop_);
    CloseHandle(watching_);
  }

  // Waits (bounded) until the first watch is in place or the thread has given up, so that a change
  // made right after the notifier was created is not missed.
  void WaitUntilWatching() { WaitForSingleObject(watching_, kSendTimeoutMs); }

  void Stop() {
    Terminate();
    SetEvent(stop_);
  }

 protected:
  void Execute() override {
    struct Ready {
      HANDLE event;
      ~Ready() { SetEvent(event); }
    } ready{watching_};
    fw::TRegistry registry(KEY_READ);
    registry.SetRootKey(rootKey_);
    if (!registry.OpenKeyReadOnly(key_)) throw fw::Exception("Unable to open registry key " + key_);
    Watch(registry.CurrentKey());
    SetEvent(watching_);
    const HANDLE events[2] = {stop_, change_};
    while (!Terminated()) {
      const DWORD woken = WaitForMultipleObjects(2, events, FALSE, INFINITE);
      if (Terminated() || woken == WAIT_OBJECT_0) break;
      if (woken != WAIT_OBJECT_0 + 1) continue;
      Send(notifyWindow_);
      for (HWND handle : handles_->Snapshot()) {
        if (Terminated()) break;
        Send(handle);
      }
      ResetEvent(change_);
      Watch(registry.CurrentKey());
    }
  }

 private:
  void Watch(HKEY key) { RegNotifyChangeKeyValue(key, TRUE, notifyFilter_, change_, TRUE); }
  void Send(HWND handle) {
    if (handle == nullptr) return;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(handle, WM_OFFICE_THEME_CHANGED, reinterpret_cast<WPARAM>(rootKey_),
                        reinterpret_cast<LPARAM>(key_.c_str()), SMTO_NORMAL, kSendTimeoutMs, &result);
  }

  HKEY rootKey_;
  std::string key_;
  DWORD notifyFilter_;
  HWND notifyWindow_;
  THandleList* handles_;
  HANDLE change_;  // unnamed: no other process or notifier shares it
  HANDLE stop_;
  HANDLE watching_;
};

void THandleList::Add(HWND Handle) {
  EnterCriticalSection(&lock_);
  if (std::find(handles_.begin(), handles_.end(), Handle) == handles_.end()) handles_.push_back(Handle);
  LeaveCriticalSection(&lock_);
}

bool THandleList::Contains(HWND Handle) {
  EnterCriticalSection(&lock_);
  const bool found = std::find(handles_.begin(), handles_.end(), Handle) != handles_.end();
  LeaveCriticalSection(&lock_);
  return found;
}

void THandleList::Remove(HWND Handle) {
  EnterCriticalSection(&lock_);
  const auto it = std::find(handles_.begin(), handles_.end(), Handle);
  if (it != handles_.end()) handles_.erase(it);
  LeaveCriticalSection(&lock_);
}

std::vector<HWND> THandleList::Snapshot() {
  EnterCriticalSection(&lock_);
  std::vector<HWND> copy = handles_;
  LeaveCriticalSection(&lock_);
  return copy;
}

void TThemeNotifierWindow::WndProc(fw::TMessage& Message) {
  if (Message.Msg == WM_OFFICE_THEME_CHANGED && Notify) Notify(this);
  TWinControl::WndProc(Message);
}

TThemeNotifier::TThemeNotifier(fw::TComponent* AOwner) : TComponent(AOwner) {}

void TThemeNotifier::AfterConstruction() {
  TComponent::AfterConstruction();
  const int office = GetOfficeVersion();
  if (office != 1 && office != 2) return;
  window_ = fw::Create<TThemeNotifierWindow>(this);
  window_->SetParent(fw::As<fw::TWinControl>(Owner()));
  window_->Hide();
  window_->Notify = [this](fw::TObject*) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
  };
  key_ = office == 2 ? "Software\\Microsoft\\Office\\14.0\\Common" : "Software\\Microsoft\\Office\\12.0\\Common";
  monitor_ = fw::Create<TRegMonitorThread>(HKEY_CURRENT_USER, key_, REG_NOTIFY_CHANGE_LAST_SET, window_->Handle(),
                                           &handles_);
  monitor_->Start();
  monitor_->WaitUntilWatching();
}

TThemeNotifier::~TThemeNotifier() {
  StopMonitor();
  if (singleton == this) singleton = nullptr;
}

void TThemeNotifier::StopMonitor() {
  if (monitor_ == nullptr) return;
  monitor_->Stop();
  // The thread wakes at once; its sends are bounded, and messages sent to this thread meanwhile are
  // delivered while it is waited for.
  monitor_->Free();
  monitor_ = nullptr;
}

bool TThemeNotifier::Monitoring() const { return monitor_ != nullptr && !monitor_->Finished(); }

void TThemeNotifier::RegisterWindow(HWND Handle) {
  if (Monitoring()) handles_.Add(Handle);
}

void TThemeNotifier::UnRegisterWindow(HWND Handle) {
  if (Monitoring()) handles_.Remove(Handle);
}

TThemeNotifier* GetThemeNotifier(fw::TComponent* Owner) {
  if (singleton != nullptr) return singleton;
  fw::TComponent* owner = Owner;
  if (fw::Application != nullptr && fw::Application->MainForm() != nullptr &&
      fw::Application->MainForm()->HandleAllocated()) {
    owner = fw::Application->MainForm();
  }
  singleton = fw::Create<TThemeNotifier>(owner);
  return singleton;
}

}  // namespace ui

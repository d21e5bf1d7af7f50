#pragma once
// TThemeNotifier: the one process-wide watcher of the Office colour theme. While Office 12.0 or 14.0 keys
// exist, a monitor thread waits for changes of the Office "Common" key and sends the theme-change
// message (WM_OFFICE_THEME_CHANGED) to the notifier's own hidden window, which fires
// OnOfficeThemeChange, and to every window registered with it.
//
// Threads: the notifier, its window and registration live on the GUI thread; the monitor thread only
// waits and sends. The registered windows are kept under a lock that both sides take.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/thread.h"
#include "framework/controls/win_control.h"

namespace ui {

constexpr UINT WM_OFFICE_THEME_CHANGED = 2993;

class TThemeNotifier;
class TRegMonitorThread;

// The registered windows, guarded for the GUI thread and the monitor thread.
class THandleList {
 public:
  THandleList() { InitializeCriticalSection(&lock_); }
  ~THandleList() { DeleteCriticalSection(&lock_); }
  THandleList(const THandleList&) = delete;
  THandleList& operator=(const THandleList&) = delete;

  // Adds the handle unless it is in the list.
  void Add(HWND Handle);
  bool Contains(HWND Handle);
  // Removes the first occurrence (nothing when absent).
  void Remove(HWND Handle);
  std::vector<HWND> Snapshot();

 private:
  CRITICAL_SECTION lock_;
  std::vector<HWND> handles_;
};

// The notifier's hidden window: message 2993 calls its Notify.
class TThemeNotifierWindow : public fw::TWinControl {
 public:
  explicit TThemeNotifierWindow(fw::TComponent* AOwner) : TWinControl(AOwner) {}
  fw::TNotifyEvent Notify;

 protected:
  void WndProc(fw::TMessage& Message) override;
};

class TThemeNotifier : public fw::TComponent {
 public:
  explicit TThemeNotifier(fw::TComponent* AOwner);
  ~TThemeNotifier() override;
  void AfterConstruction() override;

  // While the monitor runs: adds the window once. Otherwise nothing.
  void RegisterWindow(HWND Handle);
  // While the monitor runs: removes the window. Otherwise nothing.
  void UnRegisterWindow(HWND Handle);

  // True while the monitor thread watches the registry.
  bool Monitoring() const;
  // The watched key (empty when no monitor was started).
  const std::string& WatchedKey() const { return key_; }
  TThemeNotifierWindow* NotifierWindow() const { return window_; }
  bool IsRegistered(HWND Handle) { return handles_.Contains(Handle); }

  fw::TNotifyEvent OnOfficeThemeChange;

 private:
  void StopMonitor();

  THandleList handles_;
  TThemeNotifierWindow* window_ = nullptr;
  TRegMonitorThread* monitor_ = nullptr;
  std::string key_;
};

// The singleton, made on first use: owned by the application's main form when it has a window, else by
// Owner (a windowed control).
TThemeNotifier* GetThemeNotifier(fw::TComponent* Owner);

}  // namespace ui

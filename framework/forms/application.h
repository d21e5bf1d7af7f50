#pragma once
// The application: its forms, the message loop with the idle hook, and the exception handler.
//
// One TApplication exists while the program (or a test) runs; `Application` points to it. The loop
// takes one message at a time (HandleMessage); when the queue is empty it calls OnIdle, and when the
// handler leaves Done true it sleeps until the next message. ProcessMessages empties the queue without
// calling OnIdle. Modal forms run the same loop, so timers and the idle hook go on inside them.
//
// No exception reaches Win32: whatever a window procedure, timer or the loop itself throws goes to
// HandleException, which gives it to OnException or, when that is not assigned, shows its message in a
// message box; then the loop goes on.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/classes/component.h"
#include "framework/forms/form.h"
#include "framework/messaging/exception_boundary.h"
#include "framework/messaging/utility_window.h"

namespace fw {

using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TObject* Sender, Exception& E)>;

class THintController;
class THintWindow;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner = nullptr);
  ~TApplication() override;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value);
  // The full path of the program file.
  std::string ExeName() const;
  // A hidden window of the application's own.
  HWND Handle();
  // Hints: shown HintPause ms after the mouse came to rest on a control (HintShortPause when moving on
  // from a showing hint), hidden after HintHidePause ms; none at all without ShowHint.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  int HintPause() const { return hintPause_; }
  void SetHintPause(int value) { hintPause_ = value; }
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int value) { hintShortPause_ = value; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int value) { hintHidePause_ = value; }
  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor value) { hintColor_ = value; }
  void CancelHint();
  THintWindow* HintWindow();
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool value) { showMainForm_ = value; }

  // Makes a form of class T owned by the application and stores it in Reference before its OnCreate
  // runs; the first form made this way becomes the main form (set before its OnCreate too) and gets its
  // window at once.
  template <class T>
  void CreateForm(T*& Reference) {
    T* form = new T(this);
    Reference = form;
    if (mainForm_ == nullptr) mainForm_ = form;
    try {
      form->AfterConstruction();
    } catch (...) {
      Reference = nullptr;
      if (mainForm_ == form) mainForm_ = nullptr;
      delete form;
      throw;
    }
    if (mainForm_ == form) form->HandleNeeded();
  }
  TCustomForm* MainForm() const { return mainForm_; }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles one message, or idles when there is none.
  void HandleMessage();
  // Handles every message in the queue; OnIdle is not called.
  void ProcessMessages();
  // Ends the message loop (the loop sees it when it takes the quit message).
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Call inside a catch block: hands the exception to OnException or shows it.
  void HandleException(TObject* Sender);
  void ShowException(Exception& E);
  // A message box through the message-box service, owned by the active window.
  int MessageBox(const std::string& Text, const std::string& Caption, UINT Flags = MB_OK);

  TIdleEvent OnIdle;
  TExceptionEvent OnException;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(const MSG& msg);
  void Idle();

  std::string title_;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintShortPause_ = 50;
  int hintHidePause_ = 2500;
  TColor hintColor_ = clInfoBk;
  THintController* hints_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  TCustomForm* mainForm_ = nullptr;
  std::unique_ptr<TUtilityWindow> window_;
  TExceptionBoundaryHandler previousHandler_;
};

// The running application, nullptr when there is none.
extern TApplication* Application;

}  // namespace fw

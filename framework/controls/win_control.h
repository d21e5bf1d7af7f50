#pragma once
// A control with a window of its own. The window is made on demand (HandleNeeded, Handle, showing the
// control or a parent made its window) from CreateParams, and everything the object holds is given to it
// then; until then, and after DestroyHandle, the object alone carries the state.
#include <functional>
#include <vector>

#include "framework/controls/control.h"
#include "framework/controls/create_params.h"
#include "framework/graphics/brush.h"

namespace fw {

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  // The window goes while the object is whole, so no message reaches a half-destroyed control.
  void BeforeDestruction() override;

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  // Destroys the window and makes a new one from the current properties (after a style change).
  void RecreateWnd();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int Index) const { return controls_.at(static_cast<size_t>(Index)); }
  bool ContainsControl(TControl* Control) const;
  // The visible child at a client point, topmost first; nullptr when none.
  TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;
  // Sends the message to every child until one sets a non-zero Result.
  void Broadcast(TMessage& Message);

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  int TabOrder() const;
  void SetTabOrder(int value);
  bool Focused();
  virtual bool CanFocus();
  virtual void SetFocus();
  // Focuses the next (or previous) focusable control after current among this control's descendants.
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  // A top control (a form) runs the command of a keyboard shortcut (a menu item's) and returns true;
  // asked for every key before the focused control sees it.
  virtual bool IsShortCut(WORD Key, TShiftState Shift);

  TBrush* Brush() { return &brush_; }

  bool Showing() const override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect ClientRect() override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

  // Paints the control and its windowed children into dc with the control's top left at (X, Y).
  void PaintTo(HDC DC, int X, int Y);
  // Paints the graphic children into DC (the control's client coordinates), from First on in z-order,
  // all of them when First is null. A control that paints its parent's background calls it on the parent.
  void PaintControls(HDC DC, TControl* First);

  // The window paints through a memory bitmap (no flicker); WM_PAINT with a DC paints straight into it.
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
  // The three-dimensional look; with ParentCtl3D the parent's setting counts.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool value);

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  // The Win32 procedure that handles what the control leaves (DefWindowProc or the standard control's),
  // set anew each time the window is made; a control whose window is of another kind (a Unicode window)
  // replaces it from its CreateWindowHandle on.
  WNDPROC DefWndProc() const { return defWndProc_; }
  void SetDefWndProc(WNDPROC value) { defWndProc_ = value; }
  // Makes the control's window through Create (a CreateWindowEx call of the caller's choice, given the
  // module the framework's classes belong to and the child identifier), so that the window's messages
  // reach this control from its first one on. Returns the window, null when Create made none.
  using TWindowMaker = std::function<HWND(HINSTANCE Module, HMENU ChildId)>;
  HWND MakeWindow(const TCreateParams& Params, const TWindowMaker& Create);

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  virtual void CreateParams(TCreateParams& Params);
  // Makes the control a standard Win32 control of systemClass (see TCreateParams).
  static void CreateSubClass(TCreateParams& Params, const char* systemClass);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void DestroyWnd();
  void CreateHandle();
  void DestroyHandle();
  // Takes position and size from the window (after Windows placed or sized it).
  void UpdateBoundsFromWindow();

  std::string GetText() override;
  void StoreText(const std::string& value) override;

  virtual void PaintWindow(HDC DC);
  void PaintHandler(HDC DC);
  void PaintControls(HDC DC) { PaintControls(DC, nullptr); }
  // The part of the client area children are aligned in (all of it unless a class keeps a frame).
  virtual void AdjustClientRect(TRect& Rect);
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  // A child changed place, size, visibility or alignment, or came or went: aligned children are placed
  // again; a container whose extent follows its children looks at them again.
  virtual void AlignControl(TControl* AControl);
  // Aligning waits while the control is loading; it runs once everything is in place.
  void Loaded() override;
  void ReadState(TReader* Reader) override;

  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  // A top control (a form) sees the keys of its focused descendants first through these; setting Key
  // to 0 keeps the key from the control.
  virtual void PreviewKeyDown(WORD& Key, TShiftState Shift);
  virtual void PreviewKeyUp(WORD& Key, TShiftState Shift);
  virtual void PreviewKeyPress(char& Key);
  virtual void DoEnter();
  virtual void DoExit();

  bool IsStandardControl() const { return defWndProc_ != &DefWindowProcA; }

 private:
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  void ChangeZOrder(TControl* Control, bool toFront);
  void CollectTabOrder(std::vector<TWinControl*>& list) const;
  void NotifyChildren(UINT msg);
  void ApplyFont();
  void UpdateShowing();
  bool ReflectToChild(TMessage& Message, HWND child);
  bool RouteMouseToGraphicChild(TMessage& Message);
  void TrackMouse(TMessage& Message);
  bool HandleKeyMessage(TMessage& Message);
  void HandleDialogKey(TMessage& Message);
  void HandleDialogChar(TMessage& Message);
  void HandleSetCursor(TMessage& Message);
  void HandleMouseWheel(TMessage& Message);
  void EraseBackground(TMessage& Message);
  void HandlePaint(TMessage& Message);
  void PaintDoubleBuffered();
  // The client area changed size: anchored children follow.
  void AnchorChildren();
  void HandleColorMessage(TMessage& Message);
  void AttachHandle(HWND window);
  void DetachHandle();

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = &DefWindowProcA;
  TBrush brush_;
  bool tabStop_ = false;
  bool mouseTracking_ = false;
  TControl* mouseControl_ = nullptr;
  TControl* captureControl_ = nullptr;
  int alignDisabled_ = 0;
  bool doubleBuffered_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  TSize anchorClient_{-1, -1};

  friend class TControl;
  friend LRESULT CALLBACK StandardWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
};

// The window procedure of every framework window.
LRESULT CALLBACK StandardWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// The object of a framework window, nullptr for other windows.
TWinControl* FindControl(HWND window);
// The form (or other top control) a control sits on.
TWinControl* GetTopParent(TControl* control);

}  // namespace fw

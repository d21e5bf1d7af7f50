#pragma once
// The base of everything placed on a form. A control keeps all of its properties in the object, so it
// works before and without a window; windowed controls (TWinControl) mirror them to their window once it
// exists, graphic controls (TGraphicControl) draw on their parent's window.
//
// Messages reach a control through WndProc, which an override may extend and then hand on with the
// inherited call; WndProc passes what it does not take itself to Dispatch, where each class routes the
// messages it handles to its handler methods and gives the rest to the base class, ending in
// DefaultHandler.
#include <cstdint>
#include <string>
#include <utility>

#include "framework/actions/action.h"
#include "framework/classes/events.h"
#include "framework/controls/control_types.h"
#include "framework/controls/drag_drop.h"
#include "framework/controls/size_constraints.h"
#include "framework/controls/messages.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "framework/graphics/geometry.h"

namespace fw {

class TWinControl;
class TPopupMenu;
class TControlActionLink;

// The wheel turned by WheelDelta (WHEEL_DELTA per notch, positive away from the user) with the mouse at
// MousePos (screen coordinates). Handled starts false; setting it keeps the wheel from the default handling.
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* value);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect();
  int ClientWidth() { return ClientRect().Width(); }
  int ClientHeight() { return ClientRect().Height(); }
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  TPoint ClientToScreen(TPoint p);
  TPoint ScreenToClient(TPoint p);

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible and on a parent that is showing.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);

  // Caption and Text are one property; windowed controls that the user edits read it from the window.
  std::string Caption() { return GetText(); }
  void SetCaption(const std::string& value) { SetText(value); }
  std::string Text() { return GetText(); }
  void SetText(const std::string& value);
  // A control whose style has csSetCaption and whose caption still equals its old name (an unset caption
  // included) takes the new name as its caption.
  void SetName(const std::string& NewName) override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont* Font() { return &font_; }
  void SetFont(TFont* value) { font_.Assign(value); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  // With ParentShowHint the parent's setting counts.
  bool ShowHint() const;
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle value) { controlStyle_ = value; }
  TControlState ControlState() const { return controlState_; }

  // Sends a message straight to the control's message method (WndProc unless replaced) and returns its
  // result. The window procedure delivers the window's messages the same way.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  // The message method: null means WndProc. Whoever replaces it (a trap in front of a window of another
  // kind) hands the messages it does not take to the one it replaced and puts that one back when done.
  using TWndMethod = std::function<void(TMessage& Message)>;
  const TWndMethod& WindowProc() const { return windowProc_; }
  void SetWindowProc(TWndMethod value) { windowProc_ = std::move(value); }
  virtual void WndProc(TMessage& Message);
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // The control reports a change of its own to its parent (CM_CHANGED with itself in LParam).
  void Changed();

  // While set, the mouse's messages come to this control wherever the mouse is.
  bool MouseCapture() const;
  void SetMouseCapture(bool value);

  // Drag and drop (see drag_drop.h).
  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode value) { dragMode_ = value; }
  TDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TDragKind value) { dragKind_ = value; }
  TCursor DragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor value) { dragCursor_ = value; }
  // Starts dragging this control: at once when Immediate, else once the mouse has moved Threshold
  // pixels (5 when negative).
  void BeginDrag(bool Immediate, int Threshold = -1);
  bool Dragging() const;
  // Ends the drag: Drop drops the source on the target under the mouse when that accepts it.
  void EndDrag(bool Drop);
  // Asked while a source is dragged over the control; Accept starts true when OnDragOver is set.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DragDrop(TObject* Source, int X, int Y);
  // The drag of this control ended (Target null when nothing took it).
  virtual void DoEndDrag(TObject* Target, int X, int Y);
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

  // Shown at a right click or WM_CONTEXTMENU, with the control as its PopupComponent.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* value);

  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);
  // Right-to-left reading: only on a Middle-East system and not bdLeftToRight.
  bool UseRightToLeftReading() const;
  bool UseRightToLeftAlignment() const;

  // The action the control follows: its caption, enabled state, hint, visibility and help reach the
  // control through the action link, and a click without an OnClick of the control's own executes it.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* value);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }
  const std::string& HelpKeyword() const { return helpKeyword_; }
  void SetHelpKeyword(const std::string& value) { helpKeyword_ = value; }
  THelpType HelpType() const { return helpType_; }
  void SetHelpType(THelpType value) { helpType_ = value; }

  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors value) { anchors_ = value; }
  TSizeConstraints* Constraints() { return &constraints_; }
  void SetConstraints(TSizeConstraints* value) { constraints_.Assign(value); }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  // After every change of the control's size.
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;  // towards the user
  TMouseWheelUpDownEvent OnMouseWheelUp;    // away from the user

 protected:
  virtual std::string GetText() { return text_; }
  // Stores the new text; windowed controls also give it to their window.
  virtual void StoreText(const std::string& value) { text_ = value; }
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  // The wheel reached the control (its parents did not take it): fires OnMouseWheel, then, unless that
  // handled it, DoMouseWheelDown (negative delta) or DoMouseWheelUp. True when handled.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  // Fire OnMouseWheelDown / OnMouseWheelUp; true when the event handled the wheel.
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  // A WM_MOUSEWHEEL for this control: the parents are asked first (CM_MOUSEWHEEL), then DoMouseWheel.
  // True when one of them took it.
  bool MouseWheelHandled(const TMessage& Message);
  // The window or parent area of the control changed position or size.
  virtual void BoundsChanged() {}
  // The size changed: fires OnResize.
  virtual void Resize();
  // The link to the action (null until an action is set).
  TControlActionLink* ActionLink() const { return actionLink_; }
  // The link the control follows an action through: a control class that follows more of an action
  // returns its own link class, made with Create and the control as client.
  virtual TControlActionLink* CreateActionLink();
  // The action was set (CheckDefaults while the action is loading: only properties still at their
  // defaults take the action's) or asks its clients to take its properties again.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // A control read into a windowed parent joins it before its properties are applied.
  void ReadState(TReader* Reader) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Pops up PopupMenu for a WM_CONTEXTMENU; false when there is none.
  bool ShowPopupMenu(TMessage& Message);
  virtual void VisibleChanging() {}

  // The rectangle the control covers on its parent's window, for invalidating it there.
  void InvalidateOnParent(const TRect& r);
  void RequestAlign();

  void SetBoundsFields(int ALeft, int ATop, int AWidth, int AHeight);
  // Sets the Visible field without showing or hiding anything (forms start hidden).
  void StoreVisible(bool value) { visible_ = value; }
  // The parent's window is going away: drop whatever was taken from it (a canvas DC).
  virtual void ParentWindowDestroying() {}

  TControlStyle controlStyle_;
  TControlState controlState_;

 private:
  struct WheelArguments {
    TShiftState shift;
    int delta;
    TPoint point;
  };
  static WheelArguments ReadWheel(const TMessage& Message);
  void FontChanged();
  // The parent's client area grew by (dx, dy): the anchored edges keep their distance.
  void AnchorTo(int dx, int dy);
  void ContextMenuFromRightClick(int x, int y);
  void HandleMouseButton(TMessage& Message, TMouseButton Button, bool down, bool doubleClick);

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TFont font_;
  bool parentFont_ = true;
  bool takingParentFont_ = false;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TAlign align_ = alNone;
  TCursor cursor_ = crDefault;
  TDragMode dragMode_ = dmManual;
  TDragKind dragKind_ = dkDrag;
  TCursor dragCursor_ = crDrag;
  TPopupMenu* popupMenu_ = nullptr;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  TAnchors anchors_{akLeft, akTop};
  TSizeConstraints constraints_;
  TControlActionLink* actionLink_ = nullptr;
  int helpContext_ = 0;
  std::string helpKeyword_;
  THelpType helpType_ = htContext;
  TWndMethod windowProc_;

  friend class TWinControl;
};

}  // namespace fw

#pragma once
// TUpDown: the comctl32 up-down control. Position stays within Min..Max and moves by Increment; with an
// Associate (usually an edit) the up-down sits at its right and writes the position into its text.
// A click on an arrow fires OnChanging (which may refuse) and then OnClick with the arrow.
#include <functional>

#include "framework/controls/win_control.h"

namespace fw {

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TWinControl {
 public:
  explicit TUpDown(TComponent* AOwner);

  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value);
  int Position();
  void SetPosition(int value);
  // Going past Max starts again at Min and the other way round.
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool value);

  void Dispatch(TMessage& Message) override;

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void Click(TUDBtnType Button);
  virtual bool CanChange();

 private:
  void ApplyRange();
  void PlaceBesideAssociate();
  void ShowPositionInAssociate();

  TWinControl* associate_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int increment_ = 1;
  int position_ = 0;
  bool wrap_ = false;
  TUDOrientation orientation_ = udVertical;
  bool arrowKeys_ = true;
  TUDBtnType lastButton_ = btNext;
  bool refused_ = false;
};

}  // namespace fw

#pragma once
// TScrollBar: a Win32 scroll bar control. The user's scrolling fires OnScroll (which may change the
// position it proposes) and then, when the position changed, OnChange; so does SetPosition, without
// OnScroll.
#include <functional>

#include "framework/controls/std_types.h"
#include "framework/controls/win_control.h"

namespace fw {

using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  void SetMax(int value) { SetParams(position_, min_, value); }
  void SetPosition(int value) { SetParams(value, min_, max_); }
  void SetParams(int APosition, int AMin, int AMax);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = value; }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);

  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void Change();
  virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);

 private:
  void Apply();
  void HandleScroll(UINT code);

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
  int pageSize_ = 0;
};

}  // namespace fw

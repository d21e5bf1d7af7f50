#pragma once
// Image lists: a component over a comctl32 image list of equal-sized images (with masks when Masked).
// Controls that show its images hold a TChangeLink registered with RegisterChanges: every change of the
// list (add, replace, delete, clear, size) calls each link's OnChange. A holder also asks for the free
// notification, so it forgets the list when the list goes; a link still registered then is detached.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/events.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"

namespace fw {

class TCustomImageList;

class TChangeLink : public TObject {
 public:
  ~TChangeLink() override;
  // The list the link is registered with (null when none).
  TCustomImageList* Sender() const { return sender_; }
  // Calls OnChange with the list as sender.
  virtual void Change();

  TNotifyEvent OnChange;

 private:
  friend class TCustomImageList;
  TCustomImageList* sender_ = nullptr;
};

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* AOwner);
  ~TCustomImageList() override;

  // Changing the size clears the list (16 x 16 by default; at least 1).
  int Width() const { return width_; }
  void SetWidth(int value) { SetSize(value, height_); }
  int Height() const { return height_; }
  void SetHeight(int value) { SetSize(width_, value); }
  void SetSize(int AWidth, int AHeight);
  bool Masked() const { return masked_; }
  void SetMasked(bool value);
  int Count() const;

  // Adds the images of a strip (Width() wide each); mask: 1 (white) where transparent, may be null.
  // Returns the index of the first one, -1 when the list refused them.
  int Add(TBitmap* Image, TBitmap* Mask);
  // As Add, with the pixels of MaskColor transparent.
  int AddMasked(TBitmap* Image, TColor MaskColor);
  void Replace(int Index, TBitmap* Image, TBitmap* Mask);
  // EInvalidOperation for an index outside the list.
  void Delete(int Index);
  void Clear();

  // Draws an image at (x, y): masked parts leave the canvas as it is; a disabled image is drawn grey.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
  // The image's pixels (masked parts black), sized to the list.
  void GetBitmap(int Index, TBitmap* Image);

  HIMAGELIST Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  void RegisterChanges(TChangeLink* Value);
  void UnRegisterChanges(TChangeLink* Value);

  TNotifyEvent OnChange;

 protected:
  // Tells every change link and OnChange.
  virtual void Change();

 private:
  void CheckIndex(int index) const;
  void DestroyList();

  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
  HIMAGELIST handle_ = nullptr;
  std::vector<TChangeLink*> links_;
};

class TImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
};

}  // namespace fw

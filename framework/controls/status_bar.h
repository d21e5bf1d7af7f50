#pragma once
// TStatusBar: the comctl32 status bar, aligned to the bottom of its parent by default. Panels is a
// collection of panels (text, width, alignment, bevel) side by side, the last one taking the rest of
// the width; with SimplePanel one SimpleText covers the bar instead.
#include <functional>
#include <string>

#include "framework/classes/collection.h"
#include "framework/controls/std_types.h"
#include "framework/controls/win_control.h"
#include "framework/graphics/canvas.h"

namespace fw {

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusBar;

class TStatusPanel : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle value);
  void Assign(TPersistent* Source) override;
  std::string DisplayName() const override { return text_.empty() ? TCollectionItem::DisplayName() : text_; }

 private:
  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TStatusPanelStyle style_ = psText;
};

class TStatusPanels : public TCollection {
 public:
  explicit TStatusPanels(TStatusBar* statusBar);
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }
  TStatusPanel* operator[](int index) const { return Items(index); }

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TStatusBar* statusBar_;
};

using TDrawPanelEvent = std::function<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;

  TStatusPanels* Panels() { return &panels_; }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& value);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);
  // The canvas OnDrawPanel draws on.
  TCanvas* Canvas() { return &canvas_; }

  void Dispatch(TMessage& Message) override;

  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  // The window's text is the first panel's: the caption stays in the object.
  std::string GetText() override { return TControl::GetText(); }
  void StoreText(const std::string& value) override { TControl::StoreText(value); }

 private:
  friend class TStatusPanels;
  void UpdatePanels();
  void UpdatePanel(int index);
  void SetPanelText(int index);

  TStatusPanels panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
  TCanvas canvas_;
};

}  // namespace fw

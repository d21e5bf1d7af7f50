// TCellProperties: what a cell of the base grid keeps beside its text, created on the cell's first use
// and held in the cell's object slot. Merged areas are written into CellSpanX/CellSpanY:
//   not merged     IsBaseCell true,  spans -1/-1;
//   the base cell  IsBaseCell true,  spans = the area's columns - 1 / rows - 1 (its top-left cell);
//   the others     IsBaseCell false, spans = the cell's distance from the base.
// The colour 0x1FFFFFFF means "not set" wherever the grid keeps a colour. GUI thread only.
#pragma once

#include <cstdint>
#include <string>

#include "framework/classes/persistent.h"
#include "framework/controls/std_types.h"
#include "framework/graphics/brush.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "framework/graphics/geometry.h"
#include "ui/grid/model/editor_type.h"

namespace fw {
class TControl;
}

namespace ui {

class TBaseGrid;

// A colour the grid leaves to its defaults.
constexpr fw::TColor kColorNotSet = 0x1FFFFFFF;

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TCellGradientDirection { GradientHorizontal, GradientVertical };

class TCellProperties : public fw::TPersistent {
 public:
  // Word wrap starts as the owner grid's.
  TCellProperties(TBaseGrid* owner, int col, int row);

  // Copies the stored settings of another cell's properties, but neither its second gradient colour nor
  // its gradient direction, nor the owner grid, the graphic or the footer calculation.
  void Assign(fw::TPersistent* Source) override;
  // The base cell of the merged area the cell (col, row) lies in; the cell itself outside one.
  fw::TPoint BaseCellFromSpans(int col, int row) const;

  // These repaint the cell (its whole merged area) when written.
  fw::TColor BrushColor() const { return brushColor_; }
  void SetBrushColor(fw::TColor value);
  fw::TColor BrushColorTo() const { return brushColorTo_; }
  void SetBrushColorTo(fw::TColor value);
  TVAlignment VAlignment() const { return vAlignment_; }
  void SetVAlignment(TVAlignment value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  TBaseGrid* OwnerGrid;  // not owned
  int OwnerCol;
  int OwnerRow;
  fw::TObject* CellObject = nullptr;     // the user's object; not owned
  fw::TObject* GraphicObject = nullptr;  // the cell's graphic; freed with the properties when it is a cell graphic
  fw::TBrushStyle BrushStyle = fw::bsSolid;
  int FontSize = 0;
  fw::TColor FontColor = kColorNotSet;
  fw::TFontStyles FontStyle;
  int CellSpanY = -1;
  int CellSpanX = -1;
  int BorderWidth = 0;
  fw::TColor BorderColor = 0;
  fw::TAlignment Alignment = fw::taLeftJustify;
  int LastPaintPass = 0;  // the grid's paint pass in which the merged area was drawn last
  bool IsBaseCell = true;
  std::uint8_t CalcType = 0;           // the footer calculation of the cell, 0 none
  fw::TObject* CalcObject = nullptr;   // that calculation's object
  int NodeLevel = 0;
  TEditorType Editor = edNormal;
  std::string FontName;
  bool ReadOnly = false;
  TCellGradientDirection GradientDirection = GradientVertical;
  fw::TControl* Control = nullptr;  // a control shown in the cell; not owned

 private:
  friend class TBaseGrid;  // fills new properties with the cell's defaults without repainting
  void Repaint();

  fw::TColor brushColor_ = kColorNotSet;
  fw::TColor brushColorTo_ = kColorNotSet;
  TVAlignment vAlignment_ = vtaTop;
  bool wordWrap_ = true;
};

}  // namespace ui

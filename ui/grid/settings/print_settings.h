// TPrintSettings: how the grid prints: page header and footer items, fonts, borders, margins and spacing,
// orientation and fitting to the page. Owned by the grid (a reference to it, not owned); owns its four
// fonts and the title lines, whose writers copy what they are given. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/classes/persistent.h"
#include "framework/classes/stringlist.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "framework/graphics/pen.h"

namespace ui {

// Scoped: the fill types' picture positions share some of these names.
enum class TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
  pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical, pbAroundHorizontal, pbCustom
};
enum TPrinterOrientation { poPortrait, poLandscape };
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

class TPrintSettings : public fw::TPersistent {
 public:
  explicit TPrintSettings(fw::TPersistent* grid);
  ~TPrintSettings() override;

  // Another TPrintSettings: every setting, the fonts and title lines by their own Assign. Any other source
  // raises the framework's invalid-cast error.
  void Assign(fw::TPersistent* Source) override;
  fw::TPersistent* Grid() const { return grid_; }

  fw::TFont* Font() const { return font_.get(); }
  void SetFont(fw::TFont* value) { font_->Assign(value); }
  fw::TFont* HeaderFont() const { return headerFont_.get(); }
  void SetHeaderFont(fw::TFont* value) { headerFont_->Assign(value); }
  fw::TFont* FooterFont() const { return footerFont_.get(); }
  void SetFooterFont(fw::TFont* value) { footerFont_->Assign(value); }
  fw::TFont* FixedFont() const { return fixedFont_.get(); }
  void SetFixedFont(fw::TFont* value) { fixedFont_->Assign(value); }
  fw::TStringList* TitleLines() const { return titleLines_.get(); }
  void SetTitleLines(fw::TStrings* value) { titleLines_->Assign(value); }

  TPrintPosition Time = TPrintPosition::ppNone;
  TPrintPosition Date = TPrintPosition::ppNone;
  TPrintPosition PageNr = TPrintPosition::ppNone;
  TPrintPosition Title = TPrintPosition::ppNone;
  std::string PageNumSep = "/";
  std::string DateFormat = "dd/mm/yyyy";
  TPrintBorders Borders = pbSingle;
  fw::TPenStyle BorderStyle = fw::psSolid;
  std::string TitleText;
  bool Centered = true;
  bool RepeatFixedRows = false;
  bool RepeatFixedCols = false;
  int FooterSize = 0;
  int HeaderSize = 0;
  int LeftSize = 0;
  int RightSize = 0;
  int ColumnSpacing = 0;
  int RowSpacing = 0;
  int TitleSpacing = 0;
  TPrinterOrientation Orientation = poPortrait;
  std::string PagePrefix;
  std::string PageSuffix;
  std::string JobName;
  int FixedHeight = 0;
  int FixedWidth = 0;
  bool UseFixedHeight = false;
  bool UseFixedWidth = false;
  TFitToPage FitToPage = fpNever;
  bool NoAutoSize = false;
  bool NoAutoSizeRow = false;
  bool PrintGraphics = false;
  int PageNumberOffset = 0;
  int MaxPagesOffset = 0;
  bool UseDisplayFont = true;
  bool UseDefaultOrientation = false;
  fw::TColor BorderColor = 0;

 private:
  fw::TPersistent* grid_;
  std::unique_ptr<fw::TFont> font_;
  std::unique_ptr<fw::TFont> headerFont_;
  std::unique_ptr<fw::TFont> footerFont_;
  std::unique_ptr<fw::TFont> fixedFont_;
  std::unique_ptr<fw::TStringList> titleLines_;
};

}  // namespace ui

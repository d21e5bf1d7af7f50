#include "ui/grid/settings/print_settings.h"

namespace ui {

TPrintSettings::TPrintSettings(fw::TPersistent* grid)
    : grid_(grid),
      font_(std::make_unique<fw::TFont>()),
      headerFont_(std::make_unique<fw::TFont>()),
      footerFont_(std::make_unique<fw::TFont>()),
      fixedFont_(std::make_unique<fw::TFont>()),
      titleLines_(std::make_unique<fw::TStringList>()) {}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::Assign(fw::TPersistent* Source) {
  const TPrintSettings* source = fw::As<TPrintSettings>(Source);
  Time = source->Time;
  Date = source->Date;
  PageNr = source->PageNr;
  Title = source->Title;
  PageNumSep = source->PageNumSep;
  DateFormat = source->DateFormat;
  font_->Assign(source->font_.get());
  headerFont_->Assign(source->headerFont_.get());
  footerFont_->Assign(source->footerFont_.get());
  fixedFont_->Assign(source->fixedFont_.get());
  Borders = source->Borders;
  BorderStyle = source->BorderStyle;
  TitleText = source->TitleText;
  titleLines_->Assign(source->titleLines_.get());
  Centered = source->Centered;
  RepeatFixedRows = source->RepeatFixedRows;
  RepeatFixedCols = source->RepeatFixedCols;
  FooterSize = source->FooterSize;
  HeaderSize = source->HeaderSize;
  LeftSize = source->LeftSize;
  RightSize = source->RightSize;
  ColumnSpacing = source->ColumnSpacing;
  RowSpacing = source->RowSpacing;
  TitleSpacing = source->TitleSpacing;
  Orientation = source->Orientation;
  PagePrefix = source->PagePrefix;
  PageSuffix = source->PageSuffix;
  JobName = source->JobName;
  FixedHeight = source->FixedHeight;
  FixedWidth = source->FixedWidth;
  UseFixedHeight = source->UseFixedHeight;
  UseFixedWidth = source->UseFixedWidth;
  FitToPage = source->FitToPage;
  NoAutoSize = source->NoAutoSize;
  NoAutoSizeRow = source->NoAutoSizeRow;
  PrintGraphics = source->PrintGraphics;
  PageNumberOffset = source->PageNumberOffset;
  MaxPagesOffset = source->MaxPagesOffset;
  UseDisplayFont = source->UseDisplayFont;
  UseDefaultOrientation = source->UseDefaultOrientation;
  BorderColor = source->BorderColor;
}

}  // namespace ui

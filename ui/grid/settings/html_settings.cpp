#include "ui/grid/settings/html_settings.h"

namespace ui {

void THTMLSettings::Assign(fw::TPersistent* Source) {
  const auto* source = dynamic_cast<THTMLSettings*>(Source);
  if (source == nullptr) return;
  BorderSize = source->BorderSize;
  CellSpacing = source->CellSpacing;
  CellPadding = source->CellPadding;
  SaveColor = source->SaveColor;
  SaveFonts = source->SaveFonts;
  FooterFile = source->FooterFile;
  HeaderFile = source->HeaderFile;
  TableStyle = source->TableStyle;
  PrefixTag = source->PrefixTag;
  SuffixTag = source->SuffixTag;
  Summary = source->Summary;
  Width = source->Width;
  XHTML = source->XHTML;
  ConvertSpecialChars = source->ConvertSpecialChars;
  AutoPreview = source->AutoPreview;
  NonBreakingText = source->NonBreakingText;
}

}  // namespace ui

// THTMLSettings: how the grid exports itself as an HTML table: borders, spacing, colours and fonts, the
// files and tags around the table, and the column widths to write. Owned by the grid; owns its width
// list. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/classes/persistent.h"
#include "ui/grid/model/int_list.h"

namespace ui {

class THTMLSettings : public fw::TPersistent {
 public:
  THTMLSettings() : columnWidths_(std::make_unique<TIntList>(0, 0)) {}

  // Another THTMLSettings: every setting but ExportImages and the width list. Other sources are ignored.
  void Assign(fw::TPersistent* Source) override;

  bool AutoPreview = false;
  bool ConvertSpecialChars = false;
  bool NonBreakingText = false;
  bool SaveColor = true;
  bool SaveFonts = true;
  std::string FooterFile;
  std::string HeaderFile;
  int BorderSize = 1;
  int CellSpacing = 0;
  int CellPadding = 0;
  std::string TableStyle;
  std::string PrefixTag;
  std::string SuffixTag;
  std::string Summary;
  int Width = 100;
  bool XHTML = false;
  bool ExportImages = true;
  // Not stored with the grid.
  TIntList* ColumnWidths() { return columnWidths_.get(); }

 private:
  std::unique_ptr<TIntList> columnWidths_;
};

}  // namespace ui

// Until the node work lands: the node settings the painter reads, with their defaults. The grid has no
// nodes yet, so nothing but the painter's tests reads them.
#pragma once

#include <cstdint>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/colors.h"

namespace ui {

enum TNodeType : std::uint8_t { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode {
 public:
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor value) { color_ = value; }
  TNodeType NodeType() const { return nodeType_; }
  void SetNodeType(TNodeType value) { nodeType_ = value; }
  fw::TColor NodeColor() const { return nodeColor_; }
  void SetNodeColor(fw::TColor value) { nodeColor_ = value; }
  fw::TBitmap* ExpandGlyph() { return &expandGlyph_; }
  fw::TBitmap* ContractGlyph() { return &contractGlyph_; }
  bool ShowTree() const { return showTree_; }
  void SetShowTree(bool value) { showTree_ = value; }
  bool ShowTreeFull() const { return showTreeFull_; }
  void SetShowTreeFull(bool value) { showTreeFull_ = value; }
  int NodeIndent() const { return nodeIndent_; }
  void SetNodeIndent(int value) { nodeIndent_ = value; }
  fw::TColor TreeColor() const { return treeColor_; }
  void SetTreeColor(fw::TColor value) { treeColor_ = value; }

 private:
  fw::TColor color_ = 0xC0C0C0;
  TNodeType nodeType_ = cnXP;
  fw::TColor nodeColor_ = 0;
  fw::TBitmap expandGlyph_;
  fw::TBitmap contractGlyph_;
  bool showTree_ = true;
  bool showTreeFull_ = true;
  int nodeIndent_ = 12;
  fw::TColor treeColor_ = 0x808080;
};

}  // namespace ui

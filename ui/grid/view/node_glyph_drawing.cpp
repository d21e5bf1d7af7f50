// The tree in column 0: the glyph of a node row (in the node settings' look) with the tree line through it,
// and the tree lines of the rows under the nodes.
#include <windows.h>

#include "framework/graphics/canvas.h"
#include "ui/grid/model/string_grid.h"
#include "ui/grid/view/cell_glyphs.h"

namespace ui {

namespace {

void Line(fw::TCanvas* canvas, int x1, int y1, int x2, int y2) {
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

}  // namespace

void TVxStringGrid::DrawNodeGlyph(fw::TCanvas* canvas, int row, const fw::TRect& rect, const TCellGraphic* graphic,
                                  fw::TGridDrawState state) {
  TCellNode* node = CellNode();
  const int indent = node->NodeIndent();
  const int x0 = rect.Left + NodeIndent(row);
  const bool contracted = graphic->CellBoolean;
  const int middle = (rect.Top + rect.Bottom) / 2;
  const bool normalRow = row >= TBaseGrid::FixedRows() && row < RowCount() - FixedFooters();

  // 1. The tree line through the node.
  if (node->ShowTree() && normalRow) {
    canvas->Pen()->SetColor(node->TreeColor());
    canvas->Pen()->SetWidth(1);
    const int x = x0 - indent + indent / 2 + 2;
    const int own = NodeIndent(row);
    if (row + 1 < RowCount()) {
      const int next = NodeIndent(row + 1);
      if (next > 0 && !(contracted && next < own)) Line(canvas, x, middle, x, rect.Bottom);
    }
    if (row > 0 && NodeIndent(row - 1) >= own) Line(canvas, x, rect.Top, x, rect.Top + 6);
  }

  // 2. The box's place and background.
  const int start = x0 - indent / 2 - 4;
  fw::TColor background = canvas->Brush()->Color();
  if (background == kColorNotSet) background = FixedCols() > 0 ? FixedColor() : Color();
  const bool disjunctRow = MouseActions()->DisjunctRowSelect() && Options().Contains(fw::goRowSelect) &&
                           GetRowSelect(row) && RealColIndex(0) >= FixedCols();
  if (ShowSelection && (state.Contains(fw::gdSelected) || disjunctRow)) background = SelectionColor();

  // 3. The glyph by the node type.
  const TNodeType type = node->NodeType();
  fw::TBitmap* expandGlyph = node->ExpandGlyph();
  fw::TBitmap* contractGlyph = node->ContractGlyph();
  const bool userGlyphs = type == cnGlyph && !expandGlyph->Empty() && !contractGlyph->Empty();
  if (type == cn3D) {
    const fw::TRect face{start, rect.Top, rect.Right, rect.Bottom};
    canvas->Brush()->SetColor(node->Color());
    canvas->FillRect(face);
    canvas->Pen()->SetColor(fw::clWhite);
    Line(canvas, face.Left, face.Bottom - 1, face.Left, face.Top);
    canvas->LineTo(face.Right - 1, face.Top);
    canvas->Pen()->SetColor(0x808080);
    canvas->LineTo(face.Right - 1, face.Bottom - 1);
    canvas->LineTo(face.Left, face.Bottom - 1);
  }
  if (type == cnLeaf) {
    canvas->Brush()->SetColor(background);
    DrawGlyphResource(canvas, contracted ? "ASGLEAFCLOSE" : "ASGLEAFOPEN", start, middle - 6);
  } else if (type == cnXP) {
    DrawGlyphResource(canvas, contracted ? "XPNODEC" : "XPNODEO", start + 4, middle - 5);
  } else if (userGlyphs) {
    fw::TBitmap* glyph = contracted ? contractGlyph : expandGlyph;
    const bool wasTransparent = glyph->Transparent();
    glyph->SetTransparent(true);
    const int top = middle - glyph->Height() / 2;
    ReportCellPaint("node glyph", fw::TRect{start, top, start + glyph->Width(), top + glyph->Height()},
                    contracted ? 1 : 0);
    canvas->Draw(start, top, glyph);
    glyph->SetTransparent(wasTransparent);
  } else {
    const fw::TRect box{start + 4, middle - 4, start + 12, middle + 4};
    ReportCellPaint("node box", box, contracted ? 1 : 0);
    canvas->Brush()->SetColor(node->Color());
    if (type == cnFlat) {
      canvas->Pen()->SetColor(node->NodeColor());
      canvas->Rectangle(box.Left, box.Top, box.Left + 9, box.Top + 9);
      Line(canvas, box.Left + 2, box.Top + 4, box.Left + 7, box.Top + 4);
      if (contracted) Line(canvas, box.Left + 4, box.Top + 2, box.Left + 4, box.Top + 7);
    } else {
      canvas->FillRect(box);
      RECT edge = box.ToRECT();
      DrawEdge(canvas->Handle(), &edge, contracted ? BDR_RAISEDINNER : BDR_SUNKENINNER, BF_RECT | BF_SOFT);
    }
  }
  canvas->Brush()->SetColor(background);
}

void TVxStringGrid::DrawTreeLines(fw::TCanvas* canvas, int row, fw::TRect& rect) {
  TCellNode* node = CellNode();
  const int indent = node->NodeIndent();
  const int cellLeft = rect.Left;
  const int rowIndent = NodeIndent(row);
  rect.Left = cellLeft + rowIndent;
  canvas->Pen()->SetColor(node->TreeColor());
  canvas->Pen()->SetWidth(1);
  const int x = cellLeft + rowIndent - indent + indent / 2 + 2;
  const int y = (rect.Top + rect.Bottom) / 2;
  auto levelOf = [this](int r) {
    return r < RowCount() && HasCellProperties(0, r) ? GetCellProperties(0, r)->NodeLevel : 0;
  };
  const int level = levelOf(row);
  const bool lastRow = row + 1 >= RowCount();
  const int nextLevel = lastRow ? 0 : levelOf(row + 1);
  if (level > 0) Line(canvas, x, y, node->ShowTreeFull() ? rect.Right : cellLeft + rowIndent + 4, y);
  switch (GetNodeLine(row)) {
    case 1: Line(canvas, x, rect.Top, x, y); break;
    case 2: Line(canvas, x, rect.Top, x, rect.Bottom + 4); break;
    default: break;
  }
  for (int i = 1; i <= level; ++i) {
    const int lx = x - indent * i;
    if (nextLevel > 0) {
      Line(canvas, lx, rect.Top, lx, rect.Bottom + 4);
    } else {
      Line(canvas, lx, rect.Top, lx, y);
      if (i < level) Line(canvas, lx, y, x - indent * (i - 1), y);
    }
  }
}

}  // namespace ui

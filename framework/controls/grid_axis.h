#pragma once
// One axis of a grid (its columns or its rows): the count, the fixed count, the default and each cell's
// size, the first scrollable cell in view (LeftCol or TopRow), and where each cell lies for a given grid
// line width and client extent. Every cell is followed by one grid line; a cell of negative size is
// hidden and takes no room, not even its line.
#include <vector>

namespace fw {

class TGridAxis {
 public:
  TGridAxis(int count, int fixedCount, int defaultSize);

  int Count() const { return static_cast<int>(sizes_.size()); }
  // New cells get the default size; cells that go lose their sizes.
  void SetCount(int value);
  int FixedCount() const { return fixedCount_; }
  void SetFixedCount(int value) { fixedCount_ = value; }
  int DefaultSize() const { return defaultSize_; }
  // Every cell takes the new default size.
  void ResetSizes(int defaultSize);
  // Raises EInvalidGridOperation for an index outside the axis.
  int Size(int index) const;
  void SetSize(int index, int value);
  // The first scrollable cell in view.
  int First() const { return first_; }
  void SetFirst(int value) { first_ = value; }

  // Moves the size at from to to, the sizes between shift by one.
  void Move(int from, int to);
  void Delete(int index);
  // Multiplies every size and the default by m / d.
  void Scale(int m, int d);

  // The room a cell takes with its line.
  int Extent(int index, int lineWidth) const;
  // The room of the fixed cells.
  int FixedExtent(int lineWidth) const;
  // Where the cell starts in the client area; kNotInView for a scrollable cell scrolled out before First.
  static constexpr int kNotInView = -0x40000000;
  int Start(int index, int lineWidth) const;
  // The last cell in view, partly or fully; First - 1 when the fixed cells fill the client extent.
  int LastInView(int lineWidth, int clientExtent) const;
  // How many scrollable cells from First are fully in view; at least 1 while there is one to show.
  int FullyVisibleCount(int lineWidth, int clientExtent) const;
  // The smallest First that shows the cell last fully (the cell itself when it alone does not fit).
  int FirstEndingAt(int last, int lineWidth, int clientExtent) const;
  // The largest First that still fills the view: from it on every remaining cell is fully in view.
  int MaxFirst(int lineWidth, int clientExtent) const { return FirstEndingAt(Count() - 1, lineWidth, clientExtent); }
  // The cells in view, partly or fully, fixed ones first; hidden cells are left out.
  std::vector<int> CellsInView(int lineWidth, int clientExtent) const;
  bool InView(int index, int lineWidth, int clientExtent) const;
  // The cell under a client position, -1 when there is none.
  int CellAt(int position, int lineWidth, int clientExtent) const;

 private:
  void Check(int index) const;

  std::vector<int> sizes_;
  int fixedCount_;
  int defaultSize_;
  int first_;
};

}  // namespace fw

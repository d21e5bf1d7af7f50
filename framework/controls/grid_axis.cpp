#include "framework/controls/grid_axis.h"

#include <windows.h>

#include <algorithm>

#include "framework/controls/grid_types.h"

namespace fw {

TGridAxis::TGridAxis(int count, int fixedCount, int defaultSize)
    : sizes_(static_cast<size_t>(count), defaultSize),
      fixedCount_(fixedCount),
      defaultSize_(defaultSize),
      first_(fixedCount) {}

void TGridAxis::SetCount(int value) { sizes_.resize(static_cast<size_t>(value), defaultSize_); }

void TGridAxis::ResetSizes(int defaultSize) {
  defaultSize_ = defaultSize;
  std::fill(sizes_.begin(), sizes_.end(), defaultSize);
}

void TGridAxis::Check(int index) const {
  if (index < 0 || index >= Count()) throw EInvalidGridOperation("Grid index out of range");
}

int TGridAxis::Size(int index) const {
  Check(index);
  return sizes_[static_cast<size_t>(index)];
}

void TGridAxis::SetSize(int index, int value) {
  Check(index);
  sizes_[static_cast<size_t>(index)] = value;
}

void TGridAxis::Move(int from, int to) {
  Check(from);
  Check(to);
  const auto begin = sizes_.begin();
  if (from < to) {
    std::rotate(begin + from, begin + from + 1, begin + to + 1);
  } else if (to < from) {
    std::rotate(begin + to, begin + from, begin + from + 1);
  }
}

void TGridAxis::Delete(int index) {
  Check(index);
  sizes_.erase(sizes_.begin() + index);
}

void TGridAxis::Scale(int m, int d) {
  defaultSize_ = MulDiv(defaultSize_, m, d);
  for (int& size : sizes_) size = MulDiv(size, m, d);
}

int TGridAxis::Extent(int index, int lineWidth) const {
  const int size = sizes_[static_cast<size_t>(index)];
  return size < 0 ? 0 : size + lineWidth;
}

int TGridAxis::FixedExtent(int lineWidth) const {
  int extent = 0;
  for (int i = 0; i < fixedCount_; ++i) extent += Extent(i, lineWidth);
  return extent;
}

int TGridAxis::Start(int index, int lineWidth) const {
  if (index < fixedCount_) {
    int start = 0;
    for (int i = 0; i < index; ++i) start += Extent(i, lineWidth);
    return start;
  }
  if (index < first_) return kNotInView;
  int start = FixedExtent(lineWidth);
  for (int i = first_; i < index; ++i) start += Extent(i, lineWidth);
  return start;
}

int TGridAxis::LastInView(int lineWidth, int clientExtent) const {
  int position = FixedExtent(lineWidth);
  int index = first_;
  while (index < Count() && position < clientExtent) position += Extent(index++, lineWidth);
  return index - 1;
}

int TGridAxis::FullyVisibleCount(int lineWidth, int clientExtent) const {
  int position = FixedExtent(lineWidth);
  int count = 0;
  for (int i = first_; i < Count() && position + Extent(i, lineWidth) <= clientExtent; ++i) {
    position += Extent(i, lineWidth);
    ++count;
  }
  return count == 0 && first_ < Count() ? 1 : count;
}

int TGridAxis::FirstEndingAt(int last, int lineWidth, int clientExtent) const {
  const int room = clientExtent - FixedExtent(lineWidth);
  int first = last;
  int used = Extent(first, lineWidth);
  while (first - 1 >= fixedCount_ && used + Extent(first - 1, lineWidth) <= room) used += Extent(--first, lineWidth);
  return std::max(first, fixedCount_);
}

std::vector<int> TGridAxis::CellsInView(int lineWidth, int clientExtent) const {
  std::vector<int> cells;
  for (int i = 0; i < fixedCount_; ++i) {
    if (InView(i, lineWidth, clientExtent)) cells.push_back(i);
  }
  const int last = LastInView(lineWidth, clientExtent);
  for (int i = first_; i <= last; ++i) {
    if (sizes_[static_cast<size_t>(i)] >= 0) cells.push_back(i);
  }
  return cells;
}

bool TGridAxis::InView(int index, int lineWidth, int clientExtent) const {
  if (index < 0 || index >= Count() || sizes_[static_cast<size_t>(index)] < 0) return false;
  if (index < fixedCount_) return Start(index, lineWidth) < clientExtent;
  return index >= first_ && index <= LastInView(lineWidth, clientExtent);
}

int TGridAxis::CellAt(int position, int lineWidth, int clientExtent) const {
  if (position < 0 || position >= clientExtent) return -1;
  int start = 0;
  for (int i = 0; i < fixedCount_; ++i) {
    start += Extent(i, lineWidth);
    if (position < start) return i;
  }
  for (int i = first_; i < Count(); ++i) {
    start += Extent(i, lineWidth);
    if (position < start) return i;
  }
  return -1;
}

}  // namespace fw

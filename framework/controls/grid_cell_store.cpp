#include "framework/controls/grid_cell_store.h"

#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace fw {

namespace {

// Moves the entry at from to to and shifts the keys between by one towards from; keys outside stay.
template <class Map>
void MoveKey(Map& map, int from, int to) {
  if (from == to) return;
  auto moving = map.extract(from);
  const int low = std::min(from, to);
  const int high = std::max(from, to);
  const int shift = from < to ? -1 : 1;
  // Take the keys between out first, so that re-keying never meets a key still to be moved.
  std::vector<typename Map::node_type> between;
  for (auto it = map.lower_bound(low); it != map.end() && it->first <= high;) between.push_back(map.extract(it++));
  for (auto& node : between) {
    node.key() += shift;
    map.insert(std::move(node));
  }
  if (!moving.empty()) {
    moving.key() = to;
    map.insert(std::move(moving));
  }
}

// Drops the entry at index and moves every later key down by one.
template <class Map>
void DeleteKey(Map& map, int index) {
  map.erase(index);
  std::vector<typename Map::node_type> later;
  for (auto it = map.upper_bound(index); it != map.end();) later.push_back(map.extract(it++));
  for (auto& node : later) {
    --node.key();
    map.insert(std::move(node));
  }
}

}  // namespace

void TGridCellStore::Check(int index) {
  if (index < 0) throw EListError(Format("List index out of bounds (%d)", index));
}

const TGridCellStore::Cell* TGridCellStore::Find(int col, int row) const {
  Check(col);
  Check(row);
  const auto line = rows_.find(row);
  if (line == rows_.end()) return nullptr;
  const auto cell = line->second.find(col);
  return cell == line->second.end() ? nullptr : &cell->second;
}

TGridCellStore::Cell& TGridCellStore::Place(int col, int row) {
  Check(col);
  Check(row);
  return rows_[row][col];
}

void TGridCellStore::Tidy(int col, int row) {
  auto line = rows_.find(row);
  if (line == rows_.end()) return;
  const auto cell = line->second.find(col);
  if (cell != line->second.end() && cell->second.text.empty() && cell->second.object == nullptr) {
    line->second.erase(cell);
  }
  if (line->second.empty()) rows_.erase(line);
}

std::string TGridCellStore::Text(int col, int row) const {
  const Cell* cell = Find(col, row);
  return cell == nullptr ? std::string() : cell->text;
}

void TGridCellStore::SetText(int col, int row, const std::string& text) {
  Place(col, row).text = text;
  Tidy(col, row);
}

TObject* TGridCellStore::Object(int col, int row) const {
  const Cell* cell = Find(col, row);
  return cell == nullptr ? nullptr : cell->object;
}

void TGridCellStore::SetObject(int col, int row, TObject* object) {
  Place(col, row).object = object;
  Tidy(col, row);
}

std::vector<TGridCoord> TGridCellStore::ObjectCells() const {
  std::vector<TGridCoord> cells;
  for (const auto& [row, line] : rows_) {
    for (const auto& [col, cell] : line) {
      if (cell.object != nullptr) cells.push_back(TGridCoord{col, row});
    }
  }
  return cells;
}

void TGridCellStore::MoveRow(int from, int to) {
  Check(from);
  Check(to);
  MoveKey(rows_, from, to);
}

void TGridCellStore::MoveColumn(int from, int to) {
  Check(from);
  Check(to);
  for (auto& [row, line] : rows_) MoveKey(line, from, to);
}

void TGridCellStore::DeleteRow(int row) {
  Check(row);
  DeleteKey(rows_, row);
}

void TGridCellStore::DeleteColumn(int col) {
  Check(col);
  for (auto it = rows_.begin(); it != rows_.end();) {
    DeleteKey(it->second, col);
    it = it->second.empty() ? rows_.erase(it) : std::next(it);
  }
}
}  // namespace fw

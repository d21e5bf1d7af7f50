// TVxGridUndoRedo: a windowless component that a grid links to through its UndoRedo property. While
// linked, the grid records each cell change its user makes (editing, toggling a data check box, cutting,
// pasting) as an item; changes that belong together lie between a start and a stop marker. The recorder
// only records: nothing applies the items back, and OnUndo and OnRedo are kept as settings and never fired.
//
// Ownership: the recorder owns its items; it lives on its own (owned by its form) and keeps a reference
// to the grid that it does not own. Each side forgets the other when the other is freed. GUI thread only.
#pragma once

#include <functional>
#include <string>

#include "framework/classes/collection.h"
#include "framework/classes/component.h"

namespace ui {

class TBaseGrid;

// One recorded change; in a marker the cell is (-1, -1) and both texts are empty.
class TUndoRedoItem : public fw::TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  int Row = -1;
  int Col = -1;
  std::string Value;      // the cell's new text
  std::string OrigValue;  // the cell's text before the change
  bool SequenceStart = false;
  bool SequenceStop = false;
};

// The recorded changes, oldest first.
class TUndoRedoCollection : public fw::TCollection {
 public:
  TUndoRedoCollection();
  TUndoRedoItem* Add() { return static_cast<TUndoRedoItem*>(TCollection::Add()); }
  TUndoRedoItem* Items(int index) const { return static_cast<TUndoRedoItem*>(TCollection::Items(index)); }
};

class TVxGridUndoRedo;

using TVxGridUndoRedoEvent = std::function<void(fw::TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                const std::string& OrigValue, const std::string& NewValue)>;

class TVxGridUndoRedo : public fw::TComponent {
 public:
  explicit TVxGridUndoRedo(fw::TComponent* AOwner);
  ~TVxGridUndoRedo() override;

  // A change of a cell. With MaxLevel above 0 and the items at that number, the oldest item goes first.
  virtual void RecordChange(int col, int row, const std::string& newValue, const std::string& oldValue);
  // The markers around changes that belong together; they never trim.
  virtual void BeginSequence();
  virtual void EndSequence();

  // The linked grid; set by the grid's UndoRedo writer.
  TBaseGrid* Grid() const { return grid_; }
  void SetGrid(TBaseGrid* value);
  TUndoRedoCollection* Items() { return &items_; }
  // The number of items after the last recording.
  int Level() const { return level_; }
  // The largest number of items kept; 0 or less keeps all.
  int MaxLevel() const { return maxLevel_; }
  void SetMaxLevel(int value) { maxLevel_ = value; }

  TVxGridUndoRedoEvent OnUndo;
  TVxGridUndoRedoEvent OnRedo;

 protected:
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;

 private:
  TUndoRedoItem* AddItem();

  TBaseGrid* grid_ = nullptr;
  TUndoRedoCollection items_;
  int level_ = 0;
  int maxLevel_ = 0;
};

}  // namespace ui

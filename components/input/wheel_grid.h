// What the mouse-wheel component needs of a string grid to move its current row: a grid implements this
// interface, and the wheel finds it on the control under the pointer.
#pragma once

namespace input {

class IWheelScrollGrid {
 public:
  virtual int Row() const = 0;
  virtual void SetRow(int Value) = 0;
  virtual int FixedRows() const = 0;
  virtual int RowCount() const = 0;

 protected:
  ~IWheelScrollGrid() = default;
};

}  // namespace input

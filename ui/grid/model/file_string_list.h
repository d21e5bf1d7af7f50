// TFileStringList: a string list read line by line like a text file, for the CSV import.
#pragma once

#include <string>

#include "framework/classes/stringlist.h"

namespace ui {

class TFileStringList : public fw::TStringList {
 public:
  void Rewind() { position_ = 0; }
  bool AtEnd() const { return position_ >= Count(); }
  // The line at the read position (the list's index check applies), then the position moves on.
  void ReadLine(std::string& text);

 private:
  int position_ = 0;
};

}  // namespace ui

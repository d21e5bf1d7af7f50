// Switches a board's IIC mode on for the life of the object when no process has it on, and off again after.
#pragma once

#include "boardapi/board/controller.h"

class ScopedIicMode {
 public:
  explicit ScopedIicMode(CventrixController& board)
      : board_(board), switchedOn_(!board.IsIicEnabled() && board.SetIicMode(true)) {}
  ~ScopedIicMode() {
    if (switchedOn_) board_.SetIicMode(false);
  }
  ScopedIicMode(const ScopedIicMode&) = delete;
  ScopedIicMode& operator=(const ScopedIicMode&) = delete;

 private:
  CventrixController& board_;
  bool switchedOn_;
};

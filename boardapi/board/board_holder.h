// Whatever holds a board for a while without owning it (a session): the board, or null once the board list let
// it go. The IIC peripheral drivers reach their board through it.
#pragma once

class CventrixController;

struct BoardHolder {
  CventrixController* board = nullptr;
};

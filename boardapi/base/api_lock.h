// The library lock: every exported call runs inside it, so the library object, the board list, the sessions'
// boards and the feature state of boards and sessions change on one thread at a time. It is re-entrant (a
// program's callback may call the library again on the same thread) and it is let go, with every level the
// thread holds, around calls into the program's callbacks and around waits for the library's own threads,
// because those threads may be inside such a callback, waiting to enter the library. Code that holds the lock
// and lets it go this way re-checks what it read before: another call may have run in between.
#pragma once

// Takes the lock for the life of the holder.
class ApiLockHold {
 public:
  ApiLockHold();
  ~ApiLockHold();
  ApiLockHold(const ApiLockHold&) = delete;
  ApiLockHold& operator=(const ApiLockHold&) = delete;
};

// Lets go of every level of the lock that this thread holds, and takes them again when it goes.
class ApiUnlocked {
 public:
  ApiUnlocked();
  ~ApiUnlocked();
  ApiUnlocked(const ApiUnlocked&) = delete;
  ApiUnlocked& operator=(const ApiUnlocked&) = delete;

 private:
  int levels_;
};

// How many levels of the lock this thread holds.
int ApiLockLevels();

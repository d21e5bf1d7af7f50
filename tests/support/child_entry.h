// Child entries: functions of a test program that it runs, instead of its tests, when it is started as a
// second process with --child=<name> (StartChildEntry in child_process.h does that). An entry's return value
// is the process's exit code, 0 when every check passed; a failed check prints what failed and where.
//
//   CHILD_ENTRY(HoldsTheBoard) {
//     CHILD_CHECK(controller.IsBoundElsewhere());
//     return 0;
//   }
#pragma once

namespace testsupport {

using ChildEntryFunction = int (*)();

// Registers an entry under its name; answers true so that it can initialise a static.
bool RegisterChildEntry(const char* name, ChildEntryFunction entry);

// Runs the entry named by a --child=<name> first argument and answers true with its exit code; false when
// the program was not started as a child.
bool RunChildEntry(int argc, char** argv, int& exitCode);

// Prints a failed check to standard error; answers the exit code of a failed entry.
int ChildCheckFailed(const char* condition, const char* file, int line);

// Exit code of a child started for an entry this program does not have.
constexpr int kUnknownChildEntry = 3;

}  // namespace testsupport

#define CHILD_ENTRY(name)                                                                        \
  static int name##ChildEntry();                                                                 \
  [[maybe_unused]] static const bool name##ChildEntryRegistered =                                \
      ::testsupport::RegisterChildEntry(#name, &name##ChildEntry);                                \
  static int name##ChildEntry()

// Ends the entry with a failure when the condition does not hold.
#define CHILD_CHECK(condition)                                                          \
  do {                                                                                  \
    if (!(condition)) return ::testsupport::ChildCheckFailed(#condition, __FILE__, __LINE__); \
  } while (false)

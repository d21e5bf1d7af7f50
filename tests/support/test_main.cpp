// The main of every test executable: registers the framework's start-up pairs and the test area's own
// (RegisterTestModules), starts them before the first test and stops them in reverse after the last,
// as the program does around its forms. Started with --child=<name>, it runs that child entry instead
// of the tests (see child_entry.h), with the same modules running.
#include <gtest/gtest.h>

#include <cstdio>
#include <exception>

#include "framework/startup/modules.h"
#include "tests/support/child_entry.h"
#include "tests/support/test_modules.h"

int main(int argc, char** argv) {
  int result = 1;
  try {
    fw::RegisterFrameworkModules();
    RegisterTestModules();
    fw::ModulesRunning modules;
    if (testsupport::RunChildEntry(argc, argv, result)) return result;
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Module start-up failed: %s\n", e.what());
    return 1;
  }
  return result;
}

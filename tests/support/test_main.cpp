// The main of every test executable: registers the framework's start-up pairs and the test area's own
// (RegisterTestModules), starts them before the first test and stops them in reverse after the last,
// as the program does around its forms.
#include <gtest/gtest.h>

#include <cstdio>
#include <exception>

#include "framework/startup/modules.h"
#include "tests/support/test_modules.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  int result = 1;
  try {
    fw::RegisterFrameworkModules();
    RegisterTestModules();
    fw::ModulesRunning modules;
    result = RUN_ALL_TESTS();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Module start-up failed: %s\n", e.what());
    return 1;
  }
  return result;
}

// Each test executable names the libraries it starts: a test area with a test_modules.cpp of its own
// defines RegisterTestModules there (calling the registration functions of the libraries it links);
// the others get the empty one of no_test_modules.cpp.
#pragma once

void RegisterTestModules();

// Set by the framework tests' own start-up pair (test_modules.cpp) while the modules run.
#pragma once

namespace fw::testing {
extern bool probeModuleStarted;
}

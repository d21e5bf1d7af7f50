#include "tests/support/child_entry.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace testsupport {

namespace {

std::map<std::string, ChildEntryFunction>& Entries() {
  static std::map<std::string, ChildEntryFunction> entries;
  return entries;
}

constexpr char kChildOption[] = "--child=";

}  // namespace

bool RegisterChildEntry(const char* name, ChildEntryFunction entry) {
  Entries()[name] = entry;
  return true;
}

bool RunChildEntry(int argc, char** argv, int& exitCode) {
  if (argc < 2 || std::strncmp(argv[1], kChildOption, std::strlen(kChildOption)) != 0) return false;
  const std::string name = argv[1] + std::strlen(kChildOption);
  const auto entry = Entries().find(name);
  if (entry == Entries().end()) {
    std::fprintf(stderr, "no child entry %s\n", name.c_str());
    exitCode = kUnknownChildEntry;
  } else {
    exitCode = entry->second();
  }
  std::fflush(stdout);
  std::fflush(stderr);
  return true;
}

int ChildCheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::fflush(stderr);
  return 1;
}

}  // namespace testsupport

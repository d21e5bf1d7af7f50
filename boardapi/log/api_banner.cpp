#include "boardapi/log/api_banner.h"

#include <string>

#include "boardapi/log/api_log.h"
#include "boardapi/log/machine_info.h"

namespace {

constexpr char kBannerName[] = "DumpMachineInfoToLog";

constexpr const char* kNotice[] = {
    "* This file records the calls that programs made to the ventrix board API on this machine.",
    "* It is written only while a program has turned API logging on.",
    "* It may name this computer, its processor and its folders; treat it as confidential.",
    "* Send it only to the people who support your boards, and only when they ask for it.",
    "* Brannock Limited reads it solely to diagnose faults of the boards and of the library.",
    "* The library only ever appends to this file; you may delete it at any time.",
    "* Copyright Brannock Limited. All rights reserved.",
};

struct EnvironmentLine {
  const char* format;
  const char* variable;
};
constexpr EnvironmentLine kEnvironment[] = {
    {"* Environment OS: %s", "OS"},
    {"* Processor Architecture: %s", "PROCESSOR_ARCHITECTURE"},
    {"* Processor Identifier: %s", "PROCESSOR_IDENTIFIER"},
    {"* Processor Level: %s", "PROCESSOR_LEVEL"},
    {"* Processor Revision: %s", "PROCESSOR_REVISION"},
    {"* System Drive: %s", "SystemDrive"},
    {"* System Root: %s", "SystemRoot"},
    {"* TEMP Folder: %s", "TEMP"},
    {"* TMP Folder: %s", "TMP"},
};

}  // namespace

void WriteBanner(CLog& log) {
  const std::string wideRule(78, '*');
  const std::string narrowRule(30, '*');
  auto text = [&log](const std::string& line) { log.Write(0, kBannerName, "%s", line.c_str()); };

  text(wideRule);
  for (const char* line : kNotice) text(line);
  text(wideRule);
  text("");
  text(narrowRule);
  text("* General Information");
  text(narrowRule);
  log.Write(0, kBannerName, "* File Version: %s", GetOwnFileVersion(LibraryModule()).c_str());
  log.Write(0, kBannerName, "* Computer Name: %s", GetComputerNameText().c_str());
  log.Write(0, kBannerName, "* WOW64: %d", IsWow64());
  for (const EnvironmentLine& line : kEnvironment) {
    log.Write(0, kBannerName, line.format, GetEnvironmentText(line.variable).c_str());
  }
  text(narrowRule);
  text(narrowRule);
}

// The Office keys of HKEY_CURRENT_USER, which decide the colour scheme the controls follow, made for a test
// and removed afterwards (only those the test made).
#pragma once

#include <map>
#include <string>

#include "framework/registry/registry.h"

namespace testsupport {

// Creates the Office keys a test needs under HKEY_CURRENT_USER and removes those it made.
class OfficeKeys {
 public:
  OfficeKeys() {
    for (const char* version : {"11.0", "12.0", "14.0"}) {
      const std::string key = std::string("\\Software\\Microsoft\\Office\\") + version;
      existed_[key] = registry_.KeyExists(key);
    }
    officeExisted_ = registry_.KeyExists("\\Software\\Microsoft\\Office");
  }
  // Keys of a real Office in the prefix: the tests would change them, so they do not run.
  bool AlreadyThere() const {
    for (const auto& [key, existed] : existed_) {
      if (existed) return true;
    }
    return false;
  }
  ~OfficeKeys() {
    for (const auto& [key, existed] : existed_) {
      if (!existed) registry_.DeleteKey(key);
    }
    if (!officeExisted_) registry_.DeleteKey("\\Software\\Microsoft\\Office");
  }
  void CreateGeneral(const std::string& version) {
    registry_.OpenKey("\\Software\\Microsoft\\Office\\" + version + "\\Common\\General", true);
    registry_.CloseKey();
  }
  void SetTheme(const std::string& version, int theme) {
    registry_.OpenKey("\\Software\\Microsoft\\Office\\" + version + "\\Common", true);
    registry_.WriteInteger("Theme", theme);
    registry_.CloseKey();
  }

 private:
  fw::TRegistry registry_;
  std::map<std::string, bool> existed_;
  bool officeExisted_ = false;
};

}  // namespace testsupport

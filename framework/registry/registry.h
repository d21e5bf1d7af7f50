// TRegistry: one open key under a root key (HKEY_CURRENT_USER unless set). Paths are relative to the
// open key, or to the root when they start with a backslash or no key is open.
//
// Reading a value that is missing or of another type raises ERegistryException, except ReadString,
// which gives "" for a missing value. Writing raises when the value cannot be set.
#pragma once

#include <windows.h>

#include <string>

#include "framework/classes/object.h"

namespace fw {

class TRegistry : public TObject {
 public:
  // Access for keys opened or created (KEY_ALL_ACCESS by default).
  explicit TRegistry(REGSAM Access = KEY_ALL_ACCESS);
  ~TRegistry() override;

  HKEY RootKey() const { return rootKey_; }
  // Closes the open key first.
  void SetRootKey(HKEY value);
  // The open key (for change notification), null when none.
  HKEY CurrentKey() const { return currentKey_; }
  const std::string& CurrentPath() const { return currentPath_; }
  REGSAM Access() const { return access_; }
  void SetAccess(REGSAM value) { access_ = value; }

  // Opens Key (creating it when CanCreate); false when it cannot.
  bool OpenKey(const std::string& Key, bool CanCreate);
  bool OpenKeyReadOnly(const std::string& Key);
  void CloseKey();
  bool KeyExists(const std::string& Key);
  // Deletes Key with everything below it.
  bool DeleteKey(const std::string& Key);
  bool ValueExists(const std::string& Name);
  bool DeleteValue(const std::string& Name);

  int ReadInteger(const std::string& Name);
  std::string ReadString(const std::string& Name);
  void WriteInteger(const std::string& Name, int Value);
  void WriteString(const std::string& Name, const std::string& Value);

 private:
  HKEY BaseKey(bool relative) const;
  std::string FullPath(const std::string& key, bool& relative) const;
  bool Open(const std::string& key, bool canCreate, REGSAM access);
  HKEY KeyForValues();

  HKEY rootKey_ = HKEY_CURRENT_USER;
  HKEY currentKey_ = nullptr;
  std::string currentPath_;
  REGSAM access_;
};

}  // namespace fw

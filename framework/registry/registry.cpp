#include "framework/registry/registry.h"

#include "framework/rtl/exceptions.h"

namespace fw {

TRegistry::TRegistry(REGSAM Access) : access_(Access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY value) {
  if (rootKey_ == value) return;
  CloseKey();
  rootKey_ = value;
}

void TRegistry::CloseKey() {
  if (currentKey_ != nullptr) RegCloseKey(currentKey_);
  currentKey_ = nullptr;
  currentPath_.clear();
}

// A path starting with a backslash is absolute; others are relative to the open key, if any.
std::string TRegistry::FullPath(const std::string& key, bool& relative) const {
  relative = !key.empty() && key[0] != '\\' && currentKey_ != nullptr;
  std::string path = (!key.empty() && key[0] == '\\') ? key.substr(1) : key;
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

HKEY TRegistry::BaseKey(bool relative) const { return relative ? currentKey_ : rootKey_; }

bool TRegistry::Open(const std::string& key, bool canCreate, REGSAM access) {
  bool relative = false;
  const std::string path = FullPath(key, relative);
  HKEY opened = nullptr;
  LONG result;
  if (canCreate) {
    result = RegCreateKeyExA(BaseKey(relative), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                             &opened, nullptr);
  } else {
    result = RegOpenKeyExA(BaseKey(relative), path.c_str(), 0, access, &opened);
  }
  if (result != ERROR_SUCCESS) return false;
  const std::string newPath = relative && !currentPath_.empty() ? currentPath_ + "\\" + path : path;
  CloseKey();
  currentKey_ = opened;
  currentPath_ = newPath;
  return true;
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) { return Open(Key, CanCreate, access_); }

bool TRegistry::OpenKeyReadOnly(const std::string& Key) { return Open(Key, false, KEY_READ); }

bool TRegistry::KeyExists(const std::string& Key) {
  bool relative = false;
  const std::string path = FullPath(Key, relative);
  HKEY probe = nullptr;
  if (RegOpenKeyExA(BaseKey(relative), path.c_str(), 0, KEY_READ, &probe) != ERROR_SUCCESS) return false;
  RegCloseKey(probe);
  return true;
}

bool TRegistry::DeleteKey(const std::string& Key) {
  bool relative = false;
  const std::string path = FullPath(Key, relative);
  if (path.empty()) return false;
  return RegDeleteTreeA(BaseKey(relative), path.c_str()) == ERROR_SUCCESS;
}

HKEY TRegistry::KeyForValues() { return currentKey_ != nullptr ? currentKey_ : rootKey_; }

bool TRegistry::ValueExists(const std::string& Name) {
  return RegQueryValueExA(KeyForValues(), Name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::string& Name) {
  return RegDeleteValueA(KeyForValues(), Name.c_str()) == ERROR_SUCCESS;
}

int TRegistry::ReadInteger(const std::string& Name) {
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  const LONG result =
      RegQueryValueExA(KeyForValues(), Name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) {
    throw ERegistryException("Invalid data type for '" + Name + "'");
  }
  return static_cast<int>(value);
}

std::string TRegistry::ReadString(const std::string& Name) {
  DWORD type = 0;
  DWORD size = 0;
  LONG result = RegQueryValueExA(KeyForValues(), Name.c_str(), nullptr, &type, nullptr, &size);
  if (result == ERROR_FILE_NOT_FOUND) return std::string();
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
    throw ERegistryException("Invalid data type for '" + Name + "'");
  }
  std::string text(size, '\0');
  result = RegQueryValueExA(KeyForValues(), Name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                            &size);
  if (result != ERROR_SUCCESS) throw ERegistryException("Invalid data type for '" + Name + "'");
  text.resize(size);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

void TRegistry::WriteInteger(const std::string& Name, int Value) {
  const auto value = static_cast<DWORD>(Value);
  if (RegSetValueExA(KeyForValues(), Name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                     sizeof(value)) != ERROR_SUCCESS) {
    throw ERegistryException("Failed to set data for '" + Name + "'");
  }
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
  if (RegSetValueExA(KeyForValues(), Name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                     static_cast<DWORD>(Value.size() + 1)) != ERROR_SUCCESS) {
    throw ERegistryException("Failed to set data for '" + Name + "'");
  }
}

}  // namespace fw

// A fresh, empty folder in the temporary folder for one test; removed with what it holds (subfolders too) at
// the end.
#pragma once

#include <windows.h>

#include <string>

#include "framework/rtl/filetext.h"

namespace trelvik::testing {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "trelvik_" + name + "\\";
    Empty();
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() {
    Empty();
    RemoveDirectoryA(path_.c_str());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder, ending with a backslash.
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }
  void Write(const std::string& name, const std::string& text) const { fw::WriteFileText(File(name), text); }
  std::string Read(const std::string& name) const { return fw::ReadFileText(File(name)); }
  bool Exists(const std::string& name) const {
    return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

 private:
  void Empty() const { EmptyFolder(path_); }
  // Removes everything in the folder, subfolders with what they hold included.
  static void EmptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        EmptyFolder(folder + name + "\\");
        RemoveDirectoryA((folder + name).c_str());
      } else {
        DeleteFileA((folder + name).c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }

  std::string path_;
};

}  // namespace trelvik::testing

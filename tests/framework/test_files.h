// A folder of its own under the temporary folder for one test, removed with what is left in it.
#pragma once

#include <windows.h>

#include <string>

namespace fw::testing {

class TempFolder {
 public:
  TempFolder() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char unique[MAX_PATH];
    GetTempFileNameA(temp, "fwt", 0, unique);  // makes a file of that name: the folder takes its place
    DeleteFileA(unique);
    folder_ = std::string(unique) + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  ~TempFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) DeleteFileA((folder_ + found.cFileName).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name) const { return folder_ + name; }

 private:
  std::string folder_;
};

}  // namespace fw::testing

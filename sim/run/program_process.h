// Trelvik.exe started by the run: in its folder, with the simulators' variables, its output going to a file;
// found by its main window; closed as a user closes it. Every wait is bounded.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace trelvikrun {

class ProgramProcess {
 public:
  using Variables = std::vector<std::pair<std::string, std::string>>;

  ProgramProcess() = default;
  ~ProgramProcess();  // a program still running is ended
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  // Starts folder\Trelvik.exe there; its standard output and error go to outputFile.
  bool Start(const std::string& folder, const Variables& variables, const std::string& outputFile);
  HWND WaitForMainWindow(DWORD timeoutMs);
  HWND MainWindow() const { return window_; }
  // The lines of every list box of the main window.
  std::vector<std::vector<std::string>> ListBoxes() const;
  // Waits until a list box holds the line.
  bool WaitForListLine(const std::string& line, DWORD timeoutMs) const;
  bool Running() const;
  // Closes the main window as its close button does.
  void RequestClose() const;
  bool WaitForEnd(DWORD timeoutMs) const;
  void Terminate();
  DWORD ExitCode() const;
  HANDLE Handle() const { return process_; }

 private:
  HANDLE process_ = nullptr;
  HWND window_ = nullptr;
};

}  // namespace trelvikrun

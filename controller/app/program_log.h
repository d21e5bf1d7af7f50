// The program's own log, VavOzorovoduz.log in its folder: emptied at start, open for the whole run.
// Each line is the local date ("dd/MM/yyyy"), a blank and the time ("hh:mm:ss") unless the clock reads
// 00:00:00, then " : " and the text, then CR LF. Used on the GUI thread only.
#pragma once

#include <memory>
#include <string>

namespace trelvik {

inline constexpr const char* kProgramLogName = "VavOzorovoduz.log";

class ProgramLog {
 public:
  ProgramLog();
  ~ProgramLog();
  ProgramLog(const ProgramLog&) = delete;
  ProgramLog& operator=(const ProgramLog&) = delete;

  // Creates the file or empties it and keeps it open; raises the run time's file-creation error when it
  // cannot.
  void Open(const std::string& fileName);
  void Close();
  bool IsOpen() const;

  // The Edit menu's "Log" tick: whether log writes its lines.
  bool Logging() const { return logging_; }
  void SetLogging(bool value) { logging_ = value; }

  // One line while logging is ticked; nothing otherwise.
  void log(const std::string& text);
  // One line whatever the tick (board detection).
  void force_log(const std::string& text);

  // The line as it is written, for the present clock, without its line end.
  static std::string Line(const std::string& text);

 private:
  void Write(const std::string& text) noexcept;

  struct File;
  std::unique_ptr<File> file_;
  bool logging_ = false;
};

}  // namespace trelvik

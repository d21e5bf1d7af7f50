#pragma once
// The system clipboard. Every access opens it with a hidden window of the program as owner and closes it
// again; Open/Close around several calls make them one exchange (the first change empties the clipboard
// once, so text and a format of the program's own can go on it together). Opening retries a few times
// while another program holds the clipboard, then raises EClipboardException. GUI thread only.
#include <memory>
#include <string>
#include <windows.h>

#include "framework/rtl/exceptions.h"

namespace fw {

FW_DECLARE_EXCEPTION(EClipboardException, Exception);

class TUtilityWindow;

class TClipboard {
 public:
  // How often an open is tried, and the pause between tries.
  static constexpr int kOpenAttempts = 10;
  static constexpr unsigned kOpenRetryMs = 10;

  TClipboard();
  ~TClipboard();
  TClipboard(const TClipboard&) = delete;
  TClipboard& operator=(const TClipboard&) = delete;

  // Opens may nest; the clipboard closes at the last Close.
  void Open();
  void Close();
  // Empties the clipboard (and takes it over for the program).
  void Clear();
  // CF_TEXT: the text, or "" when the clipboard holds none.
  std::string AsText();
  void SetAsText(const std::string& Value);
  bool HasFormat(UINT Format);
  // The clipboard's own handle of the format (read it while the clipboard is open; never free it); null
  // when the format is not there.
  HANDLE GetAsHandle(UINT Format);
  // Puts a memory handle (GlobalAlloc, GMEM_MOVEABLE) on the clipboard, which then owns it. When it cannot,
  // EClipboardException is raised and the handle stays the caller's.
  void SetAsHandle(UINT Format, HANDLE Value);
  // The format number of a format name, the same in every program that registers that name.
  static UINT RegisterFormat(const std::string& Name);

 private:
  // The first change after an open empties the clipboard.
  void Adding();

  std::unique_ptr<TUtilityWindow> owner_;
  int openCount_ = 0;
  bool emptied_ = false;
};

// The program's clipboard object (made at first use, kept for the process's life).
TClipboard* Clipboard();

}  // namespace fw

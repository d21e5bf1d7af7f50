#include "framework/clipboard/clipboard.h"

#include <cstring>

#include "framework/messaging/utility_window.h"
#include "framework/services/clock.h"

namespace fw {

namespace {

// Unlocks a global memory block at the end of a scope.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
  ~GlobalLockScope() {
    if (data_ != nullptr) GlobalUnlock(block_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  void* Data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

// Open and Close around a scope.
class OpenScope {
 public:
  explicit OpenScope(TClipboard& clipboard) : clipboard_(clipboard) { clipboard_.Open(); }
  ~OpenScope() { clipboard_.Close(); }
  OpenScope(const OpenScope&) = delete;
  OpenScope& operator=(const OpenScope&) = delete;

 private:
  TClipboard& clipboard_;
};

}  // namespace

TClipboard::TClipboard() = default;
TClipboard::~TClipboard() = default;

void TClipboard::Open() {
  if (openCount_ > 0) {
    ++openCount_;
    return;
  }
  if (!owner_) owner_ = std::make_unique<TUtilityWindow>(nullptr, [](TMessage&) { return false; });
  DWORD error = 0;
  for (int attempt = 1; attempt <= kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner_->Handle())) {
      openCount_ = 1;
      emptied_ = false;
      return;
    }
    error = GetLastError();
    if (attempt < kOpenAttempts) SleepMs(kOpenRetryMs);
  }
  std::string message = "Cannot open clipboard: another program is using it";
  if (error != 0) message += " (" + SysErrorMessage(error) + ")";
  throw EClipboardException(message);
}

void TClipboard::Close() {
  if (openCount_ == 0) return;
  if (--openCount_ == 0) CloseClipboard();
}

void TClipboard::Clear() {
  OpenScope open(*this);
  EmptyClipboard();
  emptied_ = true;
}

void TClipboard::Adding() {
  if (emptied_) return;
  EmptyClipboard();
  emptied_ = true;
}

bool TClipboard::HasFormat(UINT Format) { return IsClipboardFormatAvailable(Format) != FALSE; }

HANDLE TClipboard::GetAsHandle(UINT Format) {
  OpenScope open(*this);
  return GetClipboardData(Format);
}

void TClipboard::SetAsHandle(UINT Format, HANDLE Value) {
  OpenScope open(*this);
  Adding();
  if (SetClipboardData(Format, Value) == nullptr) {
    throw EClipboardException("Cannot put data on the clipboard: " + SysErrorMessage(GetLastError()));
  }
}

std::string TClipboard::AsText() {
  OpenScope open(*this);
  auto* block = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
  if (block == nullptr) return {};
  const GlobalLockScope lock(block);
  if (lock.Data() == nullptr) return {};
  // Bounded by the block, in case the text lacks its terminating zero.
  const auto* text = static_cast<const char*>(lock.Data());
  return std::string(text, strnlen(text, GlobalSize(block)));
}

void TClipboard::SetAsText(const std::string& Value) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, Value.size() + 1);
  if (block == nullptr) throw EOutOfResources("Not enough memory for the clipboard text");
  {
    const GlobalLockScope lock(block);
    if (lock.Data() == nullptr) {
      GlobalFree(block);
      throw EOutOfResources("Not enough memory for the clipboard text");
    }
    std::memcpy(lock.Data(), Value.c_str(), Value.size() + 1);
  }
  try {
    SetAsHandle(CF_TEXT, block);
  } catch (...) {
    GlobalFree(block);
    throw;
  }
}

UINT TClipboard::RegisterFormat(const std::string& Name) {
  const UINT format = RegisterClipboardFormatA(Name.c_str());
  if (format == 0) throw EClipboardException("Cannot register the clipboard format " + Name);
  return format;
}

TClipboard* Clipboard() {
  // Never destroyed: its hidden window goes with the process.
  static TClipboard* const clipboard = new TClipboard;
  return clipboard;
}

}  // namespace fw

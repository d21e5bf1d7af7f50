// The framework's exception classes: every error the runtime raises derives from Exception, which is a
// std::exception whose what() is the message.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace fw {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  void SetMessage(std::string message) { message_ = std::move(message); }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Declares an exception class that only differs from its base by its type.
#define FW_DECLARE_EXCEPTION(Name, Base) \
  class Name : public Base {             \
   public:                               \
    using Base::Base;                    \
  }

FW_DECLARE_EXCEPTION(EConvertError, Exception);
FW_DECLARE_EXCEPTION(EListError, Exception);
FW_DECLARE_EXCEPTION(EStringListError, EListError);
FW_DECLARE_EXCEPTION(EInvalidCast, Exception);
FW_DECLARE_EXCEPTION(EInvalidOperation, Exception);
FW_DECLARE_EXCEPTION(EComponentError, Exception);
FW_DECLARE_EXCEPTION(EThread, Exception);
FW_DECLARE_EXCEPTION(EStreamError, Exception);
FW_DECLARE_EXCEPTION(EFOpenError, EStreamError);
FW_DECLARE_EXCEPTION(EFCreateError, EStreamError);
FW_DECLARE_EXCEPTION(EReadError, EStreamError);
FW_DECLARE_EXCEPTION(EWriteError, EStreamError);
FW_DECLARE_EXCEPTION(EFilerError, EStreamError);
FW_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
FW_DECLARE_EXCEPTION(EResNotFound, Exception);
FW_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
FW_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception);
FW_DECLARE_EXCEPTION(ERegistryException, Exception);
FW_DECLARE_EXCEPTION(EIniFileException, Exception);
FW_DECLARE_EXCEPTION(EMathError, Exception);
FW_DECLARE_EXCEPTION(EInvalidOp, EMathError);
FW_DECLARE_EXCEPTION(EIntError, Exception);
FW_DECLARE_EXCEPTION(EDivByZero, EIntError);
// The system could not give a handle or memory a call needed.
FW_DECLARE_EXCEPTION(EOutOfResources, Exception);

// A failed system call: the message is the system's text for the error code.
class EOSError : public Exception {
 public:
  EOSError(std::string message, std::uint32_t errorCode) : Exception(std::move(message)), errorCode_(errorCode) {}
  std::uint32_t ErrorCode() const noexcept { return errorCode_; }

 private:
  std::uint32_t errorCode_;
};

// The system's message text for a Win32 error code, without the trailing line break.
std::string SysErrorMessage(std::uint32_t errorCode);
// Raises EOSError for the calling thread's last Win32 error.
[[noreturn]] void RaiseLastOSError();
[[noreturn]] void RaiseLastOSError(std::uint32_t errorCode);

}  // namespace fw

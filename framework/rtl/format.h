// Format: printf-like text formatting with the framework's semantics.
//   %[index:][-][width][.precision]type   (index, width and precision may be '*': taken from the arguments)
//   d  signed decimal, precision = minimum digits (zero padded)      u  unsigned decimal
//   x  upper-case hexadecimal, precision = minimum digits            s  text, precision = maximum characters
//   f  fixed (precision default 2)   n  fixed with thousand separators (default 2)
//   e  scientific (default 15 significant digits)   g  shortest general (default 15)   p  pointer   %%  a '%'
// Widths pad with blanks on the left ('-': on the right); there is no zero flag ("%02d" pads with a blank,
// "%.2d" pads with zeros). An argument of the wrong kind or a missing argument raises EConvertError.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace fw {

// One argument of Format; built implicitly from integers, floating-point values, text and pointers.
class FormatArg {
 public:
  enum class Kind { Signed, Unsigned, Float, Text, Pointer };

  template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>)
  FormatArg(T value) : bits_(sizeof(T) * 8) {  // NOLINT(google-explicit-constructor): arguments convert implicitly
    if constexpr (std::is_signed_v<T>) {
      kind_ = Kind::Signed;
      signed_ = value;
    } else {
      kind_ = Kind::Unsigned;
      unsigned_ = value;
    }
  }
  template <std::floating_point T>
  FormatArg(T value) : kind_(Kind::Float), float_(static_cast<double>(value)) {}
  FormatArg(char value) : kind_(Kind::Text), char_(value), text_(&char_, 1) {}
  FormatArg(const char* value) : kind_(Kind::Text), text_(value != nullptr ? value : "") {}
  FormatArg(const std::string& value) : kind_(Kind::Text), text_(value) {}
  FormatArg(std::string_view value) : kind_(Kind::Text), text_(value) {}
  FormatArg(const void* value) : kind_(Kind::Pointer), unsigned_(reinterpret_cast<std::uintptr_t>(value)) {}
  FormatArg(const FormatArg& other) { *this = other; }
  FormatArg& operator=(const FormatArg& other);

  Kind kind() const { return kind_; }
  int bits() const { return bits_; }
  std::int64_t signedValue() const { return signed_; }
  std::uint64_t unsignedValue() const { return unsigned_; }
  double floatValue() const { return float_; }
  std::string_view text() const { return text_; }

 private:
  Kind kind_ = Kind::Signed;
  int bits_ = 64;
  std::int64_t signed_ = 0;
  std::uint64_t unsigned_ = 0;
  double float_ = 0;
  char char_ = 0;
  std::string_view text_;
};

std::string FormatV(std::string_view format, std::span<const FormatArg> args);

inline std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
  return FormatV(format, std::span<const FormatArg>(args.begin(), args.size()));
}

template <class... Args>
std::string Format(std::string_view format, const Args&... args) {
  if constexpr (sizeof...(Args) == 0) {
    return FormatV(format, {});
  } else {
    const FormatArg list[] = {FormatArg(args)...};
    return FormatV(format, list);
  }
}

}  // namespace fw

#include "framework/rtl/format.h"

#include <cctype>
#include <optional>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/floattext.h"

namespace fw {

FormatArg& FormatArg::operator=(const FormatArg& other) {
  kind_ = other.kind_;
  bits_ = other.bits_;
  signed_ = other.signed_;
  unsigned_ = other.unsigned_;
  float_ = other.float_;
  char_ = other.char_;
  // A single character refers to its own copy.
  text_ = other.text_.data() == &other.char_ ? std::string_view(&char_, 1) : other.text_;
  return *this;
}

namespace {

std::string Digits(std::uint64_t value, unsigned base) {
  if (value == 0) return "0";
  std::string text;
  for (; value != 0; value /= base) text.insert(text.begin(), "0123456789ABCDEF"[value % base]);
  return text;
}

std::string ZeroPadded(std::string digits, std::optional<int> precision) {
  if (precision && static_cast<int>(digits.size()) < *precision) {
    digits.insert(0, static_cast<std::size_t>(*precision) - digits.size(), '0');
  }
  return digits;
}

// The argument's bits as an unsigned number of its own width (a negative 32-bit value gives 32 bits).
std::uint64_t AsUnsigned(const FormatArg& arg) {
  if (arg.kind() != FormatArg::Kind::Signed) return arg.unsignedValue();
  const auto bits = static_cast<std::uint64_t>(arg.signedValue());
  return arg.bits() >= 64 ? bits : bits & ((std::uint64_t{1} << arg.bits()) - 1);
}

class Formatter {
 public:
  Formatter(std::string_view format, std::span<const FormatArg> args) : format_(format), args_(args) {}

  std::string Run() {
    while (at_ < format_.size()) {
      const char c = format_[at_++];
      if (c != '%') {
        out_ += c;
      } else if (at_ < format_.size() && format_[at_] == '%') {
        out_ += '%';
        ++at_;
      } else {
        Specifier(at_ - 1);
      }
    }
    return out_;
  }

 private:
  [[noreturn]] void Invalid(std::size_t start) const {
    throw EConvertError(Format("Format '%s' invalid or incompatible with argument", format_.substr(start, at_ - start)));
  }

  const FormatArg& NextArg(std::size_t start) {
    if (argIndex_ >= args_.size()) {
      throw EConvertError(Format("No argument for format '%s'", format_.substr(start, at_ - start)));
    }
    return args_[argIndex_++];
  }

  std::optional<int> Number(std::size_t start) {
    if (at_ < format_.size() && format_[at_] == '*') {
      ++at_;
      const FormatArg& arg = NextArg(start);
      if (arg.kind() != FormatArg::Kind::Signed && arg.kind() != FormatArg::Kind::Unsigned) Invalid(start);
      return static_cast<int>(arg.kind() == FormatArg::Kind::Signed ? arg.signedValue()
                                                                : static_cast<std::int64_t>(arg.unsignedValue()));
    }
    if (at_ >= format_.size() || !std::isdigit(static_cast<unsigned char>(format_[at_]))) return std::nullopt;
    int value = 0;
    while (at_ < format_.size() && std::isdigit(static_cast<unsigned char>(format_[at_]))) {
      value = value * 10 + (format_[at_++] - '0');
      if (value > 1 << 20) Invalid(start);
    }
    return value;
  }

  void Specifier(std::size_t start) {
    std::optional<int> width = Number(start);
    if (width && at_ < format_.size() && format_[at_] == ':') {
      ++at_;
      argIndex_ = static_cast<std::size_t>(*width);
      width.reset();
    }
    bool left = false;
    if (!width && at_ < format_.size() && format_[at_] == '-') {
      left = true;
      ++at_;
    }
    if (!width) width = Number(start);
    std::optional<int> precision;
    if (at_ < format_.size() && format_[at_] == '.') {
      ++at_;
      precision = Number(start).value_or(0);
    }
    if (at_ >= format_.size()) Invalid(start);
    const char type = static_cast<char>(std::toupper(static_cast<unsigned char>(format_[at_++])));
    std::string text = Convert(type, NextArg(start), precision, start);
    if (width && static_cast<int>(text.size()) < *width) {
      const std::string padding(static_cast<std::size_t>(*width) - text.size(), ' ');
      text = left ? text + padding : padding + text;
    }
    out_ += text;
  }

  std::string Convert(char type, const FormatArg& arg, std::optional<int> precision, std::size_t start) const {
    using Kind = FormatArg::Kind;
    const bool integer = arg.kind() == Kind::Signed || arg.kind() == Kind::Unsigned;
    switch (type) {
      case 'D':
        if (!integer) break;
        if (arg.kind() == Kind::Signed && arg.signedValue() < 0) {
          return "-" + ZeroPadded(Digits(0 - static_cast<std::uint64_t>(arg.signedValue()), 10), precision);
        }
        return ZeroPadded(Digits(AsUnsigned(arg), 10), precision);
      case 'U':
        if (!integer) break;
        return ZeroPadded(Digits(AsUnsigned(arg), 10), precision);
      case 'X':
        if (!integer) break;
        return ZeroPadded(Digits(AsUnsigned(arg), 16), precision);
      case 'P':
        if (arg.kind() != Kind::Pointer) break;
        return ZeroPadded(Digits(arg.unsignedValue(), 16), static_cast<int>(sizeof(void*) * 2));
      case 'S': {
        if (arg.kind() != Kind::Text) break;
        std::string_view text = arg.text();
        if (precision && static_cast<int>(text.size()) > *precision) text = text.substr(0, static_cast<std::size_t>(*precision));
        return std::string(text);
      }
      case 'F':
        if (arg.kind() != Kind::Float) break;
        return FloatToStrF(arg.floatValue(), ffFixed, 18, precision.value_or(2));
      case 'N':
        if (arg.kind() != Kind::Float) break;
        return FloatToStrF(arg.floatValue(), ffNumber, 18, precision.value_or(2));
      case 'E':
        if (arg.kind() != Kind::Float) break;
        return FloatToStrF(arg.floatValue(), ffExponent, precision.value_or(15), 3);
      case 'G':
        if (arg.kind() != Kind::Float) break;
        return FloatToStrF(arg.floatValue(), ffGeneral, precision.value_or(15), 3);
      default:
        break;
    }
    Invalid(start);
  }

  std::string_view format_;
  std::span<const FormatArg> args_;
  std::size_t at_ = 0;
  std::size_t argIndex_ = 0;
  std::string out_;
};

}  // namespace

std::string FormatV(std::string_view format, std::span<const FormatArg> args) { return Formatter(format, args).Run(); }

}  // namespace fw

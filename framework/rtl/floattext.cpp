#include "framework/rtl/floattext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"
#include "framework/rtl/formatsettings.h"

namespace fw {

namespace {

constexpr int kMaxDigits = 18;

// A finite value as decimal digits: value = 0.digits * 10^exponent (digits empty for zero).
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

void StripTrailingZeros(Decimal& decimal) {
  while (!decimal.digits.empty() && decimal.digits.back() == '0') decimal.digits.pop_back();
  if (decimal.digits.empty()) {
    decimal.negative = false;
    decimal.exponent = 0;
  }
}

Decimal ToDecimal(double value) {
  Decimal decimal;
  if (value == 0) return decimal;
  decimal.negative = std::signbit(value);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                    kMaxDigits - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));  // "d.ddde+XX"
  const std::size_t e = text.find('e');
  decimal.digits.assign(1, text[0]);
  decimal.digits.append(text.substr(2, e - 2));
  decimal.exponent = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
  StripTrailingZeros(decimal);
  return decimal;
}

// Keeps `keep` significant digits, rounding half away from zero.
void RoundTo(Decimal& decimal, int keep) {
  if (keep >= static_cast<int>(decimal.digits.size())) return;
  if (keep < 0) {
    decimal.digits.clear();
    StripTrailingZeros(decimal);
    return;
  }
  const bool up = decimal.digits[static_cast<std::size_t>(keep)] >= '5';
  decimal.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && decimal.digits[static_cast<std::size_t>(i)] == '9') decimal.digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      decimal.digits.insert(decimal.digits.begin(), '1');
      ++decimal.exponent;
    } else {
      ++decimal.digits[static_cast<std::size_t>(i)];
    }
  }
  StripTrailingZeros(decimal);
}

char DigitAt(const Decimal& decimal, int index) {
  return index >= 0 && index < static_cast<int>(decimal.digits.size()) ? decimal.digits[static_cast<std::size_t>(index)]
                                                                       : '0';
}

std::string ExponentText(int exponent, int minDigits, bool plusSign) {
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
  if (exponent < 0) return "E-" + digits;
  return (plusSign ? "E+" : "E") + digits;
}

std::string Signed(const Decimal& decimal, std::string text) { return decimal.negative ? "-" + text : text; }

std::string FormatGeneral(Decimal decimal, int precision, int digits) {
  RoundTo(decimal, precision);
  if (decimal.digits.empty()) return "0";
  const char separator = FormatSettings.DecimalSeparator;
  const int exponent = decimal.exponent;
  std::string text;
  if (exponent > precision || exponent < -3) {
    text.assign(1, decimal.digits[0]);
    if (decimal.digits.size() > 1) text += separator + decimal.digits.substr(1);
    text += ExponentText(exponent - 1, digits, false);
  } else if (exponent <= 0) {
    text = std::string("0") + separator + std::string(static_cast<std::size_t>(-exponent), '0') + decimal.digits;
  } else {
    for (int i = 0; i < exponent; ++i) text += DigitAt(decimal, i);
    if (static_cast<int>(decimal.digits.size()) > exponent) text += separator + decimal.digits.substr(static_cast<std::size_t>(exponent));
  }
  return Signed(decimal, text);
}

std::string FormatExponent(Decimal decimal, int precision, int digits) {
  RoundTo(decimal, precision);
  std::string text(1, DigitAt(decimal, 0));
  if (precision > 1) {
    text += FormatSettings.DecimalSeparator;
    for (int i = 1; i < precision; ++i) text += DigitAt(decimal, i);
  }
  const int exponent = decimal.digits.empty() ? 0 : decimal.exponent - 1;
  return Signed(decimal, text + ExponentText(exponent, digits, true));
}

std::string FormatFixed(Decimal decimal, int precision, int decimals, bool thousands) {
  if (decimal.exponent > precision) return FormatGeneral(decimal, precision, 0);
  RoundTo(decimal, std::min(precision, decimal.exponent + decimals));
  std::string integer;
  for (int i = 0; i < decimal.exponent; ++i) integer += DigitAt(decimal, i);
  if (integer.empty()) integer = "0";
  if (thousands && FormatSettings.ThousandSeparator != '\0') {
    for (int at = static_cast<int>(integer.size()) - 3; at > 0; at -= 3) {
      integer.insert(static_cast<std::size_t>(at), 1, FormatSettings.ThousandSeparator);
    }
  }
  if (decimals > 0) {
    integer += FormatSettings.DecimalSeparator;
    for (int i = 0; i < decimals; ++i) integer += DigitAt(decimal, decimal.exponent + i);
  }
  return Signed(decimal, integer);
}

}  // namespace

std::string FloatToStr(double value) { return FloatToStrF(value, ffGeneral, 15, 0); }

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  precision = std::clamp(precision, 2, kMaxDigits);
  const Decimal decimal = ToDecimal(value);
  switch (format) {
    case ffExponent:
      return FormatExponent(decimal, precision, std::clamp(digits, 0, 4));
    case ffFixed:
      return FormatFixed(decimal, precision, std::clamp(digits, 0, kMaxDigits), false);
    case ffNumber:
      return FormatFixed(decimal, precision, std::clamp(digits, 0, kMaxDigits), true);
    case ffGeneral:
      break;
  }
  return FormatGeneral(decimal, precision, std::clamp(digits, 0, 4));
}

bool TryStrToFloat(std::string_view text, double& value) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  std::string plain;
  for (const char c : text) {
    if (c == FormatSettings.DecimalSeparator) {
      plain += '.';
    } else if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E') {
      plain += c;
    } else {
      return false;  // no other separators, no "inf"/"nan" words
    }
  }
  if (!plain.empty() && plain[0] == '+') plain.erase(0, 1);
  if (plain.empty() || plain[0] == '+') return false;
  double parsed = 0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
  if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) return false;
  value = parsed;
  return true;
}

double StrToFloat(std::string_view text) {
  double value = 0;
  if (!TryStrToFloat(text, value)) throw EConvertError(Format("'%s' is not a valid floating point value", text));
  return value;
}

double StrToFloatDef(std::string_view text, double defaultValue) {
  double value = 0;
  return TryStrToFloat(text, value) ? value : defaultValue;
}

}  // namespace fw

// Floating-point values as text and back, with the decimal separator of FormatSettings. Decimal rounding
// is half away from zero on the value's 18 significant decimal digits.
#pragma once

#include <string>
#include <string_view>

namespace fw {

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber };

// Shortest general text with 15 significant digits: FloatToStr(0.1) = "0.1", FloatToStr(1e20) = "1E20".
std::string FloatToStr(double value);
// ffGeneral: shortest text of Precision significant digits, scientific when the integer part has more than
//            Precision digits or the value is below 0.0001; Digits = minimum exponent digits.
// ffExponent: "d.dddE+ddd" with Precision digits and at least Digits exponent digits.
// ffFixed:   Digits decimals (scientific when the integer part has more than Precision digits).
// ffNumber:  as ffFixed with thousand separators.
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);

double StrToFloat(std::string_view text);  // EConvertError "'%s' is not a valid floating point value"
double StrToFloatDef(std::string_view text, double defaultValue);
bool TryStrToFloat(std::string_view text, double& value);

}  // namespace fw

// The number texts of the drop-down's numeric edit kinds, read with the separators of fw::FormatSettings
// at every call. GUI thread only (the separators may change).
#pragma once

#include <string>
#include <string_view>

namespace ui::dropdown {

// The classes ClassifyNumber tells apart.
enum TNumberClass : int { ncInteger = 0, ncDecimal = 1, ncOther = 2, ncHexadecimal = 5 };

// ncInteger while the text holds only "-" and digits; ncDecimal while it holds only ",", "-", "." and digits
// with every thousands separator at least 3 positions after the previous one (positions count from 1, the
// first from 0, so a leading separator fails); ncHexadecimal for "-", digits and A-F (either case) that
// are not an integer. ncOther for anything else, for more than one "-" or decimal separator, and for "".
int ClassifyNumber(std::string_view S);
// S without its thousands separators.
std::string StripThousandSeparators(std::string_view S);

}  // namespace ui::dropdown

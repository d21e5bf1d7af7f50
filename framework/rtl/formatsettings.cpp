#include "framework/rtl/formatsettings.h"

namespace fw {

TFormatSettings FormatSettings;

}  // namespace fw

// The runtime helpers in one include: exceptions, arithmetic, formatting, conversions, text, file names,
// dates and the clock and program-folder services.
#pragma once

#include "framework/rtl/ansicase.h"
#include "framework/rtl/arith.h"
#include "framework/rtl/datetime.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filenames.h"
#include "framework/rtl/floattext.h"
#include "framework/rtl/format.h"
#include "framework/rtl/formatsettings.h"
#include "framework/rtl/intconv.h"
#include "framework/rtl/syslocale.h"
#include "framework/rtl/textutils.h"
#include "framework/services/clock.h"
#include "framework/services/programfolder.h"

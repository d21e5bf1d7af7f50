// The program's folder: the folder of the running executable, with a trailing backslash.
#pragma once

#include <string>

#include "framework/services/service.h"

namespace fw {

extern Service<std::string()> ProgramFolder;

}  // namespace fw

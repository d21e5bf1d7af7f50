// The library's version text for ventrix_GetAPIVersion.
#pragma once

#include <cstdint>

#include "boardapi/include/ventrixAPI.h"

// Null buffer: the size query. -5 for a null size, -12 (size unchanged) when *size is too small for the text
// and its NUL; otherwise copies the text. *size becomes the text's length plus one.
ApiStatus CopyVersionText(char* buffer, uint32_t* size);

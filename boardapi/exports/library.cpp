// Exports of the library object: controllers, device list, version, binding, board description and options.
#include "boardapi/api/api_version.h"
#include "boardapi/exports/export_frame.h"

ApiStatus ventrix_GetAPIVersion(char* buffer, uint32_t* size) {
  return frame::Run(__func__, "%s(0x%.08X, 0x%.08X)", [&] { return CopyVersionText(buffer, size); },
                    frame::LogPointer(buffer), frame::LogPointer(size));
}
VENTRIX_TWIN(ventrix_GetAPIVersion, (char* buffer, uint32_t* size), (buffer, size))

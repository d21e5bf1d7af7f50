// Exports of the library object: controllers, device list, version, binding, board description and options.
#include "boardapi/api/api_version.h"
#include "boardapi/api/app.h"
#include "boardapi/api/session.h"
#include "boardapi/exports/export_frame.h"

using frame::LogHandle;
using frame::LogPointer;

ApiStatus ventrix_OpenControllers(void) {
  return frame::Run(__func__, "ventrix_OpenControllers()", [] { return theApp.OpenControllers(); });
}
VENTRIX_TWIN(ventrix_OpenControllers, (void), ())

ApiStatus ventrix_CloseControllers(void) {
  return frame::Run(__func__, "ventrix_CloseControllers()", [] { return theApp.CloseControllers(); });
}
VENTRIX_TWIN(ventrix_CloseControllers, (void), ())

ApiStatus ventrix_GetDeviceList(char* buffer, uint32_t* size, const char* modelFilter) {
  return frame::Run(
      __func__, "%s(0x%.08X, 0x%.08X, 0x%.08X)", [&] { return theApp.GetDeviceList(buffer, size, modelFilter); },
      LogPointer(buffer), LogPointer(size), LogPointer(modelFilter));
}
VENTRIX_TWIN(ventrix_GetDeviceList, (char* buffer, uint32_t* size, const char* modelFilter),
             (buffer, size, modelFilter))

ApiStatus ventrix_GetTotalControllers(int32_t* count) {
  return frame::Run(__func__, "%s(0x%.08X)", [&] { return theApp.GetTotalControllers(count); }, LogPointer(count));
}
VENTRIX_TWIN(ventrix_GetTotalControllers, (int32_t * count), (count))

ApiStatus ventrix_GetAPIVersion(char* buffer, uint32_t* size) {
  return frame::Run(__func__, "%s(0x%.08X, 0x%.08X)", [&] { return CopyVersionText(buffer, size); },
                    LogPointer(buffer), LogPointer(size));
}
VENTRIX_TWIN(ventrix_GetAPIVersion, (char* buffer, uint32_t* size), (buffer, size))

ApiStatus ventrix_Bind(const char* deviceName, int32_t* session) {
  return frame::Run(__func__, "%s(0x%.08X, 0x%.08X)", [&] { return theApp.Bind(deviceName, session); },
                    LogPointer(deviceName), LogPointer(session));
}
VENTRIX_TWIN(ventrix_Bind, (const char* deviceName, int32_t* session), (deviceName, session))

ApiStatus ventrix_UnBind(int32_t session) {
  return frame::Run(__func__, "%s(0x%.08X)", [&] { return theApp.UnBind(session); }, LogHandle(session));
}
VENTRIX_TWIN(ventrix_UnBind, (int32_t session), (session))

ApiStatus ventrix_GetBoardInfo(int32_t session, BoardInfo* info) {
  return frame::Run(__func__, "%s(0x%.08X, 0x%.08X)", [&] { return CopyBoardInfo(session, info); },
                    LogHandle(session), LogPointer(info));
}
VENTRIX_TWIN(ventrix_GetBoardInfo, (int32_t session, BoardInfo* info), (session, info))

ApiStatus ventrix_SetBoardOptions(int32_t session, int32_t options) {
  return frame::Run(__func__, "%s(0x%.08X, %ld)", [&] { return theApp.SetBoardOptions(session, options); },
                    LogHandle(session), static_cast<long>(options));
}
VENTRIX_TWIN(ventrix_SetBoardOptions, (int32_t session, int32_t options), (session, options))

#include "boardapi/log/api_logging.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "boardapi/log/api_banner.h"
#include "boardapi/log/api_log.h"
#include "boardapi/log/log_line.h"

ApiStatus SetApiLogging(bool on) {
  if (!on) {
    theLog.SetEnabled(0);
    return API_OK;
  }
  if (theLog.IsEnabled()) return API_ERR_ALREADY_ENABLED;

  const std::string appData = logline::AppDataFolder(nullptr);
  if (appData.empty()) return API_ERR_NO_APPDATA;
  const std::string folder = appData + "\\Brannock Limited\\ventrix API";
  SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);  // an existing folder is fine; a failure loses lines
  theLog.SetFileName(folder + "\\ventrix API.log");
  theLog.SetEnabled(1);
  WriteBanner(theLog);
  return API_OK;
}

#include "controller/app/program_start.h"

#include "controller/app/dialogs.h"
#include "controller/app/zedarave.h"
#include "framework/forms/application.h"
#include "components/net/winsock_binding.h"
#include "framework/rtl/formatsettings.h"
#include "framework/services/timing_trace.h"
#include "framework/startup/modules.h"
#include "ui/controls/menu_animation.h"
#include "ui/foundation/foundation_modules.h"
#include "ui/grid/settings/grid_unit.h"

namespace trelvik {

void ApplyProgramFormatSettings() {
  fw::FormatSettings.DateSeparator = '/';
  fw::FormatSettings.TimeSeparator = ':';
  fw::FormatSettings.DecimalSeparator = '.';
  fw::FormatSettings.ThousandSeparator = ',';
  fw::FormatSettings.ShortDateFormat = "dd/MM/yyyy";
  fw::FormatSettings.LongDateFormat = "dd MMMM yyyy";
}

int RunProgram() {
  fw::TracePoint(fw::TraceKind::kStartup, fw::kStartupMain);
  const std::int64_t modulesBegin = fw::TimingTraceOn() ? fw::TraceNow() : 0;
  fw::RegisterFrameworkModules();
  // The styled controls paint with GDI+ and the theme library: both start after the framework.
  ui::RegisterFoundationModules();
  net::RegisterSocketModules();
  ui::RegisterMenuModules();
  ui::RegisterGridModules();
  fw::ModulesRunning modules;
  if (modulesBegin != 0) fw::TraceSpan(fw::TraceKind::kStartup, fw::kStartupModules, modulesBegin, fw::TraceNow());
  fw::TApplication application;
  application.SetTitle(kApplicationTitle);
  ApplyProgramFormatSettings();
  TZedArave* main = nullptr;
  {
    fw::TraceScope trace(fw::TraceKind::kStartup, fw::kStartupMainForm);
    application.CreateForm(main);
  }
  {
    fw::TraceScope trace(fw::TraceKind::kStartup, fw::kStartupDialogs);
    CreateDialogs(application);
  }
  application.Run();
  return 0;
}

}  // namespace trelvik

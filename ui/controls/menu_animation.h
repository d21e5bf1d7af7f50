#pragma once
// The styled menus switch the system's menu animation off while the program runs (a drop-down that
// slides in would show the system's drawing before the styled one) and put the saved setting back when
// it ends. Registered as a start/stop pair with the framework's module start-up, so the setting comes
// back however the program's run ends.
namespace ui {

void RegisterMenuModules();

// The pair itself: saves the setting and switches animation off / sets the saved value again.
void StartMenuAnimationOff();
void StopMenuAnimationOff();

}  // namespace ui

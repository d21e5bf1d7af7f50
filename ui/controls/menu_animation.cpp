#include "ui/controls/menu_animation.h"

#include <windows.h>

#include "framework/startup/modules.h"

namespace ui {

namespace {
BOOL savedAnimation = FALSE;
bool saved = false;

void SetMenuAnimation(BOOL value) {
  SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(value)),
                        SPIF_SENDCHANGE);
}
}  // namespace

void StartMenuAnimationOff() {
  saved = SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &savedAnimation, 0) != FALSE;
  SetMenuAnimation(FALSE);
}

void StopMenuAnimationOff() {
  if (saved) SetMenuAnimation(savedAnimation);
  saved = false;
}

void RegisterMenuModules() {
  fw::Modules().Register({"Styled menus: menu animation off", &StartMenuAnimationOff, &StopMenuAnimationOff});
}

}  // namespace ui

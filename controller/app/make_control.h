// Making the main window's controls in code.
#pragma once

#include <string>

#include "framework/classes/component.h"
#include "framework/controls/win_control.h"

namespace trelvik {

// A control of class T owned by owner, named, on parent at the given bounds.
template <class T>
T* Make(fw::TComponent* owner, fw::TWinControl* parent, const char* name, int left, int top, int width, int height) {
  T* control = fw::Create<T>(owner);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

template <class T>
T* Make(fw::TComponent* owner, fw::TWinControl* parent, const std::string& name, int left, int top, int width,
        int height) {
  return Make<T>(owner, parent, name.c_str(), left, top, width, height);
}

}  // namespace trelvik

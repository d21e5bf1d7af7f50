#include "framework/controls/cursors.h"

namespace fw {

HCURSOR CursorHandle(TCursor cursor) {
  struct Entry {
    TCursor cursor;
    LPCSTR resource;
  };
  static const Entry kCursors[] = {
      {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},     {crIBeam, IDC_IBEAM},         {crSizeNESW, IDC_SIZENESW},
      {crSizeNS, IDC_SIZENS},     {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},
      {crHourGlass, IDC_WAIT},    {crNo, IDC_NO},           {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
      {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL},
  };
  if (cursor == crNone) return nullptr;
  for (const Entry& entry : kCursors) {
    if (entry.cursor == cursor) return LoadCursorA(nullptr, entry.resource);
  }
  return LoadCursorA(nullptr, IDC_ARROW);
}

}  // namespace fw

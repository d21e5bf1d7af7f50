#include "framework/controls/cursors.h"

#include <map>

namespace fw {

namespace {

// Destroyed only when replaced: the process's end takes the rest with it.
std::map<TCursor, HCURSOR>& ApplicationCursors() {
  static std::map<TCursor, HCURSOR> cursors;
  return cursors;
}

}  // namespace

void RegisterApplicationCursor(TCursor Cursor, HCURSOR Handle) {
  auto& cursors = ApplicationCursors();
  const auto found = cursors.find(Cursor);
  if (found != cursors.end()) {
    if (found->second == Handle) return;
    DestroyCursor(found->second);
    cursors.erase(found);
  }
  if (Handle != nullptr) cursors.emplace(Cursor, Handle);
}

HCURSOR ApplicationCursor(TCursor Cursor) {
  const auto& cursors = ApplicationCursors();
  const auto found = cursors.find(Cursor);
  return found != cursors.end() ? found->second : nullptr;
}

HCURSOR CursorHandle(TCursor cursor) {
  if (HCURSOR registered = ApplicationCursor(cursor)) return registered;
  struct Entry {
    TCursor cursor;
    LPCSTR resource;
  };
  // The system has no splitter cursors: the two-headed size arrows of the same direction stand in.
  static const Entry kCursors[] = {
      {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},     {crIBeam, IDC_IBEAM},         {crSizeNESW, IDC_SIZENESW},
      {crSizeNS, IDC_SIZENS},     {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},
      {crHourGlass, IDC_WAIT},    {crNo, IDC_NO},           {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
      {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL}, {crHSplit, IDC_SIZEWE},       {crVSplit, IDC_SIZENS},
  };
  if (cursor == crNone) return nullptr;
  for (const Entry& entry : kCursors) {
    if (entry.cursor == cursor) return LoadCursorA(nullptr, entry.resource);
  }
  return LoadCursorA(nullptr, IDC_ARROW);
}

}  // namespace fw

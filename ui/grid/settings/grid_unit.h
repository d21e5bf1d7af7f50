// The string grid unit's start and shut-down, run once per process through the framework's module
// start-up (RegisterGridModules); repeated runs pair up through a counter, so only the first start and
// the last stop act. The start initialises OLE for the thread (drag and drop), clears the focus-grid
// reference, installs the focus window's thread hook, registers the grid's classes with the class
// registry, reads whether the common controls are 4.70 or later, and registers the clipboard format and
// the two window messages below. The stop undoes OLE and the hook and clears the hint font name.
// GUI thread only.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

void RegisterGridModules();
void StartGridUnit();
void StopGridUnit();

// How many starts are not yet paired with a stop.
int GridUnitStarts();

// "TVxStringGrid Cells", the grid's binary clipboard format (0 before the start).
UINT GridCellsClipboardFormat();
// "GridEditDone", posted by the grid to itself at the end of an edit.
UINT GridEditDoneMessage();
// "DTPShiftFocus", posted by the date editors to themselves.
UINT DTPShiftFocusMessage();
// The common controls are version 4.70 or later: the date and time editors are offered.
bool ComCtrlOK();

// The font name the grid sets before a hint shows; the HTML hint window draws with it.
extern std::string GridHintFontName;

// Windows 5.1 or later, an active visual style and comctl32 6 or later: the grid's check box and button
// draw the visual style's parts.
bool VisualStylesInUse();

}  // namespace ui

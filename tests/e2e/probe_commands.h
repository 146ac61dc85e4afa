#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace qv::probe {

// Each command prints what it found on stdout and its complaints on stderr, and answers
// 0 when the window is as expected (or the fact was found), 1 otherwise.
using Arguments = std::vector<std::string>;

int FindCommand(Display* display, const Arguments& args);    // <class>
int FactsCommand(Display* display, const Arguments& args);   // <window>
int CursorCommand(Display* display, const Arguments& args);  // (none)
int ShapeCommand(Display* display, const Arguments& args);   // <window> <mask>
int ScreenCommand(Display* display, const Arguments& args);  // <window> <mask> <skin> <rgb>
int CloseCommand(Display* display, const Arguments& args);   // <window>
// <window> <mask> <off skin> <on skin> <first picture>
int PlayingCommand(Display* display, const Arguments& args);
int MovingCommand(Display* display, const Arguments& args);  // <window> <mask>
int PointCommand(const Arguments& args);                     // <mask> <region>
int MaskSizeCommand(const Arguments& args);                  // <mask>

}  // namespace qv::probe

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <iostream>
#include <string>

#include "tests/e2e/find_window.h"
#include "tests/e2e/probe_commands.h"
#include "tests/e2e/probe_support.h"
#include "tests/e2e/x_connection.h"

namespace qv::probe {
namespace {

std::string ClassOf(Display* display, Window window) {
  XClassHint hint{};
  if (XGetClassHint(display, window, &hint) == 0) return {};
  const XPtr<char> name(hint.res_name);
  const XPtr<char> windowClass(hint.res_class);
  return windowClass ? windowClass.get() : "";
}

// The property's raw items, for properties of 8- or 32-bit items.
template <typename Item>
std::basic_string<Item> ReadProperty(Display* display, Window window, const char* name, Atom type) {
  Atom actualType = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const Atom property = XInternAtom(display, name, False);
  if (XGetWindowProperty(display, window, property, 0, 1L << 20, False, type, &actualType, &format,
                         &count, &remaining, &data) != Success) {
    return {};
  }
  const XPtr<unsigned char> owned(data);
  if (data == nullptr || actualType != type) return {};
  return std::basic_string<Item>(reinterpret_cast<const Item*>(data), count);
}

std::string TitleOf(Display* display, Window window) {
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  const std::string netName = ReadProperty<char>(display, window, "_NET_WM_NAME", utf8);
  if (!netName.empty()) return netName;
  return ReadProperty<char>(display, window, "WM_NAME", XA_STRING);
}

// Width × height of the first image of _NET_WM_ICON; 32-bit items come as longs.
std::string IconSizeOf(Display* display, Window window) {
  const auto icon = ReadProperty<long>(display, window, "_NET_WM_ICON", XA_CARDINAL);
  if (icon.size() < 2) return "none";
  return std::to_string(icon[0]) + "x" + std::to_string(icon[1]);
}

}  // namespace

int FindCommand(Display* display, const Arguments& args) {
  const auto window = FindWindowByClass(display, args[0]);
  if (!window) return 1;
  std::cout << *window << '\n';
  return 0;
}

int FactsCommand(Display* display, const Arguments& args) {
  const Window window = ParseWindow(args[0]);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) {
    std::cerr << "window_probe: no window " << args[0] << '\n';
    return 1;
  }
  int rootX = 0;
  int rootY = 0;
  Window child = 0;
  XTranslateCoordinates(display, window, attributes.root, 0, 0, &rootX, &rootY, &child);
  std::cout << "position " << rootX << ' ' << rootY << '\n'
            << "size " << attributes.width << ' ' << attributes.height << '\n'
            << "class " << ClassOf(display, window) << '\n'
            << "title " << TitleOf(display, window) << '\n'
            << "icon " << IconSizeOf(display, window) << '\n';
  return 0;
}

int CursorCommand(Display* display, const Arguments&) {
  const XPtr<XFixesCursorImage> cursor(XFixesGetCursorImage(display));
  if (!cursor) {
    std::cerr << "window_probe: no cursor image\n";
    return 1;
  }
  std::cout << (cursor->name != nullptr && cursor->name[0] != '\0' ? cursor->name : "unnamed")
            << '\n';
  return 0;
}

int CloseCommand(Display* display, const Arguments& args) {
  const Window window = ParseWindow(args[0]);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  return 0;
}

}  // namespace qv::probe

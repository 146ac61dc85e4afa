// Looks at the player's window from outside, the way the X server sees it, for the
// end-to-end driver: window facts, outline, cursor, pixels on screen (idle and while a
// track plays), close requests.

#include <X11/Xlib.h>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <string>

#include "tests/e2e/probe_commands.h"
#include "tests/e2e/x_connection.h"

namespace {

using qv::probe::Arguments;

struct Command {
  const char* name;
  size_t argumentCount;
  int (*run)(Display*, const Arguments&);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"find", 1, qv::probe::FindCommand, "find <class>"},
    {"facts", 1, qv::probe::FactsCommand, "facts <window>"},
    {"cursor", 0, qv::probe::CursorCommand, "cursor"},
    {"shape", 2, qv::probe::ShapeCommand, "shape <window> <mask.bmp>"},
    {"screen", 4, qv::probe::ScreenCommand, "screen <window> <mask.bmp> <skin.jpg> <RRGGBB>"},
    {"close", 1, qv::probe::CloseCommand, "close <window>"},
    {"playing", 5, qv::probe::PlayingCommand,
     "playing <window> <mask.bmp> <off.jpg> <on.jpg> <picture.jpg>"},
    {"moving", 2, qv::probe::MovingCommand, "moving <window> <mask.bmp>"},
};

int Usage() {
  std::cerr << "usage: window_probe point <mask.bmp> <region>\n"
            << "       window_probe mask-size <mask.bmp>\n";
  for (const Command& command : kCommands)
    std::cerr << "       window_probe " << command.usage << '\n';
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  const Arguments args(argv + 2, argv + argc);
  if (name == "point") return args.size() == 2 ? qv::probe::PointCommand(args) : Usage();
  if (name == "mask-size") return args.size() == 1 ? qv::probe::MaskSizeCommand(args) : Usage();

  const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const Command& c) { return name == c.name; });
  if (command == std::end(kCommands) || args.size() != command->argumentCount) return Usage();
  const qv::probe::DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) {
    std::cerr << "window_probe: cannot open the display\n";
    return 1;
  }
  return command->run(display.get(), args);
}

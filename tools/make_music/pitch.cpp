#include "tools/make_music/pitch.h"

#include <stdexcept>
#include <string>

namespace qv::make_music {

int NoteNumber(std::string_view name) {
  auto bad = [&] { return std::invalid_argument("bad note name '" + std::string(name) + "'"); };
  if (name.size() < 2) throw bad();
  constexpr std::string_view kLetters = "C D EF G A B";
  const size_t semitone = kLetters.find(name[0]);
  if (semitone == std::string_view::npos || name[0] == ' ') throw bad();
  int note = static_cast<int>(semitone);
  size_t at = 1;
  if (name[at] == '#') {
    ++note;
    ++at;
  } else if (name[at] == 'b') {
    --note;
    ++at;
  }
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '8') throw bad();
  return note + 12 * (name[at] - '0' + 1);
}

}  // namespace qv::make_music

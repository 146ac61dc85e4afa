#pragma once

#include <string_view>

namespace qv::make_music {

// The note number of a name such as "A4", "C#5" or "Bb2"; "C4" (middle C) is 60, the note at
// which every pitched sample sounds at middle C. Throws std::invalid_argument on a bad name.
int NoteNumber(std::string_view name);

}  // namespace qv::make_music

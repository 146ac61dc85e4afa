#pragma once

#include <string>

namespace qv {

inline constexpr int kTitleString = 103;
inline constexpr int kClassNameString = 109;

// The program's string table. Like its native counterpart it fills at most `capacity`
// characters including the terminator, so a title is at most 99 characters; an unknown
// id gives the empty string.
std::string LoadString(int id, int capacity = 100);

}  // namespace qv

#include "resources/string_table.h"

#include <array>
#include <string_view>

namespace qv {

namespace {

struct StringEntry {
  int id;
  std::string_view text;
};

constexpr std::array kStrings{
    StringEntry{kTitleString, "Quorvendal"},
    StringEntry{kClassNameString, "QUORVENDAL"},
};

}  // namespace

std::string LoadString(int id, int capacity) {
  if (capacity <= 0) return {};
  for (const StringEntry& entry : kStrings) {
    if (entry.id == id) return std::string(entry.text.substr(0, static_cast<size_t>(capacity - 1)));
  }
  return {};
}

}  // namespace qv

#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace qv {

// A set of small numbers (orders below 64, rows below 128) as bits; larger numbers are
// never members.
template <int kBits>
struct NumberSet {
  std::array<uint64_t, kBits / 64> words{};

  constexpr NumberSet(std::initializer_list<int> numbers) {
    for (int n : numbers)
      words[static_cast<size_t>(n / 64)] |= uint64_t{1} << (n % 64);
  }
  constexpr bool Has(uint16_t n) const {
    return n < kBits && ((words[n / 64] >> (n % 64)) & 1u) != 0;
  }
};
using OrderSet = NumberSet<64>;
using RowSet = NumberSet<128>;

enum class RowTest { Any, Above, In, NotIn };

struct RowCondition {
  RowTest test = RowTest::Any;
  uint16_t above = 0;  // for Above: strictly greater
  RowSet rows{};       // for In and NotIn

  constexpr bool Holds(uint16_t row) const {
    switch (test) {
      case RowTest::Any:
        return true;
      case RowTest::Above:
        return row > above;
      case RowTest::In:
        return rows.Has(row);
      case RowTest::NotIn:
        return !rows.Has(row);
    }
    return false;
  }
};

// One cue: where it holds, and what it writes; what it leaves empty it leaves alone.
struct CueRule {
  OrderSet orders;
  RowCondition rows;
  std::optional<double> speedLimit, wobbleGain, damping, vx, vy;
};

constexpr RowCondition AnyRow() {
  return {};
}
constexpr RowCondition RowAbove(uint16_t n) {
  return {RowTest::Above, n, {}};
}
constexpr RowCondition RowIn(RowSet rows) {
  return {RowTest::In, 0, rows};
}
constexpr RowCondition RowNotIn(RowSet rows) {
  return {RowTest::NotIn, 0, rows};
}

// The rows of orders 10 to 13 of track 1 that jolt the picture; between them it brakes hard.
inline constexpr RowSet kJoltRows{0, 1, 28, 29, 56, 57, 88, 89, 108, 109};
inline constexpr RowSet kLateJoltRows{120, 121};
inline constexpr RowSet kAllJoltRows{0, 1, 28, 29, 56, 57, 88, 89, 108, 109, 120, 121};

inline constexpr std::array<CueRule, 11> kFirstTrackCues{{
    {{5}, RowAbove(104), 0.1, 0, {}, {}, {}},                    // the hush before the drop
    {{6}, RowAbove(0), 11, 50, {}, {}, {}},                      // the drop shakes
    {{8}, AnyRow(), 11, 1, {}, {}, {}},                          // the groove drifts
    {{10, 11, 12, 13}, RowIn(kJoltRows), 11, 15, 1000, {}, {}},  // jolts
    {{10, 12, 13}, RowIn(kLateJoltRows), 11, 15, 1000, {}, {}},
    {{11}, RowIn(kLateJoltRows), {}, {}, {}, {}, {}},              // order 11 has no late jolt
    {{10, 11, 12, 13}, RowNotIn(kAllJoltRows), 11, 1, 1, {}, {}},  // hard braking between
    {{14}, RowAbove(0), 5, 0, 10000, 2.0, {}},                     // racing sideways
    {{14}, RowAbove(28), 11, 1, 10, {}, {}},
    {{17}, RowAbove(80), 21, 150, 10, {}, {}},  // the climax
    {{19}, RowAbove(24), 11, 1, {}, {}, {}},    // the outro calms
}};

inline constexpr OrderSet kRiffOrders{8, 9, 10, 11, 12, 13, 14, 15};

inline constexpr std::array<CueRule, 8> kSecondTrackCues{{
    {{0}, RowAbove(0), 0.5, 1, {}, 0.0, 0.0},         // the intro holds the picture still
    {kRiffOrders, RowAbove(2), 11, 222, {}, {}, {}},  // each riff shakes hard
    {kRiffOrders, RowAbove(36), 11, 1, {}, {}, {}},   // and its answer calms
    {{16}, RowAbove(40), 0.2, 1, {}, {}, {}},         // the breakdown
    {{17}, RowAbove(0), 11, 30, {}, {}, {}},          // the second drop
    {{21}, RowAbove(0), 11, 1, {}, {}, {}},           // the bridge
    {{26}, RowAbove(0), 11, 30, {}, {}, {}},          // the final drop
    {{30}, RowAbove(0), 11, 1, {}, {}, {}},           // the outro
}};

}  // namespace qv

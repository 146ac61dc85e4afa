#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "tests/modules/module_probe.h"

namespace qv::modules_test {
namespace {

constexpr double kRowSeconds = 0.12;
constexpr const char* kAmber = "data/tov_amber_drift.it";
constexpr const char* kCobalt = "data/tov_cobalt_orbit.it";

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot open " << path << " (run from the repository root)";
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RowsOfOrder(openmpt::module& mod, int order) {
  return mod.get_pattern_num_rows(mod.get_order_pattern(order));
}

// The rows an order must have for the picture's cues to find their events.
struct OrderNeed {
  int order;
  int minRows;
  int maxRows;
};

struct Shape {
  const char* file;
  int minOrders;
  std::vector<OrderNeed> needs;
};

void PrintTo(const Shape& shape, std::ostream* os) {
  *os << shape.file;
}

class ModuleShapeTest : public testing::TestWithParam<Shape> {};

TEST_P(ModuleShapeTest, OrdersAndRowsFitTheCuesAndTheTrackEndsAfterItsLastOrder) {
  ModuleProbe probe(ReadFile(GetParam().file));
  openmpt::module& mod = probe.module();
  ASSERT_GE(mod.get_num_orders(), GetParam().minOrders);
  for (const OrderNeed& need : GetParam().needs) {
    const int rows = RowsOfOrder(mod, need.order);
    EXPECT_GE(rows, need.minRows) << "order " << need.order;
    EXPECT_LE(rows, need.maxRows) << "order " << need.order;
  }
  // Played straight through at a steady 120 ms a row: no jump back, no change of tempo.
  int rows = 0;
  for (int order = 0; order < mod.get_num_orders(); ++order)
    rows += RowsOfOrder(mod, order);
  EXPECT_NEAR(mod.get_duration_seconds(), rows * kRowSeconds, 0.01);
  EXPECT_GE(mod.get_duration_seconds(), 150.0);
  EXPECT_LE(mod.get_duration_seconds(), 300.0);
}

std::vector<OrderNeed> AmberNeeds() {
  std::vector<OrderNeed> needs = {
      {5, 112, 200}, {6, 2, 200}, {14, 30, 200}, {17, 82, 200}, {19, 26, 200}};
  for (int order = 10; order <= 13; ++order)
    needs.push_back({order, 128, 128});
  return needs;
}

std::vector<OrderNeed> CobaltNeeds() {
  std::vector<OrderNeed> needs = {{0, 2, 200}, {16, 42, 200}, {30, 2, 200}};
  for (int order = 8; order <= 15; ++order)
    needs.push_back({order, 64, 64});
  return needs;
}

INSTANTIATE_TEST_SUITE_P(Tracks, ModuleShapeTest,
                         testing::Values(Shape{kAmber, 20, AmberNeeds()},
                                         Shape{kCobalt, 31, CobaltNeeds()}));

TEST(ModuleLevelTest, BothTracksAreEquallyLoudAndNeverClip) {
  ModuleProbe amber(ReadFile(kAmber));
  ModuleProbe cobalt(ReadFile(kCobalt));
  const Stereo amberSound = amber.RenderToEnd();
  const Stereo cobaltSound = cobalt.RenderToEnd();
  const double amberDb = Decibels(Rms(amberSound));
  const double cobaltDb = Decibels(Rms(cobaltSound));
  EXPECT_NEAR(amberDb, cobaltDb, 1.5);
  EXPECT_GT(amberDb, -24.0);
  EXPECT_LT(Peak(amberSound), 0.98);
  EXPECT_LT(Peak(cobaltSound), 0.98);
}

// Rows of one order; a negative row counts back from the start of the order into the one before.
struct Span {
  int order;
  int row;
  int rows;
};

// A stretch that must be louder than another by at least `minDb`.
struct Contrast {
  const char* what;
  Span loud;
  Span quiet;
  double minDb;
};

double SpanDb(ModuleProbe& probe, Span span) {
  if (span.row < 0) {
    span.order -= 1;
    span.row += RowsOfOrder(probe.module(), span.order);
  }
  return Decibels(Rms(probe.RenderRows(span.order, span.row, span.rows)));
}

void ExpectContrasts(const char* file, const std::vector<Contrast>& contrasts) {
  ModuleProbe probe(ReadFile(file));
  for (const Contrast& c : contrasts) {
    const double loud = SpanDb(probe, c.loud);
    const double quiet = SpanDb(probe, c.quiet);
    EXPECT_GE(loud - quiet, c.minDb)
        << file << ": " << c.what << " at order " << c.loud.order << " row " << c.loud.row << ": "
        << loud << " dB against " << quiet << " dB";
  }
}

TEST(ModuleContrastTest, AmberDriftMarksEveryCueWithAnAudibleEvent) {
  std::vector<Contrast> contrasts = {
      {"hush from row 105", {5, 96, 8}, {5, 105, 4}, 10.0},
      {"drop after the riser", {6, 0, 16}, {5, 105, 8}, 6.0},
      {"climax from row 81", {17, 81, 16}, {17, 64, 16}, 4.0},
      {"outro from row 25", {19, 9, 16}, {19, 25, 16}, 6.0},
  };
  for (int order = 10; order <= 13; ++order) {
    for (int row : {0, 28, 56, 88, 108, 120}) {
      if (order == 11 && row == 120) continue;
      contrasts.push_back({"accented hit", {order, row, 2}, {order, row - 4, 4}, 6.0});
      contrasts.push_back(
          {"accented hit, then braking", {order, row, 2}, {order, row + 4, 4}, 4.0});
    }
  }
  ExpectContrasts(kAmber, contrasts);
}

TEST(ModuleContrastTest, AmberDriftHasNoHitOnRow120OfOrder11) {
  ModuleProbe probe(ReadFile(kAmber));
  const double hitRows = SpanDb(probe, {11, 120, 2});
  const double before = SpanDb(probe, {11, 116, 4});
  EXPECT_LT(hitRows - before, 2.0);
}

TEST(ModuleContrastTest, CobaltOrbitMarksEveryCueWithAnAudibleEvent) {
  std::vector<Contrast> contrasts = {
      {"intro below the theme", {5, 0, 64}, {0, 1, 63}, 3.0},
      {"breakdown from row 41", {16, 24, 16}, {16, 41, 16}, 6.0},
      {"second drop", {17, 0, 64}, {16, 41, 23}, 6.0},
      {"bridge after the drop", {20, 0, 64}, {21, 1, 63}, 4.0},
      {"final drop", {26, 0, 64}, {25, 0, 32}, 4.0},
      {"outro after the drop", {29, 0, 64}, {30, 1, 63}, 4.0},
  };
  for (int order = 8; order <= 15; ++order) {
    contrasts.push_back({"riff on rows 3-36", {order, 3, 34}, {order, 37, 27}, 8.0});
    contrasts.push_back({"riff from row 3", {order, 3, 4}, {order, 0, 3}, 8.0});
  }
  ExpectContrasts(kCobalt, contrasts);
}

}  // namespace
}  // namespace qv::modules_test

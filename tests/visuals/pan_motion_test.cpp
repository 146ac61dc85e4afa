#include "visuals/pan_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace qv {
namespace {

TEST(PlacePans, DrawsFourWholePositionsFromTheTimeSeededGeneratorInOrder) {
  for (std::time_t now : {std::time_t{0}, std::time_t{1765400000}, std::time_t{2147483647}}) {
    std::array<PanState, 2> pans{};
    PlacePans(pans, now);

    std::srand(static_cast<unsigned>(now));
    const int x1 = std::rand() % 800, y1 = std::rand() % 300;
    const int x2 = std::rand() % 800, y2 = std::rand() % 300;
    EXPECT_EQ(pans[0], (PanState{double(x1), double(y1), 1.0, 1.0, 1, 1}));
    EXPECT_EQ(pans[1], (PanState{double(x2), double(y2), 1.0, 1.0, 1, 1}));
    for (const PanState& pan : pans) {
      EXPECT_GE(pan.x, 0.0);
      EXPECT_LE(pan.x, 799.0);
      EXPECT_GE(pan.y, 0.0);
      EXPECT_LE(pan.y, 299.0);
    }
  }
}

}  // namespace
}  // namespace qv

#pragma once

namespace qv::make_data {

// The skin's two pictures: every control off, and the player lit as while a track plays.
enum class Look { kOff, kOn };

}  // namespace qv::make_data

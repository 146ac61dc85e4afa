#pragma once

#include "music/openmpt/stepped_output.h"

namespace qv::test {

// A sound card that the test drives: pulled only when the test says, on the test's clock.
using SimulatedOutput = SteppedOutput;

}  // namespace qv::test

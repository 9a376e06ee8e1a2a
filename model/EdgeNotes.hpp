// The edges a lift result leaves out of its samples, because the speed is unbounded there (the
// trailing edge with a Kutta factor other than 1, the sharp nose of a section of zero thickness),
// and the notes that say so: one line under the surface table, one sentence an edge beside the
// pressure curves. Their "%1", where they have one, is the Kutta factor.
#pragma once

#include <optional>
#include <vector>

#include "model/Aerodynamics.hpp"
#include "model/Messages.hpp"

namespace jouk {

// The note for the surface table, or nothing when no edge is left out or the result failed.
std::optional<MessageId> SurfaceTableNote(const LiftAndPressure& result);

// The notes for the pressure curves, the trailing edge's first; none when no edge is left out
// or the result failed.
std::vector<MessageId> CurveNotes(const LiftAndPressure& result);

}  // namespace jouk

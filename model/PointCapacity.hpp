// Streamlines that stop at the last point the point arrays hold, before the edge of the picture:
// how far they reach, and the smallest radial step of a 1-2-5 ladder whose solution has room for
// every streamline to leave the picture, found by solving the same texts again with that step.
#pragma once

#include <optional>
#include <string>

#include "model/Mdl_Common.hpp"
#include "model/Parameters.hpp"

namespace jouk {

// The capacity cut of a solution: whether some streamline that holds as many points as it can
// ends inside the picture (the map stretches the plane, so a full streamline may well end beyond
// the edge), the capacity of the point arrays (5000 points), and about how far the cut
// streamlines reach: the median of |x| over their far ends inside the picture (the upper one of
// the two middle values of an even count).
struct CapacityCut {
  bool cut = false;
  int points = 0;
  double reach = 0;
};

// The most points streamline i can hold: kLastPoint for the two halves of the dividing streamline
// (1 and 2), 2·kMaxHalfPoints − 1 for a further one (its mirrored halves share the axis point).
int StreamlineCapacity(int i);

// Whether the streamlines of a recomputed store stop at their capacity inside the picture
// (|x| < Olcek, |y| < (2/3)·Olcek), and where; the far ends are point 1 and the last point of a
// further streamline and the last point of a half of the dividing one.
CapacityCut CapacityCutOf(const FlowState& st);

// The ladder's step after `step`: the next of 1, 2, 5 × 10^k above it, as decimal text ("0.002").
std::string NextLadderStep(double step);

// The smallest step of the ladder above the dR of `texts` with which the same texts give a
// solution without a capacity cut, by trial solves on a copy of st (which holds the solution of
// texts, so a table miss keeps the same section). The ladder starts at Olcek·10^−6 for a smaller
// dR and ends at ten times the scale; nothing when no step there has room, or a trial is refused.
std::optional<double> StepThatFits(const FlowState& st, const ParameterTexts& texts);

}  // namespace jouk

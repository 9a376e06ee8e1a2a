#include "model/LiftCsv.hpp"

#include <cstdio>

#include "model/NumberText.hpp"

namespace jouk {

namespace {

std::string Row(const char* name, double value) {
  char line[96];
  std::snprintf(line, sizeof line, "%s,%.17g\n", name, value);
  return line;
}

}  // namespace

std::string SummaryCsv(const LiftAndPressure& result) {
  std::string out = "quantity,value\n";
  if (!result.ok) return out;
  out += Row("circulation", result.circulation);
  out += Row("lift_coefficient", result.liftCoefficient);
  out += Row("lift_coefficient_from_pressure", result.liftFromPressure);
  out += Row("chord", result.chord);
  out += Row("front_stagnation_x", result.frontStagnationX);
  out += Row("front_stagnation_y", result.frontStagnationY);
  out += Row("rear_stagnation_x", result.rearStagnationX);
  out += Row("rear_stagnation_y", result.rearStagnationY);
  return out;
}

std::string SurfaceCsv(const LiftAndPressure& result) {
  std::string out = "point,x,y,speed,cp\n";
  if (!result.ok) return out;
  char line[128];
  for (const SurfacePoint& p : result.surface) {
    std::snprintf(line, sizeof line, "%d,%.17g,%.17g,%.17g,%.17g\n", p.point, p.x, p.y, p.speed,
                  p.cp);
    out += line;
  }
  return out;
}

std::string SurfaceNote(const LiftAndPressure& result) {
  if (!result.ok) return {};
  if (result.trailingEdgeOmitted && result.leadingEdgeOmitted) {
    return "The speed is unbounded at the trailing edge (Kutta condition " +
           NumberToText(result.kuttaFactor) +
           ") and at the sharp leading edge; the surface table has no row for either.";
  }
  if (result.trailingEdgeOmitted) {
    return "The speed is unbounded at the trailing edge (Kutta condition " +
           NumberToText(result.kuttaFactor) + "); the surface table has no row for it.";
  }
  if (result.leadingEdgeOmitted) {
    return "The speed is unbounded at the sharp leading edge of this section of zero thickness; "
           "the surface table has no row for it.";
  }
  return {};
}

}  // namespace jouk

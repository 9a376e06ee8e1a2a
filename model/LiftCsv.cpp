#include "model/LiftCsv.hpp"

#include <cstdio>
#include <optional>

#include "model/EdgeNotes.hpp"
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
  const std::optional<MessageId> note = SurfaceTableNote(result);
  if (!note) return {};
  return EnglishText(*note, {NumberToText(result.kuttaFactor)});
}

}  // namespace jouk

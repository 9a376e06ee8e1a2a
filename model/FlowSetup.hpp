// The working quantities of one solve of the cylinder flow, shared by the solver and by the
// checks that decide whether a parameter set can be solved at all.
#pragma once

#include <cmath>

#include "Mdl_ZORAP.hpp"

namespace jouk {

struct FlowSetup {
  double U;      // free-stream speed, 1
  double alpha;  // angle of attack, radians
  double b;      // mapping length
  double a;      // circle radius
  double beta;   // trailing-edge angle seen from the centre
  double Gamma;  // circulation: 4·π·a·U·sin(α+β)·iKutta
  double K;      // Γ/(2·π·U)
};

// Computes the working quantities for the given angle (degrees), offsets and circulation factor.
inline FlowSetup SetUpFlow(double Alfa, double Eps, double Mu, double iKutta, int nExp, double Pi,
                           double DegToRad) {
  FlowSetup f{};
  f.U = 1;
  f.alpha = Alfa * DegToRad;
  const CircleGeometry g = CircleFor(Eps, Mu, nExp);
  f.b = g.b;
  f.a = g.a;
  f.beta = g.beta;
  f.Gamma = 4 * Pi * f.a * f.U * std::sin(f.alpha + f.beta) * iKutta;
  f.K = f.Gamma / (2 * Pi * f.U);
  return f;
}

// Sine of the polar angle of the rear stagnation point, −Γ/(4·π·a·U); the point exists on the
// circle only when its magnitude is at most 1.
inline double StagnationSine(const FlowSetup& f, double Pi) {
  return -f.Gamma / (4 * Pi * f.a * f.U);
}

}  // namespace jouk

// The recompute pipeline: from the eight parameter texts to the turned streamline points.
#pragma once

#include <string>

#include "Mdl_Common.hpp"

namespace jouk {

// The eight parameter texts as the window's text boxes hold them; defaults are the start-up
// texts.
struct ParameterTexts {
  std::string Delta = "0.12";  // relative thickness
  std::string Gama = "0.02";   // relative camber
  std::string Alfa = "5";      // angle of attack, degrees
  std::string iKutta = "1";    // circulation factor
  std::string Olcek = "1";     // scale
  std::string dPsi = "0.07";   // stream-function step
  std::string kMax = "10";     // index of the last streamline
  std::string dR = "0.01";     // radial marching step
};

// Outcome of a recompute: ok, or the reason the parameter set was rejected.
struct RecomputeStatus {
  bool ok = true;
  std::string message;  // for a rejection: names the parameter by its label and the rule
};

// Row (1..nTable) whose keys equal Delta and Gama exactly, or 0 when none does. Visits every
// row, comparing both keys on each.
int FindSectionRow(const FlowState& st, double Delta, double Gama);

// Sets Eps and Mu from the row whose keys equal Delta and Gama; a miss leaves them unchanged.
void LookupSection(FlowState& st, double Delta, double Gama);

// Turns every point 1..nPts(i) of streamlines 0..kMax clockwise by the angle of attack:
// X' = X·cos α + Y·sin α, Y' = Y·cos α − X·sin α.
void TurnByAngleOfAttack(FlowState& st);

// Reads the texts, looks up the section, solves the circle-plane flow, maps it to the airfoil
// plane and turns it by the angle of attack. A parameter set that cannot be solved is rejected
// before anything is written: the store is then exactly as it was.
RecomputeStatus Recompute(FlowState& st, const ParameterTexts& texts) noexcept;

}  // namespace jouk

// A loaded store holding the start-up parameters, set directly rather than parsed from text.
#pragma once

#include "model/Mdl_Common.hpp"

namespace jouk::testing {

// Thickness 0.12 and camber 0.02 (Eps 0.10195, Mu 0.04407), angle 5, Kutta factor 1, scale 1,
// step 0.07, ten streamlines, radial step 0.01; nothing computed yet.
inline FlowState StartupState() {
  FlowState st;
  LoadInitialisation(st);
  st.nExp = 2;
  st.Alfa = 5;
  st.iKutta = 1;
  st.Olcek = 1;
  st.dPsi = 0.07;
  st.kMax = 10;
  st.dR = 0.01;
  st.Eps = 0.10195;
  st.Mu = 0.04407;
  return st;
}

}  // namespace jouk::testing
